#include "core/MoneyFormat.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "runtime/Format.h"
#include "runtime/Text.h"

namespace core {

namespace {

// Amounts below a billion pounds take a short way into the grouped and plain forms, worked in whole
// pence: reports write one or more per transaction, every stored transaction three, and the general
// format would take most of their time.
constexpr double ShortWayLimit = 1e9;
// The general format first takes an amount to 15 significant digits and then rounds halves away
// from zero. Below the limit that first step moves an amount by less than this many pence, so
// only an amount this close to a half penny needs it.
constexpr double HalfPennyMargin = 1e-4;

// The size of an amount in whole pence as the general format rounds it; nothing where only the
// general format can tell (a billion pounds or more, or an amount within a hair of a half penny).
std::optional<std::int64_t> RoundedPence(double amount)
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
    return static_cast<std::int64_t>(whole);
}

// The amount with two decimals, at least `integerDigits` digits before the point (leading zeros),
// grouped by threes when asked; a minus sign in front of a negative amount that does not round to
// zero; blanks in front up to `width` characters. Nothing where RoundedPence cannot tell.
std::optional<std::string> InPence(double amount, int integerDigits, bool grouped, int width)
{
    const std::optional<std::int64_t> pence = RoundedPence(amount);
    if (!pence)
        return std::nullopt;
    std::int64_t rest = *pence;
    const bool negative = amount < 0 && rest != 0; // a negative amount that rounds to zero shows as zero

    std::array<char, 32> buffer; // written from the end: only the characters put are read
    std::size_t start = buffer.size();
    const auto put = [&](char c) { buffer[--start] = c; };
    put(static_cast<char>('0' + rest % 10));
    rest /= 10;
    put(static_cast<char>('0' + rest % 10));
    rest /= 10;
    put('.');
    int digits = 0;
    do {
        if (grouped && digits > 0 && digits % 3 == 0)
            put(',');
        put(static_cast<char>('0' + rest % 10));
        rest /= 10;
        ++digits;
    } while (rest > 0 || digits < integerDigits);
    if (negative)
        put('-');
    const std::size_t length = buffer.size() - start;
    const std::size_t blanks = width > static_cast<int>(length) ? static_cast<std::size_t>(width) - length : 0;
    std::string text(blanks, ' ');
    text.append(buffer.data() + start, length);
    return text;
}

} // namespace

std::string FormatAmountPlainUncut(double amount)
{
    std::optional<std::string> text = InPence(amount, 1, false, AmountWidth);
    return text ? *std::move(text) : runtime::padLeft(runtime::format(amount, "#######0.00"), AmountWidth);
}

std::string FormatAmountZeroFilled(double amount)
{
    std::optional<std::string> text = InPence(amount, AmountWidth - 3, false, 0);
    return text ? *std::move(text) : runtime::format(amount, "00000000.00");
}

bool FitsAmountColumn(double amount)
{
    return FormatAmountPlainUncut(amount).size() <= static_cast<std::size_t>(AmountWidth);
}

bool FitsUnsignedAmountColumn(double amount)
{
    return FormatAmountZeroFilled(std::fabs(amount)).size() <= static_cast<std::size_t>(AmountWidth);
}

std::string FormatAmountPlain(double amount)
{
    return runtime::right(FormatAmountPlainUncut(amount), AmountWidth);
}

std::string FormatAmountGrouped(double amount)
{
    std::optional<std::string> text = InPence(amount, 1, true, AmountWidth);
    return text ? *std::move(text)
                : runtime::padLeft(runtime::format(amount, "##,###,##0.00;-#,###,##0.00"), AmountWidth);
}

} // namespace core
