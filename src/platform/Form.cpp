#include "platform/Form.h"

#include <algorithm>

#include "platform/Buttons.h"
#include "platform/Services.h"
#include "platform/TextMetrics.h"
#include "runtime/Error.h"

namespace platform {

namespace {

constexpr double BorderWidth = 120;
constexpr double BorderHeight = 405;

} // namespace

Form::Form(Services& services, std::string name) : services_(services), name_(std::move(name)) {}

Form::~Form()
{
    if (peer_)
        peer_->released();
}

void Form::registerControl(Control& control)
{
    controls_.push_back(&control);
}

void Form::unregisterControl(Control& control)
{
    // The control is going: its peer must not reach it from now on, whatever the desktop still
    // does with its widget while the rest of the form goes.
    if (Peer* peer = control.peer())
        peer->released();
    std::erase(controls_, &control);
    if (active_ == &control)
        active_ = nullptr;
    if (focusRequest_ == &control)
        focusRequest_ = nullptr;
}

void Form::changed(std::string_view property)
{
    if (peer_)
        peer_->propertyChanged(property);
}

void Form::endDesign()
{
    designing_ = false;
}

void Form::touch()
{
    if (!designing_ && !loaded_)
        ensureLoaded();
}

void Form::ensureLoaded()
{
    if (loaded_)
        return;
    designing_ = false;
    if (!designKept_) {
        design_ = state_;
        for (Control* control : controls_)
            control->keepDesign();
        designKept_ = true;
    }
    loaded_ = true;
    Form_Load();
}

template <class T, class V> void Form::assign(T& field, V&& value, std::string_view property)
{
    touch();
    if (field == value)
        return;
    field = std::forward<V>(value);
    changed(property);
}

void Form::Show(bool modal)
{
    ensureLoaded();
    if (!loaded_)
        return; // Form_Load unloaded it again
    if (modal && visible_)
        throw runtime::Error(400, "Form already displayed; can't show modally");
    if (!visible_) {
        services_.formShowing(*this, modal);
        visible_ = true;
        changed("Visible");
        if (!shownOnce_) {
            shownOnce_ = true;
            Form_Resize();
        }
        Form_Activate();
        if (!active_ && visible_)
            if (Control* first = firstInTabOrder())
                setFocus(*first);
        if (visible_)
            paint();
    }
    if (modal && visible_)
        services_.runModal(*this);
}

void Form::Hide()
{
    ensureLoaded();
    if (!visible_)
        return;
    visible_ = false;
    changed("Visible");
}

bool Form::Unload(UnloadMode mode)
{
    if (!loaded_)
        return true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    Form_Unload(cancel);
    if (cancel != 0)
        return false;
    visible_ = false;
    loaded_ = false;
    shownOnce_ = false;
    active_ = nullptr;
    pressedShift_.clear();
    frontLevel_ = 0;
    backLevel_ = 0;
    state_ = design_;
    for (Control* control : controls_)
        control->restoreDesign();
    changed("*");
    for (Control* control : controls_)
        control->changed("*");
    return true;
}

void Form::Refresh()
{
    if (loaded_ && visible_)
        paint();
}

void Form::paint()
{
    Form_Paint();
    for (Control* control : controls_)
        if (loaded_ && control->isShown())
            control->paintAgain();
}

bool Form::Visible() const
{
    return visible_;
}

void Form::setVisible(bool visible)
{
    if (visible)
        Show(false);
    else
        Hide();
}

const std::string& Form::Caption() const { return state_.caption; }
void Form::setCaption(const std::string& caption) { assign(state_.caption, caption, "Caption"); }
double Form::Left() const { return state_.left; }
void Form::setLeft(double left) { assign(state_.left, left, "Left"); }
double Form::Top() const { return state_.top; }
void Form::setTop(double top) { assign(state_.top, top, "Top"); }
double Form::Width() const { return state_.width; }
void Form::setWidth(double width) { resizeTo(width, state_.height); }
double Form::Height() const { return state_.height; }
void Form::setHeight(double height) { resizeTo(state_.width, height); }

void Form::Move(double left, double top, double width, double height)
{
    setLeft(left);
    setTop(top);
    resizeTo(width >= 0 ? width : state_.width, height >= 0 ? height : state_.height);
}

void Form::resizeTo(double width, double height)
{
    touch();
    const bool newWidth = width != state_.width;
    const bool newHeight = height != state_.height;
    if (!newWidth && !newHeight)
        return;
    state_.width = width;
    state_.height = height;
    // The window's inside follows the new size by the border rule; a size the desktop reported
    // earlier no longer holds.
    state_.scaleWidth = -1;
    state_.scaleHeight = -1;
    if (newWidth)
        changed("Width");
    if (newHeight)
        changed("Height");
    if (visible_)
        Form_Resize();
}

double Form::ScaleWidth() const
{
    return state_.scaleWidth >= 0 ? state_.scaleWidth : std::max(0.0, state_.width - BorderWidth);
}

double Form::ScaleHeight() const
{
    return state_.scaleHeight >= 0 ? state_.scaleHeight : std::max(0.0, state_.height - BorderHeight);
}

int Form::WindowState() const { return state_.windowState; }
void Form::setWindowState(int state)
{
    touch();
    if (state == state_.windowState)
        return;
    state_.windowState = state;
    changed("WindowState");
    if (visible_)
        Form_Resize();
}

bool Form::Enabled() const { return state_.enabled; }
void Form::setEnabled(bool enabled) { assign(state_.enabled, enabled, "Enabled"); }
int Form::MousePointer() const { return state_.mousePointer; }
void Form::setMousePointer(int pointer) { assign(state_.mousePointer, pointer, "MousePointer"); }
bool Form::KeyPreview() const { return state_.keyPreview; }
void Form::setKeyPreview(bool on) { assign(state_.keyPreview, on, "KeyPreview"); }
long Form::BackColor() const { return state_.backColor; }
void Form::setBackColor(long colour) { assign(state_.backColor, colour, "BackColor"); }
const std::string& Form::Tag() const { return state_.tag; }
void Form::setTag(const std::string& tag) { assign(state_.tag, tag, "Tag"); }
long Form::HelpContextID() const { return state_.helpContextID; }
void Form::setHelpContextID(long topic) { assign(state_.helpContextID, topic, "HelpContextID"); }
const Font& Form::font() const { return state_.font; }
const std::string& Form::FontName() const { return state_.font.name; }
void Form::setFontName(const std::string& name)
{
    const std::string known = findFontName(services_.screenFonts(), name);
    if (known.empty())
        throwInvalidPropertyValue();
    assign(state_.font.name, known, "Font");
}
double Form::FontSize() const { return state_.font.size; }
void Form::setFontSize(double size) { assign(state_.font.size, size, "Font"); }
bool Form::FontBold() const { return state_.font.bold; }
void Form::setFontBold(bool on) { assign(state_.font.bold, on, "Font"); }
double Form::TextWidth(const std::string& text) const { return services_.textWidth(state_.font, text); }
double Form::TextHeight(const std::string& text) const { return services_.textHeight(state_.font, text); }

int Form::nextStackLevel(bool front)
{
    return front ? ++frontLevel_ : --backLevel_;
}

void Form::userResize(double width, double height, double scaleWidth, double scaleHeight)
{
    state_.width = width;
    state_.height = height;
    state_.scaleWidth = scaleWidth;
    state_.scaleHeight = scaleHeight;
    Form_Resize();
}

void Form::userMove(double left, double top)
{
    state_.left = left;
    state_.top = top;
}

// ---- focus ----

bool Form::canFocus(const Control& control) const
{
    return loaded_ && visible_ && control.canTakeFocus() && control.isShown() && control.isEnabled();
}

void Form::checkFocusable(const Control& control) const
{
    if (!canFocus(control))
        throw runtime::Error(runtime::InvalidProcedureCall);
}

Control* Form::leave(Control& leaving, Control* target)
{
    focusRequest_ = nullptr;
    movingFocus_ = true;
    try {
        fire(leaving.LostFocus);
    } catch (...) {
        movingFocus_ = false;
        throw;
    }
    movingFocus_ = false;
    return focusRequest_ ? focusRequest_ : target;
}

void Form::setFocus(Control& control)
{
    touch();
    checkFocusable(control);
    if (movingFocus_) {
        focusRequest_ = &control;
        return;
    }
    Control* target = &control;
    if (active_ && active_ != target)
        target = leave(*active_, target);
    while (target != active_) {
        active_ = target;
        changed("ActiveControl");
        focusRequest_ = nullptr;
        movingFocus_ = true;
        try {
            target->focusArrived();
            fire(target->GotFocus);
        } catch (...) {
            movingFocus_ = false;
            throw;
        }
        movingFocus_ = false;
        if (!focusRequest_ || focusRequest_ == active_)
            return;
        target = leave(*active_, focusRequest_);
    }
}

namespace {

bool canTab(const Control& control)
{
    return control.canTakeFocus() && control.TabStop() && control.isShown() && control.isEnabled();
}

} // namespace

Control* Form::firstInTabOrder() const
{
    Control* first = nullptr;
    for (Control* control : controls_)
        if (canTab(*control) && (!first || control->TabIndex() < first->TabIndex()))
            first = control;
    return first;
}

Control* Form::nextInTabOrder(bool backwards) const
{
    std::vector<Control*> order;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(order),
                 [this](Control* c) { return canTab(*c) || c == active_; });
    if (order.empty())
        return nullptr;
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
    const auto here = std::find(order.begin(), order.end(), active_);
    std::size_t next = 0;
    if (here != order.end()) {
        const std::size_t at = static_cast<std::size_t>(here - order.begin());
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    return order[next];
}

void Form::focusNext(bool backwards)
{
    if (Control* next = nextInTabOrder(backwards))
        setFocus(*next);
}

void Form::focusLeavesUnusable(const Control& control)
{
    auto holds = [&control](const Control* c) {
        for (; c; c = c->Container())
            if (c == &control)
                return true;
        return false;
    };
    if (!active_ || movingFocus_ || !holds(active_))
        return;
    if (!visible_) {
        active_ = nullptr;
        changed("ActiveControl");
        return;
    }
    Control* next = nextInTabOrder(false);
    if (next && next != active_) {
        setFocus(*next);
        return;
    }
    Control* requested = leave(*active_, nullptr);
    active_ = nullptr;
    changed("ActiveControl");
    if (requested)
        setFocus(*requested);
}

// ---- default and cancel buttons ----

void Form::setDefaultButton(CommandButton* button, bool on)
{
    if (on) {
        if (default_ && default_ != button)
            default_->dropDefault();
        default_ = button;
    } else if (default_ == button) {
        default_ = nullptr;
    }
}

void Form::setCancelButton(CommandButton* button, bool on)
{
    if (on) {
        if (cancel_ && cancel_ != button)
            cancel_->dropCancel();
        cancel_ = button;
    } else if (cancel_ == button) {
        cancel_ = nullptr;
    }
}

// ---- keys ----

int Form::userKeyDown(int keyCode, int shift)
{
    if (!loaded_)
        return keyCode;
    pressedShift_[keyCode] = shift;
    auto usable = [](CommandButton* b) { return b && b->isShown() && b->isEnabled(); };
    if (auto* focusedButton = dynamic_cast<CommandButton*>(active_); keyCode == KeyReturn && usable(focusedButton)) {
        focusedButton->userClick();
        return 0;
    }
    if (keyCode == KeyReturn && usable(default_) && !(active_ && active_->wantsEnter())) {
        default_->userClick();
        return 0;
    }
    if (keyCode == KeyEscape && usable(cancel_)) {
        cancel_->userClick();
        return 0;
    }
    if (state_.keyPreview)
        Form_KeyDown(keyCode, shift);
    if (keyCode != 0 && active_ && active_->KeyDown)
        active_->KeyDown(keyCode, shift);
    if (keyCode == KeyTab && (shift & ~1) == 0) {
        focusNext((shift & 1) != 0);
        return 0;
    }
    if (keyCode == KeyF1 && shift == 0) {
        constexpr int HelpContext = 1;
        constexpr int HelpContents = 3;
        services_.showHelp(state_.helpContextID != 0 ? HelpContext : HelpContents, state_.helpContextID);
        return 0;
    }
    return keyCode;
}

int Form::userKeyPress(int keyAscii, bool edit)
{
    if (!loaded_)
        return keyAscii;
    if (state_.keyPreview)
        Form_KeyPress(keyAscii);
    if (keyAscii != 0 && active_ && active_->KeyPress)
        active_->KeyPress(keyAscii);
    if (keyAscii != 0 && edit && active_)
        active_->typeCharacter(keyAscii);
    return keyAscii;
}

void Form::userKeyUp(int keyCode, int shift)
{
    if (!loaded_)
        return;
    if (const auto pressed = pressedShift_.find(keyCode); pressed != pressedShift_.end()) {
        // A shift key that comes up is no longer down itself.
        const int ownBit = keyCode == KeyShift ? 1 : keyCode == KeyControl ? 2 : keyCode == KeyAlt ? 4 : 0;
        shift |= pressed->second & ~ownBit;
        pressedShift_.erase(pressed);
    }
    if (state_.keyPreview)
        Form_KeyUp(keyCode, shift);
    if (keyCode != 0 && active_ && active_->KeyUp)
        active_->KeyUp(keyCode, shift);
}

void Form::userType(const std::string& text)
{
    for (const char c : text)
        userKeyPress(static_cast<unsigned char>(c));
}

} // namespace platform
