#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"
#include "runtime/AtomicFile.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace mainwindow {

namespace {

constexpr int AutoSaveOn = 10;

// Section lines are known by their first four characters, letter case ignored.
bool isSection(const std::string& line, std::string_view head)
{
    return runtime::ucase(runtime::left(line, 4)) == runtime::ucase(head);
}

std::int16_t readInt16(runtime::TextReader& in)
{
    return runtime::toInt16(runtime::val(in.readLine()));
}

std::int32_t readInt32(runtime::TextReader& in)
{
    return runtime::toInt32(runtime::val(in.readLine()));
}

std::string counted(double number)
{
    return runtime::format(number, "000000");
}

} // namespace

void Main::ReadSettingsFile()
{
    // A complaint ends the reading: later lines are not trusted and the last file is not reopened.
    const auto complain = [this](const std::string& message) { book.messages.ShowErrorBox(message); };
    try {
        runtime::TextReader in(workingFolder_ / SettingsFileName);
        std::string line = in.readLine();
        if (!isSection(line, "[Las"))
            return complain("Expected [Last File Name] section, found '" + line + "' - Load the file you require manually");
        book.FileToOpen = runtime::pathFromText(in.readLine());
        line = in.readLine();
        if (!isSection(line, "[Fon"))
            return complain("Expected [Fonts] section, found '" + line + "' - Choose a font from the font menu");
        reports::ReportSettings& report = reportDesk.Settings;
        report.FontName = in.readLine();
        report.FontSize = in.readLine();
        report.LeftMargin = readInt16(in);
        report.TopMargin = readInt16(in);
        line = in.readLine();
        if (!isSection(line, "[Gri"))
            return complain("Expected [Grid Settings] section, found '" + line + "' - Will use default grid settings");
        for (int col = 0; col < GridColumnCount; ++col)
            QRYGrid.setColWidth(col, readInt32(in));
        if (readInt16(in) >= AutoSaveOn) {
            OptionAutoSave.setChecked(true);
            book.AutoSave = true;
        }
        line = in.readLine();
        if (!isSection(line, "[Sys"))
            return complain("Expected [System Editor] section, found '" + line +
                            "' - Using QB Viewer as default System Editor");
        const std::string output = runtime::ucase(runtime::rtrim(in.readLine()));
        if (output == "NOTEPAD")
            NotepadItem_Click();
        else if (output == "WRITE")
            WriteItem_Click();
        else if (output == "DATAPEEK")
            DatapeekItem_Click();
        // The placement is read whole: a window larger than 16-bit twips still reopens the last file.
        Placement.WindowState = readInt32(in);
        Placement.Top = readInt32(in);
        Placement.Width = readInt32(in);
        Placement.Left = readInt32(in);
        Placement.Height = readInt32(in);
    } catch (const std::exception&) {
        // A missing, short or spoiled settings file keeps what was read so far, silently.
        return;
    }
    if (!runtime::rtrim(runtime::textOfPath(book.FileToOpen)).empty())
        datafile::LoadDataFile(book.FileToOpen, book, *this);
}

void Main::WriteSettingsFile()
{
    try {
        runtime::AtomicFile file(workingFolder_ / SettingsFileName);
        runtime::TextWriter& out = file.writer();
        out.writeLine("[Last File Name Section]");
        out.writeLine(runtime::textOfPath(book.CurrentDataFilePath));
        out.writeLine("[Fonts Section]");
        const reports::ReportSettings& report = reportDesk.Settings;
        out.writeLine(report.FontName);
        out.writeLine(report.FontSize);
        out.writeLine(counted(report.LeftMargin));
        out.writeLine(counted(report.TopMargin));
        out.writeLine("[Grid Settings Section]");
        for (int col = 0; col < GridColumnCount; ++col) {
            if (QRYGrid.ColWidth(col) < 1)
                QRYGrid.setColWidth(col, 1);
            out.writeLine(counted(QRYGrid.ColWidth(col)));
        }
        out.writeLine(counted(book.AutoSave ? AutoSaveOn : 0));
        out.writeLine("[System Editor Section]");
        const reports::ReportOutput output = ChosenOutput();
        out.writeLine(output == reports::ReportOutput::Notepad ? "NOTEPAD"
                      : output == reports::ReportOutput::Write ? "WRITE"
                                                               : "DATAPEEK");
        for (double value : {static_cast<double>(WindowState()), Top(), Width(), Left(), Height()})
            out.writeLine(counted(value));
        file.commit();
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Error Writing INI File: ") + error.what());
    }
}

} // namespace mainwindow
