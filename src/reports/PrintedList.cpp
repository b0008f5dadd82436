#include "reports/PrintedList.h"

#include "core/Messages.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTexts.h"
#include "runtime/Error.h"

namespace reports {

PrintedList::PrintedList(ReportDesk& desk, int kind) : desk_(desk), printer_(desk.services().printer()), kind_(kind)
{
    core::SetMousePointer(desk_.services(), core::HourglassPointer);
    StartPrintJob(desk_);
    widths_ = MeasureCharWidths(desk_);
    SetUpReportColumns(desk_, kind_, widths_.Normal);
    // The page header prints bold, so the title is fitted in bold characters.
    charsPerLine_ = CharsPerLine(desk_, widths_.Bold);
    PrintPageHeader(desk_, kind_, widths_.Same, charsPerLine_);
}

const ReportColumn& PrintedList::Column(int number) const
{
    if (number < 1 || number > static_cast<int>(desk_.ReportColumns.size()))
        throw runtime::Error(runtime::SubscriptOutOfRange);
    return desk_.ReportColumns[static_cast<std::size_t>(number - 1)];
}

void PrintedList::PrintColumnHeadings()
{
    reports::PrintColumnHeadings(desk_, kind_, widths_.Same, widths_.Normal);
    amountCellWidth_ = printer_.TextWidth(std::string(AmountRuler));
    core::SetMousePointer(desk_.services(), core::DefaultPointer);
}

void PrintedList::PlaceAt(int column)
{
    printer_.setCurrentX(Column(column).X);
}

void PrintedList::PrintCell(int column, const std::string& text)
{
    PlaceAt(column);
    if (Column(column).Shown)
        printer_.print(text, false);
}

void PrintedList::PrintAmountCell(int column, const std::string& amount)
{
    PlaceAt(column);
    printer_.setCurrentX(printer_.CurrentX() + amountCellWidth_ - printer_.TextWidth(amount));
    if (Column(column).Shown)
        printer_.print(amount, false);
}

void PrintedList::EndLine()
{
    printer_.print("", true);
    if (closing_)
        KeepLineOnPage();
}

bool PrintedList::PrintRow(const std::function<void()>& printCells, int lines)
{
    if (printer_.CurrentY() >= printer_.ScaleHeight() - 2.0 * desk_.Settings.TopMargin || !printer_.LinesFit(lines))
        StartNewPage();
    printCells();
    EndLine();
    desk_.services().doEvents();
    if (desk_.PrintingInProgress)
        return true;
    KeepLineOnPage();
    printer_.setCurrentX(desk_.Settings.LeftMargin);
    printer_.print("*** Report Cancelled ***", true);
    EndPrintJob(desk_);
    return false;
}

void PrintedList::Finish(const std::function<void()>& printClosingLines)
{
    core::SetMousePointer(desk_.services(), core::HourglassPointer);
    closing_ = true;
    KeepLineOnPage();
    printClosingLines();
    EndLine();
    printer_.setCurrentX(desk_.Settings.LeftMargin);
    printer_.print("*** End Of Report ***", true);
    closing_ = false;
    EndPrintJob(desk_);
}

void PrintedList::StartNewPage()
{
    printer_.NewPage();
    PrintPageHeader(desk_, kind_, widths_.Same, charsPerLine_);
    printer_.print("", true);
    reports::PrintColumnHeadings(desk_, kind_, widths_.Same, widths_.Normal);
}

void PrintedList::KeepLineOnPage()
{
    if (!printer_.LinesFit())
        StartNewPage();
}

} // namespace reports
