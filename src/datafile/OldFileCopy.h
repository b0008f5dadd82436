#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "runtime/FileIdentity.h"

// The copy of an older data file that a conversion keeps beside it before saving the converted
// book over it. The copy is never the file itself and never replaces another file.
namespace datafile {

// The old file as the conversion read it: its bytes, and what the file was when they were read.
struct OldFileAsRead {
    std::string_view bytes;
    std::optional<runtime::FileIdentity> identity;
};

// The name of copy `number` beside `path`: for 0 the path with its extension replaced by
// `extension` ("qb2"), a file without an extension gaining it; for 1 and on the same with the
// number before that extension ("BOOK.1.qb2", "BOOK.2.qb2", ...).
std::filesystem::path CopyPath(const std::filesystem::path& path, const char* extension, int number);

// Keeps the old file's bytes under the first copy name that no file, folder or link holds, and
// answers that name. The copy is a hard link to the file where it is still the file read and the
// file system allows (the converted file is written beside the original and renamed over it, so
// the linked bytes stay), else a file written from the bytes read. A name taken meanwhile moves the
// copy to the next number: nothing is ever replaced. Raises, with a description that says no copy
// could be kept, when none can (every name up to 999 taken, a write that failed).
std::filesystem::path KeepCopyOfOldFile(const std::filesystem::path& path, const char* extension,
                                        const OldFileAsRead& old);

} // namespace datafile
