#pragma once

#include <string>

namespace reports {

class ReportDesk;

// Whether the printer takes the report font: a refusal is told with a message naming the font.
bool ReportFontAccepted(ReportDesk& desk);

// What every Print button does once its own list is known not to be empty: refuses a report font
// the printer lacks (ReportFontAccepted), runs the printer set-up, then runs the job of `tag` in
// the print-job window under `reportName`. Answers whether the job ran.
bool RequestPrintJob(ReportDesk& desk, const std::string& reportName, const std::string& tag);

} // namespace reports
