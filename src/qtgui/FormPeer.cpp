#include "qtgui/FormPeer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <utility>

#include "platform/Menu.h"
#include "platform/ScreenPlacement.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/ControlPeerFactory.h"
#include "qtgui/FormPeerWidgets.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetColours.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WindowActivation.h"

namespace qtgui {

namespace {

// The form reckons its inside as its size less these borders and caption; the window's inside
// below the menu bar is made that size, so a layout designed in twips fits it as designed.
constexpr double BorderWidth = 120;
constexpr double BorderHeight = 405;

int depthOf(const platform::Control& control)
{
    int depth = 0;
    for (const platform::Control* c = control.Container(); c; c = c->Container())
        ++depth;
    return depth;
}

void reportEscapedError(const platform::Form& form, const std::exception& error)
{
    qCritical("Unhandled error in %s: %s", form.Name().c_str(), error.what());
}

} // namespace

FormPeer::FormPeer(platform::Form& form, WaitingUserActions& waiting, std::function<void()> released)
    : form_(&form), waiting_(waiting), released_(std::move(released)), window_(std::make_unique<FormWindow>())
{
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto& controls = form.controls();
    if (std::any_of(controls.begin(), controls.end(), [](const platform::Control* c) { return dynamic_cast<const platform::Menu*>(c); })) {
        menuBar_ = new QMenuBar(window_.get());
        layout->setMenuBar(menuBar_);
    }
    client_ = new FormClientArea(window_.get());
    layout->addWidget(client_);
    window_->closing = [this](QCloseEvent& event) { userClosing(event); };
    window_->windowStateChanged = [this] { userChangedWindowState(); };
    window_->moved = [this] { userMoved(); };
    client_->resized = [this] { userResized(); };
    form.setPeer(this);
    makeControlPeers();
    applying([this] { show("*"); });
}

FormPeer::~FormPeer()
{
    if (form_)
        form_->setPeer(nullptr);
}

QWidget* FormPeer::window() const
{
    return window_.get();
}

QWidget* FormPeer::clientArea() const
{
    return client_;
}

ControlPeer* FormPeer::peerOf(const platform::Control& control) const
{
    const auto found = peers_.find(&control);
    return found == peers_.end() ? nullptr : found->second;
}

ControlPeer* FormPeer::peerAt(const QWidget& widget) const
{
    for (const QWidget* w = &widget; w && w != window_.get(); w = w->parentWidget())
        for (const auto& peer : controls_)
            if (!peer->isReleased() && peer->widget() == w)
                return peer.get();
    return nullptr;
}

void FormPeer::makeControlPeers()
{
    // Containers before what they hold, in the order the window declares them otherwise (later
    // controls lie above earlier ones, as on the platform).
    std::vector<platform::Control*> ordered = form_->controls();
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const platform::Control* a, const platform::Control* b) { return depthOf(*a) < depthOf(*b); });
    for (platform::Control* control : ordered) {
        controls_.push_back(makeControlPeer(*control, *this));
        peers_[control] = controls_.back().get();
    }
    for (const auto& peer : controls_)
        peer->showAll();
}

void FormPeer::applying(const std::function<void()>& change)
{
    struct Guard {
        int& depth;
        explicit Guard(int& d) : depth(d) { ++depth; }
        ~Guard() { --depth; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
    } guard(applying_);
    change();
}

void FormPeer::propertyChanged(std::string_view property)
{
    applying([&] { show(property); });
    if (property == "*" && !form_->isLoaded())
        controlsOutOfDate_ = true;
}

void FormPeer::setModal(bool modal)
{
    window_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void FormPeer::showing(bool modal, const std::optional<platform::ScreenRect>& opener)
{
    setModal(modal);
    if (QWidget* active = QApplication::activeWindow(); active != window_.get())
        opener_ = active;
    platform::PlaceForOpening(*form_, opener);
    if (!std::exchange(controlsOutOfDate_, false))
        return;
    for (const auto& peer : controls_)
        if (!peer->isReleased())
            peer->showAll();
}

void FormPeer::released()
{
    // The form's controls went before it.
    for (const auto& peer : controls_)
        if (!peer->isReleased())
            peer->released();
    form_ = nullptr;
    // Moved out first: the call may destroy this peer and its members.
    const std::function<void()> release = std::move(released_);
    if (release)
        release();
}

void FormPeer::show(std::string_view property)
{
    const platform::Form& form = *form_;
    if (concerns(property, {"Caption"}))
        window_->setWindowTitle(toQString(form.Caption()));
    // The font first: it sets the menu bar's height, which the window's size allows for.
    if (concerns(property, {"Font"}))
        window_->setFont(toQFont(form.font()));
    if (concerns(property, {"Width", "Height", "Font"}))
        showSize();
    if (concerns(property, {"Left", "Top"}))
        showPosition();
    if (concerns(property, {"WindowState"}))
        showWindowState();
    if (concerns(property, {"Enabled"}))
        window_->setEnabled(form.Enabled());
    if (concerns(property, {"BackColor"})) {
        QPalette palette = window_->palette();
        if (form.BackColor() != DefaultBackColour)
            palette.setColor(QPalette::Window, toQColor(form.BackColor(), palette));
        client_->setPalette(palette);
        client_->setAutoFillBackground(form.BackColor() != DefaultBackColour);
    }
    if (concerns(property, {"MousePointer"})) {
        if (form.MousePointer() == 11)
            client_->setCursor(Qt::WaitCursor);
        else
            client_->unsetCursor();
    }
    if (concerns(property, {"Visible"}))
        showVisibility();
    if (concerns(property, {"ActiveControl"}))
        showFocus();
}

void FormPeer::showVisibility()
{
    const bool visible = form_->Visible();
    if (visible == window_->isVisible())
        return;
    if (visible) {
        window_->show();
        // Qt shows a window again at its inside's last place: the frame goes to the form's place.
        showPosition();
        window_->raise();
        window_->activateWindow();
        showFocus();
    } else {
        window_->hide();
        returnActivation(opener_, *window_);
        emit closed();
    }
}

void FormPeer::showSize()
{
    const int width = toPixels(form_->Width() - BorderWidth);
    int menuHeight = 0;
    if (menuBar_)
        menuHeight = menuBar_->hasHeightForWidth() ? menuBar_->heightForWidth(width) : menuBar_->sizeHint().height();
    window_->resize(width, toPixels(form_->Height() - BorderHeight) + menuHeight);
    // Qt resizes a shown window about the inside's corner: the frame goes back to the form's place.
    if (window_->windowHandle())
        showPosition();
}

void FormPeer::showPosition()
{
    // Every form is placed before it first shows (showing), so the desktop never chooses. The
    // form's place is its frame's, as the window manager puts it, whether the frame is known yet or
    // not: a window placed by its inside while its frame is still on its way would keep the inside
    // at the place and put the title bar above it.
    const QPoint place(toPixels(form_->Left()), toPixels(form_->Top()));
    QWindow* shown = window_->windowHandle();
    if (!shown) {
        window_->move(place);
        return;
    }
    // Twice: after a resize the window manager still takes the window's place as its inside's, so
    // the first request only makes the frame the reference again; the second puts the frame there.
    shown->setFramePosition(place);
    shown->setFramePosition(place);
}

void FormPeer::showWindowState()
{
    switch (form_->WindowState()) {
    case platform::Minimized: window_->setWindowState(Qt::WindowMinimized); break;
    case platform::Maximized: window_->setWindowState(Qt::WindowMaximized); break;
    default: window_->setWindowState(Qt::WindowNoState); break;
    }
}

void FormPeer::showFocus()
{
    const platform::Control* active = form_->ActiveControl();
    const ControlPeer* peer = active ? peerOf(*active) : nullptr;
    QWidget* widget = peer ? peer->widget() : nullptr;
    if (widget && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
    // With no control focused, no widget may take keys past the form's key events.
    if (!active)
        if (QWidget* focused = window_->focusWidget())
            focused->clearFocus();
}

void FormPeer::userClosing(QCloseEvent& event)
{
    // The form decides: an unload hides the window through its Visible, a cancel leaves it open.
    event.ignore();
    if (isApplying() || !form_->isLoaded())
        return;
    try {
        form_->userClose();
    } catch (const std::exception& error) {
        reportEscapedError(*form_, error);
    }
}

void FormPeer::userResized()
{
    if (isApplying() || !form_->Visible())
        return;
    const QSize inside = client_->size();
    if (inside.width() == toPixels(form_->Width() - BorderWidth) && inside.height() == toPixels(form_->Height() - BorderHeight))
        return;
    const double scaleWidth = toTwips(inside.width());
    const double scaleHeight = toTwips(inside.height());
    try {
        form_->userResize(scaleWidth + BorderWidth, scaleHeight + BorderHeight, scaleWidth, scaleHeight);
        form_->Refresh();
    } catch (const std::exception& error) {
        reportEscapedError(*form_, error);
    }
}

void FormPeer::userMoved()
{
    if (isApplying() || !form_->Visible())
        return;
    // The desktop placing the window where code put it is no move of the user's: the twips the
    // code set stay exact.
    const QPoint at = window_->pos();
    if (at.x() == toPixels(form_->Left()) && at.y() == toPixels(form_->Top()))
        return;
    form_->userMove(toTwips(at.x()), toTwips(at.y()));
}

void FormPeer::userChangedWindowState()
{
    if (isApplying())
        return;
    const Qt::WindowStates state = window_->windowState();
    const int platformState = state.testFlag(Qt::WindowMinimized)   ? platform::Minimized
                              : state.testFlag(Qt::WindowMaximized) ? platform::Maximized
                                                                    : platform::Normal;
    const bool restored = form_->WindowState() == platform::Minimized && platformState != platform::Minimized;
    applying([&] { form_->setWindowState(platformState); });
    if (!restored)
        return;
    try {
        form_->Refresh();
    } catch (const std::exception& error) {
        reportEscapedError(*form_, error);
    }
}

} // namespace qtgui
