#include "platform/RecordingPrinter.h"

#include <algorithm>

#include "platform/TextMetrics.h"

namespace platform {

RecordingPrinter::RecordingPrinter()
    : fonts_{"Arial", "Courier New", "Times New Roman"}
    , font_{"Arial", 10, false, false, false}
{
}

void RecordingPrinter::setPageSize(double width, double height)
{
    width_ = width;
    height_ = height;
}

void RecordingPrinter::setFonts(std::vector<std::string> fonts)
{
    fonts_ = std::move(fonts);
}

int RecordingPrinter::endedDocuments() const
{
    return static_cast<int>(std::count_if(documents_.begin(), documents_.end(), [](const auto& d) { return !d.killed; }));
}

int RecordingPrinter::killedDocuments() const
{
    return static_cast<int>(documents_.size()) - endedDocuments();
}

void RecordingPrinter::setFontName(const std::string& name)
{
    const std::string known = findFontName(fonts_, name);
    if (known.empty())
        throwInvalidPropertyValue();
    font_.name = known;
}

void RecordingPrinter::setFontSize(double points)
{
    if (points <= 0)
        throwInvalidPropertyValue();
    font_.size = points;
}

int RecordingPrinter::Page() const
{
    return std::max(1, static_cast<int>(current_.pages.size()));
}

double RecordingPrinter::TextWidth(const std::string& text) const
{
    return fixedTextWidth(text, font_.size);
}

double RecordingPrinter::TextHeight(const std::string& text) const
{
    return fixedTextHeight(text, font_.size);
}

RecordedPage& RecordingPrinter::page()
{
    if (current_.pages.empty())
        current_.pages.emplace_back();
    return current_.pages.back();
}

void RecordingPrinter::drawText(const std::string& text, double x, double y)
{
    page().runs.push_back(TextRun{text, x, y, font_});
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    page().strokes.push_back(Stroke{Stroke::Kind::Line, x1, y1, x2, y2});
}

void RecordingPrinter::drawRectangle(double x1, double y1, double x2, double y2)
{
    page().strokes.push_back(Stroke{Stroke::Kind::Rectangle, x1, y1, x2, y2});
}

void RecordingPrinter::startPage()
{
    page();
    current_.pages.emplace_back();
}

void RecordingPrinter::finish(bool killed)
{
    current_.copies = copies_;
    current_.killed = killed;
    current_.run = InRun() ? runsEnded_ + 1 : 0;
    documents_.push_back(std::move(current_));
    current_ = RecordedDocument{};
}

void RecordingPrinter::endDocument()
{
    // A document with nothing drawn sends nothing to the printer.
    if (current_.pages.empty())
        return;
    finish(false);
}

void RecordingPrinter::killDocument()
{
    finish(true);
}

int RecordingPrinter::setCopies(int copies)
{
    if (copiesAnswer_ > 0)
        copies_ = copies;
    return copiesAnswer_;
}

} // namespace platform
