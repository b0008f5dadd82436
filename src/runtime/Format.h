#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Formats a number with a pattern of the forms the system uses: "0" digits always written, "#"
// digits written only when significant, "," grouping by thousands, "." the decimal point, and an
// optional ";" section for negative numbers. The value is first taken to 15 significant digits,
// then rounded halves away from zero, so 2.675 gives "2.68".
std::string format(double value, std::string_view pattern);

} // namespace runtime
