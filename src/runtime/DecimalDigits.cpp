#include "runtime/DecimalDigits.h"

#include <array>
#include <charconv>
#include <cmath>

#include "runtime/Error.h"

namespace runtime::detail {

namespace {

constexpr int SignificantDigits = 15;

// Adds one unit in the last place of a digit string; returns true when it carried out of the
// first digit ("999" becomes "000").
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

} // namespace

DecimalDigits toDecimalDigits(double value)
{
    if (!std::isfinite(value)) {
        throw Error(Overflow);
    }
    DecimalDigits result;
    result.negative = std::signbit(value) && value != 0;
    if (value == 0) {
        return result;
    }
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    // text is "d.dddddddddddddde+XX"
    const std::size_t e = text.find('e');
    result.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    const std::string_view exponentText = text.substr(text[e + 1] == '+' ? e + 2 : e + 1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), result.exponent);
    return result;
}

FixedDigits toFixed(const DecimalDigits& number, int places)
{
    // Every digit at or after position `kept` (counted in `digits`) lies beyond the last place.
    const int kept = number.exponent + 1 + places;
    std::string digits = number.digits;
    int exponent = number.exponent;
    if (kept < 0 || digits.empty()) {
        digits.clear();
    } else if (static_cast<std::size_t>(kept) < digits.size()) {
        const bool roundUp = digits[static_cast<std::size_t>(kept)] >= '5';
        digits.resize(static_cast<std::size_t>(kept));
        if (roundUp && incrementDigits(digits)) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    FixedDigits result;
    if (digits.empty()) {
        result.fraction.assign(static_cast<std::size_t>(places), '0');
        return result;
    }
    // Lay the digits out on a grid from 10^exponent down to 10^-places.
    const int wholeCount = exponent + 1;
    if (wholeCount > 0) {
        result.whole = digits.substr(0, static_cast<std::size_t>(std::min<int>(wholeCount, static_cast<int>(digits.size()))));
        result.whole.resize(static_cast<std::size_t>(wholeCount), '0');
    }
    std::string fraction;
    if (wholeCount < 0) {
        fraction.assign(static_cast<std::size_t>(-wholeCount), '0');
    }
    if (static_cast<int>(digits.size()) > std::max(wholeCount, 0)) {
        fraction += digits.substr(static_cast<std::size_t>(std::max(wholeCount, 0)));
    }
    fraction.resize(static_cast<std::size_t>(places), '0');
    result.fraction = fraction;
    return result;
}

} // namespace runtime::detail
