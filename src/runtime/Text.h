#pragma once

#include <string>
#include <string_view>

// Text helpers over Windows-1252 byte strings: one byte is one character, positions are 1-based
// where the system counts columns. A negative length or a position below 1 raises error 5.
namespace runtime {

std::string left(std::string_view text, int count);
std::string right(std::string_view text, int count);
// Characters from the 1-based position `start`; a negative count takes the rest of the text.
std::string mid(std::string_view text, int start, int count = -1);
std::string ltrim(std::string_view text);
std::string rtrim(std::string_view text);
std::string trim(std::string_view text);
// Windows-1252 letters change case as on the platform: ASCII, the accented Latin letters and
// S, O-E, Z with caron and Y with diaeresis. The line-break escapes 252 and 253 are the letters
// u and y with accents, so an upper-cased text is for comparing, not for storing back.
std::string ucase(std::string_view text);
// One character of ucase.
char ucaseOf(char c);
std::string lcase(std::string_view text);
std::string space(int count);
// Pads with blanks or cuts to exactly `width` characters, as a fixed-length field stores a value.
std::string padRight(std::string_view text, int width);
// Right-aligns in `width` characters; a longer text is returned whole.
std::string padLeft(std::string_view text, int width);

// Leading-number conversion: skips leading blanks and tabs, reads an optional sign, digits, one
// decimal point and an exponent ("E" or "e" followed by digits), and stops at the first character
// that cannot continue the number; a blank inside the number ends it. No number reads as 0
// (" -12.50abc" is -12.5, "1.2.3" is 1.2, "  .5" is 0.5, "5Each" is 5). A number too large
// for a double raises Overflow; one too small reads as 0.
double val(std::string_view text);
// The same, except that a number too large for a double reads as the largest double of its sign:
// for reading damaged text that must never fail.
double valWithinRange(std::string_view text);

// True when ucase(a) == ucase(b), compared without copies.
bool sameUpperCased(std::string_view a, std::string_view b);
// A count of characters as the text functions take it: a negative one is error 5.
std::size_t checkedLength(int count);

// Where `needle` first stands in ucase(text), found without upper-casing a copy of the text; npos
// when it is not there, 0 for an empty needle. The needle is compared as given.
std::size_t findUpperCased(std::string_view text, std::string_view needle);

} // namespace runtime
