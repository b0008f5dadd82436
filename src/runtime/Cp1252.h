#pragma once

#include <string>
#include <string_view>

// Windows-1252 <-> UTF-16, used only where text crosses into the Qt layer.
namespace runtime {

std::u16string cp1252ToUtf16(std::string_view text);
// Characters that Windows-1252 cannot hold become "?".
std::string utf16ToCp1252(std::u16string_view text);

} // namespace runtime
