#include "reports/PrintJob.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/Messages.h"
#include "platform/Printer.h"
#include "reports/CancelForm.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace reports {

namespace {

// The lower- and upper-case alphabets, the digits with a second 0, and a comma: 64 characters.
constexpr std::string_view CharWidthSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ01234567890,";
// The title is padded to this many characters before it is cut to the page.
constexpr int PaddedTitleWidth = 200;
// " Page 001" after the title.
constexpr int PageNumberWidth = 9;

struct ColumnLayout {
    std::string_view heading;
    int characters;
};

const std::vector<ColumnLayout>* ColumnLayouts(int kind)
{
    static const std::vector<ColumnLayout> currentList{{"Date", 13}, {"Ref", 8},      {"Type", 6},     {"Vat", 5},
                                                       {"Memo", 22}, {"Payment", 13}, {"Receipt", 13}, {"Rec", 5},
                                                       {"Pd?", 5},   {"Bank", 8},     {"Cust", 8},     {"Categ", 6}};
    static const std::vector<ColumnLayout> reconciliation{{"Day", 13},     {"Ref", 8},      {"Memo", 17},  {"Recon?", 8},
                                                          {"Payment", 13}, {"Receipt", 13}, {"Effect", 13}};
    static const std::vector<ColumnLayout> standingOrders{{"Date", 6}, {"Ref", 8},  {"Type", 6}, {"Amount", 13}, {"Memo", 22},
                                                          {"Bank", 8}, {"Cust", 8}, {"VAT", 5},  {"Categ", 6},   {"To Bank", 8}};
    static const std::vector<ColumnLayout> bankAccounts{{"Code", 8},      {"Name", 22},   {"Address", 23},  {"Telephone", 17},
                                                        {"Opened", 11},   {"Start Bal", 13}, {"Curr Bal", 13}};
    static const std::vector<ColumnLayout> customers{{"Code", 8}, {"Name", 22}, {"Address", 23}, {"Telephone", 17}, {"Fax", 17}};
    static const std::vector<ColumnLayout> vatCodes{{"Code", 6}, {"Name", 22}, {"Rate", 13}};
    static const std::vector<ColumnLayout> categories{{"Code", 6}, {"Name", 22}};
    switch (kind) {
    case CurrentFilteredListKind: return &currentList;
    case ReconciliationKind: return &reconciliation;
    case StandingOrderKind: return &standingOrders;
    case BankAccountKind: return &bankAccounts;
    case CustomerKind: return &customers;
    case VatCodeKind: return &vatCodes;
    case CategoryKind: return &categories;
    default: return nullptr;
    }
}

// The columns a kind prints: none for a kind without a layout.
std::size_t PrintedColumnCount(int kind)
{
    const std::vector<ColumnLayout>* layout = ColumnLayouts(kind);
    return layout ? layout->size() : 0;
}

const ReportColumn& PrintedColumn(const ReportDesk& desk, std::size_t index)
{
    if (index >= desk.ReportColumns.size())
        throw runtime::Error(runtime::SubscriptOutOfRange);
    return desk.ReportColumns[index];
}

} // namespace

void StartPrintJob(ReportDesk& desk)
{
    desk.ReportTimestamp = ReportTimestampNow(desk.services());
    desk.PrintingInProgress = true;
    desk.PrintJobWindow().Refresh();
}

void EndPrintJob(ReportDesk& desk)
{
    desk.PrintingInProgress = false;
    desk.services().printer().EndDoc();
    desk.PrintJobWindow().Hide();
    desk.ReportTimestamp.clear();
    core::SetMousePointer(desk.services(), core::DefaultPointer);
}

int MeasureCharWidth(ReportDesk& desk, bool bold)
{
    platform::Printer& printer = desk.services().printer();
    printer.setFontName(desk.Settings.FontName);
    printer.setFontSize(runtime::val(desk.Settings.FontSize));
    printer.setFontBold(bold);
    return runtime::toInt32(printer.TextWidth(std::string(CharWidthSample)) / static_cast<double>(CharWidthSample.size()));
}

ReportCharWidths MeasureCharWidths(ReportDesk& desk)
{
    ReportCharWidths widths;
    widths.Normal = MeasureCharWidth(desk, false);
    widths.Bold = MeasureCharWidth(desk, true);
    widths.Same = widths.Normal == widths.Bold;
    return widths;
}

int CharsPerLine(ReportDesk& desk, int charWidth)
{
    if (charWidth == 0)
        throw runtime::Error(runtime::DivisionByZero);
    const double across = desk.services().printer().ScaleWidth() - 2.0 * desk.Settings.LeftMargin;
    return runtime::toInt32(across / charWidth);
}

void SetUpReportColumns(ReportDesk& desk, int kind, int charWidth)
{
    const std::vector<ColumnLayout>* layout = ColumnLayouts(kind);
    if (!layout)
        return;
    const double limit = desk.services().printer().ScaleWidth() - desk.Settings.LeftMargin;
    std::vector<ReportColumn> columns;
    int x = desk.Settings.LeftMargin;
    for (const ColumnLayout& column : *layout) {
        const int width = column.characters * charWidth;
        columns.push_back(ReportColumn{x, std::string(column.heading), width, false});
        x += width;
    }
    // Positions run on over every column, so only the leading ones can be shown.
    for (ReportColumn& column : columns)
        column.Shown = column.X + column.Width <= limit;
    desk.ReportColumns = std::move(columns);
}

void PrintPageHeader(ReportDesk& desk, int kind, bool keepBold, int charsPerLine)
{
    platform::Printer& printer = desk.services().printer();
    printer.setFontBold(true);
    printer.setCurrentY(desk.Settings.TopMargin);
    printer.setCurrentX(desk.Settings.LeftMargin);
    // A page too narrow for the page number leaves no room for the title at all.
    const int titleWidth = std::max(0, charsPerLine - PageNumberWidth);
    const std::string title = runtime::left(runtime::padRight(BuildReportTitle(desk, kind), PaddedTitleWidth), titleWidth);
    printer.print(title + " Page " + runtime::format(printer.Page(), "000"), true);
    if (!keepBold)
        printer.setFontBold(false);
}

void PrintColumnHeadings(ReportDesk& desk, int kind, bool keepBold, int charWidth)
{
    platform::Printer& printer = desk.services().printer();
    const std::size_t count = PrintedColumnCount(kind);
    printer.setFontBold(true);
    for (std::size_t i = 0; i < count; ++i) {
        const ReportColumn& column = PrintedColumn(desk, i);
        printer.setCurrentX(column.X);
        if (column.Shown)
            printer.print(column.Heading, false);
    }
    printer.print("", true);
    if (!keepBold)
        printer.setFontBold(false);
    for (std::size_t i = 0; i < count; ++i) {
        const ReportColumn& column = PrintedColumn(desk, i);
        printer.setCurrentX(column.X);
        // One character short of the column, so that neighbouring rulers stay apart.
        if (column.Shown)
            printer.print(std::string(static_cast<std::size_t>(runtime::toInt32(static_cast<double>(column.Width) / charWidth - 1)), '_'), false);
    }
    printer.print("", true);
    printer.print("", true);
}

} // namespace reports
