#include <algorithm>
#include <exception>
#include <string>

#include "core/BusyPointer.h"
#include "datapeek/ColumnFit.h"
#include "datapeek/ReportLayouts.h"
#include "datapeek/ViewerMessages.h"
#include "datapeek/ViewerWindow.h"
#include "platform/Printer.h"
#include "reports/FontForm.h"
#include "runtime/Text.h"

namespace datapeek {

namespace {

constexpr int LastColumn = 17;
// The fixed column only carries the selection: it shows nothing.
constexpr double FixedColumnWidth = 1;
constexpr const char* SizeWhenNone = "8.25";

} // namespace

int ViewerWindow::ApplyReportFont()
{
    setFontName(Settings.FontName);
    setFontSize(runtime::val(Settings.FontSize));
    setFontBold(false);
    ScreenCharWidth = AverageCharWidth(TextWidth(CharWidthSample));
    return ScreenCharWidth;
}

int ViewerWindow::MeasureAverageCharWidth()
{
    setFontBold(false);
    return AverageCharWidth(services().printer().TextWidth(CharWidthSample));
}

void ViewerWindow::ApplyReportLayout(int kind)
{
    for (int col = 1; col <= LastColumn; ++col)
        ViewGrid.setColAlignment(col, platform::LeftJustify);
    const int charWidth = ApplyReportFont();
    ViewGrid.setColWidth(0, FixedColumnWidth);
    const ReportLayout* layout = FindReportLayout(kind);
    if (!layout)
        return;
    setCaption(ViewerTitle + layout->name);
    int col = 1;
    for (const ColumnWidth& width : layout->widths) {
        screenRoom_[static_cast<std::size_t>(col)] = 0;
        ViewGrid.setColWidth(col++, width.unit == ColumnWidth::Unit::Chars ? double(width.amount) * charWidth : width.amount);
    }
    for (int right : layout->rightAligned)
        ViewGrid.setColAlignment(right, platform::RightJustify);
}

void ViewerWindow::FitColumnsToCells()
{
    const platform::Font font = ViewGrid.font();
    const std::vector<double> widest =
        WidestCells(ViewGrid, FindReportLayout(CurrentReportKind), 1, ViewGrid.Rows() - 1,
                    [this, &font](const std::string& text) { return services().textWidth(font, text); });
    for (int col = 1; col < ViewGrid.Cols(); ++col) {
        const auto c = static_cast<std::size_t>(col);
        const double layoutWidth = ViewGrid.ColWidth(col) - screenRoom_[c];
        const double shown = widest[c] > 0 ? std::max(layoutWidth, widest[c] + CellTextRoom) : layoutWidth;
        screenRoom_[c] = shown - layoutWidth;
        ViewGrid.setColWidth(col, shown);
    }
}

void ViewerWindow::ShowReportFont()
{
    const double size = runtime::val(Settings.FontSize);
    LbLTitle.setFontName(Settings.FontName);
    LbLTitle.setFontSize(size);
    LbLTitle.setFontBold(true);
    ViewGrid.setFontName(Settings.FontName);
    ViewGrid.setFontSize(size);
    ViewGrid.setFontBold(false);
    if (Visible())
        ViewGrid.setFocus();
}

void ViewerWindow::CmdFonts_Click()
{
    const reports::ReportSettings previous = Settings;
    try {
        reports::FontForm& dialog = FontDialog();
        {
            const core::BusyPointer busy(services());
            dialog.ShowSettings(SizeWhenNone);
        }
        dialog.Show(true);
        const core::BusyPointer busy(services());
        ApplyReportLayout(CurrentReportKind);
        ShowReportFont();
        FitColumnsToCells();
    } catch (const std::exception& error) {
        ShowErrorBox(services(), "Report Viewer Error : " + std::string(error.what()));
        // The report goes back to the font it was shown in. A font the loaded report already
        // failed to show in fails again: the window keeps what it shows, and one message is enough.
        Settings = previous;
        try {
            ApplyReportLayout(CurrentReportKind);
            ShowReportFont();
            FitColumnsToCells();
        } catch (const std::exception&) {
            core::SetMousePointer(services(), core::DefaultPointer);
        }
    }
}

} // namespace datapeek
