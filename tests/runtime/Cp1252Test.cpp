#include <string>

#include <gtest/gtest.h>

#include "runtime/Cp1252.h"

using runtime::cp1252ToUtf16;
using runtime::utf16ToCp1252;

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string bytes;
    for (int b = 0; b <= 255; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::u16string text = cp1252ToUtf16(bytes);
    EXPECT_EQ(text.size(), bytes.size());
    EXPECT_EQ(utf16ToCp1252(text), bytes);
}

TEST(Cp1252, CharacterTable)
{
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {'A', u'A'},      {0x80, u'\u20AC'}, {0x8A, u'\u0160'}, {0x92, u'\u2019'}, {0x96, u'\u2013'},
        {0x9F, u'\u0178'}, {0x81, 0x0081},   {0x8D, 0x008D},    {0x8F, 0x008F},    {0x90, 0x0090},
        {0x9D, 0x009D},   {0xA3, u'\u00A3'}, {0xBB, u'\u00BB'}, {0xFC, u'\u00FC'}, {0xFD, u'\u00FD'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp1252ToUtf16(byte), std::u16string(1, c.unit));
        EXPECT_EQ(utf16ToCp1252(std::u16string(1, c.unit)), byte);
    }
}

TEST(Cp1252, CharactersItCannotHoldBecomeQuestionMarks)
{
    const struct {
        const char* name;
        std::u16string text;
        std::string expected;
    } cases[] = {
        {"control U+0080", u"a\u0080b", "a?b"},
        {"Latin A macron", u"\u0100", "?"},
        {"CJK", u"\u4E2D\u6587", "??"},
        {"character outside the basic plane", u"x\U0001F600y", "x?y"},
        {"lone high surrogate", std::u16string{u'a', char16_t{0xD83D}}, "a?"},
        {"lone low surrogate", std::u16string{char16_t{0xDE00}, u'b'}, "?b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf16ToCp1252(c.text), c.expected);
    }
}
