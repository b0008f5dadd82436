#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/LargeBlock.h"
#include "runtime/LineEndMap.h"

namespace runtime {

// Reads a text file line by line; a line ends at CR LF, LF or a lone CR. Bytes are passed through
// unchanged. Opening a missing file raises 53, a missing folder 76, a folder 75, reading past
// the end 62. The whole file is read in one read when it is opened: the system's files are small,
// and its lines can then be handed out as views of that text without copying them.
class TextReader {
public:
    explicit TextReader(const std::filesystem::path& path);

    bool atEnd() const { return position_ >= size_; }
    // The next line without its ending; raises 62 "Input past end of file" at the end.
    std::string readLine();
    // The next line into `line`; false at the end of the file.
    bool readLine(std::string& line);
    // The next line as a view of the text read; raises 62 at the end.
    std::string_view readLineView()
    {
        const std::string_view line = peekLineView();
        position_ += line.size();
        // Past the line's end: CR LF, LF or a lone CR.
        if (position_ < size_ && bytes_[position_++] == '\r' && position_ < size_ && bytes_[position_] == '\n')
            ++position_;
        return line;
    }
    // The next line as readLineView gives it, without moving past it.
    std::string_view peekLineView() const
    {
        if (atEnd())
            raisePastEnd();
        return {bytes_ + position_, lineEnds_.next(position_) - position_};
    }
    // The text read: views of its lines stay valid as long as this is held.
    std::shared_ptr<const void> textKeeper() const { return text_; }
    // The text not read yet, line ends included.
    std::string_view rest() const { return {bytes_ + position_, size_ - position_}; }
    // Where the reader stands, for textSince.
    std::size_t mark() const { return position_; }
    // The text read since `mark`, line ends included.
    std::string_view textSince(std::size_t mark) const { return {bytes_ + mark, position_ - mark}; }
    // Moves past `lines` (whole lines as textSince gives them) when the text not read yet starts
    // with them and a line ends where they end; answers whether it did.
    bool skipLines(std::string_view lines);

private:
    [[noreturn]] static void raisePastEnd();

    // The file as read, in a block of its own: a large file's text faults in a few huge pages.
    std::shared_ptr<const LargeBlock> text_;
    const char* bytes_ = nullptr; // the text's bytes
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    LineEndMap lineEnds_;
};

// Writes a text file with CR LF line ends. A folder that does not exist raises 76, a file that
// cannot be written 75, a write that fails part-way 61.
class TextWriter {
public:
    enum class Mode { Replace, Append };
    explicit TextWriter(const std::filesystem::path& path, Mode mode = Mode::Replace);

    void write(std::string_view text);
    void writeLine(std::string_view text = {});
    // Flushes and closes; raises when the data did not reach the file.
    void close();

private:
    void check();
    std::ofstream out_;
};

} // namespace runtime
