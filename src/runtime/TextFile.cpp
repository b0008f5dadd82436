#include "runtime/TextFile.h"

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
    // Not filled before the read: every byte is written by it.
    auto text = std::make_shared<LargeBlock>(static_cast<std::size_t>(size));
    in.read(text->data(), size);
    if (in.bad()) {
        throw Error(PathFileAccessError);
    }
    // A file cut short while it was read is taken as far as it was read.
    size_ = static_cast<std::size_t>(in.gcount());
    bytes_ = text->data();
    text_ = std::move(text);
    lineEnds_ = LineEndMap({bytes_, size_});
}

void TextReader::raisePastEnd()
{
    throw Error(InputPastEndOfFile);
}

bool TextReader::skipLines(std::string_view lines)
{
    const std::string_view rest(bytes_ + position_, size_ - position_);
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
