#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "AllControlsTest.h"

// What a user does on a shown window when handlers change the window under the user's hands:
// unloading it, hiding or disabling the focused field; and the mouse clicks that fire Click.
namespace {

using Log = std::vector<std::string>;

class UserSessionTest : public AllControlsTest {
protected:
    qtgui::ControlPeer& peerOf(const platform::Control& control) { return *peer().peerOf(control); }
    QWidget* focused() { return peer().window()->focusWidget(); }

    static void mouse(QWidget& target, QEvent::Type type, QPoint at = {4, 4})
    {
        QMouseEvent event(type, QPointF(at), QPointF(target.mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    static void click(QWidget& target)
    {
        mouse(target, QEvent::MouseButtonPress);
        mouse(target, QEvent::MouseButtonRelease);
    }
};

TEST_F(UserSessionTest, AHandlerThatUnloadsItsOwnFormLeavesItUnloaded)
{
    struct Case {
        const char* name;
        platform::Event* handler;
        std::function<void()> act;
    };
    platform::KeyEvent keyDown = form.TextName.KeyDown;
    platform::Event keyHandler;
    form.TextName.KeyDown = [&keyHandler](int&, int) { keyHandler(); };
    const Case cases[] = {
        {"File > Exit", &form.MenuFileExit.Click,
         [this] { dynamic_cast<qtgui::MenuPeer&>(peerOf(form.MenuFileExit)).action()->trigger(); }},
        {"a check box", &form.CheckPaid.Click, [this] { qobject_cast<QCheckBox*>(widgetOf(form.CheckPaid))->click(); }},
        {"a key in a text box", &keyHandler,
         [this] {
             form.TextName.setFocus();
             press(*widgetOf(form.TextName), Qt::Key_A, "a");
         }},
        {"a scroll bar", &form.ScrollAmount.Change,
         [this] { qobject_cast<QScrollBar*>(widgetOf(form.ScrollAmount))->triggerAction(QAbstractSlider::SliderPageStepAdd); }},
        {"a label", &form.LabelTitle.Click, [this] { click(*widgetOf(form.LabelTitle)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.Show();
        settle();
        const platform::Event kept = *c.handler;
        *c.handler = [this] { form.Unload(); };
        form.takeLog();
        c.act();
        settle();
        *c.handler = kept;
        EXPECT_FALSE(form.isLoaded());
        const Log log = form.takeLog();
        EXPECT_EQ(std::count(log.begin(), log.end(), "Form_Load"), 0);
        ASSERT_GE(log.size(), 2U);
        EXPECT_EQ(Log(log.end() - 2, log.end()), (Log{"Form_QueryUnload", "Form_Unload"}));
        EXPECT_FALSE(peer().window()->isVisible());
    }
    form.TextName.KeyDown = keyDown;
}

TEST_F(UserSessionTest, HidingOrDisablingTheFocusedFieldKeepsTheScreensFocusOnTheModels)
{
    form.TextName.setFocus();
    settle();
    ASSERT_EQ(focused(), widgetOf(form.TextName));
    form.takeLog();

    form.TextName.setEnabled(false);
    settle();
    EXPECT_EQ(form.takeLog(), (Log{"TextName_LostFocus", "TextMemo_GotFocus"}));
    EXPECT_EQ(form.ActiveControl(), &form.TextMemo);
    EXPECT_EQ(focused(), widgetOf(form.TextMemo));

    // The next field: typing fires its key events.
    form.TextMemo.setVisible(false);
    settle();
    ASSERT_EQ(form.ActiveControl(), &form.CheckPaid);
    ASSERT_EQ(focused(), widgetOf(form.CheckPaid));
    form.takeLog();
    press(*focused(), Qt::Key_A, "a");
    EXPECT_EQ(form.takeLog(), (Log{"CheckPaid_KeyDown 65"}));

    // A disabled frame takes the focus from its option button; Enter still clicks the Default button.
    form.OptKind[1].setFocus();
    settle();
    form.takeLog();
    form.FrameKind.setEnabled(false);
    settle();
    EXPECT_EQ(form.takeLog(), (Log{"OptKind(1)_LostFocus", "ListCodes_GotFocus"}));
    ASSERT_EQ(focused(), widgetOf(form.ListCodes));
    press(*focused(), Qt::Key_Return, "\r");
    EXPECT_EQ(form.takeLog(), (Log{"CmdOK_Click"}));
}

TEST_F(UserSessionTest, AMouseClickClicksLabelsFramesPictureBoxesAndTextBoxes)
{
    const std::vector<const platform::Control*> clickable{&form.LabelTitle, &form.FrameKind, &form.PictureSheet,
                                                          &form.TextName, &form.TextMemo};
    for (const platform::Control* control : clickable) {
        SCOPED_TRACE(control->Name());
        QWidget& target = *widgetOf(*control);
        form.takeLog();
        click(target);
        const Log log = form.takeLog();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back(), control->Name() + "_Click");
        EXPECT_EQ(std::count(log.begin(), log.end(), control->Name() + "_Click"), 1);
    }

    // Let go outside the control: no click; the release of a double click is no second click.
    QWidget& label = *widgetOf(form.LabelTitle);
    mouse(label, QEvent::MouseButtonPress);
    mouse(label, QEvent::MouseButtonRelease, QPoint(-20, -20));
    click(label);
    mouse(label, QEvent::MouseButtonDblClick);
    mouse(label, QEvent::MouseButtonRelease);
    const Log log = form.takeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "LabelTitle_Click"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "LabelTitle_DblClick"), 1);
}

TEST_F(UserSessionTest, APictureBoxMeasuresTheMouseFromItsInsideEdge)
{
    QWidget& inside = *peerOf(form.PictureSheet).childArea();
    ASSERT_NE(&inside, widgetOf(form.PictureSheet));
    mouse(inside, QEvent::MouseButtonPress, QPoint(10, 20));
    const Log log = form.takeLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "PictureSheet_MouseDown 1 150,300");
}

TEST_F(UserSessionTest, ALabelWithoutMnemonicsShowsItsAmpersand)
{
    auto& label = *qobject_cast<QLabel*>(widgetOf(form.LabelTitle));
    form.LabelTitle.setCaption("Smith & Sons && Co");
    EXPECT_EQ(label.text(), QStringLiteral("Smith  Sons & Co"));
    form.LabelTitle.setUseMnemonic(false);
    EXPECT_EQ(label.text(), QStringLiteral("Smith & Sons && Co"));
}

TEST_F(UserSessionTest, AWindowMovedByTheUserUpdatesLeftAndTop)
{
    QWidget& window = *peer().window();
    window.move(200, 100);
    settle();
    EXPECT_DOUBLE_EQ(form.Left(), 200 * 1440 / QGuiApplication::primaryScreen()->logicalDotsPerInch());
    EXPECT_DOUBLE_EQ(form.Top(), 100 * 1440 / QGuiApplication::primaryScreen()->logicalDotsPerInch());
    // A position set by code stays exact.
    form.Move(1000, 1010);
    settle();
    EXPECT_EQ(form.Left(), 1000);
    EXPECT_EQ(form.Top(), 1010);
}

TEST_F(UserSessionTest, EachControlShowsItsOwnColoursAndAFrameExactlyItsOwn)
{
    const QColor lavender(0xE0, 0xC0, 0xFF);
    const QColor green(0, 0x80, 0);
    form.FrameKind.setBackColor(0x00FFC0E0);
    form.FrameKind.setForeColor(0x00008000);
    form.OptKind[1].setForeColor(0x000000FF);
    settle();
    QWidget& option0 = *widgetOf(form.OptKind[0]);
    QWidget& option1 = *widgetOf(form.OptKind[1]);
    const QPalette standard = QApplication::palette(&option0);
    EXPECT_EQ(option0.palette().color(QPalette::WindowText), standard.color(QPalette::WindowText)) << "no green from the frame";
    EXPECT_EQ(option0.palette().color(QPalette::Window), standard.color(QPalette::Window)) << "no lavender from the frame";
    EXPECT_EQ(option1.palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(widgetOf(form.FrameKind)->palette().color(QPalette::WindowText), green);

    // Below the option buttons the frame shows its colour, unblended.
    QWidget& frame = *widgetOf(form.FrameKind);
    const QImage shot = frame.grab().toImage();
    const QPoint inside(frame.width() / 2, frame.height() - 8);
    EXPECT_EQ(shot.pixelColor(inside * shot.devicePixelRatio()), lavender);
}

TEST_F(UserSessionTest, ADisabledFrameKeepsItsChildrensLooksButTheyTakeNoInput)
{
    QWidget& option = *widgetOf(form.OptKind[1]);
    const QImage before = option.grab().toImage();
    form.FrameKind.setEnabled(false);
    settle();
    EXPECT_TRUE(option.isEnabled());
    EXPECT_EQ(option.grab().toImage(), before);
    EXPECT_EQ(option.focusPolicy(), Qt::NoFocus);
    click(option);
    EXPECT_FALSE(form.OptKind[1].Value());
    EXPECT_EQ(form.takeLog(), Log{});

    form.FrameKind.setEnabled(true);
    settle();
    EXPECT_NE(option.focusPolicy(), Qt::NoFocus);
    qobject_cast<QRadioButton*>(&option)->click();
    EXPECT_TRUE(form.OptKind[1].Value());
}

TEST_F(UserSessionTest, APictureBoxPaintsItsDrawingInOrderInItsColoursAndModes)
{
    platform::PictureBox& sheet = form.PictureSheet;
    sheet.Cls();
    sheet.Scale(0, 0, 100, 100);
    sheet.setCurrentX(2);
    sheet.setCurrentY(70);
    sheet.print("WWW");
    sheet.line(0, 65, 30, 100, 0x00FF0000, platform::LineForm::FilledBox); // blue, over the text
    sheet.line(10, 10, 40, 40, 0x000000FF, platform::LineForm::FilledBox);   // red
    sheet.setDrawMode(platform::XorPen);
    sheet.line(20, 20, 60, 60, 0x00FFFFFF, platform::LineForm::FilledBox);
    sheet.setDrawMode(platform::CopyPen);
    settle();

    QWidget& inside = *peerOf(sheet).childArea();
    const QImage shot = inside.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = shot.devicePixelRatio();
    auto at = [&](double x, double y) {
        return shot.pixelColor(QPoint(int(x * inside.width() / 100 * ratio), int(y * inside.height() / 100 * ratio)));
    };
    EXPECT_EQ(at(15, 15), QColor(0xFF, 0, 0));
    EXPECT_EQ(at(30, 30), QColor(0, 0xFF, 0xFF)) << "red inverted by the exclusive-or white";
    EXPECT_EQ(at(50, 50), QColor(0, 0, 0)) << "the white back inverted";
    EXPECT_EQ(at(10, 80), QColor(0, 0, 0xFF));
    for (int y = int(66 * inside.height() / 100 * ratio); y < shot.height(); ++y)
        for (int x = 0; x < int(29 * inside.width() / 100 * ratio); ++x)
            ASSERT_EQ(shot.pixelColor(x, y), QColor(0, 0, 0xFF)) << "the text lies under the box drawn after it, at " << x << "," << y;

    // Without a border the inside is the whole control.
    sheet.setBorderStyle(0);
    EXPECT_EQ(inside.geometry(), QRect(QPoint(0, 0), widgetOf(sheet)->size()));
}

} // namespace
