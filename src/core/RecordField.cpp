#include "core/RecordField.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace core {

namespace {

// The value of eight decimal digits, or nothing when one of the characters is not a digit. The
// eight are read as one 64-bit word and combined in three multiplications rather than eight.
std::optional<std::uint32_t> EightDigits(const char* text)
{
    // The first character in the lowest byte.
    static_assert(std::endian::native == std::endian::little);
    std::uint64_t word = 0;
    std::memcpy(&word, text, sizeof word);
    constexpr std::uint64_t Zeros = 0x3030303030303030;
    constexpr std::uint64_t HighNibbles = 0xF0F0F0F0F0F0F0F0;
    // Each byte is '0'-'9' when its high nibble is 3 and adding 6 leaves it so.
    if (((word & HighNibbles) | (((word + 0x0606060606060606) & HighNibbles) >> 4)) != 0x3333333333333333)
        return std::nullopt;
    word -= Zeros;
    word = word * 10 + (word >> 8); // pairs of digits in the even bytes
    constexpr std::uint64_t Pairs = 0x000000FF000000FF;
    word = (((word & Pairs) * 0x000F424000000064) + (((word >> 16) & Pairs) * 0x0000271000000001)) >> 32;
    return static_cast<std::uint32_t>(word);
}

// True when one of the eight characters of `word` is an E of either case.
bool WordHoldsExponent(std::uint64_t word)
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t HighBits = 0x8080808080808080;
    // Setting the case bit turns both 'E' and 'e' (and nothing else) into 'e'; an 'e' then
    // becomes a zero byte, which the borrow finds.
    const std::uint64_t misses = (word | 0x2020202020202020) ^ (Ones * 'e');
    return ((misses - Ones) & ~misses & HighBits) != 0;
}

// True when the column holds an E of either case. A full-width column is tested as two words that
// overlap: every record the program wrote, with no E and no branch taken on its characters.
bool HoldsExponent(std::string_view amount)
{
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    if (amount.size() < sizeof first)
        return std::any_of(amount.begin(), amount.end(), [](char c) { return c == 'E' || c == 'e'; });
    std::memcpy(&first, amount.data(), sizeof first);
    std::memcpy(&last, amount.data() + amount.size() - sizeof last, sizeof last);
    return WordHoldsExponent(first) || WordHoldsExponent(last);
}

} // namespace

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

std::int64_t WrittenAmountPence(std::string_view line)
{
    const std::string_view amount = RecordField(line, RecordColumns::Amount);
    constexpr std::size_t Point = 8;
    if (amount.size() != static_cast<std::size_t>(RecordColumns::Amount.width) || amount[Point] != '.')
        return NotWrittenForm;
    const std::optional<std::uint32_t> pounds = EightDigits(amount.data());
    const unsigned tens = static_cast<unsigned char>(amount[Point + 1]) - unsigned{'0'};
    const unsigned units = static_cast<unsigned char>(amount[Point + 2]) - unsigned{'0'};
    if (!pounds || tens > 9 || units > 9)
        return NotWrittenForm;
    return std::int64_t{*pounds} * 100 + tens * 10 + units;
}

double RecordAmount(std::string_view line)
{
    // The written form's ten digits in pence, read straight, give the same double as the
    // leading-number rule.
    if (const std::int64_t pence = WrittenAmountPence(line); pence != NotWrittenForm)
        return static_cast<double>(pence) / 100;
    return RecordNumber(line, RecordColumns::Amount);
}

bool RecordAmountInRange(std::string_view line)
{
    // Without an exponent eleven characters cannot reach the limit, so most columns need no reading.
    if (!HoldsExponent(RecordField(line, RecordColumns::Amount)))
        return true;
    return std::fabs(RecordAmount(line)) < RecordAmountLimit;
}

} // namespace core
