#include "runtime/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/Error.h"

namespace runtime {

namespace {

// A negative length or a position before the first character is the platform's error 5.
std::size_t checkedCount(int count)
{
    if (count < 0) {
        throw Error(InvalidProcedureCall);
    }
    return static_cast<std::size_t>(count);
}

// Windows-1252 letters that have a case partner other than the ASCII ones: the Latin-1 block
// (without the multiplication and division signs, sharp s and y with diaeresis) and Š, Œ, Ž, Ÿ.
unsigned char upperOf(unsigned char c)
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

std::string left(std::string_view text, int count)
{
    return std::string(text.substr(0, checkedCount(count)));
}

std::string right(std::string_view text, int count)
{
    const std::size_t n = std::min(checkedCount(count), text.size());
    return std::string(text.substr(text.size() - n));
}

std::string mid(std::string_view text, int start, int count)
{
    const std::size_t from = checkedCount(start - 1);
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

std::string lcase(std::string_view text)
{
    return mapBytes(text, lowerOf);
}

std::string space(int count)
{
    return std::string(checkedCount(count), ' ');
}

std::string padRight(std::string_view text, int width)
{
    std::string result = left(text, width);
    result.resize(checkedCount(width), ' ');
    return result;
}

std::string padLeft(std::string_view text, int width)
{
    const std::size_t w = checkedCount(width);
    if (text.size() >= w) {
        return std::string(text);
    }
    return std::string(w - text.size(), ' ') + std::string(text);
}

// Only blanks and tabs before the number are skipped; a blank inside it ends the number, so a
// fixed-column field followed by a name that starts with digits reads as the field alone.
double val(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+') {
        ++pos;
    }
    const std::size_t start = pos;
    const std::size_t integerEnd = skipDigits(text, start);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = skipDigits(text, end + 1);
    }
    const std::size_t fractionDigits = end > integerEnd ? end - integerEnd - 1 : 0;
    if (integerEnd - start + fractionDigits == 0) {
        return 0;
    }
    // An exponent counts only when digits follow the "E" (and its sign): "5Each" reads as 5.
    const std::size_t mantissaEnd = end;
    int exponentSign = 1;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
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
        if (huge) {
            throw Error(Overflow);
        }
        value = 0;
    }
    return negative ? -value : value;
}

} // namespace runtime
