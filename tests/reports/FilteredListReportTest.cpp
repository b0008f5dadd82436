#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/FilteredListReport.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

const std::string TotalsRuler = "         \t      \t   \t   \t                    \t___________\t___________";
const std::string TotalsLead = "         \t      \t   \t   \t                    \t";

class FilteredListReportTest : public ReportTest {
protected:
    bool write() { return reports::WriteFilteredListReport(desk); }

    // The data rows: after the heading and ruler rows, up to the first totals ruler.
    Lines rows() const { return bodyLinesBetween(3, TotalsRuler); }
};

TEST_F(FilteredListReportTest, ListsTheGridInItsOrderWithTotalsAndCount)
{
    loadCompany();
    ASSERT_TRUE(write());

    EXPECT_EQ(reportLines(),
              (Lines{
                  "ARIAL",
                  "8",
                  "000720",
                  "000720",
                  "000001",
                  "Quillbook 2000-32 Current Filtered List : Acme Trading Ltd 15/Jun/2025 09:30:05",
                  "Filter : (CURRENT)           ",
                  "*** REPORT STARTS ***",
                  " ",
                  " ",
                  "Date     \tRef \tType \tVAT \tMemo            \tPayment \tReceipt \t Rec\tPd? \tBank \tCust \tCat",
                  "_________\t______\t___\t___\t____________________\t___________\t___________\t ___\t___\t______\t______\t____",
                  " ",
                  "10/Apr/2024\tCHQ100\tPAY\tSPL\tOffice supplies     \t      70.00\t           \t  Y\t   \tBANK01\t      \tSTAT",
                  "05/Apr/2024\tINV001\tINV\tSTD\tConsulting  April wo\t           \t     117.50\t   \t Y \tBANK01\tACME01\tSALE",
                  TotalsRuler,
                  TotalsLead + "      70.00\t     117.50",
                  TotalsRuler,
                  "",
                  "2 Records",
                  " ",
                  "*** End Of\t Report ***",
              }));
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH");
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(FilteredListReportTest, WithNotepadChosenTheFileStartsAtTheTitle)
{
    loadCompany();
    host.output = reports::ReportOutput::Notepad;
    ASSERT_TRUE(write());
    EXPECT_EQ(reportLines().front(), "Quillbook 2000-32 Current Filtered List : Acme Trading Ltd 15/Jun/2025 09:30:05");
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe QB.TXT");
}

TEST_F(FilteredListReportTest, TotalsRowFollowsTheTotalsLabels)
{
    loadCompany();
    const struct {
        bool payVisible;
        bool rcpVisible;
        std::string row;
    } cases[] = {
        {true, true, TotalsLead + "      70.00\t     117.50"},
        {false, true, TotalsLead + "            \t     117.50"},
        {true, false, TotalsLead + "      70.00"},
        {false, false, TotalsLead + "            "},
    };
    for (const auto& c : cases) {
        host.payTotalVisible = c.payVisible;
        host.rcpTotalVisible = c.rcpVisible;
        ASSERT_TRUE(write());
        const Lines body = bodyLines();
        ASSERT_GE(body.size(), 7u);
        EXPECT_EQ(body[body.size() - 6], c.row) << c.payVisible << c.rcpVisible;
    }
}

TEST_F(FilteredListReportTest, EmptyListHasHeadingsTotalsAndNoRows)
{
    EXPECT_TRUE(write());
    EXPECT_EQ(bodyLines(), (Lines{
                               "Date     \tRef \tType \tVAT \tMemo            \tPayment \tReceipt \t Rec\tPd? \tBank \tCust \tCat",
                               "_________\t______\t___\t___\t____________________\t___________\t___________\t ___\t___\t______\t______\t____",
                               " ",
                               TotalsRuler,
                               TotalsLead + "\t",
                               TotalsRuler,
                               "",
                               "0 Records",
                               " ",
                               "*** End Of\t Report ***",
                           }));
}

TEST_F(FilteredListReportTest, SubtitleNamesTheFilterOrIsEmpty)
{
    const struct {
        core::FilterSetup filter;
        std::string line;
    } cases[] = {
        {[] { core::FilterSetup f; f.Name = "All Off"; return f; }(), "Filter : All Off             "},
        {[] { core::FilterSetup f; f.Name = ""; return f; }(), ""},
        {core::FilterSetup{}, ""}, // a cleared set-up: its name is NUL characters
    };
    for (const auto& c : cases) {
        book.ledger.Filters.CurrentFilter = c.filter;
        ASSERT_TRUE(write());
        EXPECT_EQ(reportLines()[6], c.line);
        EXPECT_EQ(readBytes(reportPath()).find('\0'), std::string::npos);
    }
}

TEST_F(FilteredListReportTest, AmountsGoToTheirSideAndWideAmountsStayWhole)
{
    book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
    addTransaction("01/May/2024", "BIL", 12.50, "STD", false, false, "Parts for the Leeds workshop\xFC\xFDsecond line");
    addTransaction("02/May/2024", "INV", 12.50, "STD", false, true, "Ab\xFC\xFD" "cdefghijklmnopqrstuvwxyz");
    addTransaction("03/May/2024", "RCP", 1234567.89);
    ASSERT_TRUE(write());
    const Lines found = rows();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], "01/May/2024\t      \tBIL\tSTD\tParts for the Leeds \t      12.50\t           \t   \t   \tBANK01\t      \tSALE");
    EXPECT_EQ(found[1], "02/May/2024\t      \tINV\tSTD\tAb  cdefghijklmnopqr\t           \t      12.50\t   \t Y \tBANK01\t      \tSALE");
    EXPECT_EQ(found[2], "03/May/2024\t      \tRCP\tSTD\tGoods               \t           \t1,234,567.89\t   \t   \tBANK01\t      \tSALE");
}

TEST_F(FilteredListReportTest, SplitTailOfTheEditedTransactionIsKept)
{
    loadCompany();
    book.SplitTail = "001Edited split                       10.00STD    ";
    const std::string kept = book.SplitTail;
    ASSERT_TRUE(write());
    EXPECT_EQ(book.SplitTail, kept);

    reports::ReportDesk nowhere(book, host, folder / "missing");
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(reports::WriteFilteredListReport(nowhere));
    EXPECT_EQ(book.SplitTail, kept);
}

TEST_F(FilteredListReportTest, UnwritableFolderGivesFileErrorAndStartsNothing)
{
    loadCompany();
    reports::ReportDesk nowhere(book, host, folder / "missing");
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(reports::WriteFilteredListReport(nowhere));
    EXPECT_EQ(services.messageTexts(), Lines{"File error : Path not found"});
    EXPECT_EQ(services.messageBoxes()[0].box.icon, platform::Icon::Critical);
    expectNothingStarted();
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(FilteredListReportTest, NextReportTakesANewStamp)
{
    loadCompany();
    ASSERT_TRUE(write());
    setClock(10, 0, 0);
    ASSERT_TRUE(write());
    EXPECT_EQ(reportLines()[5], "Quillbook 2000-32 Current Filtered List : Acme Trading Ltd 15/Jun/2025 10:00:00");
}

} // namespace
