#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/FontFamilies.h"
#include "qtgui/QtPrinter.h"
#include "runtime/Error.h"
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
