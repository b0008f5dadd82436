#include <string>
#include <vector>

#include "ReportTest.h"
#include "core/RecordField.h"
#include "reports/SystemAuditReport.h"

namespace {

using Lines = std::vector<std::string>;

class SystemAuditReportTest : public ReportTest {
protected:
    SystemAuditReportTest() { loadCompany(); }
};

TEST_F(SystemAuditReportTest, ListsEverySlotWithDeletedOnesMarkedAndCounted)
{
    host.output = reports::ReportOutput::Notepad;
    addTransaction("01/May/2025", "RCP", 1250000.00, "STD", true, false, "Sale of the\xFC\xFDworkshop lease");
    book.SplitTail = "001Edited split                       10.00STD    ";
    ASSERT_TRUE(reports::WriteSystemAuditReport(desk));
    EXPECT_EQ(book.SplitTail, "001Edited split                       10.00STD    ");
    // The invoice's VAT is worked from 117.50 at 17.5 %: 17.50. The split payment shows its stored
    // 7.50. The big receipt: 1,250,000.00 - 1,250,000.00 / 1.175 = 186,170.21, its amount uncut.
    const std::string last = core::PaddedRecordField(book.ledger.Transactions.Line(4), core::RecordColumns::Number);
    EXPECT_EQ(reportLines(),
              (Lines{
                  "Quillbook 2000-32 System Audit Report   : Acme Trading Ltd 15/Jun/2025 09:30:05",
                  "",
                  "*** REPORT STARTS ***",
                  " ",
                  " ",
                  "Sys ID\tDate     \tRef \tType \tVAT \tMemo            \tPayment \tReceipt \t Rec\tPd? \tBank \tCust "
                  "\tCat\tVAT Amount\tEEC?",
                  "______\t_________\t______\t___\t___\t____________________\t___________\t___________\t ___\t___\t"
                  "______\t______\t____\t___________\t___",
                  " ",
                  "000010\t05/Apr/2024\tINV001\tINV\tSTD\tConsulting  April wo\t           \t     117.50\t   \t Y "
                  "\tBANK01\tACME01\tSALE\t      17.50\t   ",
                  "000011\t10/Apr/2024\tCHQ100\tPAY\tSPL\tOffice supplies     \t      70.00\t           \t  Y\t   "
                  "\tBANK01\t      \tSTAT\t       7.50\t   ",
                  "** DEL\t02/Apr/2024\tDEP001\tRCP\tZER\tDeleted receipt     \t           \t      10.00\t   \t   "
                  "\tCASH01\tbolt02\tSALE\t       0.00\t   ",
                  last + "\t01/May/2025\t      \tRCP\tSTD\tSale of the  worksho\t           \t1,250,000.00\t   \t   "
                         "\tBANK01\t      \tSALE\t  186170.21\tEEC",
                  "",
                  "4 Records",
                  " ",
                  "*** End Of\t Report ***",
              }));
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe QB.TXT");
}

TEST_F(SystemAuditReportTest, WorksTheVatAtTheCodesRateOfToday)
{
    ASSERT_EQ(book.codes.ListVATCodes.List(0).substr(0, 15), "STD       17.50");
    book.codes.ListVATCodes.setList(0, "STD       20.00 Standard rate       ");
    ASSERT_TRUE(reports::WriteSystemAuditReport(desk));
    // 117.50 - 117.50 / 1.2 = 19.58; the split payment keeps its stored 7.50.
    const Lines body = bodyLines();
    EXPECT_EQ(body[3].substr(body[3].size() - 16), "\t      19.58\t   ");
    EXPECT_EQ(body[4].substr(body[4].size() - 16), "\t       7.50\t   ");
}

TEST_F(SystemAuditReportTest, AnEmptyTableCountsNoRecords)
{
    book.ledger.Transactions.Clear();
    book.ledger.DateIndex.Clear();
    ASSERT_TRUE(reports::WriteSystemAuditReport(desk));
    const Lines body = bodyLines();
    ASSERT_EQ(body.size(), 7u);
    EXPECT_EQ(body[2], " ");
    EXPECT_EQ(body[3], "");
    EXPECT_EQ(body[4], "0 Records");
}

TEST_F(SystemAuditReportTest, AnUnwritableReportFileStartsNothing)
{
    std::filesystem::create_directory(reportPath());
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(reports::WriteSystemAuditReport(desk));
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0].rfind("File error : ", 0), 0u);
    expectNothingStarted();
}

// reports.QBD: 35 slots, the receipt DEP404 of 999.99 deleted. Rows worked by hand: the deleted
// receipt's VAT at S 20 % is 999.99 - 999.99 / 1.2 = 166.665, written 166.67; the split payment
// shows its stored 22.00; the receipt of 1,250,000.00 at Z keeps every digit.
TEST_F(SystemAuditReportTest, TheReportsBookShowsItsDeletedReceiptAndItsWholeAmounts)
{
    loadReportsBook();
    ASSERT_TRUE(reports::WriteSystemAuditReport(desk));
    const Lines body = bodyLines();
    ASSERT_EQ(body.size(), 42u);
    EXPECT_EQ(body[20], "** DEL\t18/Apr/2025\tDEP404\tRCP\tS  \tDeleted receipt     \t           \t     999.99\t   "
                        "\t   \tCURR01\tALPHA1\tSALE\t     166.67\t   ");
    EXPECT_EQ(body[21], "000019\t22/Apr/2025\tCHQ306\tPAY\tSPL\tGlue and screws     \t     147.00\t           \t  Y"
                        "\t   \tCURR01\tBETA02\tMATL\t      22.00\t   ");
    EXPECT_EQ(body[22], "000020\t28/Apr/2025\tDEP405\tRCP\tZ  \tEEC sale to Lyon    \t           \t     500.00\t  Y"
                        "\t   \tCURR01\tGAMMA3\tSALE\t       0.00\tEEC");
    EXPECT_EQ(body[25], "000023\t02/May/2025\tCHQ307\tPAY\tS  \tSkirting boards  cut\t      96.00\t           \t   "
                        "\t   \tCURR01\tBETA02\tMATL\t      16.00\t   ");
    EXPECT_EQ(body[26], "000024\t06/May/2025\tDEP406\tRCP\tZ  \tContract settlement \t           \t1,250,000.00"
                        "\t   \t   \tCURR01\tALPHA1\tSALE\t       0.00\t   ");
    EXPECT_EQ(body[38], "");
    EXPECT_EQ(body[39], "35 Records");
}

} // namespace
