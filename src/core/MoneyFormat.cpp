#include "core/MoneyFormat.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "runtime/Format.h"
#include "runtime/Text.h"

namespace core {

namespace {

// Amounts below a billion pounds take a short way into the grouped form, worked in whole pence:
// reports write one or more per transaction, and the general format would take most of their time.
constexpr double ShortWayLimit = 1e9;
// The general format first takes an amount to 15 significant digits and then rounds halves away
// from zero. Below the limit that first step moves an amount by less than this many pence, so
// only an amount this close to a half penny needs it.
constexpr double HalfPennyMargin = 1e-4;

std::optional<std::string> GroupedInPence(double amount)
{
    const double magnitude = std::fabs(amount);
    if (!(magnitude < ShortWayLimit))
        return std::nullopt;
    const double pence = magnitude * 100;
    double whole = std::floor(pence);
    const double fraction = pence - whole;
    if (std::fabs(fraction - 0.5) <= HalfPennyMargin)
        return std::nullopt;
    if (fraction > 0.5)
        whole += 1;
    auto rest = static_cast<std::int64_t>(whole);
    const bool negative = amount < 0 && rest != 0; // a negative amount that rounds to zero shows as zero

    std::array<char, 24> buffer{};
    std::size_t start = buffer.size();
    const auto put = [&](char c) { buffer[--start] = c; };
    put(static_cast<char>('0' + rest % 10));
    rest /= 10;
    put(static_cast<char>('0' + rest % 10));
    rest /= 10;
    put('.');
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            put(',');
        put(static_cast<char>('0' + rest % 10));
        rest /= 10;
        ++digits;
    } while (rest > 0);
    if (negative)
        put('-');
    return std::string(buffer.data() + start, buffer.size() - start);
}

} // namespace

std::string FormatAmountPlainUncut(double amount)
{
    return runtime::padLeft(runtime::format(amount, "#######0.00"), AmountWidth);
}

std::string FormatAmountPlain(double amount)
{
    return runtime::right(FormatAmountPlainUncut(amount), AmountWidth);
}

std::string FormatAmountGrouped(double amount)
{
    std::optional<std::string> text = GroupedInPence(amount);
    if (!text)
        text = runtime::format(amount, "##,###,##0.00;-#,###,##0.00");
    return runtime::padLeft(*text, AmountWidth);
}

} // namespace core
