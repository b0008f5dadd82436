#include <QFontInfo>
#include <QPalette>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/WidgetColours.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetKeys.h"
#include "qtgui/WidgetText.h"

namespace {

TEST(WidgetConversions, MultiLinePositionsCountEachLineBreakOnceOnTheScreen)
{
    struct Case {
        std::string text;
        int modelPosition;
        int shownPosition;
    };
    const Case cases[] = {
        {"abc", 2, 2},           {"ab\r\ncd", 2, 2}, {"ab\r\ncd", 4, 3}, {"ab\r\ncd", 6, 5},
        {"a\rb\nc", 4, 4},       {"\r\n\r\n", 4, 2}, {"abc", 9, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " @" + std::to_string(c.modelPosition));
        EXPECT_EQ(qtgui::toShownPosition(c.text, c.modelPosition), c.shownPosition);
        EXPECT_EQ(qtgui::toModelPosition(c.text, c.shownPosition), std::min<int>(c.modelPosition, c.text.size()));
    }
    EXPECT_EQ(qtgui::fromMultiLineText(QStringLiteral("one\ntwo\xe9")), "one\r\ntwo\xe9");
}

TEST(WidgetConversions, KeysAndMouseButtonsTakeThePlatformsNumbers)
{
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},       {Qt::Key_Z, Qt::ShiftModifier, 90},   {Qt::Key_5, Qt::NoModifier, 53},
        {Qt::Key_5, Qt::KeypadModifier, 101},  {Qt::Key_F1, Qt::NoModifier, 112},    {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_Return, Qt::NoModifier, 13},  {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Delete, Qt::NoModifier, 46},  {Qt::Key_Down, Qt::NoModifier, 40},   {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Plus, Qt::NoModifier, 0},     {Qt::Key_Eacute, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qtKey);
        EXPECT_EQ(qtgui::toKeyCode(c.qtKey, c.modifiers), c.code);
    }
    EXPECT_EQ(qtgui::toShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(qtgui::toShiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(qtgui::toMouseButtons(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(qtgui::toMouseButtons(Qt::RightButton), 2);
}

TEST(WidgetConversions, ColoursAreBlueGreenRedOrTheThemesSystemColours)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    EXPECT_EQ(qtgui::toQColor(0x00C08040, palette), QColor(0x40, 0x80, 0xC0));
    EXPECT_EQ(qtgui::toQColor(0x80000005, palette), QColor(1, 2, 3));
    EXPECT_EQ(qtgui::toQColor(0x80000012, palette), QColor(4, 5, 6));
    EXPECT_EQ(qtgui::toQColor(0x8000000D, palette), QColor(7, 8, 9));
    EXPECT_FALSE(qtgui::isSystemColour(0x00FFFFFF));
}

TEST(WidgetConversions, TheSystemsFontNamesFindAnInstalledFace)
{
    qtTestApplication();
    qtgui::installFontSubstitutes();
    for (const char* name : {"ARIAL", "MS Sans Serif", "Courier New"}) {
        SCOPED_TRACE(name);
        platform::Font font;
        font.name = name;
        font.size = 10;
        font.bold = true;
        const QFont shown = qtgui::toQFont(font);
        EXPECT_TRUE(shown.bold());
        EXPECT_DOUBLE_EQ(shown.pointSizeF(), 10);
        EXPECT_FALSE(QFont::substitutes(QString::fromLatin1(name)).isEmpty());
    }
    const QString arial = QFontInfo(qtgui::toQFont(platform::Font{"ARIAL", 10, false, false, false})).family();
    EXPECT_TRUE(arial == QStringLiteral("Liberation Sans") || arial == QStringLiteral("DejaVu Sans")) << arial.toStdString();
}

} // namespace
