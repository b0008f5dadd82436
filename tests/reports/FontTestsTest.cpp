#include <gtest/gtest.h>

#include "platform/RecordingPrinter.h"
#include "platform/ScriptedServices.h"
#include "reports/FontTests.h"

namespace {

TEST(FontTestsTest, ThePrinterTakesOnlyAFontItHas)
{
    platform::RecordingPrinter printer;
    EXPECT_TRUE(reports::TrySetPrinterFont(printer, "courier new"));
    EXPECT_EQ(printer.FontName(), "Courier New");
    EXPECT_FALSE(reports::TrySetPrinterFont(printer, "Wingdings"));
    EXPECT_FALSE(reports::TrySetPrinterFont(printer, ""));
    EXPECT_EQ(printer.FontName(), "Courier New");
}

TEST(FontTestsTest, TheScreenTakesOnlyAFontItHas)
{
    platform::ScriptedServices services;
    services.setScreenFonts({"Arial", "MS Sans Serif"});
    platform::Form window(services, "Window");
    EXPECT_TRUE(reports::TrySetScreenFont(window, "ARIAL"));
    EXPECT_EQ(window.FontName(), "Arial");
    EXPECT_FALSE(reports::TrySetScreenFont(window, "Courier New"));
    EXPECT_EQ(window.FontName(), "Arial");
}

} // namespace
