#include "runtime/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/Error.h"
#include "runtime/NumberScan.h"

namespace runtime {

namespace {

// Windows-1252 letters that have a case partner other than the ASCII ones: the Latin-1 block
// (without the multiplication and division signs, sharp s and y with diaeresis) and Š, Œ, Ž, Ÿ.
constexpr unsigned char upperOf(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

// Upper case by table, for searches that fold every character they pass.
constexpr std::array<unsigned char, 256> UpperCaseTable = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c) {
        table[c] = upperOf(static_cast<unsigned char>(c));
    }
    return table;
}();

unsigned char lowerOf(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

std::string mapBytes(std::string_view text, unsigned char (*map)(unsigned char))
{
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(map(static_cast<unsigned char>(c)));
    }
    return result;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

// A negative length or a position before the first character is the platform's error 5.
std::size_t checkedLength(int count)
{
    if (count < 0) {
        throw Error(InvalidProcedureCall);
    }
    return static_cast<std::size_t>(count);
}

std::string left(std::string_view text, int count)
{
    return std::string(text.substr(0, checkedLength(count)));
}

std::string right(std::string_view text, int count)
{
    const std::size_t n = std::min(checkedLength(count), text.size());
    return std::string(text.substr(text.size() - n));
}

std::string mid(std::string_view text, int start, int count)
{
    const std::size_t from = checkedLength(start - 1);
    if (from >= text.size()) {
        return {};
    }
    const std::size_t n = count < 0 ? std::string_view::npos : static_cast<std::size_t>(count);
    return std::string(text.substr(from, n));
}

std::string ltrim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string rtrim(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text)
{
    return ltrim(rtrim(text));
}

std::string ucase(std::string_view text)
{
    return mapBytes(text, upperOf);
}

char ucaseOf(char c)
{
    return static_cast<char>(UpperCaseTable[static_cast<unsigned char>(c)]);
}

std::string lcase(std::string_view text)
{
    return mapBytes(text, lowerOf);
}

std::string space(int count)
{
    return std::string(checkedLength(count), ' ');
}

std::string padRight(std::string_view text, int width)
{
    std::string result = left(text, width);
    result.resize(checkedLength(width), ' ');
    return result;
}

std::string padLeft(std::string_view text, int width)
{
    const std::size_t w = checkedLength(width);
    if (text.size() >= w) {
        return std::string(text);
    }
    return std::string(w - text.size(), ' ') + std::string(text);
}

namespace {

// Every power of ten a double holds exactly.
constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Up to this many digits the digits form an exact whole number of a double.
constexpr std::size_t ExactDigits = 15;

// The rest of the leading-number rule: many digits or an exponent, converted in full from `start`.
double readLongNumber(std::string_view text, std::size_t start, bool negative, bool holdInRange)
{
    const std::size_t integerEnd = skipDigits(text, start);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = skipDigits(text, end + 1);
    }
    const bool exponentFollows = end < text.size() && (text[end] == 'E' || text[end] == 'e');
    // An exponent counts only when digits follow the "E" (and its sign): "5Each" reads as 5.
    const std::size_t mantissaEnd = end;
    int exponentSign = 1;
    if (exponentFollows) {
        std::size_t exponentPos = end + 1;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            exponentSign = text[exponentPos] == '-' ? -1 : 1;
            ++exponentPos;
        }
        const std::size_t exponentEnd = skipDigits(text, exponentPos);
        if (exponentEnd > exponentPos) {
            end = exponentEnd;
        }
    }
    const std::string_view number = text.substr(start, end - start);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Beyond the range of a double: a tiny number reads as 0, a huge one is Overflow. The two
        // are told apart by the digits before the point when there is no exponent.
        const std::string_view integerPart = text.substr(start, integerEnd - start);
        const bool hasExponent = end > mantissaEnd;
        const bool huge = hasExponent ? exponentSign > 0 : integerPart.find_first_not_of('0') != std::string_view::npos;
        if (huge && !holdInRange) {
            throw Error(Overflow);
        }
        value = huge ? std::numeric_limits<double>::max() : 0;
    }
    return negative ? -value : value;
}

// Only blanks and tabs before the number are skipped; a blank inside it ends the number, so a
// fixed-column field followed by a name that starts with digits reads as the field alone.
// A number too large for a double raises Overflow, or with `holdInRange` becomes the largest
// double of its sign.
double readNumber(std::string_view text, bool holdInRange)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    const NumberSpan number = scanNumber(text, pos);
    if (!number.hasDigits) {
        return 0;
    }
    // Digits around one point, read as a whole number and divided by the power of ten of the
    // decimals: both are exact up to 15 digits, so the one rounding of the division gives the
    // double nearest the text, as a full conversion would. Stored amounts and counts take this way.
    std::uint64_t whole = 0;
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (std::size_t at = number.digitsStart; at < number.end && digits <= ExactDigits; ++at) {
        const char c = text[at];
        if (c == '.') {
            point = true;
            continue;
        }
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
        ++digits;
        decimals += point ? 1 : 0;
    }
    const bool exponentFollows = number.end < text.size() && (text[number.end] == 'E' || text[number.end] == 'e');
    if (!exponentFollows && digits <= ExactDigits) {
        const double value = static_cast<double>(whole) / ExactPowersOfTen[decimals];
        return number.negative ? -value : value;
    }
    return readLongNumber(text, number.digitsStart, number.negative, holdInRange);
}

} // namespace

double val(std::string_view text)
{
    return readNumber(text, false);
}

double valWithinRange(std::string_view text)
{
    return readNumber(text, true);
}

bool sameUpperCased(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperCaseTable[static_cast<unsigned char>(a[i])] != UpperCaseTable[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

std::size_t findUpperCased(std::string_view text, std::string_view needle)
{
    if (needle.empty()) {
        return 0;
    }
    if (needle.size() > text.size()) {
        return std::string_view::npos;
    }
    const auto first = static_cast<unsigned char>(needle.front());
    for (std::size_t at = 0; at + needle.size() <= text.size(); ++at) {
        if (UpperCaseTable[static_cast<unsigned char>(text[at])] != first) {
            continue;
        }
        std::size_t matched = 1;
        while (matched < needle.size()
               && UpperCaseTable[static_cast<unsigned char>(text[at + matched])] == static_cast<unsigned char>(needle[matched])) {
            ++matched;
        }
        if (matched == needle.size()) {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace runtime
