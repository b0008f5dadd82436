#pragma once

namespace core {

class Book;

// Removes the transactions marked deleted for good: the kept lines are renumbered by position
// (their transaction numbers stay, and CurrentTransactionIndex follows its line, 0 when that line
// was deleted), both indexes are rebuilt under the current filter, and the grid is
// redrawn. The packed table is built beside the old one and replaces it only when it is complete,
// so a failure (reported, answer false) leaves the book as it was.
bool PackTransactions(Book& book);

} // namespace core
