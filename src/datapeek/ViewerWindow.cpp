#include "datapeek/ViewerWindow.h"

#include <algorithm>
#include <exception>

#include "core/BusyPointer.h"
#include "datapeek/ExportForm.h"
#include "datapeek/ViewerCancelForm.h"
#include "datapeek/ViewerMessages.h"
#include "platform/ScreenPlacement.h"
#include "reports/FontForm.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datapeek {

namespace {

// The smallest window that keeps every command button in view (twips).
constexpr double SmallestWidth = 5070;
constexpr double SmallestHeight = 3090;
constexpr double ButtonWidth = 1095;
constexpr double ButtonHeight = 375;
constexpr double ButtonTop = 180;
constexpr int LastColumn = 17;
// What the grid needs beside its cells: its borders and a scroll bar.
constexpr double GridFrameRoom = 330;

// The room the report takes in the grid: every column across and every line down.
double CellsWidth(const platform::Grid& grid)
{
    double width = GridFrameRoom;
    for (int col = 0; col < grid.Cols(); ++col)
        width += grid.ColWidth(col);
    return width;
}

double CellsHeight(const platform::Grid& grid)
{
    double height = GridFrameRoom;
    for (int row = 0; row < grid.Rows(); ++row)
        height += grid.RowHeight(row);
    return height;
}

} // namespace

ViewerWindow::ViewerWindow(platform::Services& services, std::filesystem::path folder)
    : Form(services, "main"), folder_(std::move(folder))
{
    setCaption("Quillbook - Report Viewer");
    Move(0, 0, 11520, 7200);

    FrameCommand.Move(120, 0, 11040, 675);
    CmdFonts.setCaption("&Fonts");
    CmdFonts.Move(120, ButtonTop, ButtonWidth, ButtonHeight);
    CmdClose.setCaption("&Close");
    CmdClose.setCancel(true);
    CmdClose.Move(1335, ButtonTop, ButtonWidth, ButtonHeight);
    ExportBtn.setCaption("&Export");
    ExportBtn.Move(3780, ButtonTop, ButtonWidth, ButtonHeight);
    CmdSave.setCaption("&Save");
    CmdSave.Move(4980, ButtonTop, ButtonWidth, ButtonHeight);
    CmdLoad.setCaption("&Load");
    CmdLoad.Move(6180, ButtonTop, ButtonWidth, ButtonHeight);
    CmdPrint.setCaption("&Print");
    CmdPrint.Move(9720, ButtonTop, ButtonWidth, ButtonHeight);

    LbLTitle.setFontName("Verdana");
    LbLTitle.Move(120, 780, 11130, 300);
    // A title is the report's own text: "Income & Expenditure" shows its "&".
    LbLTitle.setUseMnemonic(false);
    ViewGrid.Move(120, 1155, 11130, 5040);
    ViewGrid.setCols(GridColumns);

    CmdLoad.Click = [this] { CmdLoad_Click(); };
    CmdSave.Click = [this] { CmdSave_Click(); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    CmdFonts.Click = [this] { CmdFonts_Click(); };
    ExportBtn.Click = [this] { ExportBtn_Click(); };
    CmdClose.Click = [this] { CmdClose_Click(); };
    ViewGrid.Click = [this] { SelectCurrentRow(); };
    // After the key has moved the current cell, so the whole new row shows selected.
    ViewGrid.KeyUp = [this](int&, int) { SelectCurrentRow(); };
    endDesign();
}

ViewerWindow::~ViewerWindow() = default;

void ViewerWindow::Form_Load()
{
    try {
        if (runtime::rtrim(services().commandLine()) != LaunchToken) {
            ShowErrorBox(services(), "QB Viewer runs only from within Quillbook");
            services().endProgram();
            return;
        }
        const core::BusyPointer busy(services());
        firstPaint_ = true;
        // A missing or bad report has shown its own message; the window opens with what was read.
        LoadReportFile(folder_ / "QB.TXT");
        ViewGrid.setCol(1);
        ViewGrid.setFontName(Settings.FontName);
        ViewGrid.setFontSize(runtime::val(Settings.FontSize));
        ViewGrid.setFontBold(false);
        platform::GrowToShowPage(*this, ViewGrid, CellsWidth(ViewGrid), CellsHeight(ViewGrid));
    } catch (const std::exception& error) {
        ShowErrorBox(services(), "Report Viewer Error : " + std::string(error.what()));
        services().endProgram();
    }
}

void ViewerWindow::Form_Paint()
{
    if (!firstPaint_)
        return;
    firstPaint_ = false;
    ViewGrid.setFocus();
}

void ViewerWindow::Form_Resize()
{
    if (WindowState() == platform::Minimized)
        return;
    if (Width() < SmallestWidth) {
        setWidth(SmallestWidth);
        return;
    }
    if (Height() < SmallestHeight) {
        setHeight(SmallestHeight);
        return;
    }
    FrameCommand.setVisible(false);
    LbLTitle.setVisible(false);
    ViewGrid.setVisible(false);

    LbLTitle.setWidth(Width() - 390);
    LbLTitle.setHeight(TextHeight(LbLTitle.Caption()) + 75);
    ViewGrid.setTop(LbLTitle.Top() + LbLTitle.Height() + 75);
    ViewGrid.setWidth(LbLTitle.Width());
    const double gridHeight = Height() - LbLTitle.Height() - FrameCommand.Height() - 800;
    if (gridHeight > 0)
        ViewGrid.setHeight(gridHeight);

    FrameCommand.setWidth(ViewGrid.Width());
    CmdPrint.setLeft(FrameCommand.Width() + FrameCommand.Left() - CmdPrint.Width() - 240);
    CmdSave.setLeft(FrameCommand.Width() / 2 - CmdSave.Width() / 2);
    ExportBtn.setLeft(CmdSave.Left() - ExportBtn.Width() - 100);
    CmdLoad.setLeft(CmdSave.Left() + CmdSave.Width() + 100);

    FrameCommand.setVisible(true);
    LbLTitle.setVisible(true);
    ViewGrid.setVisible(true);
}

void ViewerWindow::SelectCurrentRow()
{
    const int row = ViewGrid.Row();
    // The current cell stays in the first report column: the arrow keys never move into the
    // fixed column, so a current cell there would leave them nowhere to go.
    ViewGrid.setCol(1);
    ViewGrid.setSelStartRow(row);
    ViewGrid.setSelEndRow(row);
    ViewGrid.setSelStartCol(1);
    ViewGrid.setSelEndCol(LastColumn);
}

void ViewerWindow::CmdLoad_Click()
{
    LoadOrSaveReport(1);
}

void ViewerWindow::CmdSave_Click()
{
    LoadOrSaveReport(2);
}

void ViewerWindow::ExportBtn_Click()
{
    ExportDialog().Show(true);
}

void ViewerWindow::CmdClose_Click()
{
    services().endProgram();
}

ViewerCancelForm& ViewerWindow::CancelWindow()
{
    if (!cancelWindow_)
        cancelWindow_ = std::make_unique<ViewerCancelForm>(services(), PrintingInProgress);
    return *cancelWindow_;
}

reports::FontForm& ViewerWindow::FontDialog()
{
    if (!fontDialog_)
        fontDialog_ = std::make_unique<reports::FontForm>(services(), Settings);
    return *fontDialog_;
}

ExportForm& ViewerWindow::ExportDialog()
{
    if (!exportDialog_)
        exportDialog_ = std::make_unique<ExportForm>(services(), folder_, [this](const std::filesystem::path& path) { WriteReportFile(path); });
    return *exportDialog_;
}

int AverageCharWidth(double sampleWidth)
{
    // A font too small to measure still advances the print position; a width beyond an int raises
    // Overflow rather than wrapping.
    return std::max(1, runtime::toInt32(sampleWidth / 64));
}

} // namespace datapeek
