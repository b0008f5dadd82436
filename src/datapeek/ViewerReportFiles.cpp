#include <exception>
#include <string>

#include "core/BusyPointer.h"
#include "datapeek/ViewerMessages.h"
#include "datapeek/ViewerWindow.h"
#include "reports/ReportFile.h"
#include "runtime/AtomicFile.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace datapeek {

namespace {

constexpr int LastColumn = 17;
constexpr int CancelError = 32755;
constexpr const char* SettingsNumberFormat = "000000";

// The font size line's numeric value, held to a 16-bit integer's range as the margin lines are:
// beyond it the line raises Overflow before the grid or the width measuring takes it.
double FontSizeOfLine(const std::string& line)
{
    const double size = runtime::val(line);
    runtime::toInt16(size);
    return size;
}

bool IsStartMarker(const std::string& line)
{
    return runtime::rtrim(runtime::ucase(line)) == reports::ReportStartMarker;
}

} // namespace

bool ViewerWindow::LoadReportFile(const std::filesystem::path& path)
{
    try {
        runtime::TextReader file(path);
        Settings.FontName = file.readLine();
        ViewGrid.setFontName(Settings.FontName);
        const std::string fontSize = file.readLine();
        ViewGrid.setFontSize(FontSizeOfLine(fontSize));
        Settings.FontSize = fontSize;
        Settings.LeftMargin = runtime::toInt16(runtime::val(file.readLine()));
        Settings.TopMargin = runtime::toInt16(runtime::val(file.readLine()));
        LbLTitle.setFontName(ViewGrid.FontName());
        LbLTitle.setFontSize(ViewGrid.FontSize());
        PrinterCharWidth = MeasureAverageCharWidth();
        CurrentReportKind = runtime::toInt16(runtime::val(file.readLine()));
        ApplyReportLayout(CurrentReportKind);

        // Blank lines before the first title line vanish; later ones stay as empty title lines.
        std::string title;
        for (std::string line = file.readLine(); !IsStartMarker(line); line = file.readLine())
            title = runtime::rtrim(title).empty() ? line : title + "\r" + line;
        LbLTitle.setCaption(title);

        // The whole body goes into the grid in one block: TAB separates a row's cells, CR the rows.
        std::string body;
        body.reserve(std::filesystem::file_size(path));
        int rows = 0;
        for (std::string_view line; !file.atEnd(); ++rows) {
            line = file.readLineView();
            if (rows > 0)
                body += '\r';
            body += line;
        }
        ViewGrid.setSelStartCol(1);
        ViewGrid.setSelEndCol(LastColumn);
        ViewGrid.setRows(1);
        if (rows > 0) {
            ViewGrid.setRows(rows + 1);
            ViewGrid.setRow(1);
            ViewGrid.setSelStartRow(1);
            ViewGrid.setSelEndRow(rows);
            ViewGrid.setSelStartCol(1);
            ViewGrid.setSelEndCol(LastColumn);
            ViewGrid.setClip(body);
        }
        FitColumnsToCells();
        return true;
    } catch (const std::exception& error) {
        lastFailure_ = error.what();
        ShowErrorBox(services(), "Error while loading '" + runtime::textOfPath(path) + "' : " + lastFailure_);
        return false;
    }
}

void ViewerWindow::WriteReportFile(const std::filesystem::path& path) const
{
    runtime::AtomicFile file(path);
    runtime::TextWriter& out = file.writer();
    out.writeLine(Settings.FontName);
    out.writeLine(Settings.FontSize);
    out.writeLine(runtime::format(Settings.LeftMargin, SettingsNumberFormat));
    out.writeLine(runtime::format(Settings.TopMargin, SettingsNumberFormat));
    out.writeLine(runtime::format(CurrentReportKind, SettingsNumberFormat));
    out.writeLine();
    out.writeLine(LbLTitle.Caption());
    out.writeLine(reports::ReportStartMarker);
    std::string line;
    for (int row = 1; row < ViewGrid.Rows(); ++row) {
        line.clear();
        for (int col = 1; col < ViewGrid.Cols(); ++col) {
            line += ViewGrid.shownCell(row, col).text;
            line += '\t';
        }
        out.writeLine(line);
    }
    file.commit();
}

bool ViewerWindow::SaveReportFile(const std::filesystem::path& path)
{
    try {
        WriteReportFile(path);
        return true;
    } catch (const std::exception& error) {
        lastFailure_ = error.what();
        ShowErrorBox(services(), "Error while Saving '" + runtime::textOfPath(path) + "' : " + lastFailure_);
        return false;
    }
}

void ViewerWindow::SetUpReportDialog(int mode)
{
    platform::FileDialog& dialog = FDialog;
    dialog.filter = "QB Export (*.EXP)|*.EXP|Text (*.TXT)|*.TXT|All Files (*.*)|*.*";
    dialog.cancelError = true;
    dialog.defaultExt = "EXP";
    dialog.flags = 2;
    if (mode == 1) {
        dialog.kind = platform::FileDialog::Kind::Open;
        dialog.title = "Quillbook : Load Report...";
    } else if (mode == 2) {
        dialog.kind = platform::FileDialog::Kind::Save;
        dialog.title = "Quillbook : Save Report As...";
    }
}

bool ViewerWindow::LoadOrSaveReport(int mode)
{
    try {
        SetUpReportDialog(mode);
        const std::string name = services().fileDialog(FDialog);
        const core::BusyPointer busy(services());
        if (mode == 1 && !LoadReportFile(runtime::pathFromText(name))) {
            ShowErrorBox(services(), "Unable to Load file '" + name + "' : " + lastFailure_);
            return false;
        }
        if (mode == 2 && !SaveReportFile(runtime::pathFromText(name))) {
            ShowErrorBox(services(), "Unable to Save File As '" + name + "' : " + lastFailure_);
            return false;
        }
        return true;
    } catch (const std::exception& error) {
        const auto* numbered = dynamic_cast<const runtime::Error*>(&error);
        if (!numbered || numbered->number() != CancelError)
            ShowErrorBox(services(), std::string(mode == 1 ? "Error while attempting to Load Report : " : "Error while attempting to Save Report : ") + error.what());
        return false;
    }
}

} // namespace datapeek
