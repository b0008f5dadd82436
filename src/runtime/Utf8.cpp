#include "runtime/Utf8.h"

namespace runtime {

std::optional<std::pair<char32_t, std::size_t>> decodeUtf8(std::string_view text, std::size_t i)
{
    const auto byteAt = [text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byteAt(i);
    std::size_t length = 0;
    char32_t point = 0;
    if (lead < 0x80)
        return std::pair{char32_t{lead}, std::size_t{1}};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size())
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byteAt(i + k);
        if ((next & 0xC0u) != 0x80u)
            return std::nullopt;
        point = (point << 6) | (next & 0x3Fu);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return std::pair{point, length};
}

} // namespace runtime
