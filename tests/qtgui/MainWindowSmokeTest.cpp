#include <QAction>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "mainwindow/main/Main.h"
#include "qtgui/ControlPeerMenu.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "support/TempFolder.h"

namespace {

// The main window opens on the screen with its menus, and a menu click reaches its handler.
TEST(MainWindowSmoke, OpensAndAMenuClickReachesItsHandler)
{
    QApplication& app = qtTestApplication();
    (void)app;
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    mainwindow::Main main{services, folder.path()};

    // With no company to reopen the start-up wizard comes first, modally; closing it lets the main
    // window show. The start lets events run before the wizard shows, so the closer waits for it.
    bool wizardShown = false;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!main.smartStart.Visible())
            return;
        wizardShown = true;
        closer.stop();
        main.smartStart.btnCancel.userClick();
    });
    closer.start();
    main.Show();
    EXPECT_TRUE(wizardShown);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();

    qtgui::FormPeer* peer = windows.find(main);
    ASSERT_NE(peer, nullptr);
    EXPECT_TRUE(peer->window()->isVisible());
    EXPECT_EQ(peer->window()->windowTitle(), QStringLiteral("Quillbook 2000-32"));
    EXPECT_EQ(main.QRYGrid.TextMatrix(0, 6), "Memo");

    QAction* byReference = dynamic_cast<qtgui::MenuPeer&>(*peer->peerOf(main.ByRefItem)).action();
    ASSERT_NE(byReference, nullptr);
    EXPECT_EQ(byReference->text(), QStringLiteral("By &Reference"));
    byReference->trigger();
    QCoreApplication::processEvents();

    EXPECT_TRUE(main.ByRefItem.Checked());
    EXPECT_FALSE(main.ByDateItem.Checked());
}

} // namespace
