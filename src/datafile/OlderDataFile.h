#pragma once

#include <filesystem>
#include <optional>

#include "runtime/FileIdentity.h"

namespace core {
class Book;
}

namespace runtime {
class TextReader;
}

// Data files of the two older versions, 2 ("[Company Name]") and 3 ("[Company Name V3]"), whose
// transaction records held two-digit years. A load converts them: the old file is read whole, its
// records converted (those that cannot be are dropped and written to the conversion log), the old
// file is kept beside itself under a name no file holds, ending "qb2" or "qb3" (OldFileCopy.h), and
// the book is saved over it in the current format. Only when the whole run has completed, its log
// included, does the book take the file's contents, so a conversion that stops with a message (no
// copy could be kept, the save or the log failed) leaves the open book as it was.
namespace datafile {

class DataFileWindow;

// `in` is the old file, read from its first line on; `readAs` what the file was when it was read.
// True when the whole conversion completed.
bool ConvertDataFileV2(const std::filesystem::path& path, runtime::TextReader& in,
                       const std::optional<runtime::FileIdentity>& readAs, core::Book& book, DataFileWindow& window);
bool ConvertDataFileV3(const std::filesystem::path& path, runtime::TextReader& in,
                       const std::optional<runtime::FileIdentity>& readAs, core::Book& book, DataFileWindow& window);

} // namespace datafile
