#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "runtime/Cp1252.h"
#include "runtime/PathText.h"

using runtime::pathFromText;
using runtime::textOfPath;

namespace {

std::filesystem::path nativePath(const std::string& bytes)
{
    return std::filesystem::path(bytes);
}

} // namespace

// Every name reaches the file system as the bytes it had, and a text shows it as itself.
TEST(PathText, EveryPathSurvivesItsTextAndShowsAsItself)
{
    const struct {
        const char* name;
        std::string bytes;
        std::u16string shown;
    } cases[] = {
        {"plain", "/home/me/Books/Shop.QBD", u"/home/me/Books/Shop.QBD"},
        {"Windows-1252 letters", "/home/me/Caf\xC3\xA9/\xE2\x82\xAC 2025.QBD", u"/home/me/Caf\u00E9/\u20AC 2025.QBD"},
        {"Polish", "Ksi\xC4\x99gi/Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 2025.QBD", u"Ksi\u0119gi/Za\u017C\u00F3\u0142\u0107 2025.QBD"},
        {"Japanese", "\xE5\xB8\xB3\xE7\xB0\xBF/book.QBD", u"\u5E33\u7C3F/book.QBD"},
        {"outside the basic plane", "a\xF0\x9F\x98\x80.QBD", u"a\U0001F600.QBD"},
        {"the undefined bytes' own characters", "x\xC2\x81y\xC2\x8Dz\xC2\x90", u"x\u0081y\u008Dz\u0090"},
        {"a carried character next to a Windows-1252 one", "\xC5\x82\xC3\xA9\xC5\x82", u"\u0142\u00E9\u0142"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = textOfPath(nativePath(c.bytes));
        EXPECT_EQ(pathFromText(text).native(), c.bytes);
        EXPECT_EQ(runtime::cp1252ToUtf16(text), c.shown);
    }
}

// A name whose characters Windows-1252 holds has the text it always had, so settings files
// written before read the same.
TEST(PathText, WindowsCharactersKeepTheirBytes)
{
    EXPECT_EQ(textOfPath(nativePath("C:/Caf\xC3\xA9/\xE2\x82\xAC.QBD")), "C:/Caf\xE9/\x80.QBD");
    EXPECT_EQ(pathFromText("C:/Caf\xE9/\x80.QBD").native(), "C:/Caf\xC3\xA9/\xE2\x82\xAC.QBD");
    EXPECT_EQ(pathFromText("\x81").native(), "\xC2\x81");
}

TEST(PathText, BytesThatAreNoUtf8SurviveToo)
{
    for (const std::string bytes : {"Caf\xE9", "\xE5\xB8", "a\x80\xFF", "\xC3\xA9\xC3"}) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(pathFromText(textOfPath(nativePath(bytes))).native(), bytes);
    }
}
