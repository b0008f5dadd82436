#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/GatheredLines.h"

namespace core {

class Book;
struct TransactionFields;

// Appends the lines of many new transactions (assembled and numbered) and indexes them all at once:
// the table, both indexes, the query totals, the edit box and the changed flag end as adding them
// one by one with AddTransaction would leave them, with one ordering of each index instead of one
// insert per line. The lines lie in text that `textKeeper` keeps; an empty table takes them as
// they lie, without a copy. False, and nothing added, when they do not all fit the table.
bool AddTransactionLines(Book& book, std::shared_ptr<const void> textKeeper, const std::vector<std::string_view>& lines);

// The lines of new transactions, gathered one after another into one text as they are assembled,
// then added together by AddTransactionLines.
class NewTransactionLines {
public:
    std::size_t size() const { return lines_.size(); }
    // Room for this many lines without a tail, made at once: growing a large text piece by piece
    // costs far more than the copying.
    void Reserve(std::size_t lines);
    void Add(std::string_view line);
    // Assembles the record of `fields` straight into the text, as AppendTransactionRecord does;
    // false when it is refused.
    bool AddRecord(Book& book, TransactionFields& fields);
    // Adds them all to the book (false, and nothing added, when they do not fit) and starts afresh.
    bool AddTo(Book& book);

private:
    GatheredLines lines_;
};

} // namespace core
