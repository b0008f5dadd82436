#include <QComboBox>
#include <QEventLoop>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AllControlsTest.h"
#include "platform/Grid.h"

namespace {

using Log = std::vector<std::string>;

// What the Qt layer reports as critical meanwhile ("Unhandled error in ...").
class CriticalMessages {
public:
    CriticalMessages()
    {
        collected_ = &messages;
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg)
                collected_->push_back(text.toStdString());
        });
    }
    ~CriticalMessages() { qInstallMessageHandler(previous_); }
    CriticalMessages(const CriticalMessages&) = delete;
    CriticalMessages& operator=(const CriticalMessages&) = delete;

    Log messages;

private:
    static inline Log* collected_ = nullptr;
    QtMessageHandler previous_;
};

void sendFocus(QWidget& target, QEvent::Type type, Qt::FocusReason reason)
{
    QFocusEvent event(type, reason);
    QApplication::sendEvent(&target, &event);
}

// The desktop gives a widget the focus, as when its window is activated: the widget becomes its
// window's focus widget, then hears of it.
void desktopFocuses(QWidget& target, Qt::FocusReason reason)
{
    target.setFocus(reason);
    sendFocus(target, QEvent::FocusIn, reason);
}

using DesktopFocusTest = AllControlsTest;

TEST_F(DesktopFocusTest, AnEditableComboLosingTheFocusChoosesNothing)
{
    // The text matches an item that is not chosen, as when code set it: Qt's combo would choose
    // that item as the focus leaves, for the menu bar (Alt+F) or any other reason.
    form.ComboEdit.setText("REC");
    ASSERT_EQ(form.ComboEdit.ListIndex(), -1);
    auto& combo = widget<QComboBox>(form.ComboEdit);
    focusByMouse(combo);
    form.takeLog();
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::MenuBarFocusReason, Qt::MouseFocusReason, Qt::ActiveWindowFocusReason}) {
        sendFocus(combo, QEvent::FocusOut, reason);
        EXPECT_EQ(form.takeLog(), Log{}) << reason;
        EXPECT_EQ(form.ComboEdit.ListIndex(), -1);
        EXPECT_EQ(form.ComboEdit.Text(), "REC");
        EXPECT_EQ(combo.lineEdit()->text(), QStringLiteral("REC"));
    }
    // A choice from the list still clicks.
    emit combo.activated(2);
    EXPECT_EQ(form.takeLog(), Log{"ComboEdit_Click"});
    EXPECT_EQ(form.ComboEdit.Text(), "JNL");
}

TEST_F(DesktopFocusTest, AFormOrControlTheProgramMadeUnusableDoesNotTakeTheFocus)
{
    CriticalMessages critical;
    form.TextName.setFocus();
    settle();
    form.takeLog();

    // A control in a frame the program disabled: its widget stays enabled, for the looks.
    form.FrameKind.setEnabled(false);
    sendFocus(*widgetOf(form.OptKind[1]), QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(form.ActiveControl(), &form.TextName);
    EXPECT_EQ(peer().window()->focusWidget(), widgetOf(form.TextName)) << "the widgets show the model's focus";

    // A window the desktop shows again after the program hid it.
    form.Hide();
    settle();
    form.takeLog();
    peer().window()->show();
    sendFocus(*widgetOf(form.CheckPaid), QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_FALSE(form.Visible());
    EXPECT_NE(form.ActiveControl(), &form.CheckPaid);
    EXPECT_EQ(form.takeLog(), Log{});
    EXPECT_EQ(critical.messages, Log{});
}

TEST_F(DesktopFocusTest, AFocusTheDesktopMovesReachesTheModelAfterQtsHandlingInOrder)
{
    form.ListCodes.setFocus();
    settle();
    form.takeLog();
    Log duringHandling;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        // A window activated by the desktop focuses its control inside Qt's own handling.
        desktopFocuses(*widgetOf(form.CheckPaid), Qt::ActiveWindowFocusReason);
        duringHandling = form.takeLog();
        // A key that comes before Qt's handling returns finds the focus moved first.
        press(*widgetOf(form.CheckPaid), Qt::Key_Space, " ");
        loop.quit();
    });
    loop.exec();
    settle();
    EXPECT_EQ(duringHandling, Log{});
    EXPECT_EQ(form.takeLog(), (Log{"ListCodes_LostFocus", "CheckPaid_GotFocus", "CheckPaid_KeyDown 32", "CheckPaid_Click"}));
}

TEST_F(DesktopFocusTest, TheProgramsOwnFocusMoveStandsOverADesktopMoveThatWaited)
{
    form.ListCodes.setFocus();
    settle();
    form.takeLog();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        // A box closing inside a handler gives the focus back to a control; the handler goes on
        // and moves the focus itself.
        desktopFocuses(*widgetOf(form.CheckPaid), Qt::ActiveWindowFocusReason);
        form.TextName.setFocus();
        loop.quit();
    });
    loop.exec();
    settle();
    EXPECT_EQ(form.ActiveControl(), &form.TextName);
    EXPECT_EQ(peer().window()->focusWidget(), widgetOf(form.TextName));
    EXPECT_EQ(form.takeLog(), (Log{"ListCodes_LostFocus", "TextName_GotFocus"}));
}

// A window whose grid goes before the window itself, as every control does when its form is destroyed.
class GridFirstForm : public platform::Form {
public:
    explicit GridFirstForm(platform::Services& services) : Form(services, "GridFirstForm")
    {
        Move(0, 0, 6000, 4500);
        grid->Move(0, 0, 5000, 3000);
        endDesign();
    }

    std::unique_ptr<platform::Grid> grid = std::make_unique<platform::Grid>(*this, "Lines");
};

TEST_F(DesktopFocusTest, AControlsPeerLetsGoOfItAsTheControlGoes)
{
    GridFirstForm scrolled{services};
    scrolled.grid->setRows(200);
    scrolled.Show();
    settle();
    scrolled.grid->setTopRow(150);
    settle();
    qtgui::ControlPeer* gridPeer = windows.find(scrolled)->peerOf(*scrolled.grid);
    ASSERT_NE(gridPeer, nullptr);
    scrolled.grid.reset();
    EXPECT_TRUE(gridPeer->isReleased());
    EXPECT_EQ(qobject_cast<QTableView*>(gridPeer->widget())->model()->rowCount(), 0);
}

} // namespace
