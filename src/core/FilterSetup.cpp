#include "core/FilterSetup.h"

#include <array>

#include "runtime/Text.h"

namespace core {

namespace {

struct OperatorCaption {
    std::int16_t code;
    std::string_view caption;
};

constexpr std::array<OperatorCaption, 6> OperatorCaptions{{
    {AmountEqual, "="},
    {AmountNotEqual, "<>"},
    {AmountGreater, ">"},
    {AmountGreaterOrEqual, ">="},
    {AmountLess, "<"},
    {AmountLessOrEqual, "<="},
}};

// The order in which the operator button steps through its captions.
constexpr std::array<std::string_view, 6> OperatorCycle{"=", "<>", "<", "<=", ">", ">="};

} // namespace

std::string_view FilterTypeLetter(std::string_view type, bool paid)
{
    if (type == "INV")
        return paid ? "Y" : "I";
    if (type == "BIL")
        return paid ? "Z" : "B";
    return type.substr(0, 1);
}

std::int16_t GetOperatorCode(std::string_view caption)
{
    const std::string trimmed = runtime::rtrim(caption);
    for (const auto& entry : OperatorCaptions)
        if (entry.caption == trimmed)
            return entry.code;
    return 0;
}

std::string OperatorText(std::int16_t code)
{
    for (const auto& entry : OperatorCaptions)
        if (entry.code == code)
            return std::string(entry.caption);
    return "=";
}

std::string NextOperatorCaption(std::string_view caption)
{
    const std::string trimmed = runtime::rtrim(caption);
    for (std::size_t i = 0; i < OperatorCycle.size(); ++i)
        if (OperatorCycle[i] == trimmed)
            return std::string(OperatorCycle[(i + 1) % OperatorCycle.size()]);
    return std::string(caption);
}

bool AmountPasses(std::int16_t op, double amount, double limit)
{
    switch (op) {
    case AmountEqual: return amount == limit;
    case AmountNotEqual: return amount != limit;
    case AmountGreater: return amount > limit;
    case AmountGreaterOrEqual: return amount >= limit;
    case AmountLess: return amount < limit;
    case AmountLessOrEqual: return amount <= limit;
    default: return true;
    }
}

} // namespace core
