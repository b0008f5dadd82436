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
    in_.open(path, std::ios::binary);
    if (!in_) {
        throw Error(PathFileAccessError);
    }
}

bool TextReader::atEnd()
{
    return in_.rdbuf()->sgetc() == std::char_traits<char>::eof();
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
    using traits = std::char_traits<char>;
    std::streambuf& buffer = *in_.rdbuf();
    line.clear();
    if (atEnd()) {
        return false;
    }
    for (traits::int_type c = buffer.sbumpc(); c != traits::eof(); c = buffer.sbumpc()) {
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            if (buffer.sgetc() == '\n') {
                buffer.sbumpc();
            }
            break;
        }
        line += traits::to_char_type(c);
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
