#pragma once

#include <string>
#include <string_view>

namespace core {

class Book;
struct TransactionFields;

// The line with its deleted column set; a line too short to have that column is first completed
// with blanks to the fixed part's length.
std::string MarkedDeleted(std::string_view line);
// Appends a transaction and indexes it. A blank Number takes the next transaction number (and an
// "INV" then advances the invoice counter). Refused, with the "You have  32766 transactions ..."
// message, when the table is full; a record that does not assemble is not stored, and leaves the
// counters and `fields` as they were. Answers false also when the transaction is stored but the
// current filter leaves it out of the grid.
bool AddTransaction(Book& book, TransactionFields& fields);

// The message that refuses a transaction the full table cannot take.
void ShowTransactionTableFull(Book& book);

// Stores `fields` (the edit box's transaction) over record `recordNumber` and moves its index
// entries from CurrentTransactionLine, which then holds the new line. Answers the transaction's
// position in the QueryIndex, or 0 when nothing was stored, a step failed, or the transaction left
// the filter.
int ReplaceTransaction(Book& book, int recordNumber, TransactionFields& fields);

// Marks record `recordNumber` deleted (its line stays until the book is packed) and removes its
// index entries; on success the edit box no longer holds a transaction. False for a number outside
// the table or when its entries were not found.
bool DeleteTransaction(Book& book, int recordNumber);

// Empties the table.
void ClearTransactions(Book& book);

} // namespace core
