#pragma once

namespace reports {

class ReportDesk;

// The job tag of the printed current filtered list.
inline constexpr const char* ScreenDumpTag = "WB_SCREENDUMP";

// The main window's Print button: with at least one transaction in the grid's list, the report
// font tested on the printer, the printer set up and the list printed through the print-job window
// under "Current Filtered List". An empty list does nothing.
void PrintCurrentFilteredList(ReportDesk& desk);

// The print job of the current filtered list ("WB_SCREENDUMP"): the grid's transactions in its
// order, one line each in twelve columns, then the payment and receipt totals the main window
// shows, the record count and the end line; or, after Cancel, the cancel line.
void PrintCurrentRecordList(ReportDesk& desk);

} // namespace reports
