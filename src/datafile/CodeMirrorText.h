#pragma once

#include <string>

#include "runtime/Text.h"

// What a code line shows in the main window's combo of its kind.
namespace datafile {

inline std::string BankMirrorText(const std::string& line)
{
    return runtime::left(line, 27);
}

inline std::string VatMirrorText(const std::string& line)
{
    return runtime::left(line, 3) + " " + runtime::mid(line, 17, 20);
}

inline std::string CustomerMirrorText(const std::string& line)
{
    return runtime::left(line, 27);
}

inline std::string CategoryMirrorText(const std::string& line)
{
    return line;
}

} // namespace datafile
