#pragma once

#include <string_view>

namespace reports {

class ReportDesk;

// The EEC-flagged transactions dated `from` to `to` (both included; dates as the chooser shows
// them, "dd/Mmm/yyyy"), oldest first, with their total and count, handed to the chosen viewer.
// Kind 23 lists acquisitions (payments, unpaid bills); any other kind sales (receipts, unpaid
// invoices) under kind 22's title. False after "File error : ", a date that does not read included.
bool WriteEecListReport(ReportDesk& desk, int kind, std::string_view from, std::string_view to);

} // namespace reports
