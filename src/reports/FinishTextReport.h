#pragma once

namespace reports {

class ReportDesk;
class ReportFile;

// Ends a text report of `kind`: the closing lines, the file closed, then the program the Options
// menu chose started on it without waiting (a text editor, or the report viewer; the document
// viewer for kind 10). The report's time stamp is dropped, so the next report takes its own.
// False, after its own message and with the file closed, when the file could not be finished or
// the program not started.
bool FinishTextReport(ReportDesk& desk, ReportFile& file, int kind);

} // namespace reports
