#pragma once

#include <QString>
#include <filesystem>
#include <string>

// The system's strings are Windows-1252 bytes; Qt's are UTF-16. Every string crossing into Qt goes through here.
namespace qtgui {

// A character that a path's text carries beyond Windows-1252 (runtime/PathText.h) shows as itself.
QString toQString(const std::string& text);
// Characters Windows-1252 cannot hold become "?".
std::string fromQString(const QString& text);
// Text to show: converted, with the system's line breaks (CR LF, CR or LF) made Qt's.
QString toDisplayText(const std::string& text);

// Paths cross as the file system's bytes, never as text, so no character is lost on the way.
QString toQPath(const std::filesystem::path& path);
std::filesystem::path fromQPath(const QString& path);
// A path Qt names (a dialog's choice) as the system's text of it, and back.
std::string pathTextFromQString(const QString& path);
QString pathTextToQString(const std::string& text);

} // namespace qtgui
