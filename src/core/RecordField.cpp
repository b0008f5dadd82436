#include "core/RecordField.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace core {

bool RecordCodeIs(std::string_view line, RecordColumn column, std::string_view code)
{
    const auto width = static_cast<std::size_t>(column.width);
    if (code.size() != width)
        return false;
    const std::string_view field = RecordField(line, column);
    if (field.size() == width)
        return std::memcmp(field.data(), code.data(), width) == 0;
    return code.substr(0, field.size()) == field && code.find_first_not_of(' ', field.size()) == std::string_view::npos;
}

double RecordAmount(std::string_view line)
{
    // The form the program writes, "00000000.00", is its ten digits in pence: read straight, it
    // gives the same double as the leading-number rule.
    const std::string_view amount = RecordField(line, RecordColumns::Amount);
    constexpr std::size_t Point = 8;
    if (amount.size() == static_cast<std::size_t>(RecordColumns::Amount.width) && amount[Point] == '.') {
        std::int64_t pence = 0;
        unsigned notDigits = 0;
        for (const std::size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10}) {
            const unsigned digit = static_cast<unsigned char>(amount[i]) - unsigned{'0'};
            notDigits |= digit > 9 ? 1u : 0u;
            pence = pence * 10 + digit;
        }
        if (notDigits == 0)
            return static_cast<double>(pence) / 100;
    }
    return RecordNumber(line, RecordColumns::Amount);
}

bool RecordAmountInRange(std::string_view line)
{
    // Without an exponent eleven characters cannot reach the limit, so most columns need no reading.
    const std::string_view amount = RecordField(line, RecordColumns::Amount);
    if (std::none_of(amount.begin(), amount.end(), [](char c) { return c == 'E' || c == 'e'; }))
        return true;
    return std::fabs(RecordAmount(line)) < RecordAmountLimit;
}

} // namespace core
