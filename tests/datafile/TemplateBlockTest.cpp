#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "datafile/TemplateBlock.h"

using namespace datafile;

namespace {

core::TemplateRecord sampleTemplate()
{
    core::TemplateRecord t;
    t.Name = "Invoice\r\nSecond line";
    t.TopMargin = 720;
    t.SideMargin = -15;
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        auto& o = t.Objects[static_cast<std::size_t>(i)];
        o.Text = "Object " + std::to_string(i) + "\r\nline two";
        o.FontName = "Arial";
        o.FontSize = i % 2 ? "10" : "12.50";
        o.Bold = 'Y';
        o.Alignment = "LCR"[i % 3];
        o.Visible = 'Y';
        o.Left = static_cast<float>(100 * i);
        o.Top = static_cast<float>(-5 * i);
        o.Width = 1440;
        o.Height = 240;
    }
    return t;
}

void expectSameRecord(const core::TemplateRecord& a, const core::TemplateRecord& b)
{
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.TopMargin, b.TopMargin);
    EXPECT_EQ(a.SideMargin, b.SideMargin);
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        SCOPED_TRACE(i);
        const auto& x = a.Objects[static_cast<std::size_t>(i)];
        const auto& y = b.Objects[static_cast<std::size_t>(i)];
        EXPECT_EQ(x.Text, y.Text);
        EXPECT_EQ(x.FontName, y.FontName);
        EXPECT_EQ(x.FontSize, y.FontSize);
        EXPECT_EQ(std::string({x.Bold, x.Italic, x.Underline, x.Alignment, x.Visible, x.Boxed}),
                  std::string({y.Bold, y.Italic, y.Underline, y.Alignment, y.Visible, y.Boxed}));
        EXPECT_EQ(x.Left, y.Left);
        EXPECT_EQ(x.Top, y.Top);
        EXPECT_EQ(x.Width, y.Width);
        EXPECT_EQ(x.Height, y.Height);
    }
}

std::vector<std::string> readLines(const std::filesystem::path& path)
{
    runtime::TextReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

class TemplateBlockTest : public ::testing::Test {
protected:
    void write(const core::TemplateRecord& t)
    {
        runtime::TextWriter writer(file);
        ASSERT_TRUE(WriteTemplate(writer, t, recordError));
        writer.close();
    }
    bool read(core::TemplateRecord& t)
    {
        runtime::TextReader reader(file);
        return ReadTemplate(reader, t, recordError);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "T.TPL";
    std::vector<std::string> errors;
    ErrorReporter recordError = [this](const std::string& message) { errors.push_back(message); };
};

} // namespace

TEST_F(TemplateBlockTest, RoundTripKeepsEveryStoredFieldAndLineBreak)
{
    const auto original = sampleTemplate();
    write(original);
    EXPECT_EQ(readLines(file).size(), static_cast<std::size_t>(TemplateBlockLineCount));

    core::TemplateRecord loaded;
    ASSERT_TRUE(read(loaded));
    expectSameRecord(loaded, original);
    EXPECT_TRUE(errors.empty());
}

TEST_F(TemplateBlockTest, LinesHaveTheirFixedForms)
{
    auto t = sampleTemplate();
    t.Objects[0].Left = 10.6f;
    t.Objects[0].Top = -5.0f;
    t.Objects[0].Italic = ' ';
    write(t);
    const auto lines = readLines(file);
    ASSERT_EQ(lines.size(), 393u);
    EXPECT_EQ(lines[0], "Invoice\xFC\xFDSecond line");
    EXPECT_EQ(lines[1], "000720");
    EXPECT_EQ(lines[2], "-000015");
    EXPECT_EQ(lines[3], "Object 0\xFC\xFDline two");
    EXPECT_EQ(lines[5], "12.50");
    EXPECT_EQ(lines[6], "Y");
    EXPECT_EQ(lines[7], " ");
    EXPECT_EQ(lines[12], "000011");
    EXPECT_EQ(lines[13], "-000005");
    // The last line is the height of object 29.
    EXPECT_EQ(lines[392], "000240");
    EXPECT_EQ(t.Name, "Invoice\r\nSecond line") << "writing escapes a copy, not the template";
}

TEST_F(TemplateBlockTest, SlotThirtyIsNeitherWrittenNorRead)
{
    auto t = sampleTemplate();
    t.Objects[30].Text = "never stored";
    write(t);
    for (const auto& line : readLines(file))
        EXPECT_EQ(line.find("never stored"), std::string::npos);

    core::TemplateRecord loaded;
    loaded.Objects[30].Text = "kept in memory";
    ASSERT_TRUE(read(loaded));
    EXPECT_EQ(loaded.Objects[30].Text, "kept in memory");
}

TEST_F(TemplateBlockTest, FlagLineGivesItsFirstCharacterOrABlank)
{
    write(sampleTemplate());
    auto lines = readLines(file);
    lines[6] = "YES"; // Bold of object 0
    lines[7] = "";    // Italic of object 0
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    writeBytes(file, bytes);

    core::TemplateRecord loaded;
    ASSERT_TRUE(read(loaded));
    EXPECT_EQ(loaded.Objects[0].Bold, 'Y');
    EXPECT_EQ(loaded.Objects[0].Italic, ' ');
}

TEST_F(TemplateBlockTest, BadBlocksAreReportedAndAnswerFalse)
{
    write(sampleTemplate());
    const auto lines = readLines(file);
    struct Case {
        const char* name;
        std::size_t keepLines;
        std::string topMarginLine;
        std::string message;
    } cases[] = {
        {"truncated", 392, "000720", "Error Loading Letter Template : Input past end of file"},
        {"margin beyond 16 bits", 393, "040000", "Error Loading Letter Template : Overflow"},
        {"position beyond single precision", 393, "000720", "Error Loading Letter Template : Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes;
        for (std::size_t i = 0; i < c.keepLines; ++i) {
            // Line 13 is the Left of object 0.
            const bool hugeLeft = std::string(c.name) == "position beyond single precision" && i == 12;
            bytes += (i == 1 ? c.topMarginLine : hugeLeft ? "1E39" : lines[i]) + "\r\n";
        }
        writeBytes(file, bytes);
        errors.clear();
        core::TemplateRecord loaded;
        EXPECT_FALSE(read(loaded));
        EXPECT_EQ(errors, std::vector<std::string>{c.message});
    }
}
