#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/Form.h"

class QKeyEvent;
class QMouseEvent;

namespace qtgui {

class FormPeer;

// The Qt side of one control. Changes flow both ways:
// - the model tells propertyChanged, and the peer shows the new value on its widget, under the
//   form's apply guard so that the widget's own signals do not come back as a user's action;
// - the widget's signals and events made by the user reach the model through the platform's user
//   entry points (fromUser), after which the peer shows the model's state again, since a handler
//   may have changed it or the model refused the action.
class ControlPeer : public QObject, public platform::Peer {
public:
    ControlPeer(platform::Control& control, FormPeer& form);
    ~ControlPeer() override;
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    platform::Control& control() const { return *control_; }
    // The control was destroyed; the peer does nothing any more.
    bool isReleased() const { return control_ == nullptr; }
    // Whether the peer may read its control: the control is there and its form loaded. Reading a
    // control of an unloaded form would load the form again (a handler may have unloaded it: File >
    // Exit), so every read the peer makes on its own, outside the model's telling, checks this first.
    bool canReadControl() const;
    FormPeer& formPeer() const { return form_; }
    // The widget that shows the control; null for a menu item.
    virtual QWidget* widget() const = 0;
    // Where the controls held by this one sit (frames and picture boxes); null for other kinds.
    virtual QWidget* childArea() const { return nullptr; }
    // The widget whose top left corner the mouse's and a drop's co-ordinates are measured from:
    // the inside edge of a container, as its children and its drawing are.
    QWidget* measuredFrom() const;

    void propertyChanged(std::string_view property) override;
    // The control is gone (its form is being destroyed): the peer does nothing from now on.
    void released() override;
    // Shows every property ("*").
    void showAll() { propertyChanged("*"); }

protected:
    // Shows one property on the widget; "*" means all of them. Runs under the apply guard.
    virtual void show(std::string_view property) = 0;
    // Shows what the user can change (value, text, choice) after a user's action.
    virtual void showUserState() {}
    // A user's action, given to the model; ignored while the peer itself is changing the widget.
    void fromUser(const std::function<void()>& action);
    // Runs a user's action once Qt's handling of the event under way returns (no box may open
    // inside it), before any later user action, so the program's own events keep their order.
    void afterQtsHandling(std::function<void()> action);
    bool isApplying() const;

private:
    platform::Control* control_;
    FormPeer& form_;
};

// A peer whose control is a widget: the common properties (geometry, visibility, enabled state,
// font, colours, tool tip, pointer, focus policy) and the forwarding of focus, keys and mouse.
class WidgetPeer : public ControlPeer {
public:
    // The widget is made by the derived peer and given here once, parented to `parent`.
    WidgetPeer(platform::Control& control, FormPeer& form);
    ~WidgetPeer() override;

    QWidget* widget() const override { return widget_; }

protected:
    // Takes the widget (already a child of its container's area) and starts watching it and the
    // inner widgets that receive its input (a scroll area's viewport).
    void adopt(QWidget* widget, const std::vector<QWidget*>& inputWidgets = {});
    void show(std::string_view property) override;
    // Moves the widget where the control's twips say; a line overrides it.
    virtual void place();
    // Whether typed characters are the model's to insert (text boxes, editable combos): then the
    // widget never sees them, so MaxLength, Locked and a KeyPress handler's changes all hold.
    virtual bool modelEditsTyping() const { return false; }
    // Whether a press and release of the left button on the widget clicks the control (labels,
    // frames, picture boxes, text boxes); other widgets say when they are clicked themselves.
    virtual bool clickedByMouse() const { return false; }
    // The palette roles the back and fore colours paint.
    virtual void paintColours(QPalette& palette, const QColor& back, const QColor& fore) const;
    // Whether the widget fills its back with its back colour; shapes and lines are drawn over
    // what lies behind them.
    virtual bool opaque() const { return true; }
    // Whether the widget shows a selection that a focus handler may have made (text boxes,
    // combos): it shows once the widget has the focus.
    virtual bool showsSelection() const { return false; }
    // Shows the control's own colours; its container's never reach it.
    void showColours();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget& input);
    void showEnabled();
    // Whether the user can reach the control: it and every container holding it are enabled.
    void showReachable();
    void showFocusPolicy();
    void showPointer();
    void showStacking();
    void showDragging();
    // The dragged control was let go at this point of the screen: the control under it takes the drop.
    void dropAt(const QPointF& globalPosition);
    // Focus, keys and mouse on the widget, given to the model.
    bool forwardEvent(QObject* watched, QEvent* event);
    // The control takes the focus as the user or the desktop moved it, if the model lets it.
    void focusFromUser();
    // The widget, or one inside it, is its window's focus widget.
    bool hasWindowFocus() const;
    bool keyPressed(const QKeyEvent& event);
    void keyReleased(const QKeyEvent& event);
    void mouseEvent(QObject* watched, const QMouseEvent& event);

    QPointer<QWidget> widget_;
    // The left button went down on the widget, and no double click followed.
    bool pressed_ = false;
};

// Whether a property change concerns one of these properties ("*" concerns all).
bool concerns(std::string_view property, std::initializer_list<std::string_view> names);

// The widget a control sits in: its frame's or picture box's area, or the form's own.
QWidget* containerArea(const platform::Control& control, const FormPeer& form);

} // namespace qtgui
