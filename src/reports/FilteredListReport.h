#pragma once

namespace reports {

class ReportDesk;

// The transactions the main window's grid shows, in its order, as a text report of twelve columns
// with the grid's totals and a count, handed to the chosen viewer. False after "File error : ".
bool WriteFilteredListReport(ReportDesk& desk);

} // namespace reports
