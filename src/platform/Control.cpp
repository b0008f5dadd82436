#include "platform/Control.h"

#include "platform/Containers.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "runtime/Error.h"

namespace platform {

Parent::Parent(Frame& frame) : form_(&frame.form()), container_(&frame) {}
Parent::Parent(PictureBox& picture) : form_(&picture.form()), container_(&picture) {}
Parent::Parent(Menu& menu) : form_(&menu.form()), container_(&menu) {}

Control::Control(Parent parent, std::string name, int index)
    : form_(&parent.form())
    , container_(parent.container())
    , name_(std::move(name))
    , index_(index)
{
    form_->registerControl(*this);
}

Control::~Control()
{
    form_->unregisterControl(*this);
}

void Control::touch() const
{
    form_->touch();
}

void Control::changed(std::string_view property) const
{
    if (peer_)
        peer_->propertyChanged(property);
}

void Control::keepDesign()
{
    design_ = common_;
}

void Control::restoreDesign()
{
    common_ = design_;
    stackLevel_ = 0;
    dragging_ = false;
}

double Control::Left() const { touch(); return common_.left; }
void Control::setLeft(double left) { assign(common_.left, left, "Left"); }
double Control::Top() const { touch(); return common_.top; }
void Control::setTop(double top) { assign(common_.top, top, "Top"); }
double Control::Width() const { touch(); return common_.width; }
void Control::setWidth(double width) { assign(common_.width, width, "Width"); }
double Control::Height() const { touch(); return common_.height; }
void Control::setHeight(double height) { assign(common_.height, height, "Height"); }

void Control::Move(double left, double top, double width, double height)
{
    setLeft(left);
    setTop(top);
    if (width >= 0)
        setWidth(width);
    if (height >= 0)
        setHeight(height);
}

bool Control::Visible() const { touch(); return common_.visible; }
void Control::setVisible(bool visible)
{
    if (assign(common_.visible, visible, "Visible") && !visible)
        form_->focusLeavesUnusable(*this);
}
bool Control::Enabled() const { touch(); return common_.enabled; }
void Control::setEnabled(bool enabled)
{
    if (assign(common_.enabled, enabled, "Enabled") && !enabled)
        form_->focusLeavesUnusable(*this);
}
int Control::TabIndex() const { touch(); return common_.tabIndex; }
void Control::setTabIndex(int tabIndex) { assign(common_.tabIndex, tabIndex, "TabIndex"); }
bool Control::TabStop() const { touch(); return common_.tabStop; }
void Control::setTabStop(bool on) { assign(common_.tabStop, on, "TabStop"); }
const std::string& Control::Tag() const { touch(); return common_.tag; }
void Control::setTag(const std::string& tag) { assign(common_.tag, tag, "Tag"); }
const std::string& Control::ToolTipText() const { touch(); return common_.toolTip; }
void Control::setToolTipText(const std::string& text) { assign(common_.toolTip, text, "ToolTipText"); }
long Control::BackColor() const { touch(); return common_.backColor; }
void Control::setBackColor(long colour) { assign(common_.backColor, colour, "BackColor"); }
long Control::ForeColor() const { touch(); return common_.foreColor; }
void Control::setForeColor(long colour) { assign(common_.foreColor, colour, "ForeColor"); }
int Control::MousePointer() const { touch(); return common_.mousePointer; }
void Control::setMousePointer(int pointer) { assign(common_.mousePointer, pointer, "MousePointer"); }

const std::string& Control::FontName() const { touch(); return common_.font.name; }
void Control::setFontName(const std::string& name) { if (assign(common_.font.name, name, "Font")) fontChanged(); }
double Control::FontSize() const { touch(); return common_.font.size; }
void Control::setFontSize(double size) { if (assign(common_.font.size, size, "Font")) fontChanged(); }
bool Control::FontBold() const { touch(); return common_.font.bold; }
void Control::setFontBold(bool on) { if (assign(common_.font.bold, on, "Font")) fontChanged(); }
bool Control::FontItalic() const { touch(); return common_.font.italic; }
void Control::setFontItalic(bool on) { if (assign(common_.font.italic, on, "Font")) fontChanged(); }
bool Control::FontUnderline() const { touch(); return common_.font.underline; }
void Control::setFontUnderline(bool on) { if (assign(common_.font.underline, on, "Font")) fontChanged(); }
const Font& Control::font() const { touch(); return common_.font; }
void Control::setFont(const Font& font) { if (assign(common_.font, font, "Font")) fontChanged(); }

bool Control::isShown() const
{
    touch();
    for (const Control* c = this; c; c = c->container_)
        if (!c->common_.visible)
            return false;
    return true;
}

bool Control::isEnabled() const
{
    touch();
    for (const Control* c = this; c; c = c->container_)
        if (!c->common_.enabled)
            return false;
    return true;
}

void Control::setFocus()
{
    form_->setFocus(*this);
}

void Control::Refresh()
{
    touch();
    paintAgain();
    changed("Refresh");
}

void Control::ZOrder(int position)
{
    touch();
    if (position != 0 && position != 1)
        throw runtime::Error(runtime::InvalidProcedureCall);
    stackLevel_ = form_->nextStackLevel(position == 0);
    changed("ZOrder");
}

int Control::stackLevel() const
{
    touch();
    return stackLevel_;
}

void Control::Drag(int action)
{
    touch();
    if (action < 0 || action > 2)
        throw runtime::Error(runtime::InvalidProcedureCall);
    const bool dragging = action == 1;
    if (dragging_ == dragging)
        return;
    dragging_ = dragging;
    changed("Drag");
}

bool Control::userCanAct() const
{
    // A handler may have unloaded the form: the user acted on a window that is gone, and reading
    // the control would load the form again.
    return form_->isLoaded() && isShown() && isEnabled();
}

void Control::userDrop(Control& source, double x, double y)
{
    if (!source.isDragging())
        return;
    source.Drag(0);
    if (userCanAct() && DragDrop) {
        toScale(x, y);
        DragDrop(source, x, y);
    }
}

void Control::userClick()
{
    if (userCanAct())
        fire(Click);
}

void Control::userDblClick()
{
    if (userCanAct())
        fire(DblClick);
}

void Control::fireMouse(const MouseEvent& event, int button, int shift, double x, double y) const
{
    if (event && userCanAct()) {
        toScale(x, y);
        event(button, shift, x, y);
    }
}

void Control::userMouseDown(int button, int shift, double x, double y) { fireMouse(MouseDown, button, shift, x, y); }
void Control::userMouseMove(int button, int shift, double x, double y) { fireMouse(MouseMove, button, shift, x, y); }
void Control::userMouseUp(int button, int shift, double x, double y) { fireMouse(MouseUp, button, shift, x, y); }

} // namespace platform
