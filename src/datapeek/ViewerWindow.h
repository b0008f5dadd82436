#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "reports/ReportDesk.h"

namespace reports {
class FontForm;
}

namespace datapeek {

class ExportForm;
class ViewerCancelForm;

// The start-up token the main program passes; any other command line is refused.
inline constexpr const char* LaunchToken = "QBLAUNCH";
// The text whose average character width is the unit of every column width.
inline constexpr const char* CharWidthSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,.";

// The report viewer's window "main": the report's title over a grid of its rows, with the Load,
// Save, Print, Fonts, Export and Close commands. It reads "QB.TXT" from its folder at start.
class ViewerWindow : public platform::Form {
public:
    static constexpr int GridColumns = 18;

    ViewerWindow(platform::Services& services, std::filesystem::path folder = std::filesystem::current_path());
    ~ViewerWindow() override;

    // Reads a report file into the window; false after its message. What was read before a
    // failure stays.
    bool LoadReportFile(const std::filesystem::path& path);
    // Writes the report on show; false after its message.
    bool SaveReportFile(const std::filesystem::path& path);
    // Writes the report on show as a saved report; raises on failure.
    void WriteReportFile(const std::filesystem::path& path) const;
    // The Load (1) and Save (2) commands with their dialog; true when done.
    bool LoadOrSaveReport(int mode);

    void ApplyReportLayout(int kind);
    // Puts the report font on the window and answers its average character width.
    int ApplyReportFont();
    // The average character width of the printer's present font.
    int MeasureAverageCharWidth();
    // Selects the current row across the report's columns.
    void SelectCurrentRow();

    void CmdLoad_Click();
    void CmdSave_Click();
    void CmdPrint_Click();
    void CmdFonts_Click();
    void ExportBtn_Click();
    void CmdClose_Click();

    reports::ReportSettings Settings;
    bool PrintingInProgress = false;
    int PrinterCharWidth = 1;
    int ScreenCharWidth = 1;
    int CurrentReportKind = 0;

    platform::Label LbLTitle{*this, "LbLTitle"};
    platform::Frame FrameCommand{*this, "FrameCommand"};
    platform::CommandButton CmdLoad{FrameCommand, "CmdLoad"};
    platform::CommandButton CmdSave{FrameCommand, "CmdSave"};
    platform::CommandButton CmdPrint{FrameCommand, "CmdPrint"};
    platform::CommandButton CmdFonts{FrameCommand, "CmdFonts"};
    platform::CommandButton ExportBtn{FrameCommand, "ExportBtn"};
    platform::CommandButton CmdClose{FrameCommand, "CmdClose"};
    platform::Grid ViewGrid{*this, "ViewGrid"};
    // The common dialogs: they keep their settings (the copies, the last file) between showings.
    platform::FileDialog FDialog;
    platform::PrinterDialog PrtDialog;

    ViewerCancelForm& CancelWindow();
    reports::FontForm& FontDialog();
    ExportForm& ExportDialog();

private:
    void Form_Load() override;
    void Form_Paint() override;
    void Form_Resize() override;

    void SetUpReportDialog(int mode);
    bool SetUpPrinter();
    void PrintReport();
    void PrintPageHeader(const std::string& headerText);
    void PrintRowCells(int row);
    void EndPrinting(bool cancelled);
    // Puts the report font on the title (bold) and the grid (plain).
    void ShowReportFont();
    // Widens each column the report's layout sizes in characters to its widest cell in the grid's
    // font, so that no cell is cut.
    void FitColumnsToCells();

    std::filesystem::path folder_;
    // The description of the last failed load or save, which the command's second box repeats.
    std::string lastFailure_;
    bool firstPaint_ = false;
    // Where each report column prints and whether it fits on the page, for the job in hand.
    std::vector<double> printColumnX_;
    std::vector<double> printColumnWidth_;
    // What FitColumnsToCells added to each column for the screen: paper starts from the layout's width.
    std::vector<double> screenRoom_ = std::vector<double>(GridColumns, 0);
    std::vector<bool> printColumnFits_;
    std::unique_ptr<ViewerCancelForm> cancelWindow_;
    std::unique_ptr<reports::FontForm> fontDialog_;
    std::unique_ptr<ExportForm> exportDialog_;
};

// Twips per average character: the sample's width / 64, halves to even, at least 1.
int AverageCharWidth(double sampleWidth);

} // namespace datapeek
