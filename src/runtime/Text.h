#pragma once

#include <string>
#include <string_view>

// Text helpers over Windows-1252 byte strings: one byte is one character, positions are 1-based
// where the system counts columns.
namespace runtime {

std::string left(std::string_view text, int count);
std::string right(std::string_view text, int count);
// Characters from the 1-based position `start`; a negative count takes the rest of the text.
std::string mid(std::string_view text, int start, int count = -1);
std::string ltrim(std::string_view text);
std::string rtrim(std::string_view text);
std::string trim(std::string_view text);
std::string ucase(std::string_view text);
std::string lcase(std::string_view text);
std::string space(int count);
// Pads with blanks or cuts to exactly `width` characters, as a fixed-length field stores a value.
std::string padRight(std::string_view text, int width);
// Right-aligns in `width` characters; a longer text is returned whole.
std::string padLeft(std::string_view text, int width);

// Leading-number conversion: skips blanks, reads an optional sign, digits, one decimal point and
// an exponent, and stops at the first character that cannot continue the number. "" reads as 0.
double val(std::string_view text);

} // namespace runtime
