#pragma once

#include <string>
#include <vector>

#include "BookTest.h"
#include "core/BookWindow.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"

// The main window as the book's tests see it: it keeps the sort order and counts what the book
// asked of it.
class FakeBookWindow : public core::BookWindow {
public:
    core::QueryOrder SortOrder() const override { return order; }
    void setSortOrder(core::QueryOrder newOrder) override { order = newOrder; }
    void ClearEntryFields(int mode) override { clearedModes.push_back(mode); }
    void UpdateMenuState() override { ++menuUpdates; }
    void TickFilterMenu(const core::FilterMenuTicks& newTicks) override { ticks = newTicks; }
    void ShowTotalsLabels(bool showPayments, bool showReceipts) override
    {
        paymentsShown = showPayments;
        receiptsShown = showReceipts;
    }

    core::QueryOrder order = core::QueryOrder::ByDate;
    std::vector<int> clearedModes;
    int menuUpdates = 0;
    core::FilterMenuTicks ticks;
    bool paymentsShown = true;
    bool receiptsShown = true;
};

// A transaction for a test, given by the fields that matter to it.
struct Txn {
    std::string number{};             // blank: the next number is taken
    std::string date = "15/Jan/2024"; // as the edit box shows it
    std::string ref{};
    std::string bank = "BANK1";
    std::string cust{};
    std::string vat = "S";
    std::string cat = "SALE";
    std::string type = "PAY";
    std::string memo{};
    double amount = 10;
    bool reconciled = false;
    bool paid = false;
    bool deleted = false;
};

core::TransactionFields FieldsOf(const Txn& txn);

// A book with a fake main window attached and the all-pass filter current (every type letter).
class LedgerTest : public BookTest {
protected:
    LedgerTest();

    // The stored record of a transaction (the book's SplitTail is emptied first).
    std::string line(const Txn& txn);
    // Adds through AddTransaction and answers its result.
    bool add(const Txn& txn);
    // Appends the line straight to the table, as a data-file reader does, without indexing it.
    void store(const std::string& recordLine);

    // Record numbers in index order.
    std::vector<int> dateOrder() const;
    std::vector<int> queryOrder() const;

    core::Ledger& ledger = book.ledger;
    FakeBookWindow window;
};
