#pragma once

#include <filesystem>
#include <string_view>

namespace core {

// True when the path names an existing ordinary file (not a folder). An empty path is no file.
bool FileExists(const std::filesystem::path& path);
// True when the path (the system's text of it, runtime/PathText.h), trimmed, is shorter than 128 characters and the file's date and time can
// be read and are set; false on any failure.
bool FileHasDate(std::string_view path);

// The version of a company data file, from its first line: 2 for "[Company Name]", 3 for
// "[Company Name V3]", 2000 for "[Company Name V2000]", 0 for anything else.
int GetDataFileVersion(std::string_view firstLine);

} // namespace core
