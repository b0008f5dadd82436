#include "documents/ObjectLayout.h"

#include "platform/Printer.h"
#include "runtime/Number.h"

namespace documents {

namespace {

// Twips left around a printed document's boxed text.
constexpr double BoxSpace = 10;

struct PrintedLines {
    double FirstX = 0;
    double FirstY = 0;
    std::string Longest;
    int Count = 0;
};

PrintedLines PrintLines(platform::Printer& printer, const PlacedText& object)
{
    const std::int16_t width = runtime::toInt16(object.Width);
    PrintedLines printed;
    for (const std::string& line : SplitPrintedLines(object.Text)) {
        const std::int16_t lineWidth = runtime::toInt16(printer.TextWidth(line));
        if (object.Alignment == 'L')
            printer.setCurrentX(object.Left);
        else if (object.Alignment == 'R')
            printer.setCurrentX(object.Left + width - lineWidth);
        else
            printer.setCurrentX(object.Left + width / 2.0 - lineWidth / 2.0);
        if (printed.Count == 0) {
            printed.FirstX = runtime::toInt16(printer.CurrentX());
            printed.FirstY = runtime::toInt16(printer.CurrentY());
        }
        printer.print(line);
        ++printed.Count;
        // Longest by characters, not by printed width.
        if (line.size() > printed.Longest.size())
            printed.Longest = line;
    }
    return printed;
}

} // namespace

std::vector<std::string> SplitPrintedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        start = i + 2;
        ++i;
    }
    lines.push_back(start < text.size() ? text.substr(start) : std::string());
    return lines;
}

void PrintShownText(platform::Printer& printer, const PlacedText& object)
{
    const PrintedLines printed = PrintLines(printer, object);
    if (!object.Boxed)
        return;
    printer.rectangle(object.Left, object.Top, object.Left + printer.TextWidth(" " + printed.Longest),
                      object.Top + printer.TextHeight(printed.Longest) * printed.Count);
}

void PrintDocumentText(platform::Printer& printer, const PlacedText& object)
{
    const PrintedLines printed = PrintLines(printer, object);
    if (!object.Boxed)
        return;
    printer.rectangle(printed.FirstX - BoxSpace, printed.FirstY - BoxSpace,
                      printed.FirstX + BoxSpace + printer.TextWidth(" " + printed.Longest),
                      printed.FirstY + BoxSpace + printer.TextHeight(printed.Longest) * printed.Count);
}

} // namespace documents
