#include "platform/Printer.h"

namespace platform {

bool Printer::LinesFit(int lines) const
{
    return currentY_ + lines * TextHeight("") <= ScaleHeight();
}

void Printer::print(const std::string& text, bool endLine)
{
    drawText(text, currentX_, currentY_);
    if (endLine)
        moveTo(0, currentY_ + TextHeight(text));
    else
        moveTo(currentX_ + TextWidth(text), currentY_);
}

void Printer::line(double x1, double y1, double x2, double y2)
{
    drawLine(x1, y1, x2, y2);
    moveTo(x2, y2);
}

void Printer::rectangle(double x1, double y1, double x2, double y2)
{
    drawRectangle(x1, y1, x2, y2);
    moveTo(x2, y2);
}

void Printer::NewPage()
{
    startPage();
    moveTo(0, 0);
}

void Printer::EndDoc()
{
    endDocument();
    moveTo(0, 0);
}

void Printer::KillDoc()
{
    killDocument();
    moveTo(0, 0);
}

void Printer::BeginRun()
{
    ++runDepth_;
}

void Printer::EndRun()
{
    if (runDepth_ == 0)
        return;
    if (--runDepth_ == 0)
        endRun();
}

void Printer::moveTo(double x, double y)
{
    currentX_ = x;
    currentY_ = y;
}

} // namespace platform
