#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "QtTestApplication.h"
#include "qtgui/FontFamilies.h"
#include "qtgui/QtPrinter.h"
#include "runtime/Error.h"
#include "support/FileBytes.h"
#include "support/PdfText.h"
#include "support/RaisedError.h"
#include "support/TempFolder.h"

namespace {

class QtPrinterTest : public testing::Test {
protected:
    QtPrinterTest() : printer(pdf())
    {
        printer.device().setPageSize(QPageSize(QPageSize::A4));
        printer.device().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }

    std::filesystem::path pdf() const { return folder.path() / "page.pdf"; }

    std::string pdfStart() const
    {
        std::ifstream in(pdf(), std::ios::binary);
        std::string start(4, '\0');
        in.read(start.data(), 4);
        return start;
    }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtPrinter printer;
};

TEST_F(QtPrinterTest, PrintsAPageOfTextLineAndRectangleToAPdfFile)
{
    printer.setCurrentX(1440);
    printer.setCurrentY(1440);
    printer.print("Quillbook \x80 test page");
    printer.line(1440, 2880, 5760, 2880);
    printer.rectangle(1440, 3000, 5760, 4000);
    EXPECT_EQ(printer.Page(), 1);
    printer.EndDoc();

    ASSERT_TRUE(std::filesystem::exists(pdf()));
    EXPECT_GT(std::filesystem::file_size(pdf()), 0u);
    EXPECT_EQ(pdfStart(), "%PDF");
}

TEST_F(QtPrinterTest, NewPageCountsPagesAndEndDocStartsAgain)
{
    printer.print("first page");
    printer.NewPage();
    EXPECT_EQ(printer.Page(), 2);
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_EQ(printer.CurrentY(), 0);
    printer.print("second page");
    printer.EndDoc();
    EXPECT_EQ(printer.Page(), 1);
    EXPECT_EQ(printer.CurrentY(), 0);
    EXPECT_GT(std::filesystem::file_size(pdf()), 0u);
}

TEST_F(QtPrinterTest, KillDocLeavesNoFile)
{
    printer.print("abandoned");
    printer.rectangle(0, 0, 1000, 1000);
    printer.KillDoc();
    EXPECT_FALSE(std::filesystem::exists(pdf()));
    EXPECT_EQ(printer.Page(), 1);
}

TEST_F(QtPrinterTest, KillDocLeavesTheFileOfAnEarlierDocumentAsItWas)
{
    printer.print("kept");
    printer.EndDoc();
    const std::string before = readBytes(pdf());
    printer.print("abandoned");
    printer.KillDoc();
    EXPECT_EQ(readBytes(pdf()), before);
}

// Documents printed one after the other, each a list of pages, with the page texts the file then
// holds. Documents named "abandoned" are killed.
struct RunCase {
    const char* name;
    bool inRun;
    std::vector<std::vector<std::string>> documents;
    std::vector<std::string> filePages;
};

class QtPrinterRunTest : public QtPrinterTest, public testing::WithParamInterface<RunCase> {};

TEST_P(QtPrinterRunTest, TheFileHoldsWhatTheRunPrinted)
{
    const RunCase& run = GetParam();
    std::optional<platform::PrintRun> scope;
    if (run.inRun)
        scope.emplace(printer);
    for (const auto& document : run.documents) {
        for (std::size_t page = 0; page < document.size(); ++page) {
            if (page > 0)
                printer.NewPage();
            printer.setCurrentX(1440);
            printer.setCurrentY(1440);
            printer.print(document[page]);
        }
        if (document.front() == "abandoned")
            printer.KillDoc();
        else
            printer.EndDoc();
    }
    scope.reset();

    const std::vector<std::string> pages = PdfPageTexts(pdf());
    ASSERT_EQ(pages.size(), run.filePages.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_NE(pages[i].find(run.filePages[i]), std::string::npos) << "page " << i + 1 << ": " << pages[i];
    for (const std::string& page : pages)
        EXPECT_EQ(page.find("abandoned"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, QtPrinterRunTest,
    testing::Values(
        RunCase{"EachDocumentOfARunFollowsTheOneBefore", true,
                {{"Invoice000006"}, {"Invoice000007", "Continued000007"}, {"Invoice000008"}},
                {"Invoice000006", "Invoice000007", "Continued000007", "Invoice000008"}},
        RunCase{"AnAbandonedDocumentOfARunLeavesTheOthers", true,
                {{"Letter1"}, {"abandoned", "abandoned"}, {"Letter3"}},
                {"Letter1", "Letter3"}},
        RunCase{"WithoutARunEachDocumentWritesTheFileAfresh", false,
                {{"Invoice000006"}, {"Invoice000007"}},
                {"Invoice000007"}}),
    [](const testing::TestParamInfo<RunCase>& tested) { return std::string(tested.param.name); });

TEST_F(QtPrinterTest, ARunWithNothingPrintedWritesNoFile)
{
    {
        const platform::PrintRun run(printer);
        printer.print("abandoned");
        printer.KillDoc();
        printer.EndDoc();
    }
    EXPECT_FALSE(std::filesystem::exists(pdf()));
}

TEST_F(QtPrinterTest, EveryCopyPrintedToAFileIsInIt)
{
    ASSERT_GT(printer.setCopies(3), 0);
    printer.print("First page");
    printer.NewPage();
    printer.print("Second page");
    printer.EndDoc();
    const std::vector<std::string> pages = PdfPageTexts(pdf());
    ASSERT_EQ(pages.size(), 6u);
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_NE(pages[i].find(i % 2 == 0 ? "First page" : "Second page"), std::string::npos) << pages[i];
}

TEST_F(QtPrinterTest, EndDocWithNothingDrawnWritesNothing)
{
    printer.EndDoc();
    EXPECT_FALSE(std::filesystem::exists(pdf()));
}

TEST_F(QtPrinterTest, ScaleIsThePageInTwips)
{
    // A4 is 210 x 297 mm: 11906 x 16838 twips.
    EXPECT_NEAR(printer.ScaleWidth(), 11906, 2);
    EXPECT_NEAR(printer.ScaleHeight(), 16838, 2);
    printer.device().setPageMargins(QMarginsF(36, 72, 36, 72), QPageLayout::Point);
    EXPECT_NEAR(printer.ScaleWidth(), 11906 - 2 * 36 * 20, 2);
    EXPECT_NEAR(printer.ScaleHeight(), 16838 - 2 * 72 * 20, 2);
}

TEST_F(QtPrinterTest, TextMetricsAreInTwipsAndGrowWithTextAndSize)
{
    printer.setFontSize(12);
    const double two = printer.TextWidth("WW");
    const double four = printer.TextWidth("WWWW");
    EXPECT_GT(two, 0);
    EXPECT_NEAR(four, 2 * two, two * 0.05);
    // A 12-point line is 240 twips of type plus its leading.
    const double line = printer.TextHeight("W");
    EXPECT_GE(line, 240);
    EXPECT_LE(line, 400);
    EXPECT_DOUBLE_EQ(printer.TextHeight("W\r\nW"), 2 * line);
    EXPECT_DOUBLE_EQ(printer.TextHeight("W\rW\nW"), 3 * line);
    EXPECT_DOUBLE_EQ(printer.TextWidth("WW\r\nWWWW"), four);

    printer.setFontSize(24);
    EXPECT_NEAR(printer.TextWidth("WW"), 2 * two, two * 0.1);
}

TEST_F(QtPrinterTest, PrintMovesThePositionAsDocumented)
{
    printer.setCurrentX(500);
    printer.setCurrentY(700);
    printer.print("Amount: ", false);
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 500 + printer.TextWidth("Amount: "));
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 700);
    printer.print("12.50");
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 700 + printer.TextHeight("12.50"));
    printer.line(100, 200, 300, 400);
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 300);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 400);
    printer.KillDoc();
}

TEST_F(QtPrinterTest, FontsAreTheInstalledFamiliesAndUnknownNamesAreRefused)
{
    std::vector<std::string> fonts = printer.fonts();
    const std::vector<std::string> installed = qtgui::installedFontFamilies();
    ASSERT_GE(fonts.size(), installed.size());
    // The Windows names with a stand-in come first, then every installed family.
    EXPECT_TRUE(std::equal(installed.begin(), installed.end(), fonts.end() - static_cast<std::ptrdiff_t>(installed.size())));
    fonts = installed;

    std::string shouted = fonts.front();
    for (char& c : shouted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    printer.setFontName(shouted);
    EXPECT_EQ(printer.FontName(), fonts.front());

    EXPECT_EQ(raisedErrorNumber([&] { printer.setFontName("No Such Font For Quillbook"); }), 380);
    EXPECT_EQ(printer.FontName(), fonts.front());

    QFont::insertSubstitution(QStringLiteral("Quillbook Alias"), QString::fromStdString(fonts.front()));
    printer.setFontName("Quillbook Alias");
    EXPECT_EQ(printer.FontName(), "Quillbook Alias");
    QFont::removeSubstitutions(QStringLiteral("Quillbook Alias"));
}

TEST_F(QtPrinterTest, FontStyleAndSizeAreKept)
{
    printer.setFontSize(14.5);
    printer.setFontBold(true);
    printer.setFontItalic(true);
    printer.setFontUnderline(true);
    EXPECT_DOUBLE_EQ(printer.FontSize(), 14.5);
    EXPECT_TRUE(printer.FontBold());
    EXPECT_TRUE(printer.FontItalic());
    EXPECT_TRUE(printer.FontUnderline());
    EXPECT_THROW(printer.setFontSize(0), runtime::Error);
    EXPECT_DOUBLE_EQ(printer.FontSize(), 14.5);
}

TEST_F(QtPrinterTest, CopiesAreSetBeforeADocumentOnly)
{
    EXPECT_GT(printer.setCopies(3), 0);
    EXPECT_EQ(printer.device().copyCount(), 3);
    EXPECT_LT(printer.setCopies(0), 0);
    printer.print("started");
    EXPECT_LT(printer.setCopies(2), 0);
    EXPECT_EQ(printer.device().copyCount(), 3);
    printer.KillDoc();
}

} // namespace
