#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

#include "AllControlsForm.h"
#include "QtTestApplication.h"
#include "support/TempFolder.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/ControlPeerMenu.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"

// The window of every control kind, shown on the offscreen platform, with what a test needs to
// reach its widgets and act on them as a user.
class AllControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.Show();
        settle();
        form.takeLog();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    qtgui::FormPeer& peer() { return *windows.find(form); }
    QWidget* widgetOf(const platform::Control& control) { return peer().peerOf(control)->widget(); }
    template <class Widget> Widget& widget(const platform::Control& control)
    {
        auto* shown = qobject_cast<Widget*>(widgetOf(control));
        if (!shown)
            throw std::logic_error("not the widget expected for " + control.Name());
        return *shown;
    }
    // A view's cell as its model gives it.
    static QModelIndex cell(const QAbstractItemView& view, int row, int col = 0) { return view.model()->index(row, col); }
    static bool isSelected(const QAbstractItemView& view, int row, int col = 0)
    {
        return view.selectionModel()->isSelected(cell(view, row, col));
    }
    QAction& action(const platform::Menu& menu) { return *dynamic_cast<qtgui::MenuPeer&>(*peer().peerOf(menu)).action(); }

    // The pixels a length in twips takes on this screen: 1440 twips to the logical inch.
    static int pixels(double twips)
    {
        return static_cast<int>(std::lround(twips * QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440));
    }

    static void press(QWidget& target, Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(&target, &up);
    }

    static void focusByMouse(QWidget& target)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&target, &in);
    }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    AllControlsForm form{services};
};
