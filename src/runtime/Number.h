#pragma once

#include <cstdint>
#include <string>

// Integer arithmetic with the platform's rules: rounding halves to even, 16-bit values that raise
// error 6 "Overflow" instead of wrapping.
namespace runtime {

double roundHalfEven(double value);
// Rounds halves to even into a 16-bit integer; out of range raises Overflow.
std::int16_t toInt16(double value);
// Rounds halves to even into a 32-bit integer; out of range raises Overflow.
std::int32_t toInt32(double value);

std::int16_t add16(std::int16_t a, std::int16_t b);
std::int16_t sub16(std::int16_t a, std::int16_t b);
std::int16_t mul16(std::int16_t a, std::int16_t b);

// A number as the platform writes it into text: a blank in the sign position of a number that is
// not negative, no leading zero before the point (" 5", "-5", " .5", " 0", "-1.25"), at most 15
// significant digits, no trailing zeros, and exponent notation outside 1E-4 to 1E15 (" 1E+15").
std::string signedText(double value);
// signedText for text that is read back: a value at the very top of the range, which 15 digits
// would round past the largest double, keeps every digit it needs, so it reads back as itself.
std::string storedNumberText(double value);

} // namespace runtime
