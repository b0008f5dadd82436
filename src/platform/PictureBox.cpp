#include "platform/PictureBox.h"

#include <algorithm>

#include "platform/Form.h"
#include "platform/Services.h"
#include "platform/TextMetrics.h"
#include "runtime/Error.h"

namespace platform {

int PictureBox::BorderStyle() const { touch(); return state_.borderStyle; }
void PictureBox::setBorderStyle(int style) { assign(state_.borderStyle, style, "BorderStyle"); }
int PictureBox::DrawMode() const { touch(); return state_.drawMode; }

void PictureBox::setDrawMode(int mode)
{
    if (mode < 1 || mode > 16)
        throwInvalidPropertyValue();
    touch();
    state_.drawMode = mode;
}

void PictureBox::Scale(double left, double top, double right, double bottom)
{
    touch();
    if (right == left || bottom == top)
        throw runtime::Error(runtime::InvalidProcedureCall);
    state_.scaleLeft = left;
    state_.scaleTop = top;
    state_.scaleWidth = right - left;
    state_.scaleHeight = bottom - top;
}

void PictureBox::Scale()
{
    touch();
    state_.scaleLeft = state_.scaleTop = state_.scaleWidth = state_.scaleHeight = 0;
}

double PictureBox::insideWidth() const
{
    return std::max(0.0, Width() - (state_.borderStyle == 1 ? 2 * BorderWidth : 0));
}

double PictureBox::insideHeight() const
{
    return std::max(0.0, Height() - (state_.borderStyle == 1 ? 2 * BorderWidth : 0));
}

double PictureBox::ScaleLeft() const { touch(); return state_.scaleLeft; }
double PictureBox::ScaleTop() const { touch(); return state_.scaleTop; }
double PictureBox::ScaleWidth() const { touch(); return state_.scaleWidth != 0 ? state_.scaleWidth : insideWidth(); }
double PictureBox::ScaleHeight() const { touch(); return state_.scaleHeight != 0 ? state_.scaleHeight : insideHeight(); }

double PictureBox::twipsX(double x) const
{
    return state_.scaleWidth == 0 ? x : (x - state_.scaleLeft) * insideWidth() / state_.scaleWidth;
}

double PictureBox::twipsY(double y) const
{
    return state_.scaleHeight == 0 ? y : (y - state_.scaleTop) * insideHeight() / state_.scaleHeight;
}

void PictureBox::toScale(double& x, double& y) const
{
    if (state_.scaleWidth != 0 && insideWidth() > 0)
        x = state_.scaleLeft + x * state_.scaleWidth / insideWidth();
    if (state_.scaleHeight != 0 && insideHeight() > 0)
        y = state_.scaleTop + y * state_.scaleHeight / insideHeight();
}

double PictureBox::CurrentX() const { touch(); return x_; }
void PictureBox::setCurrentX(double x) { touch(); x_ = x; }
double PictureBox::CurrentY() const { touch(); return y_; }
void PictureBox::setCurrentY(double y) { touch(); y_ = y; }

double PictureBox::TextWidth(const std::string& text) const
{
    const double twips = form().services().textWidth(font(), text);
    return state_.scaleWidth == 0 || insideWidth() == 0 ? twips : twips * state_.scaleWidth / insideWidth();
}

double PictureBox::TextHeight(const std::string& text) const
{
    const double twips = form().services().textHeight(font(), text);
    return state_.scaleHeight == 0 || insideHeight() == 0 ? twips : twips * state_.scaleHeight / insideHeight();
}

void PictureBox::draw(PictureStroke stroke)
{
    stroke.exclusiveOr = state_.drawMode == XorPen;
    drawing_.push_back(std::move(stroke));
    changed("Picture");
}

void PictureBox::print(const std::string& text, bool endLine)
{
    touch();
    PictureStroke run;
    run.kind = PictureStroke::Kind::Text;
    run.x1 = twipsX(x_);
    run.y1 = twipsY(y_);
    run.colour = ForeColor();
    run.text = text;
    run.font = font();
    draw(std::move(run));
    if (endLine) {
        x_ = state_.scaleLeft;
        y_ += TextHeight(text);
    } else {
        x_ += TextWidth(text);
    }
}

void PictureBox::line(double x1, double y1, double x2, double y2, long colour, LineForm form)
{
    touch();
    PictureStroke stroke;
    stroke.kind = form == LineForm::Box         ? PictureStroke::Kind::Box
                  : form == LineForm::FilledBox ? PictureStroke::Kind::FilledBox
                                                : PictureStroke::Kind::Line;
    stroke.x1 = twipsX(x1);
    stroke.y1 = twipsY(y1);
    stroke.x2 = twipsX(x2);
    stroke.y2 = twipsY(y2);
    stroke.colour = colour == -1 ? ForeColor() : colour;
    draw(std::move(stroke));
    x_ = x2;
    y_ = y2;
}

void PictureBox::Cls()
{
    touch();
    drawing_.clear();
    x_ = state_.scaleLeft;
    y_ = state_.scaleTop;
    changed("Picture");
}

const std::vector<PictureStroke>& PictureBox::drawing() const
{
    touch();
    return drawing_;
}

void PictureBox::paintAgain()
{
    if (!Paint)
        return;
    drawing_.clear();
    changed("Picture");
    Paint();
}

void PictureBox::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void PictureBox::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
    drawing_.clear();
    x_ = 0;
    y_ = 0;
}

} // namespace platform
