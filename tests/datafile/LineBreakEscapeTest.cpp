#include <gtest/gtest.h>

#include "datafile/LineBreakEscape.h"

using namespace datafile;

namespace {

struct EscapeCase {
    const char* name;
    std::string plain;
    std::string escaped;
};

} // namespace

TEST(LineBreakEscape, EscapeTurnsEveryCrAndLfIntoItsByte)
{
    const EscapeCase cases[] = {
        {"pair", "12 High St\r\nLeeds", "12 High St\xFC\xFDLeeds"},
        {"lone CR and lone LF", "a\rb\nc", "a\xFC" "b\xFD" "c"},
        {"no break", "plain text", "plain text"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.plain;
        EscapeLineBreaks(text);
        EXPECT_EQ(text, c.escaped);
    }
}

TEST(LineBreakEscape, UnescapeTurnsOnlyWholePairsBack)
{
    const EscapeCase cases[] = {
        {"two breaks", "a\r\nb\r\nc", "a\xFC\xFD" "b\xFC\xFD" "c"},
        {"lone bytes stay", "\xFC" "a\xFD", "\xFC" "a\xFD"},
        {"reversed pair stays", "\xFD\xFC", "\xFD\xFC"},
        {"extra 252 before a pair", "\xFC\r\n", "\xFC\xFC\xFD"},
        {"pair at the end", "end\r\n", "end\xFC\xFD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.escaped;
        UnescapeLineBreaks(text);
        EXPECT_EQ(text, c.plain);
    }
}

// A user who types u-umlaut followed by y-acute gets the same bytes as an escaped line break:
// the stored form cannot tell them apart, so they come back as a line break.
TEST(LineBreakEscape, TypedBytes252And253ComeBackAsALineBreak)
{
    std::string typed = "M\xFC\xFDller";
    std::string stored = typed;
    EscapeLineBreaks(stored);
    EXPECT_EQ(stored, typed);
    UnescapeLineBreaks(stored);
    EXPECT_EQ(stored, "M\r\nller");
}

TEST(LineBreakEscape, FlattenJoinsLinesWithTwoBlanksKeepingTheLength)
{
    std::string text = "Line one\xFC\xFDLine two";
    const auto length = text.size();
    FlattenLineBreaks(text);
    EXPECT_EQ(text, "Line one  Line two");
    EXPECT_EQ(text.size(), length);

    std::string lone = "a\xFC" "b";
    FlattenLineBreaks(lone);
    EXPECT_EQ(lone, "a\xFC" "b");
}
