#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

#include "core/Book.h"
#include "qtgui/QtTestApplication.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "reports/ReportDesk.h"
#include "support/TempFolder.h"

// The main window as the printed jobs see it: nothing on show.
class OnScreenReportHost : public reports::ReportHost {
public:
    reports::ReportOutput ChosenOutput() const override { return reports::ReportOutput::Datapeek; }
    bool UseWordPad() const override { return false; }
    std::string WordPadPath() const override { return {}; }
    bool PayTotalVisible() const override { return false; }
    std::string PayTotalCaption() const override { return {}; }
    bool RcpTotalVisible() const override { return false; }
    std::string RcpTotalCaption() const override { return {}; }
    std::string MainFilterText() const override { return {}; }
};

// A book over the Qt services, with the peers that show its windows offscreen.
class OnScreenWindow {
protected:
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // The widget that shows a control, as the type expected.
    template <class Widget> Widget& widget(const platform::Control& control)
    {
        qtgui::FormPeer* shown = windows.find(control.form());
        auto* found = shown ? qobject_cast<Widget*>(shown->peerOf(control)->widget()) : nullptr;
        if (!found)
            throw std::logic_error("not the widget expected for " + control.Name());
        return *found;
    }
    // The pixels a length in twips takes on this screen: 1440 twips to the logical inch.
    static int pixels(double twips)
    {
        return static_cast<int>(std::lround(twips * QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440));
    }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    core::Book book{services};
};
