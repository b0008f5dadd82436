#include "runtime/TextFile.h"

#include <algorithm>
#include <cstring>

#include "runtime/Error.h"

namespace runtime {

namespace {

namespace fs = std::filesystem;

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
    auto content = std::make_shared<std::string>(static_cast<std::size_t>(size), '\0');
    in.read(content->data(), size);
    if (in.bad()) {
        throw Error(PathFileAccessError);
    }
    // A file cut short while it was read is taken as far as it was read.
    content->resize(static_cast<std::size_t>(in.gcount()));
    content_ = std::move(content);
}

std::size_t TextReader::nextLineEnd()
{
    const std::string& text = *content_;
    const auto find = [&text, this](char end) {
        const void* found = std::memchr(text.data() + position_, end, text.size() - position_);
        return found == nullptr ? text.size() : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    };
    if (!scanned_ || nextReturn_ < position_) {
        nextReturn_ = find('\r');
    }
    if (!scanned_ || nextLineFeed_ < position_) {
        nextLineFeed_ = find('\n');
    }
    scanned_ = true;
    return std::min(nextReturn_, nextLineFeed_);
}

std::string_view TextReader::readLineView()
{
    if (atEnd()) {
        throw Error(InputPastEndOfFile);
    }
    const std::string& text = *content_;
    const std::size_t lineEnd = nextLineEnd();
    const std::string_view line(text.data() + position_, lineEnd - position_);
    position_ = lineEnd;
    // Past the line's end: CR LF, LF or a lone CR.
    if (position_ < text.size() && text[position_++] == '\r' && position_ < text.size() && text[position_] == '\n') {
        ++position_;
    }
    return line;
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
