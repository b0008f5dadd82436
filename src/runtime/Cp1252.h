#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Windows-1252 <-> UTF-16, used where text crosses into the Qt layer.
//
// A text may carry a character that Windows-1252 lacks as the byte CarriedCharacter, which
// Windows-1252 leaves undefined, followed by the character's UTF-8 bytes. Only the text of a file
// name does (runtime/PathText.h), so that any name survives its way through the system's texts.
namespace runtime {

constexpr char CarriedCharacter = '\x81';

// Each byte becomes its character, so every text without a carried character comes back whole
// from utf16ToCp1252; a carried character shows as itself.
std::u16string cp1252ToUtf16(std::string_view text);
// Characters that Windows-1252 cannot hold become "?".
std::string utf16ToCp1252(std::u16string_view text);
// The character of one byte (the bytes alone, never a carried character).
char16_t cp1252CharacterOf(char byte);
// The byte of a character; nothing when Windows-1252 cannot hold it. The five bytes it leaves
// undefined stand for the control characters of the same value.
std::optional<char> cp1252ByteOf(char32_t character);
// The carried character that starts at byte `i`: its code point and how many bytes it takes, the
// leading byte included; nothing when no carried character starts there.
std::optional<std::pair<char32_t, std::size_t>> carriedCharacterAt(std::string_view text, std::size_t i);

} // namespace runtime
