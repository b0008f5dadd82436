#pragma once

namespace core {
struct FilterSetup;
}

namespace reports {

class ReportDesk;
class ReportForm;

// What the customers selected in the chooser's ListDebCredCust owe (kind 11, the request's type
// "I") or are owed (kind 12, "B") as of today, in four age bands and a total per customer, in list
// order, and the column totals. ChkZeroCust leaves out customers whose total is 0. The
// request's ToDate is today. False after "File error : ".
bool WriteAgedBalanceReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request, int kind,
                            int customers);

} // namespace reports
