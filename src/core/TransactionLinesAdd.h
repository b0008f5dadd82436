#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace core {

class Book;

// Appends the lines of many new transactions (assembled and numbered) and indexes them all at once:
// the table, both indexes, the query totals, the edit box and the changed flag end as adding them
// one by one with AddTransaction would leave them, with one ordering of each index instead of one
// insert per line. The lines lie in text that `textKeeper` keeps; an empty table takes them as
// they lie, without a copy. False, and nothing added, when they do not all fit the table.
bool AddTransactionLines(Book& book, std::shared_ptr<const void> textKeeper, const std::vector<std::string_view>& lines);

} // namespace core
