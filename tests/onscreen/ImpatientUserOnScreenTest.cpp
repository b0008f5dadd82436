#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qtgui/QtTestApplication.h"
#include "datapeek/ViewerTest.h"
#include "datapeek/ViewerWindow.h"
#include "platform/Controls.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The Qt services of a program the main program started (the viewer checks that it was).
class StartedServices : public qtgui::QtServices {
public:
    using QtServices::QtServices;
    std::string commandLine() override { return "QBLAUNCH"; }
};

// A window with a File menu and an editable filter combo whose Click tells the user something,
// as the main window's filter combo does.
class FilterComboForm : public platform::Form {
public:
    explicit FilterComboForm(platform::Services& services) : Form(services, "FilterComboForm")
    {
        setCaption("Filters");
        Move(0, 0, 6000, 3000);
        MenuFile.setCaption("&File");
        MenuFileNew.setCaption("&New...");
        ComboFilters.Move(120, 120, 3000, 315);
        ComboFilters.Click = [this] {
            ++clicks;
            this->services().messageBox({"No records match the filter criteria...", "Filters"});
        };
        TextMemo.Move(120, 600, 3000, 315);
        endDesign();
    }

    platform::Menu MenuFile{*this, "MenuFile"};
    platform::Menu MenuFileNew{MenuFile, "MenuFileNew"};
    platform::ComboBox ComboFilters{*this, "ComboFilters"};
    platform::TextBox TextMemo{*this, "TextMemo"};
    int clicks = 0;

protected:
    void Form_Load() override
    {
        for (const char* filter : {"All On", "All Off", "Unpaid"})
            ComboFilters.AddItem(filter);
    }
};

class ImpatientUserOnScreen : public testing::Test {
protected:
    ImpatientUserOnScreen()
    {
        // A box left open would stop the test: it is counted and closed.
        boxCloser.setInterval(20);
        QObject::connect(&boxCloser, &QTimer::timeout, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++boxesShown;
                box->close();
            }
        });
        boxCloser.start();
    }

    QWidget* widgetOf(const platform::Control& control) { return windows.find(control.form())->peerOf(control)->widget(); }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    StartedServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    QTimer boxCloser;
    int boxesShown = 0;
};

TEST_F(ImpatientUserOnScreen, AltFFromTheFilterComboOpensTheFileMenuAndNothingElse)
{
    FilterComboForm form{services};
    form.Show();
    form.ComboFilters.setText("All Off");
    form.ComboFilters.setFocus();
    settle();
    QWidget* window = windows.find(form)->window();
    window->activateWindow();
    // Under X the window manager activates it in its own time.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    settle();
    ASSERT_TRUE(widgetOf(form.ComboFilters)->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    settle();
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "the File menu is open";
    QTest::keyClick(menu, Qt::Key_Escape);
    settle();
    EXPECT_EQ(form.clicks, 0);
    EXPECT_EQ(boxesShown, 0);
    EXPECT_EQ(form.ComboFilters.Text(), "All Off");
    EXPECT_EQ(form.ComboFilters.ListIndex(), -1);
}

TEST_F(ImpatientUserOnScreen, TheViewerClosesAfterTheWheelScrolledItsReport)
{
    writeBytes(folder.path() / "QB.TXT", ReportText(NumberedRowsReport(200, "8", "000360")));
    auto viewer = std::make_unique<datapeek::ViewerWindow>(services, folder.path());
    viewer->Show();
    settle();
    auto* table = qobject_cast<QTableView*>(widgetOf(viewer->ViewGrid));
    ASSERT_NE(table, nullptr);
    const int firstTop = viewer->ViewGrid.TopRow();
    for (int notch = 0; notch < 5; ++notch) {
        const QPointF at(20, 20);
        QWheelEvent wheel(at, table->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(table->viewport(), &wheel);
    }
    settle();
    ASSERT_GT(viewer->ViewGrid.TopRow(), firstTop);
    // The window goes with the rows scrolled: emptying the view resets its scroll bars, whose
    // signals must find the grid's peer let go of the grid.
    const QPointer<QWidget> window = windows.find(*viewer)->window();
    viewer.reset();
    settle();
    EXPECT_TRUE(window.isNull());
}

} // namespace
