#pragma once

#include <string>
#include <string_view>

namespace core {

// True when the text is empty or only blanks.
bool IsBlank(std::string_view text);
// The key code of the upper-case form of a typed character, for key-press handlers that keep
// codes in capitals; codes that are not characters come back unchanged.
int UpperCaseKey(int keyCode);
// Upper-cases the first `length` characters of the text in place.
void UpperCasePrefix(std::string& text, int length);
// True when the first four characters are equal, letter case ignored.
bool IsSameFirstFour(std::string_view a, std::string_view b);

} // namespace core
