#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>
#include <string>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "runtime/Text.h"

using namespace runtime;

namespace {

struct TextCase {
    const char* call;
    std::string actual;
    std::string expected;
};

void expectAll(const std::vector<TextCase>& cases)
{
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(c.actual, c.expected);
    }
}

} // namespace

TEST(TextHelpers, CutByOneBasedPositions)
{
    expectAll({
        {"left within", left("Quillbook", 5), "Quill"},
        {"left beyond the end", left("abc", 10), "abc"},
        {"left none", left("abc", 0), ""},
        {"right within", right("Quillbook", 4), "book"},
        {"right beyond the start", right("ab", 5), "ab"},
        {"mid to the end", mid("Quillbook", 6), "book"},
        {"mid with a count", mid("Quillbook", 2, 3), "uil"},
        {"mid count past the end", mid("abc", 3, 5), "c"},
        {"mid just after the end", mid("abc", 4), ""},
        {"mid far after the end", mid("abc", 10, 2), ""},
        {"mid high bytes are single characters", mid("a\xFC\xFD\xBB" "b", 2, 3), "\xFC\xFD\xBB"},
    });
}

TEST(TextHelpers, TrimOnlyBlanks)
{
    expectAll({
        {"ltrim", ltrim("  a b  "), "a b  "},
        {"rtrim", rtrim("  a b  "), "  a b"},
        {"trim", trim("  a b  "), "a b"},
        {"trim all blanks", trim("    "), ""},
        {"trim empty", trim(""), ""},
        {"tabs are not blanks", trim("\ta\t"), "\ta\t"},
    });
}

TEST(TextHelpers, PadToFixedWidths)
{
    expectAll({
        {"padRight pads", padRight("AB", 5), "AB   "},
        {"padRight cuts", padRight("ABCDEFG", 3), "ABC"},
        {"padRight empty", padRight("", 2), "  "},
        {"padLeft pads", padLeft("5", 3), "  5"},
        {"padLeft keeps a longer text whole", padLeft("12345", 3), "12345"},
        {"space", space(3), "   "},
    });
}

TEST(TextHelpers, ChangeCaseOfWindows1252Letters)
{
    expectAll({
        {"ucase ASCII", ucase("Bank code 1a"), "BANK CODE 1A"},
        {"ucase accented", ucase("\xE9\xE0\xFC\xFD"), "\xC9\xC0\xDC\xDD"},
        {"ucase s, oe, z caron, y diaeresis", ucase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F"},
        {"ucase leaves sharp s, division sign, micro", ucase("\xDF\xF7\xB5"), "\xDF\xF7\xB5"},
        {"lcase ASCII", lcase("Bank CODE"), "bank code"},
        {"lcase accented", lcase("\xC9\xC0\xDC\xDD\x8A\x9F"), "\xE9\xE0\xFC\xFD\x9A\xFF"},
        {"lcase leaves multiplication sign", lcase("\xD7"), "\xD7"},
    });
}

TEST(TextHelpers, OneCharacterChangesCaseAsAText)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(ucaseOf(c), ucase(std::string(1, c))[0]) << byte;
    }
}

TEST(TextHelpers, NegativeLengthsAreInvalidProcedureCalls)
{
    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"left", [] { left("abc", -1); }},
        {"right", [] { right("abc", -1); }},
        {"mid at position 0", [] { mid("abc", 0); }},
        {"space", [] { space(-2); }},
        {"padRight", [] { padRight("abc", -1); }},
        {"padLeft", [] { padLeft("abc", -1); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(raisedErrorNumber(call), InvalidProcedureCall);
    }
}

TEST(Val, ReadsTheLeadingNumber)
{
    const std::string tinyWithoutExponent = "0." + std::string(400, '0') + "1";
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {" -12.50abc", -12.5},
        {"", 0},
        {"1.2.3", 1.2},
        {"  .5", 0.5},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"+7", 7},
        {"007", 7},
        {"5.", 5},
        {"\t42", 42},
        {"1,234.56", 1},
        {"     17.50 20% rate", 17.5},  // a blank ends the number
        {"- 5", 0},
        {"1E3", 1000},
        {"2.5e-2", 0.025},
        {"5Each", 5},
        {"12E", 12},
        {"1e+", 1},
        {"1e-400", 0},
        {tinyWithoutExponent, 0},
        {"  1234.56", 1234.56},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(val(c.text), c.expected);
    }
}

TEST(Val, NumbersBeyondADoubleOverflow)
{
    for (const std::string& text : {std::string("1E400"), std::string("-1e309"), "1" + std::string(400, '0')}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(raisedErrorNumber([&] { val(text); }), Overflow);
    }
}

// A number of up to 15 digits without an exponent takes a short way; it must give the very double
// the full conversion gives.
TEST(Val, ShortNumbersReadAsTheFullConversionReadsThem)
{
    std::vector<std::string> texts = {"0.1", "0.3", "-.5", "1.", "00000117.50", "99999999.99", "999999999999999",
                                      "0.000000000000001", "123456.789012345", "9999999999999.99"};
    for (std::uint64_t pence = 1; pence < 100000000000ull; pence = pence * 7 + 13) {
        std::string digits = std::to_string(pence);
        digits.insert(digits.size() > 2 ? digits.size() - 2 : 0, ".");
        texts.push_back(digits);
    }
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const bool negative = text[0] == '-';
        double expected = 0;
        std::from_chars(text.data() + (negative ? 1 : 0), text.data() + text.size(), expected);
        EXPECT_EQ(val(text), negative ? -expected : expected);
        EXPECT_EQ(val("  " + text + "xyz"), val(text)) << "blanks before it and text after it change nothing";
    }
}

TEST(Val, WithinRangeHoldsWhatOverflowsAtTheLargestDouble)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(valWithinRange("1E400"), largest);
    EXPECT_EQ(valWithinRange("-1e309"), -largest);
    EXPECT_EQ(valWithinRange("1" + std::string(400, '0')), largest);
    EXPECT_EQ(valWithinRange("1E-400"), 0) << "a tiny number still reads as 0";
    EXPECT_EQ(valWithinRange(" 12.5abc"), 12.5);
}

TEST(TextHelpers, CompareAndSearchWithLetterCaseFolded)
{
    EXPECT_TRUE(sameUpperCased("Bank\xE9", "BANK\xC9"));
    EXPECT_FALSE(sameUpperCased("Bank", "Bank "));
    EXPECT_FALSE(sameUpperCased("\xDF", "SS")) << "sharp s has no upper case here";

    struct Search {
        const char* text;
        const char* needle; // upper case, as the caller prepares it
        std::size_t at;
    };
    const Search searches[] = {
        {"Diesel for the van", "VAN", 15},
        {"Diesel for the van", "", 0},
        {"caf\xE9 cr\xE8me", "\xC9 CR\xC8", 3},
        {"aaab", "AAB", 1}, // a partial match does not hide the one that starts inside it
        {"Diesel", "diesel", std::string::npos},    // the needle is compared as given
        {"van", "VANS", std::string::npos},
    };
    for (const Search& s : searches) {
        SCOPED_TRACE(std::string(s.text) + " / " + s.needle);
        EXPECT_EQ(findUpperCased(s.text, s.needle), s.at);
        EXPECT_EQ(findUpperCased(s.text, s.needle), ucase(s.text).find(s.needle)) << "as searching an upper-cased copy";
    }
}
