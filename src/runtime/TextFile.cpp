#include "runtime/TextFile.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "runtime/Error.h"

namespace runtime {

namespace {

namespace fs = std::filesystem;

#if defined(__SSE2__)
// 0xFF in each of the 16 bytes at `at` that is a CR or an LF.
__m128i lineEndBytes(const char* at)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
}

// One bit for each of the 16 bytes at `at` that is a CR or an LF.
unsigned lineEndBits(const char* at)
{
    return static_cast<unsigned>(_mm_movemask_epi8(lineEndBytes(at)));
}
#endif

// The first CR or LF at or after `from`, or the end of the text. Sixty-four bytes are looked at a
// time where the processor can, and the line end is placed only in the block that holds one: a
// record line takes a few steps.
std::size_t findLineEnd(std::string_view text, std::size_t from)
{
    std::size_t at = from;
#if defined(__SSE2__)
    constexpr std::size_t Block = 16;
    for (; at + 4 * Block <= text.size(); at += 4 * Block) {
        const char* bytes = text.data() + at;
        const __m128i first = lineEndBytes(bytes);
        const __m128i second = lineEndBytes(bytes + Block);
        const __m128i third = lineEndBytes(bytes + 2 * Block);
        const __m128i fourth = lineEndBytes(bytes + 3 * Block);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(first, second), _mm_or_si128(third, fourth))) == 0)
            continue;
        const auto bits = [](__m128i ends) { return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(ends))}; };
        const std::uint64_t all = bits(first) | bits(second) << Block | bits(third) << (2 * Block) | bits(fourth) << (3 * Block);
        return at + static_cast<std::size_t>(std::countr_zero(all));
    }
    for (; at + Block <= text.size(); at += Block) {
        if (const unsigned bits = lineEndBits(text.data() + at); bits != 0) {
            return at + static_cast<std::size_t>(std::countr_zero(bits));
        }
    }
#endif
    while (at < text.size() && text[at] != '\r' && text[at] != '\n') {
        ++at;
    }
    return at;
}

// A path whose folder does not exist is the platform's "Path not found".
void requireFolder(const fs::path& path)
{
    const fs::path folder = path.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        throw Error(PathNotFound);
    }
}

} // namespace

TextReader::TextReader(const std::filesystem::path& path)
{
    requireFolder(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        throw Error(FileNotFound);
    }
    if (fs::is_directory(status)) {
        throw Error(PathFileAccessError);
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        throw Error(PathFileAccessError);
    }
    const std::streamoff size = in.tellg();
    in.seekg(0);
    if (size < 0 || !in) {
        throw Error(PathFileAccessError);
    }
    // Not filled before the read: every byte is written by it.
    auto bytes = std::make_shared_for_overwrite<char[]>(static_cast<std::size_t>(size));
    in.read(bytes.get(), size);
    if (in.bad()) {
        throw Error(PathFileAccessError);
    }
    // A file cut short while it was read is taken as far as it was read.
    size_ = static_cast<std::size_t>(in.gcount());
    bytes_ = std::move(bytes);
}

std::string_view TextReader::readLineView()
{
    if (atEnd()) {
        throw Error(InputPastEndOfFile);
    }
    const std::string_view text(bytes_.get(), size_);
    const std::size_t lineEnd = findLineEnd(text, position_);
    const std::string_view line(text.data() + position_, lineEnd - position_);
    position_ = lineEnd;
    // Past the line's end: CR LF, LF or a lone CR.
    if (position_ < text.size() && text[position_++] == '\r' && position_ < text.size() && text[position_] == '\n') {
        ++position_;
    }
    return line;
}

bool TextReader::skipLines(std::string_view lines)
{
    const std::string_view rest(bytes_.get() + position_, size_ - position_);
    if (!rest.starts_with(lines))
        return false;
    const std::size_t end = position_ + lines.size();
    // The last line ends where `lines` end: at the end of the text, or after a line end that is
    // not a CR whose LF is left behind.
    const bool lineEnds = lines.empty() || end == size_
                          || (lines.back() == '\n' || (lines.back() == '\r' && bytes_[end] != '\n'));
    if (!lineEnds)
        return false;
    position_ = end;
    return true;
}

std::string TextReader::readLine()
{
    return std::string(readLineView());
}

bool TextReader::readLine(std::string& line)
{
    if (atEnd()) {
        line.clear();
        return false;
    }
    line.assign(readLineView());
    return true;
}

TextWriter::TextWriter(const std::filesystem::path& path, Mode mode)
{
    requireFolder(path);
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        throw Error(PathFileAccessError);
    }
    out_.open(path, std::ios::binary | (mode == Mode::Append ? std::ios::app : std::ios::trunc));
    if (!out_) {
        throw Error(PathFileAccessError);
    }
}

void TextWriter::write(std::string_view text)
{
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    check();
}

void TextWriter::writeLine(std::string_view text)
{
    write(text);
    write("\r\n");
}

void TextWriter::close()
{
    if (!out_.is_open()) {
        return;
    }
    out_.flush();
    check();
    out_.close();
    check();
}

// Data the system could not store is a full disk as far as the user is concerned.
void TextWriter::check()
{
    if (!out_) {
        throw Error(DiskFull);
    }
}

} // namespace runtime
