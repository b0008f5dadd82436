#include "runtime/PathText.h"

#include <optional>

#include "runtime/Cp1252.h"
#include "runtime/Utf8.h"

namespace runtime {

namespace {

void appendUtf8(std::string& bytes, char32_t point)
{
    if (point < 0x80) {
        bytes += static_cast<char>(point);
    } else if (point < 0x800) {
        bytes += static_cast<char>(0xC0 | (point >> 6));
        bytes += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        bytes += static_cast<char>(0xE0 | (point >> 12));
        bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool isHighByte(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

// The two marker bytes must not stand for themselves in a path's text.
std::optional<char> byteInPathText(char32_t character)
{
    const std::optional<char> byte = cp1252ByteOf(character);
    if (byte == CarriedCharacter || byte == CarriedByte)
        return std::nullopt;
    return byte;
}

} // namespace

std::filesystem::path pathFromText(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const auto carried = carriedCharacterAt(text, i)) {
            bytes.append(text.substr(i + 1, carried->second - 1));
            i += carried->second;
        } else if (text[i] == CarriedByte && i + 1 < text.size() && isHighByte(text[i + 1])) {
            bytes += text[i + 1];
            i += 2;
        } else {
            appendUtf8(bytes, cp1252CharacterOf(text[i++]));
        }
    }
    return std::filesystem::path(std::move(bytes));
}

std::string textOfPath(const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto character = decodeUtf8(bytes, i);
        if (!character) {
            text += CarriedByte;
            text += bytes[i++];
            continue;
        }
        if (const std::optional<char> byte = byteInPathText(character->first))
            text += *byte;
        else
            text.append(1, CarriedCharacter).append(bytes, i, character->second);
        i += character->second;
    }
    return text;
}

} // namespace runtime
