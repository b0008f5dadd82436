#pragma once

#include <filesystem>

namespace core {
class Book;
}

namespace datafile {

class DataFileWindow;

// Adds a second company file of the current format to the open book: its codes (those the book
// lacks), standing orders, transactions (numbered on from the larger of the book's and the file's
// counters) and named filter set-ups (those whose names the book lacks). The file is read whole and
// the table's room checked before the book changes, so a merge that stops with a message leaves
// the book as it was. The book is marked changed and not saved. True when the file was merged.
bool MergeDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window);

} // namespace datafile
