#pragma once

#include <filesystem>

namespace qtgui {

// The system's text files are Windows-1252, which the desktop's text viewers take for UTF-8 and
// show "£" and "€" wrongly. The viewer is handed a copy instead: the same name in `folder`, the
// text in UTF-8, line ends as they were. Answers the copy's path; empty when the file cannot be
// read or the copy cannot be written. The file itself is left as it is.
std::filesystem::path writeUtf8Copy(const std::filesystem::path& file, const std::filesystem::path& folder);

} // namespace qtgui
