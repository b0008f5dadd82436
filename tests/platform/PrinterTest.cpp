#include <gtest/gtest.h>

#include "platform/RecordingPrinter.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace platform {
namespace {

TEST(RecordingPrinterTest, MetricsFollowTheFontSize)
{
    struct Case {
        std::string text;
        double size;
        double width;
        double height;
    };
    const Case cases[] = {
        {"", 10, 0, 240},
        {"ABC", 10, 300, 240},
        {"ABC", 8, 240, 192},
        {"AB\r\nCDEF", 10, 400, 480},
        {"A\nB\rC", 12, 120, 864},
    };
    RecordingPrinter printer;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        printer.setFontSize(c.size);
        printer.setFontBold(!printer.FontBold()); // bold does not change the metrics
        EXPECT_DOUBLE_EQ(printer.TextWidth(c.text), c.width);
        EXPECT_DOUBLE_EQ(printer.TextHeight(c.text), c.height);
    }
}

TEST(RecordingPrinterTest, PrintMovesThePositionAndRecordsRunsPerPage)
{
    RecordingPrinter printer;
    printer.setPageSize(12240, 15840);
    printer.setFontName("courier new");
    EXPECT_EQ(printer.FontName(), "Courier New");
    printer.setCurrentX(720);
    printer.print("Date", false);
    printer.setFontBold(true);
    printer.print("Ref");
    printer.rectangle(0, 0, 100, 100);
    EXPECT_EQ(printer.Page(), 1);
    printer.NewPage();
    EXPECT_EQ(printer.Page(), 2);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
    printer.print("Page two");
    printer.EndDoc();

    ASSERT_EQ(printer.documents().size(), 1u);
    const RecordedDocument& doc = printer.documents()[0];
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].lines(), (std::vector<std::string>{"720,0:Date", "1120,0:Ref"}));
    EXPECT_FALSE(doc.pages[0].runs[0].font.bold);
    EXPECT_TRUE(doc.pages[0].runs[1].font.bold);
    EXPECT_EQ(doc.pages[0].runs[1].font.name, "Courier New");
    ASSERT_EQ(doc.pages[0].strokes.size(), 1u);
    EXPECT_EQ(doc.pages[0].strokes[0].kind, Stroke::Kind::Rectangle);
    EXPECT_EQ(doc.pages[1].lines(), (std::vector<std::string>{"0,0:Page two"}));
    EXPECT_EQ(printer.Page(), 1) << "a new document starts at page 1";
    EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 12240);
}

TEST(RecordingPrinterTest, EndDocKillDocAndCopies)
{
    RecordingPrinter printer;
    EXPECT_EQ(printer.setCopies(2), 1);
    printer.print("kept");
    printer.EndDoc();
    printer.print("discarded");
    printer.KillDoc();
    printer.EndDoc(); // nothing drawn: nothing sent
    EXPECT_EQ(printer.endedDocuments(), 1);
    EXPECT_EQ(printer.killedDocuments(), 1);
    EXPECT_EQ(printer.documents()[0].copies, 2);

    printer.setCopiesAnswer(0); // a printer without the copy-count escape
    EXPECT_EQ(printer.setCopies(5), 0);
    printer.print("x");
    printer.EndDoc();
    EXPECT_EQ(printer.documents().back().copies, 2);
}

TEST(RecordingPrinterTest, RefusesFontsItDoesNotHave)
{
    RecordingPrinter printer;
    printer.setFonts({"Arial", "Verdana"});
    EXPECT_EQ(printer.fonts(), (std::vector<std::string>{"Arial", "Verdana"}));
    EXPECT_EQ(raisedErrorNumber([&] { printer.setFontName("Courier New"); }), 380);
    EXPECT_EQ(printer.FontName(), "Arial");
    EXPECT_THROW(printer.setFontSize(0), runtime::Error);
}

} // namespace
} // namespace platform
