#pragma once

namespace core {
struct FilterSetup;
}

namespace reports {

class ReportDesk;
class ReportForm;

// One bank account's payments and receipts over the request's period (its bank and dates), oldest
// first, with a running balance from the chooser's TextStartBal, the totals and the ending
// balance. Unreconciled ones are listed always and counted only with ChkSumUnRecon ticked. The
// request is narrowed to payments and receipts. False after "File error : ".
bool WriteBankActivityReport(ReportDesk& desk, ReportForm& form, core::FilterSetup& request);

} // namespace reports
