#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "QtTestApplication.h"
#include "qtgui/KeyStateTracker.h"

namespace {

constexpr int ShiftKey = 16;
constexpr int CtrlKey = 17;
constexpr int AltKey = 18;

std::unique_ptr<QEvent> mouseEvent(QEvent::Type type, Qt::KeyboardModifiers modifiers)
{
    return std::make_unique<QMouseEvent>(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, modifiers);
}

std::unique_ptr<QEvent> wheelEvent(Qt::KeyboardModifiers modifiers)
{
    return std::make_unique<QWheelEvent>(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                                         Qt::NoScrollPhase, false);
}

std::unique_ptr<QEvent> keyEvent(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers)
{
    return std::make_unique<QKeyEvent>(type, key, modifiers);
}

// The keyboard itself is idle under the offscreen platform, so whatever the tracker answers comes
// from the events it saw.
TEST(KeyStateTrackerTest, ModifiersAreThoseOfTheEventBeingHandled)
{
    qtTestApplication();
    qtgui::KeyStateTracker tracker;
    QLineEdit field;
    struct Case {
        const char* what;
        std::unique_ptr<QEvent> event;
        bool shift, ctrl, alt;
    };
    std::vector<Case> cases;
    cases.push_back({"a Ctrl+click", mouseEvent(QEvent::MouseButtonPress, Qt::ControlModifier), false, true, false});
    cases.push_back({"its release, Ctrl already up", mouseEvent(QEvent::MouseButtonRelease, Qt::NoModifier), false, false, false});
    cases.push_back({"a Ctrl double-click", mouseEvent(QEvent::MouseButtonDblClick, Qt::ControlModifier), false, true, false});
    cases.push_back({"End released with Ctrl", keyEvent(QEvent::KeyRelease, Qt::Key_End, Qt::ControlModifier), false, true, false});
    cases.push_back({"Ctrl's own press, before its flag", keyEvent(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier), false, true, false});
    cases.push_back({"Ctrl's own release, flag still on", keyEvent(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier), false, false, false});
    cases.push_back({"Shift+Alt+wheel", wheelEvent(Qt::ShiftModifier | Qt::AltModifier), true, false, true});
    cases.push_back({"a plain key", keyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier), false, false, false});
    for (const Case& c : cases) {
        QCoreApplication::sendEvent(&field, c.event.get());
        EXPECT_EQ(tracker.keyIsDown(ShiftKey), c.shift) << c.what;
        EXPECT_EQ(tracker.keyIsDown(CtrlKey), c.ctrl) << c.what;
        EXPECT_EQ(tracker.keyIsDown(AltKey), c.alt) << c.what;
    }
}

TEST(KeyStateTrackerTest, LeavingTheProgramForgetsHeldKeys)
{
    qtTestApplication();
    qtgui::KeyStateTracker tracker;
    QLineEdit field;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QCoreApplication::sendEvent(&field, &tab);
    ASSERT_TRUE(tracker.keyIsDown(9));
    ASSERT_TRUE(tracker.keyIsDown(CtrlKey));
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &deactivate);
    EXPECT_FALSE(tracker.keyIsDown(9));
    EXPECT_FALSE(tracker.keyIsDown(CtrlKey));
}

} // namespace
