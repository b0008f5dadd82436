#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "runtime/TextFile.h"

using runtime::TextReader;
using runtime::TextWriter;

namespace {

std::vector<std::string> readAllLines(const std::filesystem::path& path)
{
    TextReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

std::string allHighBytes()
{
    std::string bytes;
    for (int b = 128; b <= 255; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

} // namespace

TEST(TextReader, EveryLineEndingEndsALine)
{
    TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty lines", "a\r\n\r\nb", {"a", "", "b"}},
        {"LF then CR is two endings", "a\n\rb", {"a", "", "b"}},
        {"CR CR LF", "a\r\r\n", {"a", ""}},
        {"only an ending", "\r\n", {""}},
        {"no ending on the last line", "last", {"last"}},
        {"empty file", "", {}},
        {"high bytes pass through", "\xBB\xFC\xFD\x80\xFF\r\n", {"\xBB\xFC\xFD\x80\xFF"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(folder / "in.txt", c.bytes);
        EXPECT_EQ(readAllLines(folder / "in.txt"), c.lines);
    }
}

TEST(TextReader, ReadingPastTheEndIsError62)
{
    TempFolder folder;
    writeBytes(folder / "two.txt", "one\r\ntwo\r\n");
    TextReader reader(folder / "two.txt");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_TRUE(reader.atEnd());
    std::string line = "untouched";
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_EQ(raisedErrorNumber([&] { reader.readLine(); }), runtime::InputPastEndOfFile);
}

// Lines read once are skipped where the same bytes follow, and only where they end as lines there.
TEST(TextReader, SkipsLinesThatRepeatLinesReadBefore)
{
    TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        bool skipped;
        std::string next;
    } cases[] = {
        {"the same lines", "a\r\nb\r\na\r\nb\r\nc", true, "c"},
        {"a line differs", "a\r\nb\r\na\r\nx\r\nc", false, "a"},
        {"a line goes on", "a\r\nb\r\na\r\nbb\r\nc", false, "a"},
        {"other line ends", "a\r\nb\r\na\nb\nc", false, "a"},
        {"a lone CR meets CR LF", "a\rb\ra\rb\r\nc", false, "a"},
        {"LF ends", "a\nb\na\nb\nc", true, "c"},
        {"at the end of the file", "a\r\nb\r\na\r\nb\r\n", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(folder / "in.txt", c.bytes);
        TextReader reader(folder / "in.txt");
        const std::size_t mark = reader.mark();
        reader.readLine();
        reader.readLine();
        EXPECT_EQ(reader.skipLines(reader.textSince(mark)), c.skipped);
        if (c.next.empty())
            EXPECT_TRUE(reader.atEnd());
        else
            EXPECT_EQ(reader.readLine(), c.next);
    }
}

// A file of megabytes is read into memory of another kind than a small one's: its lines, of every
// ending, come out the same, and stay readable while the text is kept after the reader is gone.
TEST(TextReader, ALargeFileReadsAsASmallOneDoes)
{
    TempFolder folder;
    const char* const endings[] = {"\r\n", "\n", "\r"};
    std::vector<std::string> lines;
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < 3 * 1024 * 1024; ++i) {
        lines.push_back(std::string(i % 300, static_cast<char>('a' + i % 26)) + std::to_string(i));
        bytes += lines.back() + endings[i % 3];
    }
    writeBytes(folder / "large.txt", bytes);
    std::shared_ptr<const void> keeper;
    std::vector<std::string_view> views;
    {
        TextReader reader(folder / "large.txt");
        keeper = reader.textKeeper();
        while (!reader.atEnd())
            views.push_back(reader.readLineView());
    }
    ASSERT_EQ(views.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(views[i], lines[i]) << "line " << i;
}

TEST(TextWriter, WritesCrLfAndKeepsEveryByte)
{
    TempFolder folder;
    const std::string high = allHighBytes();
    {
        TextWriter writer(folder / "out.txt");
        writer.writeLine("first");
        writer.writeLine();
        writer.write("part ");
        writer.writeLine(high);
        writer.write("no ending");
        writer.close();
    }
    EXPECT_EQ(readBytes(folder / "out.txt"), "first\r\n\r\npart " + high + "\r\nno ending");
    EXPECT_EQ(readAllLines(folder / "out.txt"), (std::vector<std::string>{"first", "", "part " + high, "no ending"}));
}

TEST(TextWriter, ReplaceOrAppend)
{
    TempFolder folder;
    writeBytes(folder / "log.txt", "old\r\n");
    {
        TextWriter writer(folder / "log.txt", TextWriter::Mode::Append);
        writer.writeLine("added");
        writer.close();
    }
    EXPECT_EQ(readBytes(folder / "log.txt"), "old\r\nadded\r\n");
    {
        TextWriter writer(folder / "log.txt");
        writer.writeLine("new");
        writer.close();
    }
    EXPECT_EQ(readBytes(folder / "log.txt"), "new\r\n");
}

TEST(TextFiles, OpeningFailuresRaiseThePlatformsNumbers)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    writeBytes(folder / "plain.txt", "x");
    const struct {
        const char* name;
        std::function<void()> open;
        int number;
    } cases[] = {
        {"read a missing file", [&] { TextReader r(folder / "missing.txt"); }, runtime::FileNotFound},
        {"read in a missing folder", [&] { TextReader r(folder / "nowhere" / "a.txt"); }, runtime::PathNotFound},
        {"read below a file", [&] { TextReader r(folder / "plain.txt" / "a.txt"); }, runtime::PathNotFound},
        {"read a folder", [&] { TextReader r(folder / "sub"); }, runtime::PathFileAccessError},
        {"write in a missing folder", [&] { TextWriter w(folder / "nowhere" / "a.txt"); }, runtime::PathNotFound},
        {"write over a folder", [&] { TextWriter w(folder / "sub"); }, runtime::PathFileAccessError},
        {"append to a folder", [&] { TextWriter w(folder / "sub", TextWriter::Mode::Append); }, runtime::PathFileAccessError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(raisedErrorNumber(c.open), c.number);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
}

TEST(TextWriter, DataThatCannotBeStoredIsDiskFull)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    TextWriter small("/dev/full");
    small.writeLine("buffered");
    EXPECT_EQ(raisedErrorNumber([&] { small.close(); }), runtime::DiskFull);

    TextWriter large("/dev/full");
    const std::string block(64 * 1024, 'x');
    EXPECT_EQ(raisedErrorNumber([&] { large.write(block); }), runtime::DiskFull);
}
