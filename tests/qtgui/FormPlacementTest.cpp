#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "platform/Form.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "qtgui/WidgetGeometry.h"

namespace {

// An empty window of a given size, placed by its code or not.
class PlainForm : public platform::Form {
public:
    PlainForm(platform::Services& services, std::string name) : Form(services, std::move(name)) { endDesign(); }
};

class FormPlacementTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (PlainForm* form : {&opener, &opened})
            form->Hide();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    QRect frameOf(const platform::Form& form) { return windows.find(form)->window()->frameGeometry(); }
    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }

    QApplication& app = qtTestApplication();
    qtgui::QtServices services;
    qtgui::FormPeers windows{services};
    PlainForm opener{services, "Opener"};
    PlainForm opened{services, "Opened"};
};

TEST_F(FormPlacementTest, AFormItsCodeNeverPlacedOpensCentredOverTheWindowThatOpenedIt)
{
    opener.Move(qtgui::toTwips(40), qtgui::toTwips(30), qtgui::toTwips(500), qtgui::toTwips(400));
    opener.Show();
    windows.find(opener)->window()->activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), windows.find(opener)->window());

    opened.Move(0, 0, qtgui::toTwips(200), qtgui::toTwips(100));
    opened.Show();
    settle();

    // Both windows' frames are what the forms' sizes say less the same borders, so their middles meet.
    EXPECT_EQ(opened.Left() + opened.Width() / 2, opener.Left() + opener.Width() / 2);
    EXPECT_EQ(opened.Top() + opened.Height() / 2, opener.Top() + opener.Height() / 2);
    const QRect over = frameOf(opener);
    const QRect shown = frameOf(opened);
    EXPECT_NEAR(shown.center().x(), over.center().x(), 1);
    EXPECT_NEAR(shown.center().y(), over.center().y(), 1);
}

TEST_F(FormPlacementTest, EveryFormOpensWhollyOnTheScreen)
{
    const struct Case {
        const char* what;
        QRect asked;
    } cases[] = {
        {"past the bottom right", QRect(screen().right() - 50, screen().bottom() - 40, 300, 200)},
        {"above and left", QRect(-120, -80, 300, 200)},
        {"larger than the screen", QRect(10, 10, screen().width() + 400, screen().height() + 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        opened.Move(qtgui::toTwips(c.asked.x()), qtgui::toTwips(c.asked.y()), qtgui::toTwips(c.asked.width()),
                    qtgui::toTwips(c.asked.height()));
        opened.Show();
        settle();
        EXPECT_TRUE(screen().contains(frameOf(opened))) << frameOf(opened).x() << "," << frameOf(opened).y();
        opened.Hide();
    }
}

} // namespace
