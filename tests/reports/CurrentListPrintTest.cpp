#include <string>
#include <vector>

#include "PrintedListTest.h"
#include "reports/CurrentListPrint.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

const std::string Title = "Quillbook 2000-32 Current Filtered List : Acme Trading Ltd 15/Jun/2025 09:30:05";

// The fixture's headings and rulers at the y of each, on an A4 page at margins of 720 with
// 80-twip characters.
Lines HeadingLines(int y)
{
    const std::string headingY = "," + std::to_string(y) + ":";
    const std::string rulerY = "," + std::to_string(y + 192) + ":";
    return {"720" + headingY + "Date",    "1760" + headingY + "Ref",     "2400" + headingY + "Type",
            "2880" + headingY + "Vat",    "3280" + headingY + "Memo",    "5040" + headingY + "Payment",
            "6080" + headingY + "Receipt", "7120" + headingY + "Rec",    "7520" + headingY + "Pd?",
            "7920" + headingY + "Bank",   "8560" + headingY + "Cust",    "9200" + headingY + "Categ",
            "720" + rulerY + Ruler(12),   "1760" + rulerY + Ruler(7),    "2400" + rulerY + Ruler(5),
            "2880" + rulerY + Ruler(4),   "3280" + rulerY + Ruler(21),   "5040" + rulerY + Ruler(12),
            "6080" + rulerY + Ruler(12),  "7120" + rulerY + Ruler(4),    "7520" + rulerY + Ruler(4),
            "7920" + rulerY + Ruler(7),   "8560" + rulerY + Ruler(7),    "9200" + rulerY + Ruler(5)};
}

Lines ChequeRow(int y)
{
    const std::string at = "," + std::to_string(y) + ":";
    return {"720" + at + "10/Apr/2024", "1760" + at + "CHQ100", "2400" + at + "PAY", "2880" + at + "SPL",
            "3280" + at + "Office supplies     ", "5040" + at + "      70.00", "7120" + at + " Y",
            "7920" + at + "BANK01", "8560" + at + "      ", "9200" + at + "STAT"};
}

Lines InvoiceRow(int y)
{
    const std::string at = "," + std::to_string(y) + ":";
    return {"720" + at + "05/Apr/2024", "1760" + at + "INV001", "2400" + at + "INV", "2880" + at + "STD",
            "3280" + at + "Consulting  April wo", "6080" + at + "     117.50", "7520" + at + " Y",
            "7920" + at + "BANK01", "8560" + at + "ACME01", "9200" + at + "SALE"};
}

// The totals block and the closing lines after the last row, whose line ended at `y`.
Lines ClosingLines(int y)
{
    auto at = [](int x, int lineY, const std::string& text) {
        return std::to_string(x) + "," + std::to_string(lineY) + ":" + text;
    };
    return {at(5040, y, Ruler(12)),
            at(6080, y, Ruler(12)),
            at(5040, y + 384, "      70.00"),
            at(6080, y + 384, "     117.50"),
            at(5040, y + 576, Ruler(12)),
            at(6080, y + 576, Ruler(12)),
            at(720, y + 960, "2 Records"),
            at(720, y + 1344, "*** End Of Report ***")};
}

// The page header and the filter line of the first page.
Lines FirstPageTop()
{
    return {"720,720:" + runtime::padRight(Title, 122) + " Page 001", "720,912:Filter : (CURRENT)           "};
}

// A printer whose bold characters are a quarter wider than its normal ones.
class WideBoldPrinter : public platform::RecordingPrinter {
public:
    double TextWidth(const std::string& text) const override
    {
        return RecordingPrinter::TextWidth(text) * (FontBold() ? 1.25 : 1.0);
    }
};

// The fixture's list, printed from the main window's Print button.
class CurrentListPrintTest : public PrintedListTest {
protected:
    CurrentListPrintTest() { loadCompany(); }

    void print()
    {
        services.answerPrinterDialog();
        reports::PrintCurrentFilteredList(desk);
    }
};

TEST_F(CurrentListPrintTest, PrintsTheListWithTotalsCountAndEndLineOnOnePage)
{
    print();

    EXPECT_EQ(page(), Join({FirstPageTop(), HeadingLines(1488), ChequeRow(2064), InvoiceRow(2256), ClosingLines(2448)}));
    EXPECT_EQ(printer().endedDocuments(), 1);
    EXPECT_EQ(printer().documents()[0].pages.size(), 1u);
    EXPECT_EQ(window().LbLReportName.Caption(), "Current Filtered List");
    EXPECT_EQ(window().LbLRepType.Caption(), "WB_SCREENDUMP");
    EXPECT_EQ(services.printerDialogs().size(), 1u);
    EXPECT_EQ(services.doEventsCalls(), 2);
    EXPECT_TRUE(services.messageBoxes().empty());
    expectJobEnded();
}

TEST_F(CurrentListPrintTest, BoldAsWideAsNormalPrintsEveryLineBold)
{
    print();
    for (const platform::TextRun& run : printer().documents()[0].pages[0].runs)
        EXPECT_TRUE(run.font.bold) << run.text;
}

TEST_F(CurrentListPrintTest, BoldWiderThanNormalPrintsOnlyTheHeaderAndHeadingsBold)
{
    WideBoldPrinter wide;
    services.otherPrinter = &wide;
    print();

    ASSERT_EQ(wide.documents().size(), 1u);
    Lines bold;
    for (const platform::TextRun& run : wide.documents()[0].pages[0].runs)
        if (run.font.bold && !run.text.empty())
            bold.push_back(run.text);
    // Bold characters of 100 twips: 105 across the page, so the title is cut to 96.
    EXPECT_EQ(bold, (Lines{runtime::padRight(Title, 96) + " Page 001", "Date", "Ref", "Type", "Vat", "Memo", "Payment",
                           "Receipt", "Rec", "Pd?", "Bank", "Cust", "Categ"}));
}

TEST_F(CurrentListPrintTest, AFilterWithoutANameLeavesAnEmptyLineInPlaceOfTheFilterLine)
{
    book.ledger.Filters.CurrentFilter.Name = "";
    print();
    const Lines runs = page();
    EXPECT_EQ(Lines(runs.begin(), runs.begin() + 2), (Lines{"720,720:" + runtime::padRight(Title, 122) + " Page 001", "720,1488:Date"}));
}

TEST_F(CurrentListPrintTest, ColumnsThatDoNotFitAreLeftOutOfEveryLine)
{
    // "Cust" ends at 9200, past the limit of 9919 - 720: neither it nor "Categ" is shown.
    printer().setPageSize(9919, 16838);
    print();

    Lines expected;
    for (const std::string& run : Join({HeadingLines(1488), ChequeRow(2064), InvoiceRow(2256), ClosingLines(2448)}))
        if (run.rfind("8560,", 0) != 0 && run.rfind("9200,", 0) != 0)
            expected.push_back(run);
    const Lines runs = page();
    // (9919 - 1440) / 80 rounds to 106 characters across, so the title is cut to 97.
    EXPECT_EQ(runs.at(0), "720,720:" + runtime::padRight(Title, 97) + " Page 001");
    EXPECT_EQ(Lines(runs.begin() + 2, runs.end()), expected);
}

TEST_F(CurrentListPrintTest, PaperTooNarrowForReceiptsPrintsPaymentsOnly)
{
    // "Receipt" ends at 7120, past the limit of 7839 - 720.
    printer().setPageSize(7839, 16838);
    print();

    const Lines runs = page();
    for (const std::string& run : runs)
        EXPECT_NE(run.rfind("6080,", 0), 0u) << run;
    EXPECT_EQ(Lines(runs.end() - 5, runs.end()), (Lines{"5040,2448:" + Ruler(12), "5040,2832:      70.00", "5040,3024:" + Ruler(12),
                                                        "720,3408:2 Records", "720,3792:*** End Of Report ***"}));
}

TEST_F(CurrentListPrintTest, ATotalTheMainWindowHidesIsLeftOutBetweenItsRules)
{
    const struct {
        bool payVisible;
        bool rcpVisible;
        Lines totals;
    } cases[] = {
        {false, true, {"6080,2832:     117.50"}},
        {true, false, {"5040,2832:      70.00"}},
        {false, false, {}},
    };
    for (const auto& c : cases) {
        host.payTotalVisible = c.payVisible;
        host.rcpTotalVisible = c.rcpVisible;
        print();
        Lines closing;
        for (const std::string& run : page())
            if (run.find(",2832:") != std::string::npos || run.find(",2448:") != std::string::npos ||
                run.find(",3024:") != std::string::npos)
                closing.push_back(run);
        EXPECT_EQ(closing, Join({{"5040,2448:" + Ruler(12), "6080,2448:" + Ruler(12)}, c.totals,
                                 {"5040,3024:" + Ruler(12), "6080,3024:" + Ruler(12)}}));
        services.recordingPrinter() = platform::RecordingPrinter();
    }
}

TEST_F(CurrentListPrintTest, ARowAtThePageLimitStartsANewPageWithHeaderAndHeadings)
{
    printer().setPageSize(11906, 3600);
    print();

    EXPECT_EQ(page(0), Join({FirstPageTop(), HeadingLines(1488), ChequeRow(2064)}));
    EXPECT_EQ(page(1), Join({{"720,720:" + runtime::padRight(Title, 122) + " Page 002"}, HeadingLines(1104), InvoiceRow(1680),
                             ClosingLines(1872)}));
    EXPECT_EQ(printer().endedDocuments(), 1);
}

TEST_F(CurrentListPrintTest, CancelAfterTheFirstRowEndsTheDocumentWithTheCancelLine)
{
    services.atYield = [&](int yields) {
        if (yields == 1)
            window().CmdCancel.userClick();
    };
    print();

    EXPECT_EQ(page(), Join({FirstPageTop(), HeadingLines(1488), ChequeRow(2064), {"720,2256:*** Report Cancelled ***"}}));
    EXPECT_EQ(printer().endedDocuments(), 1);
    EXPECT_EQ(services.doEventsCalls(), 1);
    EXPECT_TRUE(desk.CancelRequested);
    expectJobEnded();
}

TEST_F(CurrentListPrintTest, CancelDuringTheLastRowPrintsNoTotalsCountOrEndLine)
{
    services.atYield = [&](int yields) {
        if (yields == 2)
            window().CmdCancel.userClick();
    };
    print();

    EXPECT_EQ(page(), Join({FirstPageTop(), HeadingLines(1488), ChequeRow(2064), InvoiceRow(2256),
                            {"720,2448:*** Report Cancelled ***"}}));
    expectJobEnded();
}

} // namespace
