#pragma once

#include <filesystem>
#include <string>

namespace core {
class Book;
}

// Moving a date range of transactions out of the book into an archive file, and back. An archive is
// Windows-1252 text with CR LF: a head line, a line naming the range, then one stored transaction
// record per line. Reconciled amounts move into (and back out of) the bank accounts' start
// balances. Either run is whole or leaves the book (and any older file) as it was.
namespace datafile {

// A date field's text as a key "yyyymmdd"; a text that is no date comes back as it is.
std::string ArchiveDateKey(const std::string& text);

// Archives the live transactions dated fromText to toText (shown dates; an empty From starts at the
// first). True when the file is written and the book packed; false after "Archive error : ...", or
// after the range message when a start balance would no longer keep to its column.
bool ArchiveTransactions(const std::filesystem::path& path, const std::string& fromText, const std::string& toText,
                         core::Book& book);

// Adds every record of an archive back and takes back its balance changes, under a filter that
// passes every transaction, then puts the filter in force back and rebuilds the query index under
// it. Empty lines are passed over; a line that is not one whole record (a file cut short), or a
// start balance that would no longer keep to its column, refuses the restore before anything is
// added. False after its message: the transactions, balances, counters and codes are as they were,
// and the filter in force is back in CurrentFilter; PreviousFilter now holds that filter too, as
// after every restore, whatever it held before.
bool RestoreArchiveFile(const std::filesystem::path& path, core::Book& book);

} // namespace datafile
