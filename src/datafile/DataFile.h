#pragma once

#include <filesystem>
#include <optional>

namespace core {
class Book;
}

// The company data file: the whole book as plain text, one value per line, sections in a fixed
// order, first line "[Company Name V2000]". It is always read and written whole. The window every
// operation here takes must be the one attached to the book (ExpectAttached).
namespace datafile {

class DataFileWindow;
struct DataFileContents;

// Writes the whole book to `path` through a temporary file that replaces the old file only when
// every line was written; a path that is a symbolic link writes the file the link leads to. On
// failure ("Save error : ...") the old file is left as it was and the book keeps its changed flag.
// The file the book last read or wrote is first checked: when another program has changed it since,
// the user is asked before it is overwritten, and No leaves it as it is (answer false, no further
// message). Does not change the book's current path; a save to it notes the file written.
bool SaveDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window);

// Opens a data file into the book. The file is read whole first; only when every section was read
// does it replace the book's contents, so a failed load (reported, answer false) leaves the book,
// its current path and its changed flag as they were. Files of versions 2 and 3 are converted
// (ConvertDataFileV2, ConvertDataFileV3).
bool LoadDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window);

// Reads a current-format file. Nothing when it failed; every failure has been reported.
std::optional<DataFileContents> ReadCurrentDataFile(const std::filesystem::path& path, core::Book& book);

// Puts the company name, without its trailing blanks, into the main window's caption.
void SetMainCaption(core::Book& book, DataFileWindow& window);

} // namespace datafile
