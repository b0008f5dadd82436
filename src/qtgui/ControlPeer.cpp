#include "qtgui/ControlPeer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <array>
#include <exception>
#include <utility>

#include "platform/Form.h"
#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"
#include "qtgui/WaitingUserActions.h"
#include "qtgui/WidgetColours.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WidgetKeys.h"

namespace qtgui {

namespace {

// The platform's mouse pointers 0 to 15.
constexpr std::array<Qt::CursorShape, 16> Pointers{
    Qt::ArrowCursor,     Qt::ArrowCursor,    Qt::CrossCursor,    Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor,  Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor,  Qt::UpArrowCursor,  Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,     Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

} // namespace

// ---- ControlPeer ----

ControlPeer::ControlPeer(platform::Control& control, FormPeer& form) : control_(&control), form_(form)
{
    control.setPeer(this);
}

ControlPeer::~ControlPeer()
{
    if (control_)
        control_->setPeer(nullptr);
}

bool ControlPeer::canReadControl() const
{
    return control_ != nullptr && control_->form().isLoaded();
}

void ControlPeer::propertyChanged(std::string_view property)
{
    // An unloaded form's window is hidden, and the form peer shows every control afresh when the
    // form shows again.
    if (!canReadControl())
        return;
    form_.applying([&] { show(property); });
}

void ControlPeer::released()
{
    control_ = nullptr;
}

QWidget* ControlPeer::measuredFrom() const
{
    QWidget* area = childArea();
    return area ? area : widget();
}

bool ControlPeer::isApplying() const
{
    return form_.isApplying() || control_ == nullptr;
}

void ControlPeer::afterQtsHandling(std::function<void()> action)
{
    form_.waitingActions().add(*this, [this, action = std::move(action)] {
        if (!isReleased())
            action();
    });
}

void ControlPeer::fromUser(const std::function<void()>& action)
{
    // What waited for Qt came first.
    form_.waitingActions().runAll();
    if (isApplying())
        return;
    try {
        action();
    } catch (const std::exception& error) {
        // A window traps the errors it expects; one that escapes must not take the program down
        // from inside the toolkit's event handling.
        qCritical("Unhandled error in %s: %s", control_ ? control_->Name().c_str() : "?", error.what());
    }
    if (canReadControl())
        form_.applying([this] { showUserState(); });
}

// ---- WidgetPeer ----

WidgetPeer::WidgetPeer(platform::Control& control, FormPeer& form) : ControlPeer(control, form) {}

WidgetPeer::~WidgetPeer()
{
    delete widget_.data();
}

void WidgetPeer::adopt(QWidget* widget, const std::vector<QWidget*>& inputWidgets)
{
    widget_ = widget;
    widget->setObjectName(toQString(control().Name()));
    // The mouse is the control's under it only: a press a label does not use must not reach the
    // picture box or frame that holds it as well.
    for (QWidget* input : inputWidgets)
        watch(*input);
    watch(*widget);
}

void WidgetPeer::watch(QWidget& input)
{
    input.setMouseTracking(true);
    input.setAttribute(Qt::WA_NoMousePropagation);
    input.installEventFilter(this);
}

void WidgetPeer::show(std::string_view property)
{
    const platform::Control& c = control();
    if (concerns(property, {"Left", "Top", "Width", "Height"}))
        place();
    if (concerns(property, {"Visible"}))
        widget_->setVisible(c.Visible());
    if (concerns(property, {"Enabled"}))
        showEnabled();
    if (concerns(property, {"ToolTipText"}))
        widget_->setToolTip(toQString(c.ToolTipText()));
    if (concerns(property, {"Font"}))
        widget_->setFont(toQFont(c.font()));
    if (concerns(property, {"BackColor", "ForeColor"}))
        showColours();
    if (concerns(property, {"MousePointer"}))
        showPointer();
    if (concerns(property, {"TabStop"}))
        showFocusPolicy();
    if (concerns(property, {"ZOrder"}))
        showStacking();
    if (concerns(property, {"Drag"}))
        showDragging();
    if (property == "Refresh")
        widget_->repaint();
}

void WidgetPeer::showPointer()
{
    const int pointer = control().MousePointer();
    if (pointer > 0 && pointer < static_cast<int>(Pointers.size()))
        widget_->setCursor(Pointers[static_cast<std::size_t>(pointer)]);
    else
        widget_->unsetCursor();
}

void WidgetPeer::showStacking()
{
    // ZOrder gives a level above every other (front) or below every other (back); a control it
    // never moved keeps the place its declaration gave it.
    const int level = control().stackLevel();
    if (level > 0)
        widget_->raise();
    else if (level < 0)
        widget_->lower();
}

void WidgetPeer::showDragging()
{
    // The widget keeps the mouse while it is dragged, so the release anywhere on the window is the drop.
    if (control().isDragging()) {
        widget_->grabMouse(Qt::DragMoveCursor);
    } else if (QWidget::mouseGrabber() == widget_) {
        widget_->releaseMouse();
        showPointer();
    }
}

void WidgetPeer::dropAt(const QPointF& globalPosition)
{
    QWidget* window = formPeer().window();
    const QWidget* under = window->childAt(window->mapFromGlobal(globalPosition.toPoint()));
    ControlPeer* target = under ? formPeer().peerAt(*under) : nullptr;
    platform::Control& source = control();
    if (!target || !target->widget()) {
        // Let go where no control is: the drag just ends.
        fromUser([&] { source.Drag(0); });
        return;
    }
    const QPointF at = target->measuredFrom()->mapFromGlobal(globalPosition);
    fromUser([&] { target->control().userDrop(source, toTwips(at.x()), toTwips(at.y())); });
}

void WidgetPeer::place()
{
    const platform::Control& c = control();
    widget_->setGeometry(toPixelRect(c.Left(), c.Top(), c.Width(), c.Height()));
}

void WidgetPeer::showEnabled()
{
    // A container's widget stays enabled: disabling it would grey what it holds, which keeps its
    // looks on the platform. What it holds no longer takes the focus or the mouse, and the model
    // refuses the user's actions on it.
    if (!childArea()) {
        widget_->setEnabled(control().Enabled());
        showFocusPolicy();
        return;
    }
    const platform::Control& container = control();
    for (const platform::Control* c : container.form().controls())
        for (const platform::Control* holder = c->Container(); holder; holder = holder->Container())
            if (holder == &container)
                if (auto* held = dynamic_cast<WidgetPeer*>(formPeer().peerOf(*c)))
                    held->showReachable();
}

void WidgetPeer::showReachable()
{
    if (!widget_ || !canReadControl())
        return;
    showFocusPolicy();
    if (!control().isEnabled() && widget_->hasFocus())
        widget_->clearFocus();
}

void WidgetPeer::showFocusPolicy()
{
    if (!control().canTakeFocus() || !control().isEnabled())
        widget_->setFocusPolicy(Qt::NoFocus);
    else
        widget_->setFocusPolicy(control().TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

void WidgetPeer::paintColours(QPalette& palette, const QColor& back, const QColor& fore) const
{
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, back);
    // Disabled text keeps the theme's grey.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, fore);
}

void WidgetPeer::showColours()
{
    const long back = control().BackColor();
    const long fore = control().ForeColor();
    // The theme's palette for the widget's kind, every role its own, so that a container's
    // colours do not spread to it.
    const QPalette standard = QApplication::palette(widget_);
    QPalette palette = standard;
    if (back != DefaultBackColour || fore != DefaultForeColour)
        paintColours(palette, toQColor(back, standard), toQColor(fore, standard));
    palette.setResolveMask(~QPalette::ResolveMask(0));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(opaque());
}

bool WidgetPeer::eventFilter(QObject* watched, QEvent* event)
{
    const bool used = forwardEvent(watched, event);
    if (event->type() == QEvent::FocusIn && showsSelection() && canReadControl())
        formPeer().applying([this] { showUserState(); });
    return used;
}

bool WidgetPeer::forwardEvent(QObject* watched, QEvent* event)
{
    // The user's keys and buttons find the focus moves that waited for Qt made.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
        formPeer().waitingActions().runAll();
    if (isApplying() || !canReadControl())
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // A click that brings the window to the front focuses the control under it with the
        // window's reason; when the window only comes back, its widget is the model's already.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || control().form().ActiveControl() == &control())
            return false;
        // A focus the desktop moves (a window activated, a menu or box closing) arrives inside Qt's
        // handling of that other event: the focus handlers, which may open a box, run once it returns.
        // If the program moves the focus meanwhile (code after a box that closed), its move stands.
        if (reason != Qt::MouseFocusReason && QThread::currentThread()->loopLevel() > 0)
            afterQtsHandling([this] {
                if (hasWindowFocus())
                    focusFromUser();
            });
        else
            focusFromUser();
        return false;
    }
    // Keys reach the widget itself (a compound widget forwards them to its inner editor).
    case QEvent::KeyPress: return watched == widget_ && keyPressed(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        if (watched == widget_)
            keyReleased(*static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // Inside a disabled container the widget looks usable but takes no click.
        if (!control().isEnabled())
            return true;
        mouseEvent(watched, *static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseMove: mouseEvent(watched, *static_cast<QMouseEvent*>(event)); return false;
    default: return false;
    }
}

bool WidgetPeer::hasWindowFocus() const
{
    const QWidget* focused = widget_ ? widget_->window()->focusWidget() : nullptr;
    return focused != nullptr && (focused == widget_ || widget_->isAncestorOf(focused));
}

void WidgetPeer::focusFromUser()
{
    if (!canReadControl())
        return;
    platform::Form& form = control().form();
    platform::Control& c = control();
    // The focus follows the program's own state: a hidden form or a control it made unusable
    // (hidden, disabled, or in a disabled frame) does not take it.
    if (form.canFocus(c))
        fromUser([&] { form.setFocus(c); });
    // The model refused (its form is hidden, the control disabled): the widgets show its focus again.
    if (canReadControl() && form.ActiveControl() != &control())
        formPeer().propertyChanged("ActiveControl");
}

bool WidgetPeer::keyPressed(const QKeyEvent& event)
{
    platform::Form& form = control().form();
    if (form.ActiveControl() != &control())
        return false;
    const int keyCode = toKeyCode(event.key(), event.modifiers());
    if (keyCode != 0) {
        int left = keyCode;
        fromUser([&] { left = form.userKeyDown(keyCode, toShiftState(event.modifiers())); });
        if (left == 0)
            return true;
    }
    const std::string typed = fromQString(event.text());
    if (typed.size() != 1 || (typed == "?" && event.text() != QStringLiteral("?")) || typed[0] == '\x7f')
        return false;
    const int keyAscii = static_cast<unsigned char>(typed[0]);
    const bool edit = modelEditsTyping() && (keyAscii >= 32 || keyAscii == platform::KeyBack || keyAscii == platform::KeyReturn);
    int left = keyAscii;
    fromUser([&] { left = form.userKeyPress(keyAscii, edit); });
    return edit || left == 0;
}

void WidgetPeer::keyReleased(const QKeyEvent& event)
{
    const int keyCode = toKeyCode(event.key(), event.modifiers());
    if (keyCode == 0 || event.isAutoRepeat() || control().form().ActiveControl() != &control())
        return;
    fromUser([&] { control().form().userKeyUp(keyCode, toShiftState(event.modifiers())); });
}

void WidgetPeer::mouseEvent(QObject* watched, const QMouseEvent& event)
{
    const auto* source = qobject_cast<QWidget*>(watched);
    const QWidget* origin = measuredFrom();
    // The press may reach an inner widget or, for a container, its border around the inside.
    const QPointF at = source && source != origin ? origin->mapFromGlobal(source->mapToGlobal(event.position())) : event.position();
    const double x = toTwips(at.x());
    const double y = toTwips(at.y());
    const int shift = toShiftState(event.modifiers());
    platform::Control& c = control();
    if (c.isDragging()) {
        // While dragged the control has no mouse events of its own; letting go drops it.
        if (event.type() == QEvent::MouseButtonRelease)
            dropAt(event.globalPosition());
        return;
    }
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        // A window in the background moves its focus only as it comes to the front, after the
        // click; the model's focus moves first, as it does in the front window.
        if (!widget_->isActiveWindow() && (widget_->focusPolicy() & Qt::ClickFocus) && c.form().ActiveControl() != &c)
            focusFromUser();
        pressed_ = event.button() == Qt::LeftButton;
        fromUser([&] { c.userMouseDown(toMouseButtons(event.button()), shift, x, y); });
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = std::exchange(pressed_, false) && event.button() == Qt::LeftButton && clickedByMouse()
                           && widget_->rect().contains(widget_->mapFromGlobal(event.globalPosition()).toPoint());
        fromUser([&] {
            c.userMouseUp(toMouseButtons(event.button()), shift, x, y);
            if (click)
                c.userClick();
        });
        break;
    }
    case QEvent::MouseMove: fromUser([&] { c.userMouseMove(toMouseButtons(event.buttons()), shift, x, y); }); break;
    case QEvent::MouseButtonDblClick:
        // The release that ends a double click is no second click.
        pressed_ = false;
        fromUser([&] {
            c.userMouseDown(toMouseButtons(event.button()), shift, x, y);
            c.userDblClick();
        });
        break;
    default: break;
    }
}

bool concerns(std::string_view property, std::initializer_list<std::string_view> names)
{
    if (property == "*")
        return true;
    for (std::string_view name : names)
        if (property == name)
            return true;
    return false;
}

QWidget* containerArea(const platform::Control& control, const FormPeer& form)
{
    if (const platform::Control* container = control.Container())
        if (const ControlPeer* peer = form.peerOf(*container))
            if (QWidget* area = peer->childArea())
                return area;
    return form.clientArea();
}

} // namespace qtgui
