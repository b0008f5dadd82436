#pragma once

#include <cstddef>
#include <string_view>

namespace runtime {

// Where a plain number written at `start` ends: an optional sign, digits and at most one decimal
// point, nothing else (no blank, no exponent). With `thousandsCommas` a comma may also stand
// between digits before the point, when exactly three digits follow it up to the next comma, the
// point or the end of the digits ("1,234.50", "12,345,678"); any other comma ends the number.
struct NumberSpan {
    std::size_t digitsStart = 0; // just after the sign
    std::size_t end = 0;         // just after the number's last character
    bool negative = false;
    bool hasDigits = false;
};
NumberSpan scanNumber(std::string_view text, std::size_t start, bool thousandsCommas = false);

} // namespace runtime
