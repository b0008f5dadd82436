#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/EecListReport.h"

namespace {

using Lines = std::vector<std::string>;

const std::string TotalsRuler = "      \t         \t                                        \t___________";
const std::string TotalsLead = "      \t         \t                                        \t";

class EecListReportTest : public ReportTest {
protected:
    EecListReportTest()
    {
        loadCompany();
        addTransaction("30/Apr/2024", "RCP", 235.00, "ZER", true, false, "Payment from Lyon\xFC\xFDthank you");
        addTransaction("01/Apr/2024", "INV", 150.00, "ZER", true);
        addTransaction("01/May/2024", "INV", 99.00, "ZER", true);
        addTransaction("15/Apr/2024", "INV", 80.00, "ZER", true, true);
        addTransaction("16/Apr/2024", "RCP", 55.00, "ZER", false); // not EEC
        addTransaction("17/Apr/2024", "PAY", 40.00, "ZER", true);
        addTransaction("18/Apr/2024", "BIL", 30.00, "ZER", true);
        addTransaction("19/Apr/2024", "BIL", 20.00, "ZER", true, true);
    }

    bool write(int kind, const std::string& from = "01/Apr/2024", const std::string& to = "30/Apr/2024")
    {
        return reports::WriteEecListReport(desk, kind, from, to);
    }

    // The listed rows: after the period, heading and ruler rows, up to the first totals ruler.
    Lines rows() const { return bodyLinesBetween(5, TotalsRuler); }
};

TEST_F(EecListReportTest, SalesListsReceiptsAndUnpaidInvoicesOfThePeriod)
{
    book.SplitTail = "001Edited split                       10.00STD    ";
    ASSERT_TRUE(write(22));
    EXPECT_EQ(book.SplitTail, "001Edited split                       10.00STD    ");
    EXPECT_EQ(reportLines(),
              (Lines{
                  "ARIAL",
                  "8",
                  "000720",
                  "000720",
                  "000022",
                  "Quillbook 2000-32 EEC Sales List        : Acme Trading Ltd 15/Jun/2025 09:30:05",
                  "",
                  "*** REPORT STARTS ***",
                  " ",
                  " ",
                  "01/Apr/2024\tTo    \t30/Apr/2024",
                  "",
                  "Date     \tRef   \tMemo                                    \tAmount     ",
                  "_________\t______\t________________________________________\t___________",
                  "",
                  "01/Apr/2024\t      \tGoods                                   \t     150.00",
                  "30/Apr/2024\t      \tPayment from Lyon  thank you            \t     235.00",
                  TotalsRuler,
                  TotalsLead + "     385.00",
                  TotalsRuler,
                  "",
                  "2 Records",
                  " ",
                  "*** End Of\t Report ***",
              }));
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH");
}

TEST_F(EecListReportTest, AcquisitionsListPaymentsAndUnpaidBills)
{
    ASSERT_TRUE(write(23));
    EXPECT_EQ(reportLines()[5], "Quillbook 2000-32 EEC Acquisition List  : Acme Trading Ltd 15/Jun/2025 09:30:05");
    EXPECT_EQ(rows(), (Lines{"17/Apr/2024\t      \tGoods                                   \t      40.00",
                             "18/Apr/2024\t      \tGoods                                   \t      30.00"}));
    EXPECT_EQ(bodyLines().back(), "*** End Of\t Report ***");
}

TEST_F(EecListReportTest, PeriodIncludesBothEnds)
{
    ASSERT_TRUE(write(22, "30/Apr/2024", "01/May/2024"));
    const Lines found = rows();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].starts_with("30/Apr/2024"));
    EXPECT_TRUE(found[1].starts_with("01/May/2024"));
}

TEST_F(EecListReportTest, NothingListedGivesZeroTotalAndCount)
{
    ASSERT_TRUE(write(22, "01/Jan/2020", "31/Jan/2020"));
    const Lines body = bodyLines();
    EXPECT_EQ(rows(), Lines{});
    EXPECT_EQ(Lines(body.end() - 7, body.end()),
              (Lines{TotalsRuler, TotalsLead + "       0.00", TotalsRuler, "", "0 Records", " ", "*** End Of\t Report ***"}));
}

TEST_F(EecListReportTest, DateThatDoesNotReadEndsTheReportWithTheFileClosed)
{
    book.SplitTail = "001Edited split                       10.00STD    ";
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(write(22, "01/Apr/2024", "31/Apr/2024"));
    EXPECT_EQ(services.messageTexts(), Lines{"File error : Type mismatch"});
    EXPECT_EQ(services.reportOpenAtBox, std::vector<bool>{false}) << "closed before the box";
    expectNothingStarted();
    EXPECT_EQ(book.SplitTail, "001Edited split                       10.00STD    ");
    EXPECT_EQ(desk.ReportTimestamp, "") << "the next report takes its own stamp";
}

TEST_F(EecListReportTest, WideAmountIsWrittenWhole)
{
    addTransaction("20/Apr/2024", "RCP", 1234567.89, "ZER", true);
    ASSERT_TRUE(write(22));
    const Lines found = rows();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1], "20/Apr/2024\t      \tGoods                                   \t1,234,567.89");
    EXPECT_EQ(bodyLines()[9], TotalsLead + "1,234,952.89");
}

} // namespace
