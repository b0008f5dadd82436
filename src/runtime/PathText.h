#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The system's texts are Windows-1252 and a file system's names are bytes, UTF-8 on Linux. The
// text of a path keeps each character Windows-1252 has as its byte, so "Café/Book.QBD" reads,
// shows and is stored as it always was; any other character is carried (runtime/Cp1252.h), and a
// byte that is no part of UTF-8 is written as CarriedByte followed by that byte. So every path
// survives its way through a text (a file dialog's answer, a settings line, a message, a command
// line) to the file system, and shows as itself where the text crosses into Qt.
namespace runtime {

// Undefined in Windows-1252, as CarriedCharacter is; never written on its own in a path's text.
constexpr char CarriedByte = '\x8D';

std::filesystem::path pathFromText(std::string_view text);
std::string textOfPath(const std::filesystem::path& path);

} // namespace runtime
