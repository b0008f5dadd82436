#include <QAbstractButton>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/MessageBoxRules.h"

namespace {

using platform::Answer;
using platform::Buttons;
using Button = QMessageBox::StandardButton;

class MessageBoxSetUp : public testing::Test {
protected:
    QApplication& app = qtTestApplication();
    QMessageBox box;
};

TEST_F(MessageBoxSetUp, ShowsTitleAndWindows1252TextWithItsLineBreaks)
{
    platform::MessageBox settings;
    settings.title = "Caf\xe9 \x93Quotes\x94";
    settings.text = "Cannot find DATAPEEK.EXE\r\rPlease pay \x80" "5\r\nnow\n<b>not bold</b>";
    qtgui::configureMessageBox(box, settings);

    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Café “Quotes”"));
    EXPECT_EQ(box.text(), QString::fromUtf8("Cannot find DATAPEEK.EXE\n\nPlease pay €5\nnow\n<b>not bold</b>"));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
}

TEST_F(MessageBoxSetUp, WithoutATitleShowsTheApplicationName)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillbook"));
    qtgui::configureMessageBox(box, platform::MessageBox{"Cannot find Notepad.exe", "", Buttons::OK,
                                                         platform::Icon::Exclamation, 1});
    EXPECT_EQ(box.windowTitle(), "Quillbook");
}

TEST_F(MessageBoxSetUp, ABoxIsWideEnoughForItsTitle)
{
    platform::MessageBox settings;
    settings.title = "Backup Quillbook 2000-32 : Harbour Lane Joinery";
    settings.text = "Backup Your Data?";
    settings.buttons = Buttons::YesNoCancel;
    settings.icon = platform::Icon::Question;
    qtgui::configureMessageBox(box, settings);
    box.show();
    // Beside the title the window manager draws the box's icon and its three buttons.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    EXPECT_GE(box.width(), title.horizontalAdvance(box.windowTitle()) + 6 * title.height());
    box.hide();
}

TEST_F(MessageBoxSetUp, IconsFollowTheStyle)
{
    const struct {
        platform::Icon icon;
        QMessageBox::Icon qt;
    } cases[] = {
        {platform::Icon::None, QMessageBox::NoIcon},
        {platform::Icon::Critical, QMessageBox::Critical},
        {platform::Icon::Question, QMessageBox::Question},
        {platform::Icon::Exclamation, QMessageBox::Warning},
        {platform::Icon::Information, QMessageBox::Information},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.icon));
        platform::MessageBox settings;
        settings.icon = c.icon;
        qtgui::configureMessageBox(box, settings);
        EXPECT_EQ(box.icon(), c.qt);
    }
}

TEST_F(MessageBoxSetUp, ButtonsDefaultAndEscapeFollowTheStyle)
{
    const struct {
        Buttons buttons;
        int defaultButton;
        QMessageBox::StandardButtons shown;
        Button expectedDefault;
        Button expectedEscape; // NoButton: the set has no escape answer of its own
    } cases[] = {
        {Buttons::OK, 1, Button::Ok, Button::Ok, Button::Ok},
        {Buttons::OKCancel, 1, Button::Ok | Button::Cancel, Button::Ok, Button::Cancel},
        {Buttons::OKCancel, 2, Button::Ok | Button::Cancel, Button::Cancel, Button::Cancel},
        {Buttons::YesNoCancel, 2, Button::Yes | Button::No | Button::Cancel, Button::No, Button::Cancel},
        {Buttons::YesNoCancel, 3, Button::Yes | Button::No | Button::Cancel, Button::Cancel, Button::Cancel},
        {Buttons::YesNo, 1, Button::Yes | Button::No, Button::Yes, Button::NoButton},
        {Buttons::YesNo, 2, Button::Yes | Button::No, Button::No, Button::NoButton},
        {Buttons::YesNo, 7, Button::Yes | Button::No, Button::Yes, Button::NoButton},
        {Buttons::AbortRetryIgnore, 2, Button::Abort | Button::Retry | Button::Ignore, Button::Retry, Button::NoButton},
        {Buttons::RetryCancel, 1, Button::Retry | Button::Cancel, Button::Retry, Button::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons) * 10 + c.defaultButton);
        QMessageBox fresh;
        platform::MessageBox settings;
        settings.buttons = c.buttons;
        settings.defaultButton = c.defaultButton;
        qtgui::configureMessageBox(fresh, settings);
        EXPECT_EQ(fresh.standardButtons(), c.shown);
        EXPECT_EQ(fresh.standardButton(fresh.defaultButton()), c.expectedDefault);
        if (c.expectedEscape != Button::NoButton) {
            EXPECT_EQ(fresh.standardButton(fresh.escapeButton()), c.expectedEscape);
        }
    }
}

TEST_F(MessageBoxSetUp, ClickedButtonGivesThePlatformsAnswer)
{
    const struct {
        Buttons buttons;
        Button clicked;
        Answer answer;
    } cases[] = {
        {Buttons::OK, Button::Ok, Answer::OK},
        {Buttons::OKCancel, Button::Cancel, Answer::Cancel},
        {Buttons::YesNoCancel, Button::Yes, Answer::Yes},
        {Buttons::YesNoCancel, Button::No, Answer::No},
        {Buttons::YesNoCancel, Button::Cancel, Answer::Cancel},
        {Buttons::AbortRetryIgnore, Button::Abort, Answer::Abort},
        {Buttons::AbortRetryIgnore, Button::Ignore, Answer::Ignore},
        {Buttons::RetryCancel, Button::Retry, Answer::Retry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        QMessageBox fresh;
        platform::MessageBox settings;
        settings.buttons = c.buttons;
        qtgui::configureMessageBox(fresh, settings);
        fresh.button(c.clicked)->click();
        EXPECT_EQ(qtgui::answerOf(fresh, c.buttons), c.answer);
    }
}

TEST_F(MessageBoxSetUp, ClosingWithoutAButtonAnswersCancel)
{
    platform::MessageBox settings;
    settings.buttons = Buttons::YesNoCancel;
    qtgui::configureMessageBox(box, settings);
    EXPECT_EQ(qtgui::answerOf(box, Buttons::YesNoCancel), Answer::Cancel);
}

} // namespace

TEST_F(MessageBoxSetUp, TheHelpButtonOpensHelpAndLeavesTheBoxOpen)
{
    qtgui::configureMessageBox(box, platform::MessageBox{"Start a new company?", "", Buttons::YesNo,
                                                         platform::Icon::Question, 1});
    int helpOpened = 0;
    qtgui::addHelpButton(box, [&helpOpened] { ++helpOpened; });
    box.show();
    box.button(QMessageBox::Help)->click();
    EXPECT_EQ(helpOpened, 1);
    EXPECT_TRUE(box.isVisible());
    box.button(QMessageBox::No)->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(qtgui::answerOf(box, Buttons::YesNo), platform::Answer::No);
}
