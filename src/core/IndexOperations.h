#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/TransactionIndex.h"

namespace core {

class Book;

// Operations that keep the book's DateIndex and QueryIndex in step with its TransactionTable.
// Kind IndexKind::Query stands for the query index's order as the sort-order menu ticks it; an entry
// of that kind also adds to or takes from the query totals. Failures are reported through the
// error box with the messages the operations name, and leave the indexes as they were at the
// failing step.

// The key kind an index operation uses: Query resolved through the sort-order menu.
IndexKind ResolveIndexKind(const Book& book, IndexKind kind);

// Adds the entry of record `recordNumber` (whose line is `line`) in its place. Answers the position.
int IndexInsert(Book& book, TransactionIndex& index, IndexKind kind, std::string_view line, int recordNumber);
// Re-keys the entry of `oldLine` from `newLine` and moves it to its place. Answers the new position,
// or 0 after " Chop - Unable to find key " + old line or "Unable to extract new key - " + new line.
int IndexChange(Book& book, TransactionIndex& index, IndexKind kind, std::string_view oldLine,
                std::string_view newLine, int recordNumber);
// Removes the entry of `line`; false after " Chop - Unable to find key, index = ' 1'" + line.
bool IndexDelete(Book& book, TransactionIndex& index, IndexKind kind, std::string_view line, int recordNumber);

// Entries for the table's last record. A transaction the current filter excludes goes into the
// DateIndex only: the edit box is cleared and the answer is false. A line marked deleted is not
// indexed at all (false).
bool AddToIndexes(Book& book, std::string_view line);
// Moves the entries of record `recordNumber` from `oldLine` to `newLine`. Answers its position in the
// QueryIndex, or 0 when it failed or the transaction left the filter (the edit box is then cleared
// and CurrentTransactionIndex becomes 0). `oldLine` becomes `newLine` in every case.
int ChangeInIndexes(Book& book, std::string& oldLine, std::string_view newLine, int recordNumber);
// Removes the entries of a transaction from both indexes and clears the edit box.
bool DeleteFromIndexes(Book& book, std::string_view line, int recordNumber);

// Empties an index; emptying the QueryIndex zeroes its totals. The totals are the query index's
// own, so emptying the DateIndex leaves them as they are: they keep matching what the grid shows.
void ResetIndexArray(Book& book, TransactionIndex& index);
// New keys of `kind` for every entry from the line it names, then one sort. Entries naming a record
// outside the table are dropped rather than keyed from nothing.
void RebuildIndexKeys(Book& book, TransactionIndex& index, IndexKind kind);
// The DateIndex from the table: one entry per live transaction (deleted ones are left out, so they
// never come back into the grid, the totals or a report).
void RebuildDateIndex(Book& book);
// The QueryIndex from the DateIndex under CurrentFilter, with its totals. With kind Date and the
// date criterion on, the scan starts at the From date and stops at the first transaction after the
// To date. Answers the number of transactions that passed.
int ApplyFilterToIndex(Book& book, IndexKind kind);
// The QueryIndex from the DateIndex as the sort-order menu asks: by date, or by date then re-keyed
// by reference; nothing (answer 0) when neither order is ticked.
int ApplyFilterInSortOrder(Book& book);

// The query totals from the QueryIndex entries, from zero.
void RecalculateQueryTotals(Book& book);

// True when every entry names a different live record of the table, carries that record's key of `kind`, and
// the entries are in key order.
bool IndexMatchesTable(const Book& book, const TransactionIndex& index, IndexKind kind);
// What the index check needs of one record, taken while the record is read so the check need not
// go back to the record's line: its key of kind Date (the other kinds' keys are made of the same
// columns), whether it is live, and its signed amount in pence (GetSignedPence).
struct RecordSummary {
    IndexKey dateKey{};
    bool live = false;
    std::int64_t signedPence = 0;
};
// Fills `summary` where it lies: a summary returned and copied into place costs a stall per record.
void SummarizeRecord(std::string_view line, RecordSummary& summary);

// Checks both indexes (as read back from a data file) against the table and rebuilds any that does
// not match (the DateIndex must also hold every live transaction): the DateIndex from the table, the QueryIndex from the DateIndex under CurrentFilter in
// the current sort order. The query totals are recomputed either way. Answers true when something
// was rebuilt.
bool RepairIndexes(Book& book);
// The same with the summaries of the table's records, in record order, taken as they were read.
bool RepairIndexes(Book& book, std::span<const RecordSummary> summaries);

} // namespace core
