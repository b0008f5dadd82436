#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace runtime {

// The system's texts are Windows-1252 and the file system's names UTF-8: a path typed, chosen in
// a dialog or kept in a settings file becomes a file-system path here, and back.
std::filesystem::path pathFromText(std::string_view text);
// Characters Windows-1252 cannot hold become "?".
std::string textOfPath(const std::filesystem::path& path);

} // namespace runtime
