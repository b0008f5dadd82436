#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Formats a number with a pattern of the forms the system uses: "0" digits always written, "#"
// digits written only when significant, "," grouping by thousands, "." the decimal point, and an
// optional ";" section for negative numbers (written without an automatic minus sign; with one
// section a negative number gets a leading "-"). Other characters before and after the digits are
// copied. The value is first taken to 15 significant digits, then rounded halves away from zero,
// so 2.675 gives "2.68"; a negative value that rounds to zero is written as zero. A pattern
// outside these forms throws std::invalid_argument; an infinite or NaN value raises Overflow.
std::string format(double value, std::string_view pattern);

} // namespace runtime
