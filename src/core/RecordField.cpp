#include "core/RecordField.h"

#include <algorithm>
#include <cmath>
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

bool RecordAmountInRange(std::string_view line)
{
    // Without an exponent eleven characters cannot reach the limit, so most columns need no reading.
    const std::string_view amount = RecordField(line, RecordColumns::Amount);
    if (std::none_of(amount.begin(), amount.end(), [](char c) { return c == 'E' || c == 'e'; }))
        return true;
    return std::fabs(RecordAmount(line)) < RecordAmountLimit;
}

} // namespace core
