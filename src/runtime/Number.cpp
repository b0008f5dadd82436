#include "runtime/Number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "runtime/DecimalDigits.h"
#include "runtime/Error.h"

namespace runtime {

namespace {

template <typename Integer>
Integer roundInto(double value)
{
    const double rounded = roundHalfEven(value);
    // NaN fails both comparisons and is Overflow as well.
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max())) {
        throw Error(Overflow);
    }
    return static_cast<Integer>(rounded);
}

std::int16_t checked16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw Error(Overflow);
    }
    return static_cast<std::int16_t>(value);
}

// The platform switches to exponent notation outside this range of decimal exponents.
constexpr int SmallestFixedExponent = -4;
constexpr int LargestFixedExponent = 14;

std::string exponentText(const detail::DecimalDigits& number)
{
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1) {
        text += '.' + number.digits.substr(1);
    }
    const int magnitude = std::abs(number.exponent);
    text += number.exponent < 0 ? "E-" : "E+";
    return text + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
}

} // namespace

double roundHalfEven(double value)
{
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

std::int16_t toInt16(double value)
{
    return roundInto<std::int16_t>(value);
}

std::int32_t toInt32(double value)
{
    return roundInto<std::int32_t>(value);
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    return checked16(std::int32_t{a} + b);
}

std::int16_t sub16(std::int16_t a, std::int16_t b)
{
    return checked16(std::int32_t{a} - b);
}

std::int16_t mul16(std::int16_t a, std::int16_t b)
{
    return checked16(std::int32_t{a} * b);
}

std::string signedText(double value)
{
    // Whole numbers, as record numbers and counts in the data file are, need no digit analysis.
    constexpr double LargestPlainWhole = 1e15;
    if (value == std::trunc(value) && std::abs(value) < LargestPlainWhole) {
        const auto whole = static_cast<long long>(value);
        return (whole < 0 ? "-" : " ") + std::to_string(whole < 0 ? -whole : whole);
    }
    const detail::DecimalDigits number = detail::toDecimalDigits(value);
    std::string text = number.negative ? "-" : " ";
    if (number.digits.empty()) {
        return text + "0";
    }
    if (number.exponent < SmallestFixedExponent || number.exponent > LargestFixedExponent) {
        return text + exponentText(number);
    }
    const int places = std::max(0, static_cast<int>(number.digits.size()) - 1 - number.exponent);
    const detail::FixedDigits fixed = detail::toFixed(number, places);
    text += fixed.whole;
    return fixed.fraction.empty() ? text : text + "." + fixed.fraction;
}

std::string storedNumberText(double value)
{
    // The largest number of 15 significant digits that does not exceed the largest double.
    constexpr double LargestFifteenDigits = 1.79769313486231e308;
    if (!(std::fabs(value) > LargestFifteenDigits)) {
        return signedText(value);
    }
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                       std::chars_format::scientific);
    std::string text(digits.data(), written.ptr);
    const std::size_t exponent = text.find('e');
    text.replace(exponent, 1, "E");
    return (value < 0 ? "-" : " ") + text;
}

} // namespace runtime
