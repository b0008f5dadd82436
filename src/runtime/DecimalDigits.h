#pragma once

#include <string>

// A double taken to 15 significant decimal digits, as the platform writes numbers into text, so
// that 0.1 + 0.2 is 0.3 and 2.675 is exactly 2.675 before any further rounding.
namespace runtime::detail {

struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits without trailing zeros; empty for zero
    int exponent = 0;    // the value is d.ddd... times 10 to this power
};

// Raises Overflow for infinities and NaN, which no platform number can hold.
DecimalDigits toDecimalDigits(double value);

// The magnitude written as whole digits (no leading zeros, empty below 1) and exactly `places`
// decimals, rounded halves away from zero.
struct FixedDigits {
    std::string whole;
    std::string fraction;
    bool isZero() const { return whole.empty() && fraction.find_first_not_of('0') == std::string::npos; }
};
FixedDigits toFixed(const DecimalDigits& number, int places);

} // namespace runtime::detail
