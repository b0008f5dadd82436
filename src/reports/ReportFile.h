#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/TextFile.h"

namespace reports {

class ReportDesk;

// The file every text report is written to and its viewer reads, in the desk's folder.
inline constexpr std::string_view ReportFileName = "QB.TXT";
// The line between a report's titles and its rows; the viewer finds it on its own.
inline constexpr std::string_view ReportStartMarker = "*** REPORT STARTS ***";

// "QB.TXT" open for output: Windows-1252 lines ended CR LF, an earlier report replaced. Rows are
// cells joined by TAB, each cell already blank-padded to its width by the report.
class ReportFile {
public:
    explicit ReportFile(ReportDesk& desk);
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // The viewer settings lines (only while the report viewer is the chosen output: a text
    // editor would show them) and the title line of a report of `kind`.
    void WriteHead(int kind);
    // The marker line after the titles, and the two blank rows every report puts under it.
    void WriteMarker();
    void WriteLine(std::string_view text = {});
    void WriteRow(std::initializer_list<std::string_view> cells);
    // Writes without ending the line.
    void Write(std::string_view text);

    // Closes the file; raises when the report did not reach the disk.
    void Close();
    // Closes the file after a failure, whatever it holds, so the next report can open it again.
    void Abandon() { writer_.reset(); }

private:
    runtime::TextWriter& writer();

    ReportDesk& desk_;
    std::optional<runtime::TextWriter> writer_;
};

// Cells joined by TAB, as a report row holds them.
std::string JoinCells(std::initializer_list<std::string_view> cells);
// The row of `cells` and its line end added to `text`: a report of many rows gathers them in one
// string and writes it once, rather than making and writing a string per row.
void AppendRow(std::string& text, std::initializer_list<std::string_view> cells);

} // namespace reports
