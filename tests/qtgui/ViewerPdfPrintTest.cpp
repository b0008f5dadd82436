#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QtTestApplication.h"
#include "datapeek/ViewerTest.h"
#include "qtgui/QtPrinter.h"
#include "support/PdfText.h"

namespace {

// The report viewer printing through the Qt printer to a PDF file on A4 paper without margins, so
// that a row printed past the page's end would be cut off the paper.
class ViewerPdfPrintTest : public ViewerTest, public testing::WithParamInterface<const char*> {
protected:
    ViewerPdfPrintTest()
    {
        printer.device().setPageSize(QPageSize(QPageSize::A4));
        printer.device().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        services.otherPrinter = &printer;
    }

    std::filesystem::path pdf() const { return folder / "report.pdf"; }

    QApplication& app = qtTestApplication();
    qtgui::QtPrinter printer{pdf()};
};

TEST_P(ViewerPdfPrintTest, EveryRowIsInTheFileOnceAtTopMarginZero)
{
    startOn(NumberedRowsReport(60, GetParam(), "000000"));
    services.answerPrinterDialog(1);
    window->CmdPrint.userClick();
    EXPECT_TRUE(services.messageTexts().empty());

    const std::vector<std::string> pages = PdfPageTexts(pdf());
    ASSERT_FALSE(pages.empty());
    std::string file;
    for (const std::string& page : pages)
        file += page;
    for (int row = 1; row <= 60; ++row) {
        const std::string number = std::to_string(row);
        EXPECT_EQ(Occurrences(file, "Row " + std::string(3 - number.size(), '0') + number), 1) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(FontSizes, ViewerPdfPrintTest, testing::Values("8", "14", "24"),
                         [](const testing::TestParamInfo<const char*>& tested) { return std::string("Size") + tested.param; });

} // namespace
