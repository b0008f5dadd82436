#include "platform/Decorations.h"

#include "platform/TextMetrics.h"

namespace platform {

const std::string& Label::Caption() const { touch(); return state_.caption; }

void Label::setCaption(const std::string& caption)
{
    if (!assign(state_.caption, caption, "Caption"))
        return;
    fitToCaption();
    fire(Change);
}

bool Label::AutoSize() const { touch(); return state_.autoSize; }

void Label::setAutoSize(bool on)
{
    if (assign(state_.autoSize, on, "AutoSize"))
        fitToCaption();
}

int Label::Alignment() const { touch(); return state_.alignment; }
void Label::setAlignment(int alignment) { assign(state_.alignment, alignment, "Alignment"); }
int Label::BorderStyle() const { touch(); return state_.borderStyle; }
void Label::setBorderStyle(int style) { assign(state_.borderStyle, style, "BorderStyle"); }
bool Label::UseMnemonic() const { touch(); return state_.useMnemonic; }
void Label::setUseMnemonic(bool on) { assign(state_.useMnemonic, on, "UseMnemonic"); }

void Label::fitToCaption()
{
    if (!state_.autoSize)
        return;
    setWidth(fixedTextWidth(state_.caption, FontSize()));
    setHeight(fixedTextHeight(state_.caption, FontSize()));
}

void Label::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void Label::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

int Shape::ShapeKind() const { touch(); return kind_; }
void Shape::setShapeKind(int kind) { assign(kind_, kind, "Shape"); }
int Shape::BorderStyle() const { touch(); return borderStyle_; }
void Shape::setBorderStyle(int style) { assign(borderStyle_, style, "BorderStyle"); }

void Shape::keepDesign()
{
    Control::keepDesign();
    designKind_ = kind_;
    designBorderStyle_ = borderStyle_;
}

void Shape::restoreDesign()
{
    Control::restoreDesign();
    kind_ = designKind_;
    borderStyle_ = designBorderStyle_;
}

double Line::X1() const { touch(); return ends_.x1; }
void Line::setX1(double x) { assign(ends_.x1, x, "X1"); }
double Line::Y1() const { touch(); return ends_.y1; }
void Line::setY1(double y) { assign(ends_.y1, y, "Y1"); }
double Line::X2() const { touch(); return ends_.x2; }
void Line::setX2(double x) { assign(ends_.x2, x, "X2"); }
double Line::Y2() const { touch(); return ends_.y2; }
void Line::setY2(double y) { assign(ends_.y2, y, "Y2"); }

void Line::keepDesign()
{
    Control::keepDesign();
    design_ = ends_;
}

void Line::restoreDesign()
{
    Control::restoreDesign();
    ends_ = design_;
}

} // namespace platform
