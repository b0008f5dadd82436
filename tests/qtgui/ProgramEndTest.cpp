#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cstdio>

#include "QtTestApplication.h"
#include "support/TempFolder.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "platform/Controls.h"

namespace {

// A window with a Close button, which Escape presses too; Close unloads the window.
class ClosableForm : public platform::Form {
public:
    ClosableForm(platform::Services& services, const std::string& name) : Form(services, name)
    {
        Move(0, 0, 5400, 2400);
        CmdClose.Move(3960, 1320, 1095, 375);
        CmdClose.setCaption("Close");
        CmdClose.setCancel(true);
        CmdClose.Click = [this] { Unload(); };
        endDesign();
    }

    platform::CommandButton CmdClose{*this, "CmdClose"};
};

class ProgramEndTest : public testing::Test {
protected:
    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    ClosableForm main{services, "main"};
    ClosableForm dialog{services, "dialog"};
    int ended = 0;

    void SetUp() override
    {
        QObject::connect(&windows, &qtgui::FormPeers::lastWindowClosed, [this] { ++ended; });
    }
};

TEST_F(ProgramEndTest, TheLastWindowClosingEndsTheProgramThoughHiddenFormsStayLoaded)
{
    main.Show();
    dialog.Show();
    dialog.Hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(ended, 0) << "the main window is still shown";

    main.Unload();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_EQ(ended, 1);
}

TEST_F(ProgramEndTest, AFormThatHidesItselfToShowAnotherKeepsTheProgramGoing)
{
    main.Show();
    main.CmdClose.Click = [this] {
        main.Hide();
        dialog.Show();
    };
    main.CmdClose.userClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(ended, 0);
    dialog.userKeyDown(platform::KeyEscape);
    QCoreApplication::processEvents();
    EXPECT_EQ(ended, 1);
}

TEST_F(ProgramEndTest, EndProgramEndsAtOnceFromInsideAModalForm)
{
    // The process ends inside the modal form's loop: neither the code after Show nor the main
    // loop runs again, and every form stays loaded.
    auto run = [this] {
        main.Show();
        dialog.CmdClose.Click = [this] { services.endProgram(); };
        QTimer::singleShot(0, [this] { dialog.CmdClose.userClick(); });
        dialog.Show(true);
        std::fputs("after the modal form\n", stderr);
        QApplication::exec();
        std::fputs("after the main loop\n", stderr);
        std::exit(3);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(run(), testing::ExitedWithCode(0), testing::Not(testing::HasSubstr("after")));
}

} // namespace
