#include <algorithm>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "core/CodeLines.h"
#include "reports/NetOfVatListReport.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

const std::string SectionRuler = "         \t      \t   \t   \t\t\t___________\t___________\t___________";
const std::string TotalsLead = "         \t      \t   \t   \t\t      \t";

Lines cellsOf(const std::string& row)
{
    Lines cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(row.substr(start, tab - start));
    cells.push_back(row.substr(start));
    return cells;
}

class NetOfVatListReportTest : public ReportTest {
protected:
    bool write() { return reports::WriteNetOfVatListReport(desk); }

    void addVatCode(const std::string& code, double rate)
    {
        core::VatCodeRecord record;
        record.Code = code;
        record.Rate = rate;
        record.Name = "Rate " + code;
        book.codes.ListVATCodes.AddItem(core::FormatVatCodeLine(record));
    }

    // The gross, VAT and net cells of the row whose date cell is `date`.
    Lines amountsOn(const std::string& date) const
    {
        for (const std::string& line : reportLines()) {
            if (line.starts_with(date)) {
                EXPECT_EQ(line.size(), 113u) << line;
                const Lines cells = cellsOf(line);
                return {cells[6], cells[7], cells[8]};
            }
        }
        ADD_FAILURE() << "no row on " << date;
        return {};
    }
};

TEST_F(NetOfVatListReportTest, PaymentsAndReceiptsSectionsWithVatAndNet)
{
    loadCompany();
    ASSERT_TRUE(write());

    EXPECT_EQ(reportLines(),
              (Lines{
                  "ARIAL",
                  "8",
                  "000720",
                  "000720",
                  "000024",
                  "Quillbook 2000-32 Current Filtered List Net of VAT : Acme Trading Ltd 15/Jun/2025 09:30:05",
                  "Filter : (CURRENT)           ",
                  "*** REPORT STARTS ***",
                  " ",
                  " ",
                  "Date     \tRef   \tVAT\tA/C\tCUST  \tCat  \tTotal      \tVat amount \tNet Amount \t Memo",
                  "________ \t______\t___\t___\t______\t_____\t___________\t___________\t___________\t ____",
                  "Payments",
                  " ",
                  runtime::padRight("10/Apr/2024\tCHQ100\tSPL\tBANK01\t      \tSTAT\t      70.00\t       7.50\t      62.50\t Office supplies", 113),
                  SectionRuler,
                  TotalsLead + "      70.00\t       7.50\t      62.50",
                  " ",
                  "Receipts",
                  runtime::padRight("05/Apr/2024\tINV001\tSTD\tBANK01\tACME01\tSALE\t     117.50\t      17.50\t     100.00\t Consulting  April work", 113),
                  SectionRuler,
                  TotalsLead + "     117.50\t      17.50\t     100.00",
                  "",
                  "2 Records",
                  " ",
                  "*** End Of\t Report ***",
              }));
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH");
}

TEST_F(NetOfVatListReportTest, VatByCodeRateEecAndSplits)
{
    addVatCode("STD", 17.5);
    addVatCode("E20", 20);
    book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
    addTransaction("01/May/2024", "PAY", 0.96, "STD");
    addTransaction("02/May/2024", "BIL", 100, "E20", true);
    addTransaction("03/May/2024", "PAY", 50, "");
    addTransaction("04/May/2024", "RCP", 0.96, "STD");
    addTransaction("05/May/2024", "INV", 40, "XXX");
    core::TransactionFields split;
    split.Date = "06/May/2024";
    split.Type = "RCP";
    split.Amount = 30;
    split.VAT = "SPL";
    split.VATAmount = -4;
    core::AddTransaction(book, split);
    ASSERT_TRUE(write());

    // Payments work the VAT in whole pence, receipts do not: 0.96 at 17.5 % differs by a penny.
    EXPECT_EQ(amountsOn("01/May/2024"), (Lines{"       0.96", "       0.15", "       0.81"}));
    EXPECT_EQ(amountsOn("04/May/2024"), (Lines{"       0.96", "       0.14", "       0.82"}));
    EXPECT_EQ(amountsOn("02/May/2024"), (Lines{"     100.00", "      20.00", "      80.00"})) << "EEC: VAT on top";
    EXPECT_EQ(amountsOn("03/May/2024"), (Lines{"      50.00", "       0.00", "      50.00"})) << "no VAT code";
    EXPECT_EQ(amountsOn("05/May/2024"), (Lines{"      40.00", "       0.00", "      40.00"})) << "unknown VAT code";
    EXPECT_EQ(amountsOn("06/May/2024"), (Lines{"      30.00", "       4.00", "      26.00"})) << "the splits' VAT";

    const Lines lines = reportLines();
    const Lines expectedTotals{TotalsLead + "     150.96\t      20.15\t     130.81",
                               TotalsLead + "      70.96\t       4.14\t      66.82"};
    Lines totals;
    for (const std::string& line : lines)
        if (line.starts_with(TotalsLead))
            totals.push_back(line);
    EXPECT_EQ(totals, expectedTotals);
    EXPECT_EQ(lines[lines.size() - 3], "6 Records");
}

TEST_F(NetOfVatListReportTest, NoTotalsRowsWithoutTotalsLabels)
{
    loadCompany();
    host.payTotalVisible = false;
    host.rcpTotalVisible = false;
    ASSERT_TRUE(write());
    const Lines lines = reportLines();
    for (const std::string& line : lines)
        EXPECT_FALSE(line.starts_with(TotalsLead)) << line;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), SectionRuler), 2);
}

TEST_F(NetOfVatListReportTest, WideAmountStaysWholeAndTheMemoGivesWay)
{
    book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
    addTransaction("01/May/2024", "RCP", 1234567.89, "", false, false, "A memo long enough to reach past the row's end");
    ASSERT_TRUE(write());
    EXPECT_EQ(amountsOn("01/May/2024"), (Lines{"1,234,567.89", "       0.00", "1,234,567.89"}));
    for (const std::string& line : reportLines()) {
        if (line.starts_with("01/May/2024")) {
            EXPECT_TRUE(line.ends_with("\t A memo long enough to reach past")) << line;
        }
    }
}

TEST_F(NetOfVatListReportTest, EmptyListStillHasBothSections)
{
    ASSERT_TRUE(write());
    EXPECT_EQ(bodyLines(), (Lines{
                               "Date     \tRef   \tVAT\tA/C\tCUST  \tCat  \tTotal      \tVat amount \tNet Amount \t Memo",
                               "________ \t______\t___\t___\t______\t_____\t___________\t___________\t___________\t ____",
                               "Payments",
                               " ",
                               SectionRuler,
                               TotalsLead + "       0.00\t       0.00\t       0.00",
                               " ",
                               "Receipts",
                               SectionRuler,
                               TotalsLead + "       0.00\t       0.00\t       0.00",
                               "",
                               "0 Records",
                               " ",
                               "*** End Of\t Report ***",
                           }));
}

TEST_F(NetOfVatListReportTest, SplitTailIsKeptAndFailuresStartNothing)
{
    loadCompany();
    book.SplitTail = "001Edited split                       10.00STD    ";
    const std::string kept = book.SplitTail;
    ASSERT_TRUE(write());
    EXPECT_EQ(book.SplitTail, kept);

    services.answerMessageBox(platform::Answer::OK);
    reports::ReportDesk nowhere(book, host, folder / "missing");
    EXPECT_FALSE(reports::WriteNetOfVatListReport(nowhere));
    EXPECT_EQ(services.messageTexts(), Lines{"File error : Path not found"});
    EXPECT_EQ(book.SplitTail, kept);
    EXPECT_EQ(services.startedPrograms().size(), 1u) << "only the first report's viewer";
}

} // namespace
