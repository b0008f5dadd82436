#include "runtime/TextFile.h"

#include <algorithm>
#include <sstream>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error(PathFileAccessError);
    }
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad()) {
        throw Error(PathFileAccessError);
    }
    content_ = std::move(whole).str();
}

std::string TextReader::readLine()
{
    std::string line;
    if (!readLine(line)) {
        throw Error(InputPastEndOfFile);
    }
    return line;
}

bool TextReader::readLine(std::string& line)
{
    if (atEnd()) {
        line.clear();
        return false;
    }
    const auto begin = content_.begin() + static_cast<std::ptrdiff_t>(position_);
    const auto lineEnd = std::find_if(begin, content_.end(), [](char c) { return c == '\r' || c == '\n'; });
    line.assign(begin, lineEnd);
    position_ = static_cast<std::size_t>(lineEnd - content_.begin());
    // Past the line's end: CR LF, LF or a lone CR.
    if (position_ < content_.size() && content_[position_++] == '\r' && position_ < content_.size()
        && content_[position_] == '\n') {
        ++position_;
    }
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
