#include <gtest/gtest.h>

#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "qtgui/TextViewerCopy.h"

namespace {

TEST(TextViewerCopy, TheViewerGetsAUtf8CopyAndTheFileStaysWindows1252)
{
    TempFolder folder;
    const std::filesystem::path report = folder.path() / "QB.TXT";
    const std::string windows1252 = "Rent \xa3" "12.50\r\nVAT \x80" "2.10\r\n";
    writeBytes(report, windows1252);

    const std::filesystem::path copy = qtgui::writeUtf8Copy(report, folder.path() / "viewer");
    EXPECT_EQ(copy, folder.path() / "viewer" / "QB.TXT");
    EXPECT_EQ(readBytes(copy), "Rent \xc2\xa3" "12.50\r\nVAT \xe2\x82\xac" "2.10\r\n");
    EXPECT_EQ(readBytes(report), windows1252);

    EXPECT_TRUE(qtgui::writeUtf8Copy(folder.path() / "missing.txt", folder.path() / "viewer").empty());
}

} // namespace
