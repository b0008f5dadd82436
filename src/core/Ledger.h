#pragma once

#include <string>

#include "core/BookWindow.h"
#include "core/FilterStore.h"
#include "core/QueryTotals.h"
#include "core/TransactionIndex.h"
#include "core/TransactionTable.h"

namespace core {

// The transactions of the company book and what finds them: the table, the date index over the
// live transactions, the query index over those that pass the current filter (what the grid
// shows) with its running totals, the filter set-ups, the transaction in the edit box and the
// book's changed flag.
class Ledger {
public:
    Ledger() = default;
    Ledger(const Ledger&) = delete;
    Ledger& operator=(const Ledger&) = delete;

    TransactionTable Transactions;
    TransactionIndex DateIndex;
    TransactionIndex QueryIndex;
    QueryTotals Totals;
    FilterStore Filters;

    // Record number of the transaction in the edit box (0 for none) and its line as it was loaded
    // (empty for a new one).
    int CurrentTransactionIndex = 0;
    std::string CurrentTransactionLine;

    // Set by every change to the book, cleared by loading and saving.
    bool FileChanged = false;

    // The main window while it shows this book; a detached stand-in otherwise.
    BookWindow& Window() const { return *window_; }
    void AttachWindow(BookWindow& window) { window_ = &window; }
    void DetachWindow() { window_ = &detached_; }

private:
    DetachedBookWindow detached_;
    BookWindow* window_ = &detached_;
};

} // namespace core
