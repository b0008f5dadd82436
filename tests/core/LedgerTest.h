#pragma once

#include <string>
#include <vector>

#include "BookTest.h"
#include "FakeBookWindow.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"

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
