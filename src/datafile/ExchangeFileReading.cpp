#include "datafile/ExchangeFileReading.h"

#include <cstdio>
#include <optional>

#include "runtime/Cp1252.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool startsWithByteOrderMark(const std::vector<std::string>& lines)
{
    return !lines.empty() && lines.front().starts_with(Utf8ByteOrderMark);
}

unsigned char byteAt(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// The code point that starts at `i` and how many bytes it takes; nothing for an invalid sequence.
std::optional<std::pair<char32_t, std::size_t>> decodeUtf8(std::string_view text, std::size_t i)
{
    const unsigned char lead = byteAt(text, i);
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
        const unsigned char next = byteAt(text, i + k);
        if ((next & 0xC0u) != 0x80u)
            return std::nullopt;
        point = (point << 6) | (next & 0x3Fu);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return std::pair{point, length};
}

// True when the lines are valid UTF-8 and hold at least one character outside ASCII.
bool isUtf8WithNonAscii(const std::vector<std::string>& lines)
{
    bool nonAscii = false;
    for (const std::string& line : lines) {
        for (std::size_t i = 0; i < line.size();) {
            if (byteAt(line, i) < 0x80) {
                ++i;
                continue;
            }
            const auto decoded = decodeUtf8(line, i);
            if (!decoded)
                return false;
            nonAscii = nonAscii || decoded->second > 1;
            i += decoded->second;
        }
    }
    return nonAscii;
}

std::string cannotHold(int lineNumber, char32_t point)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(point));
    return "line " + std::to_string(lineNumber) + " holds a character that Windows-1252 cannot hold (" + code + ")";
}

// The Windows-1252 byte of a code point; nothing when it has none.
std::optional<char> cp1252Byte(char32_t point)
{
    if (point > 0xFFFF)
        return std::nullopt;
    const std::string byte = runtime::utf16ToCp1252(std::u16string(1, static_cast<char16_t>(point)));
    if (byte == "?" && point != U'?')
        return std::nullopt;
    return byte.front();
}

std::string toCp1252(std::string_view line, int lineNumber)
{
    std::string result;
    result.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const auto decoded = decodeUtf8(line, i);
        const std::optional<char> byte = decoded ? cp1252Byte(decoded->first) : std::nullopt;
        if (!byte)
            throw ExchangeFileError(cannotHold(lineNumber, decoded ? decoded->first : 0xFFFD));
        result += *byte;
        i += decoded->second;
    }
    return result;
}

} // namespace

std::vector<std::string> ReadExchangeLines(const std::filesystem::path& file)
{
    runtime::TextReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    const bool marked = startsWithByteOrderMark(lines);
    if (marked)
        lines.front().erase(0, Utf8ByteOrderMark.size());
    if (!marked && !isUtf8WithNonAscii(lines))
        return lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = toCp1252(lines[i], static_cast<int>(i + 1));
    return lines;
}

DelimitedLine ParseQuotedImportLine(std::string_view line)
{
    DelimitedLine result;
    if (line.empty())
        return result;
    std::size_t p = 0;
    while (true) {
        while (p < line.size() && line[p] == ' ')
            ++p;
        std::string value;
        if (p < line.size() && line[p] == '"') {
            ++p;
            bool closed = false;
            while (!closed) {
                const std::size_t quote = line.find('"', p);
                if (quote == std::string_view::npos)
                    break;
                value.append(line.substr(p, quote - p));
                if (quote + 1 < line.size() && line[quote + 1] == '"') {
                    value += '"';
                    p = quote + 2;
                } else {
                    closed = true;
                    p = quote + 1;
                }
            }
            if (!closed || (p < line.size() && line[p] != ',')) {
                result.wellFormed = false;
                return result;
            }
        } else {
            const std::size_t comma = line.find(',', p);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            value = line.substr(p, end - p);
            p = end;
        }
        result.values.push_back(std::move(value));
        if (p >= line.size())
            return result;
        ++p; // the comma: another item follows, empty when the line ends here
    }
}

std::vector<std::vector<std::string>> ReadDelimitedRecords(const std::filesystem::path& file, int fieldCount)
{
    const std::vector<std::string> lines = ReadExchangeLines(file);
    std::vector<std::vector<std::string>> records;
    records.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        DelimitedLine items = ParseQuotedImportLine(lines[i]);
        if (!items.wellFormed || static_cast<int>(items.values.size()) != fieldCount)
            throw ExchangeFileError("line " + std::to_string(i + 1) + " does not hold the " + std::to_string(fieldCount)
                                    + " fields of the layout");
        records.push_back(std::move(items.values));
    }
    return records;
}

} // namespace datafile
