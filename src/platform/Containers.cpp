#include "platform/Containers.h"

#include "platform/Form.h"
#include "platform/Services.h"

namespace platform {

const std::string& Frame::Caption() const { touch(); return caption_; }
void Frame::setCaption(const std::string& caption) { assign(caption_, caption, "Caption"); }

void Frame::keepDesign()
{
    Control::keepDesign();
    designCaption_ = caption_;
}

void Frame::restoreDesign()
{
    Control::restoreDesign();
    caption_ = designCaption_;
}

double PictureBox::CurrentX() const { touch(); return x_; }
void PictureBox::setCurrentX(double x) { touch(); x_ = x; }
double PictureBox::CurrentY() const { touch(); return y_; }
void PictureBox::setCurrentY(double y) { touch(); y_ = y; }

double PictureBox::TextWidth(const std::string& text) const
{
    return form().services().textWidth(font(), text);
}

double PictureBox::TextHeight(const std::string& text) const
{
    return form().services().textHeight(font(), text);
}

void PictureBox::print(const std::string& text, bool endLine)
{
    touch();
    drawing_.runs.push_back(TextRun{text, x_, y_, font()});
    if (endLine) {
        x_ = 0;
        y_ += TextHeight(text);
    } else {
        x_ += TextWidth(text);
    }
    changed("Picture");
}

void PictureBox::line(double x1, double y1, double x2, double y2)
{
    touch();
    drawing_.strokes.push_back(Stroke{Stroke::Kind::Line, x1, y1, x2, y2});
    x_ = x2;
    y_ = y2;
    changed("Picture");
}

void PictureBox::Cls()
{
    touch();
    drawing_ = RecordedPage{};
    x_ = 0;
    y_ = 0;
    changed("Picture");
}

void PictureBox::restoreDesign()
{
    Control::restoreDesign();
    drawing_ = RecordedPage{};
    x_ = 0;
    y_ = 0;
}

} // namespace platform
