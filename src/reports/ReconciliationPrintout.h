#pragma once

#include <optional>
#include <string>
#include <vector>

namespace reports {

// A transaction of the reconciliation window's list, as values: the window lays it out for its list
// and the printed report for its page.
struct ReconciliationRow {
    std::string Date;      // "dd/Mmm/yyyy"
    std::string Reference; // blank-padded to its width, as stored
    std::string Memo;      // its line breaks flattened
    bool Reconciled = false;
    bool Payment = false; // a payment; any other type counts as a receipt
    double Amount = 0;
    // The reconciled balance after the row was last ticked or unticked; nothing until then.
    std::optional<double> Effect;
    int RecordNumber = 0;

    bool operator==(const ReconciliationRow&) const = default;
};

// What the reconciliation window shows, handed to its printed report: the reports may not reach
// into the main program's windows, so the window's Print button fills this on the report desk.
struct ReconciliationPrintout {
    std::string BankText; // the bank combo's text
    std::string FromDate; // "dd/Mmm/yyyy" as the boxes hold it
    std::string ToDate;
    double StartBalance = 0; // the start-balance box's amount
    double EndBalance = 0;   // the window's current reconciled balance
    std::vector<ReconciliationRow> Rows; // the list's rows, in order
};

} // namespace reports
