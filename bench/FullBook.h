#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/TransactionRecord.h"
#include "core/TransactionTable.h"

namespace core {
class Book;
}

namespace bench {

// One generated transaction: its fields (Number blank, so adding it takes the next number) and the
// split tail to set before it is assembled.
struct GeneratedTransaction {
    core::TransactionFields fields;
    std::string splitTail;
};

// The transactions of a realistic full book, the same on every run: ten years of business from
// January 2015, in the order a book-keeper enters them (mostly by date, a few days late at times),
// payments, receipts, invoices and bills over four bank accounts, 150 customers, three VAT codes
// and ten categories, with about one in thirty split over two to four VAT splits. Older invoices
// and bills are paid and older transactions reconciled.
std::vector<GeneratedTransaction> GenerateTransactions(int count = core::TransactionTable::MaxTransactions);

// The code tables the generated transactions use: bank accounts BANK1, BANK2, CASH and SAVE, VAT
// codes S (20.00), Z and E (0.00), customers CUS001 to CUS150 and the ten categories.
void AddFullBookCodes(core::Book& book);

// Fills an empty book with its code tables and generated transactions through AddTransaction, as entering them would,
// with a current filter that lets every type through (so the query index holds them all).
void FillFullBook(core::Book& book, int count = core::TransactionTable::MaxTransactions);

// Adds the transactions one by one (the current filter decides what the query index holds).
void AddGeneratedTransactions(core::Book& book, std::vector<GeneratedTransaction> transactions);

// Writes a full book as a data file; throws when it cannot.
void SaveFullBook(const std::filesystem::path& path);

// One full book shared by the benchmarks that only read it or rebuild its indexes.
core::Book& SharedFullBook();

} // namespace bench
