#pragma once

namespace reports {

class ReportDesk;

// The job tag of the printed reconciliation, which the reconciliation window's Print button runs.
inline constexpr const char* ReconciliationTag = "WB_RECONDUMP";

// The print job of the reconciliation on screen ("WB_RECONDUMP"), as the window handed it to the
// desk (ReportDesk::Reconciliation): the account and period, the reconciled starting balance, a
// row per line of the list with its flag, amount and effect, and the window's current reconciled
// balance as the ending one; or, after Cancel, the cancel line.
void PrintReconciliationReport(ReportDesk& desk);

} // namespace reports
