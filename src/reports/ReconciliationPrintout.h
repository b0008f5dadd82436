#pragma once

#include <string>
#include <vector>

namespace reports {

// What the reconciliation window shows, handed to its printed report: the reports may not reach
// into the main program's windows, so the window's Print button fills this on the report desk.
struct ReconciliationPrintout {
    std::string BankText; // the bank combo's text
    std::string FromDate; // "dd/Mmm/yyyy" as the boxes hold it
    std::string ToDate;
    std::string StartBalance; // as typed in the start-balance box
    std::string CurrentBalanceCaption; // the current-balance label's caption
    std::vector<std::string> Lines; // the list's lines, in order
};

} // namespace reports
