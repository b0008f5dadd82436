#pragma once

#include <QString>
#include <string>

// The system's strings are Windows-1252 bytes; Qt's are UTF-16. Every string crossing into Qt goes through here.
namespace qtgui {

QString toQString(const std::string& text);
// Characters Windows-1252 cannot hold become "?".
std::string fromQString(const QString& text);
// Text to show: converted, with the system's line breaks (CR LF, CR or LF) made Qt's.
QString toDisplayText(const std::string& text);

} // namespace qtgui
