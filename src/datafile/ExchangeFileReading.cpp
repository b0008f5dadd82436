#include "datafile/ExchangeFileReading.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "runtime/Cp1252.h"
#include "runtime/TextFile.h"
#include "runtime/Utf8.h"

namespace datafile {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

unsigned char byteAt(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// Where the first byte above 127 lies from `from` on, or the text's size: eight bytes are tested at
// a time, as a file is mostly plain ASCII.
std::size_t firstNonAscii(std::string_view text, std::size_t from)
{
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    std::size_t i = from;
    for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & HighBits) != 0)
            break;
    }
    while (i < text.size() && byteAt(text, i) < 0x80)
        ++i;
    return i;
}

// How many LF bytes the text holds, found by memchr, which tests many bytes at a time.
std::size_t lineEndCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char* at = text.data(), *end = at + text.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) != nullptr; ++at)
        ++count;
    return count;
}

// True when the lines are valid UTF-8 and hold at least one character outside ASCII.
bool isUtf8WithNonAscii(const std::vector<std::string_view>& lines)
{
    bool nonAscii = false;
    for (const std::string_view line : lines) {
        for (std::size_t i = firstNonAscii(line, 0); i < line.size(); i = firstNonAscii(line, i)) {
            const auto decoded = runtime::decodeUtf8(line, i);
            if (!decoded)
                return false;
            nonAscii = true;
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

std::string toCp1252(std::string_view line, int lineNumber)
{
    std::string result;
    result.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const auto decoded = runtime::decodeUtf8(line, i);
        const std::optional<char> byte = decoded ? runtime::cp1252ByteOf(decoded->first) : std::nullopt;
        if (!byte)
            throw ExchangeFileError(cannotHold(lineNumber, decoded ? decoded->first : 0xFFFD));
        result += *byte;
        i += decoded->second;
    }
    return result;
}

// The content between an item's quotes with each "" made one double quote.
std::string undoubleQuotes(std::string_view quoted)
{
    std::string item;
    item.reserve(quoted.size());
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        item += quoted[i];
        if (quoted[i] == '"')
            ++i;
    }
    return item;
}

// Gives each item of a line to `take`, as a view of the line and whether it holds doubled quotes
// still to be undone. False when the line is malformed; the items before the fault were given.
template <typename Take> bool readItems(std::string_view line, Take&& take)
{
    if (line.empty())
        return true;
    std::size_t p = 0;
    while (true) {
        while (p < line.size() && line[p] == ' ')
            ++p;
        if (p < line.size() && line[p] == '"') {
            const std::size_t start = ++p;
            bool doubled = false;
            std::size_t quote = line.find('"', p);
            while (quote != std::string_view::npos && quote + 1 < line.size() && line[quote + 1] == '"') {
                doubled = true;
                quote = line.find('"', quote + 2);
            }
            if (quote == std::string_view::npos)
                return false;
            p = quote + 1;
            if (p < line.size() && line[p] != ',')
                return false;
            take(line.substr(start, quote - start), doubled);
        } else {
            const std::size_t comma = line.find(',', p);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            take(line.substr(p, end - p), false);
            p = end;
        }
        if (p >= line.size())
            return true;
        ++p; // the comma: another item follows, empty when the line ends here
    }
}

} // namespace

ExchangeText ReadExchangeText(const std::filesystem::path& file)
{
    runtime::TextReader reader(file);
    ExchangeText text;
    // Room for every line at once: a list grown line by line leaves each smaller copy behind.
    const std::string_view bytes = reader.rest();
    text.lines.reserve(lineEndCount(bytes) + 1);
    while (!reader.atEnd())
        text.lines.push_back(reader.readLineView());
    text.keeper = reader.textKeeper();
    const bool marked = !text.lines.empty() && text.lines.front().starts_with(Utf8ByteOrderMark);
    if (marked)
        text.lines.front().remove_prefix(Utf8ByteOrderMark.size());
    if (!marked && !isUtf8WithNonAscii(text.lines))
        return text;
    auto decoded = std::make_shared<std::vector<std::string>>();
    decoded->reserve(text.lines.size());
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        decoded->push_back(toCp1252(text.lines[i], static_cast<int>(i + 1)));
        text.lines[i] = decoded->back();
    }
    text.keeper = std::move(decoded);
    return text;
}

std::vector<std::string> ReadExchangeLines(const std::filesystem::path& file)
{
    const ExchangeText text = ReadExchangeText(file);
    return {text.lines.begin(), text.lines.end()};
}

DelimitedLine ParseQuotedImportLine(std::string_view line)
{
    DelimitedLine result;
    result.wellFormed = readItems(line, [&](std::string_view item, bool doubled) {
        result.values.push_back(doubled ? undoubleQuotes(item) : std::string(item));
    });
    return result;
}

ImportRecords ReadDelimitedRecords(const std::filesystem::path& file, int fieldCount)
{
    const ExchangeText text = ReadExchangeText(file);
    const auto wanted = static_cast<std::size_t>(fieldCount);
    ImportRecords records(wanted);
    records.KeepText(text.keeper);
    records.Reserve(text.lines.size());
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        std::size_t count = 0;
        const bool wellFormed = readItems(text.lines[i], [&](std::string_view item, bool doubled) {
            if (++count > wanted)
                return;
            if (doubled)
                records.AddOwnItem(undoubleQuotes(item));
            else
                records.AddItem(item);
        });
        if (!wellFormed || count != wanted)
            throw ExchangeFileError("line " + std::to_string(i + 1) + " does not hold the " + std::to_string(fieldCount)
                                    + " fields of the layout");
    }
    return records;
}

} // namespace datafile
