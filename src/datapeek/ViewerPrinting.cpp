#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Messages.h"
#include "core/PrinterSetup.h"
#include "datapeek/ColumnFit.h"
#include "datapeek/ReportLayouts.h"
#include "datapeek/ViewerCancelForm.h"
#include "datapeek/ViewerMessages.h"
#include "datapeek/ViewerWindow.h"
#include "platform/Printer.h"
#include "reports/FontTests.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datapeek {

namespace {

// The gap between two printed columns (twips).
constexpr double ColumnGap = 20;
constexpr int RowsBetweenYields = 25;
constexpr int DocumentTextKind = 10;
// The report's column headings, printed bold and again under every later page's header.
constexpr std::pair<int, int> HeadingRows{3, 4};

// A margin past a quarter of the page counts as that quarter, so the rows keep room to print.
double PrintedLeftMargin(const reports::ReportSettings& settings, const platform::Printer& printer)
{
    return std::min<double>(settings.LeftMargin, printer.ScaleWidth() / 4);
}

double PrintedTopMargin(const reports::ReportSettings& settings, const platform::Printer& printer)
{
    return std::min<double>(settings.TopMargin, printer.ScaleHeight() / 4);
}

std::string PageNumberText(const platform::Printer& printer)
{
    return " Page " + runtime::format(printer.Page(), "000");
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\r'));
}

std::vector<std::string> TitleLines(const std::string& caption)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = caption.find('\r'); end != std::string::npos; end = caption.find('\r', start)) {
        lines.push_back(caption.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(caption.substr(start));
    return lines;
}

} // namespace

bool ViewerWindow::SetUpPrinter()
{
    const std::optional<int> answer = core::ShowViewerPrinterDialog(services(), PrtDialog);
    if (!answer)
        return false;
    // The platform's printer gives no description of its own failure, so the text ends " : ".
    if (*answer == 0) {
        ShowErrorBox(services(), "Your printer does not appear to be able to print multiple copies of copies : ");
    } else if (*answer < 0) {
        ShowErrorBox(services(), "Error while setting number of copies : ");
        return false;
    }
    return true;
}

void ViewerWindow::CmdPrint_Click()
{
    if (PrintingInProgress)
        return;
    platform::Printer& printer = services().printer();
    if (!reports::TrySetPrinterFont(printer, Settings.FontName)) {
        ShowErrorBox(services(), "'" + Settings.FontName + "' is not a suitable font for your printer. You can change this permanently by selecting a different font from the main Quillbook program (Choose Reports/Fonts from the Menu, Arial is usually OK) and try again");
        return;
    }
    if (!SetUpPrinter())
        return;
    printColumnX_.assign(static_cast<std::size_t>(ViewGrid.Cols()), 0);
    printColumnWidth_.assign(static_cast<std::size_t>(ViewGrid.Cols()), 0);
    printColumnFits_.assign(static_cast<std::size_t>(ViewGrid.Cols()), false);

    core::SetMousePointer(services(), core::HourglassPointer);
    PrintingInProgress = true;
    setEnabled(false);
    CancelWindow().Show();
    CancelWindow().Refresh();
    try {
        PrintReport();
    } catch (const std::exception& error) {
        ShowErrorBox(services(), "Print error : " + std::string(error.what()));
        printer.EndDoc();
        EndPrinting(false);
    }
    core::SetMousePointer(services(), core::DefaultPointer);
}

void ViewerWindow::EndPrinting(bool cancelled)
{
    setEnabled(true);
    if (!cancelled)
        CancelWindow().Hide();
    Refresh();
    PrintingInProgress = false;
}

void ViewerWindow::PrintReport()
{
    platform::Printer& printer = services().printer();
    printer.setFontName(Settings.FontName);
    printer.setFontSize(runtime::val(Settings.FontSize));
    printer.setFontBold(false);
    PrinterCharWidth = AverageCharWidth(printer.TextWidth(CharWidthSample));
    printer.setFontBold(true);
    const int boldWidth = AverageCharWidth(printer.TextWidth(CharWidthSample));
    const bool sameWidth = boldWidth == PrinterCharWidth;

    const double pageWidth = printer.ScaleWidth();
    const double pageHeight = printer.ScaleHeight();
    const double left = PrintedLeftMargin(Settings, printer);
    const double top = PrintedTopMargin(Settings, printer);
    const auto titleWidth = static_cast<std::size_t>(std::max(1.0, runtime::roundHalfEven((pageWidth - 2 * left) / boldWidth - 9)));
    const double scale = double(PrinterCharWidth) / ScreenCharWidth;

    // A column is as wide on paper as on the screen, or as its widest cell prints when that is wider
    // (a printer font's figures may be wider than its average character); the headings print bold.
    const ReportLayout* layout = FindReportLayout(CurrentReportKind);
    const auto printedWidth = [&printer](const std::string& text) { return printer.TextWidth(text); };
    printer.setFontBold(false);
    const std::vector<double> widestCells = WidestCells(ViewGrid, layout, 1, ViewGrid.Rows() - 1, printedWidth);
    printer.setFontBold(true);
    const std::vector<double> widestHeadings =
        WidestCells(ViewGrid, layout, HeadingRows.first, std::min(HeadingRows.second, ViewGrid.Rows() - 1), printedWidth);
    const int cols = ViewGrid.Cols();
    for (int c = 1; c < cols; ++c) {
        const auto col = static_cast<std::size_t>(c);
        printColumnWidth_[col] = std::max({(ViewGrid.ColWidth(c) - screenRoom_[col]) * scale, widestCells[col], widestHeadings[col]});
    }
    printColumnX_[1] = left;
    for (int c = 2; c < cols; ++c)
        printColumnX_[c] = runtime::roundHalfEven(printColumnWidth_[c - 1] + printColumnX_[c - 1] + ColumnGap);
    for (int c = 1; c < cols; ++c)
        printColumnFits_[c] = printColumnX_[c] + printColumnWidth_[c] <= pageWidth - left;

    const bool documentText = CurrentReportKind == DocumentTextKind;
    const auto fitsAcross = [&](const std::string& line) { return printer.TextWidth(line) <= pageWidth - 2 * left; };
    printer.setFontBold(true);
    printer.setCurrentY(top);
    printer.setCurrentX(left);
    const std::vector<std::string> lines = TitleLines(LbLTitle.Caption());
    if (documentText)
        printer.print(fitsAcross(lines[0]) ? lines[0] : lines[0].substr(0, titleWidth));
    else
        printer.print(lines[0].substr(0, titleWidth) + PageNumberText(printer));
    if (!sameWidth)
        printer.setFontBold(false);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        if (last && lines[i].empty())
            break;
        printer.setCurrentX(left);
        printer.print(documentText && !last && fitsAcross(lines[i]) ? lines[i] : lines[i].substr(0, titleWidth));
    }
    const std::string headerText = LbLTitle.Caption().substr(0, titleWidth);
    if (!sameWidth)
        printer.setFontBold(false);
    printer.setCurrentX(left);
    core::SetMousePointer(services(), core::DefaultPointer);

    // A row that would end past the printable area goes to the next page whole, whatever the
    // margin: below a margin of half a line the page's own end comes first.
    const auto startsNewPage = [&] { return printer.CurrentY() > pageHeight - 2 * top || !printer.LinesFit(); };
    for (int row = 1; row < ViewGrid.Rows(); ++row) {
        if (startsNewPage())
            PrintPageHeader(headerText);
        if (row == 3 || row == 4)
            printer.setFontBold(true);
        PrintRowCells(row);
        printer.print("");
        if (!sameWidth)
            printer.setFontBold(false);
        if (row % RowsBetweenYields == 0)
            services().doEvents();
        if (!PrintingInProgress) {
            core::SetMousePointer(services(), core::HourglassPointer);
            if (!printer.LinesFit())
                PrintPageHeader(headerText);
            printer.setCurrentX(left);
            printer.print("*** Report Cancelled ***");
            printer.EndDoc();
            EndPrinting(true);
            return;
        }
    }
    core::SetMousePointer(services(), core::HourglassPointer);
    printer.EndDoc();
    EndPrinting(false);
}

void ViewerWindow::PrintRowCells(int row)
{
    platform::Printer& printer = services().printer();
    for (int c = 1; c < ViewGrid.Cols(); ++c) {
        const std::string& text = ViewGrid.TextMatrix(row, c);
        double x = printColumnX_[c];
        if (ViewGrid.ColAlignment(c) == platform::RightJustify)
            x = printColumnWidth_[c] - printer.TextWidth(text) + x;
        if (printColumnFits_[c]) {
            printer.setCurrentX(x);
            printer.print(text, false);
        }
    }
}

void ViewerWindow::PrintPageHeader(const std::string& headerText)
{
    platform::Printer& printer = services().printer();
    const double left = PrintedLeftMargin(Settings, printer);
    const double top = PrintedTopMargin(Settings, printer);
    printer.NewPage();
    printer.setCurrentY(top);
    printer.setFontBold(true);
    printer.setCurrentX(left);
    printer.print(FirstLine(headerText) + PageNumberText(printer));
    printer.print("");
    printer.setCurrentX(left);
    for (int row = HeadingRows.first; row <= HeadingRows.second && row < ViewGrid.Rows(); ++row) {
        PrintRowCells(row);
        printer.print("");
    }
    printer.print("");
    printer.setFontBold(false);
}

} // namespace datapeek
