#include "runtime/Cp1252.h"

#include <array>

#include "runtime/Utf8.h"

namespace runtime {

namespace {

// The code points of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined keep
// their own value, so that they survive a round trip.
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
    return cp1252ByteOf(unit).value_or(Unrepresentable);
}

void appendUtf16(std::u16string& text, char32_t point)
{
    if (point < 0x10000) {
        text += static_cast<char16_t>(point);
        return;
    }
    point -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (point >> 10));
    text += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
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
    for (std::size_t i = 0; i < text.size();) {
        if (const auto carried = carriedCharacterAt(text, i)) {
            appendUtf16(result, carried->first);
            i += carried->second;
        } else {
            result += toUtf16(static_cast<unsigned char>(text[i++]));
        }
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

char16_t cp1252CharacterOf(char byte)
{
    return toUtf16(static_cast<unsigned char>(byte));
}

std::optional<char> cp1252ByteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// Only a character of two UTF-8 bytes or more is ever carried, so the undefined byte followed by
// anything else stays the control character it stands for.
std::optional<std::pair<char32_t, std::size_t>> carriedCharacterAt(std::string_view text, std::size_t i)
{
    if (text[i] != CarriedCharacter || i + 1 == text.size())
        return std::nullopt;
    const auto character = decodeUtf8(text, i + 1);
    if (!character || character->second < 2)
        return std::nullopt;
    return std::pair{character->first, character->second + 1};
}

} // namespace runtime
