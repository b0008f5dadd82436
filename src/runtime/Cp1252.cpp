#include "runtime/Cp1252.h"

#include <array>

namespace runtime {

namespace {

// The code points of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined keep
// their own value, so every byte survives a round trip.
constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char Unrepresentable = '?';

char16_t toUtf16(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighControlBlock[byte - 0x80] : char16_t{byte};
}

char toByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return Unrepresentable;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::u16string cp1252ToUtf16(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (char c : text) {
        result += toUtf16(static_cast<unsigned char>(c));
    }
    return result;
}

// A character outside the basic plane (a surrogate pair) is one character and becomes one "?".
std::string utf16ToCp1252(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
            result += Unrepresentable;
        } else {
            result += toByte(text[i]);
        }
    }
    return result;
}

} // namespace runtime
