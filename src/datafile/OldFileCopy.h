#pragma once

#include <filesystem>

// The copy of an older data file that a conversion keeps beside it before saving the converted
// book over it. The copy is never the file itself and never replaces another file.
namespace datafile {

// The first name beside `path` that no file holds: the path with its extension replaced by
// `extension` ("qb2"), a file without an extension gaining it, then the same with a number before
// that extension ("BOOK.1.qb2", "BOOK.2.qb2", ...). A file whose own name is "BOOK.qb2" is taken
// itself, so its copy is "BOOK.1.qb2". Raises Path/File access error when every numbered name is.
std::filesystem::path FreeCopyPath(const std::filesystem::path& path, const char* extension);

// Keeps the bytes of `path` under FreeCopyPath and answers that name. The copy holds them exactly:
// a hard link where the file system allows (the converted file is written beside the original and
// renamed over it, so the linked bytes stay), a written copy otherwise. Raises, with a description
// that says no copy could be kept, when none can.
std::filesystem::path KeepCopyOfOldFile(const std::filesystem::path& path, const char* extension);

} // namespace datafile
