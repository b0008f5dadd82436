#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/ScreenPlacement.h"

class QCloseEvent;
class QMenuBar;
class QWidget;

namespace qtgui {

class ControlPeer;
class FormClientArea;
class FormWindow;
class WaitingUserActions;

// The Qt window of one form: a top-level window whose client area holds the controls' widgets at
// their twips, with a menu bar above it when the form has menus. It makes a peer for every control
// of the form and mirrors the form's own properties (caption, size, visibility, state, focus).
//
// From the user: closing the window runs the form's QueryUnload and Unload (a cancel keeps it
// open); resizing reports the new inside size (Resize), then Paint; restoring the minimized window
// fires Paint. Show fires the first Paint itself; the widgets' own repaints (a caret blinking, a
// control updating) are no repaint of the form.
class FormPeer : public QObject, public platform::Peer {
    Q_OBJECT
public:
    // `released` is called when the form is destroyed; it may destroy the peer. `waiting` is the
    // program's queue of user actions that wait for Qt's handling to return; it outlives the peer.
    FormPeer(platform::Form& form, WaitingUserActions& waiting, std::function<void()> released);
    ~FormPeer() override;

    platform::Form& form() const { return *form_; }
    QWidget* window() const;
    // Where the controls that sit directly on the form go.
    QWidget* clientArea() const;
    QMenuBar* menuBar() const { return menuBar_; }
    WaitingUserActions& waitingActions() const { return waiting_; }
    ControlPeer* peerOf(const platform::Control& control) const;
    // The peer of the control whose widget is this one or holds it; null when none does.
    ControlPeer* peerAt(const QWidget& widget) const;
    // The form is about to show: it takes its opening place (centred over the opener's place when
    // its code never placed it, and wholly on the screen), its window shows as an
    // application-modal one or not, and its controls are shown afresh if the form was unloaded
    // meanwhile.
    void showing(bool modal, const std::optional<platform::ScreenRect>& opener);

    // Runs a change of the widgets made on the model's behalf: signals the widgets send meanwhile
    // are not the user's.
    void applying(const std::function<void()>& change);
    bool isApplying() const { return applying_ > 0; }

    void propertyChanged(std::string_view property) override;
    void released() override;

signals:
    // The form was hidden or unloaded.
    void closed();

private:
    void makeControlPeers();
    void setModal(bool modal);
    void show(std::string_view property);
    void showVisibility();
    void showSize();
    void showPosition();
    void showWindowState();
    void showFocus();
    void userClosing(QCloseEvent& event);
    void userResized();
    void userMoved();
    void userChangedWindowState();

    platform::Form* form_;
    WaitingUserActions& waiting_;
    std::function<void()> released_;
    std::unique_ptr<FormWindow> window_;
    FormClientArea* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<ControlPeer>> controls_;
    std::map<const platform::Control*, ControlPeer*> peers_;
    int applying_ = 0;
    // The window that was active when the form last began to show: it takes the keyboard back
    // when the form's window closes.
    QPointer<QWidget> opener_;
    // The form was unloaded: its controls' widgets wait to be shown afresh.
    bool controlsOutOfDate_ = false;
};

} // namespace qtgui
