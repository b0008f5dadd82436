#pragma once

#include <functional>

namespace reports {

class ReportDesk;
class ReportFile;

// Runs the writer of a text report on a freshly opened "QB.TXT", with the hourglass while it runs.
// The writer ends with FinishTextReport and answers its result. A run-time error closes the file,
// drops the report's time stamp (so the next report takes its own) and shows "File error : " and
// its description; the answer is then false.
bool RunTextReport(ReportDesk& desk, const std::function<bool(ReportFile&)>& writeReport);

} // namespace reports
