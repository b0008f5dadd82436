#include <memory>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/ReportForm.h"
#include "reports/ReportTitle.h"
#include "reports/VatReport.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

const std::string Blank9 = "         \t      \t";
const std::string TotalRule = Blank9 + std::string(19, ' ') + "\t___________\t     \t___________\t___________";

// The chooser on 15 June 2025, its Report button starting the VAT report.
class VatReportRun : public ReportTest {
protected:
    VatReportRun()
    {
        parts.Writers.WriteVatReport = [this](reports::ReportForm& form, core::FilterSetup& request, int mode) {
            written = reports::WriteVatReport(desk, form, request, mode);
            lastRequest = request;
        };
        form = std::make_unique<reports::ReportForm>(desk, parts);
    }

    // Fills the VAT frame as a user would and presses Report.
    // Answers what the writer answered.
    bool run(const std::string& from, const std::string& to, bool cash, bool detail, bool splits)
    {
        services.onModal<reports::ReportForm>("ReportForm", [&](reports::ReportForm& f) {
            f.TextVatFrom.userSetText(from);
            f.TextVatTo.userSetText(to);
            (cash ? f.OptCashScheme : f.OptStandardScheme).userClick();
            (detail ? f.OptVatDetail : f.OptVatSummary).userClick();
            if (splits != (f.ChkShowSplits.Value() == 1))
                f.ChkShowSplits.userClick();
            f.CmdReport.userClick();
        });
        EXPECT_TRUE(form->SetUpReportForm(reports::VatReportKind));
        return written;
    }

    // The lines from the first box line to the end of the boxes.
    Lines boxLines() const
    {
        const Lines lines = reportLines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind("(1) VAT", 0) == 0)
                return {lines.begin() + static_cast<long>(i), lines.end() - 2};
        ADD_FAILURE() << "no box lines";
        return {};
    }

    reports::ReportFormParts parts;
    std::unique_ptr<reports::ReportForm> form;
    bool written = false;
    core::FilterSetup lastRequest;
};

// Over company.QBD: VAT codes STD 17.50 % and ZER, a paid invoice and a split payment in April 2024.
class VatReportTest : public VatReportRun {
protected:
    VatReportTest() { loadCompany(); }
};

// Over the hand-made book of the reports, reports.QBD.
class VatReportBookTest : public VatReportRun {
protected:
    VatReportBookTest() { loadReportsBook(); }
};

TEST_F(VatReportTest, DetailWithSplitsListsEachSideWithItsTotalsAndTheReturn)
{
    host.output = reports::ReportOutput::Notepad;
    book.SplitTail = "001Edited split                       10.00STD    ";
    ASSERT_TRUE(run("01/Apr/2024", "30/Apr/2024", false, true, true));
    // Inputs: the split payment of 70.00 carries VAT 7.50 (net 62.50); its entries are worked from
    // their codes: Paper 47.00 at 17.5 % is 40.00 + 7.00, Stamps 23.00 at 0 % has no VAT.
    // Outputs: the paid invoice of 117.50 at 17.5 % is 100.00 + 17.50.
    // (3) = 17.50 + 0.00; (4) = 7.50 + 0.00; (5) = 17.50 - 7.50; (6) = 100.00; (7) = 62.50.
    EXPECT_EQ(reportLines(),
              (Lines{
                  "Quillbook 2000-32 VAT Report            :  Acme Trading Ltd 15/Jun/2025 09:30:05",
                  "",
                  "From 01/Apr/2024  To 30/Apr/2024",
                  "",
                  "** Detail **",
                  "*** REPORT STARTS ***",
                  "",
                  "",
                  Blank9 + "                    \t    Taxable\tCode\t        Tax\t     Total",
                  Blank9 + "                    \t___________\t____\t___________\t____________",
                  "INPUTS ",
                  "10/Apr/2024\tCHQ100\tOffice supplies     \t      62.50\tSPL\t       7.50\t      70.00",
                  Blank9 + "Paper               \t      40.00\tSTD\t       7.00\t      47.00",
                  Blank9 + "Stamps              \t      23.00\tZER\t \t      23.00",
                  TotalRule,
                  "INPUTS   \t Total:\t                    \t      62.50\t     \t       7.50\t      70.00",
                  TotalRule,
                  "OUTPUTS",
                  "05/Apr/2024\tINV001\tConsulting  April wo\t     100.00\tSTD\t      17.50\t     117.50",
                  TotalRule,
                  "OUTPUTS  \t Total:\t                    \t     100.00\t     \t      17.50\t     117.50",
                  TotalRule,
                  "",
                  "(1) VAT\t      \tdue on outputs     :\t      17.50",
                  "(2) VAT\t      \tdue on EC Aquistns :\t       0.00",
                  "(3)Total\t      \tVAT due            :\t      17.50",
                  "(4) VAT\t      \treclaimed on inputs:\t       7.50",
                  "",
                  "(5) Net VAT\t      \tdue         :\t      10.00",
                  "",
                  "(6) Total \tOutputs\t excl VAT  : \t     100.00",
                  "(7) Total \tInputs \t excl VAT  : \t      62.50",
                  "",
                  "(8) Total \tEEC    \texcl Supplies : \t       0.00",
                  "(9) Total \tEEC    \texcl Aquistns : \t       0.00",
                  " ",
                  "*** End Of\t Report ***",
              }));
    EXPECT_EQ(book.SplitTail, "001Edited split                       10.00STD    ");
    EXPECT_EQ(runtime::rtrim(lastRequest.Types.str()), "RIY");
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe QB.TXT");
}

TEST_F(VatReportTest, CashSchemeTakesOnlyPaymentsAndReceipts)
{
    addTransaction("10/Mar/2025", "PAY", 117.50);
    addTransaction("12/Mar/2025", "RCP", 235.00);
    addTransaction("13/Mar/2025", "INV", 470.00);
    addTransaction("14/Mar/2025", "BIL", 47.00, "STD", false, true);
    addTransaction("15/Mar/2025", "RCP", 99.00, ""); // no VAT code: never counted
    ASSERT_TRUE(run("01/Mar/2025", "31/Mar/2025", true, true, false));
    const Lines lines = reportLines();
    EXPECT_EQ(lines[7], "From 01/Mar/2025  To 31/Mar/2025  CASH ACCOUNTING SCHEME");
    EXPECT_EQ(lines[16], "10/Mar/2025\t      \tGoods               \t     100.00\tSTD\t      17.50\t     117.50");
    EXPECT_EQ(lines[18], "INPUTS   \t Total:\t                    \t     100.00\t     \t      17.50\t     117.50");
    EXPECT_EQ(lines[21], "12/Mar/2025\t      \tGoods               \t     200.00\tSTD\t      35.00\t     235.00");
    EXPECT_EQ(lines[23], "OUTPUTS  \t Total:\t                    \t     200.00\t     \t      35.00\t     235.00");
    EXPECT_EQ(boxLines(), (Lines{
                              "(1) VAT\t      \tdue on outputs     :\t      35.00",
                              "(2) VAT\t      \tdue on EC Aquistns :\t       0.00",
                              "(3)Total\t      \tVAT due            :\t      35.00",
                              "(4) VAT\t      \treclaimed on inputs:\t      17.50",
                              "",
                              "(5) Net VAT\t      \tdue         :\t      17.50",
                              "",
                              "(6) Total \tOutputs\t excl VAT  : \t     200.00",
                              "(7) Total \tInputs \t excl VAT  : \t     100.00",
                              "",
                              "(8) Total \tEEC    \texcl Supplies : \t       0.00",
                              "(9) Total \tEEC    \texcl Aquistns : \t       0.00",
                          }));
    EXPECT_EQ(runtime::rtrim(lastRequest.Types.str()), "R");
}

TEST_F(VatReportTest, AnEecBillCountsOnlyInTheAcquisitionBoxes)
{
    addTransaction("10/Mar/2025", "BIL", 1000.00, "STD", true);
    ASSERT_TRUE(run("01/Mar/2025", "31/Mar/2025", false, false, false));
    // 17.5 % charged on top of the net 1,000.00.
    EXPECT_EQ(reportLines(), (Lines{
                                 "ARIAL",
                                 "8",
                                 "000720",
                                 "000720",
                                 "000002",
                                 "Quillbook 2000-32 VAT Report            :  Acme Trading Ltd 15/Jun/2025 09:30:05",
                                 "",
                                 "From 01/Mar/2025  To 31/Mar/2025",
                                 "",
                                 "*** REPORT STARTS ***",
                                 "",
                                 "",
                                 "*** Summary ***",
                                 "",
                                 "",
                                 "(1) VAT\t      \tdue on outputs     :\t       0.00",
                                 "(2) VAT\t      \tdue on EC Aquistns :\t     175.00",
                                 "(3)Total\t      \tVAT due            :\t     175.00",
                                 "(4) VAT\t      \treclaimed on inputs:\t     175.00",
                                 "",
                                 "(5) Net VAT\t      \tReclaimable :\t       0.00",
                                 "",
                                 "(6) Total \tOutputs\t excl VAT  : \t       0.00",
                                 "(7) Total \tInputs \t excl VAT  : \t   1,000.00",
                                 "",
                                 "(8) Total \tEEC    \texcl Supplies : \t       0.00",
                                 "(9) Total \tEEC    \texcl Aquistns : \t   1,000.00",
                                 " ",
                                 "*** End Of\t Report ***",
                             }));
}

TEST_F(VatReportTest, MoreVatReclaimedThanDueIsReclaimableWithItsSign)
{
    addTransaction("10/Mar/2025", "RCP", 587.50);        // 500.00 + 87.50
    addTransaction("11/Mar/2025", "PAY", 881.25);        // 750.00 + 131.25
    addTransaction("12/Mar/2025", "RCP", 500.00, "ZZZ"); // a code not in the table: rate 0
    ASSERT_TRUE(run("01/Mar/2025", "31/Mar/2025", false, true, false));
    const Lines boxes = boxLines();
    EXPECT_EQ(boxes[0], "(1) VAT\t      \tdue on outputs     :\t      87.50");
    EXPECT_EQ(boxes[3], "(4) VAT\t      \treclaimed on inputs:\t     131.25");
    EXPECT_EQ(boxes[5], "(5) Net VAT\t      \tReclaimable :\t     -43.75");
    EXPECT_EQ(boxes[7], "(6) Total \tOutputs\t excl VAT  : \t   1,000.00");
    EXPECT_EQ(boxes[8], "(7) Total \tInputs \t excl VAT  : \t     750.00");
}

TEST_F(VatReportTest, AnEmptyPeriodGivesZeroTotalsAndReclaimable)
{
    ASSERT_TRUE(run("01/Jan/2025", "31/Jan/2025", false, true, false));
    const Lines lines = reportLines();
    EXPECT_EQ(lines[17], "INPUTS   \t Total:\t                    \t       0.00\t     \t       0.00\t       0.00");
    EXPECT_EQ(lines[21], "OUTPUTS  \t Total:\t                    \t       0.00\t     \t       0.00\t       0.00");
    EXPECT_EQ(boxLines()[5], "(5) Net VAT\t      \tReclaimable :\t       0.00");
}

TEST_F(VatReportTest, AnUnwritableReportFileStartsNothing)
{
    std::filesystem::create_directory(reportPath());
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(run("01/Apr/2024", "30/Apr/2024", false, true, true));
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0].rfind("File error : ", 0), 0u);
    expectNothingStarted();
}

// reports.QBD from 01/Mar/2025 to 30/Jun/2025 under the standard scheme, in detail with splits.
// Gross amounts hold VAT at S 20 %, R 5 %, Z 0 %: 1,200.00 is 1,000.00 + 200.00, 52.50 is 50.00 +
// 2.50; the split payment of 147.00 shows its stored VAT 22.00 and its entries worked from their
// codes (Glue 126.00 = 105.00 + 21.00 at S, Screws 21.00 = 20.00 + 1.00 at R; the code without its
// blanks). Left out: the transfer, the parking and May's rent (no VAT code), the deleted receipt,
// and the EEC sale and bill, which count only in the boxes.
//   INPUTS  amounts 360 + 240 + 800 + 52.50 + 75 + 210 + 147 + 150 + 96 + 60 + 90 + 180 = 2,460.50
//           VAT     60 + 40 + 2.50 + 10 + 22 + 16 + 10 + 15 + 30 = 205.50; net 2,255.00
//   OUTPUTS amounts 1,200 + 960 + 900 + 1,800 + 1,800 + 720 + 600 + 1,250,000 + 31.50 + 360 + 240
//           + 210 + 120 + 150 + 480 = 1,259,571.50
//           VAT     200 + 160 + 150 + 300 + 300 + 120 + 100 + 1.50 + 60 + 40 + 10 + 20 + 80 = 1,541.50
//           net     1,258,030.00
//   (1) 1,541.50  (2) the EEC bill at Z: 0.00  (3) 1,541.50  (4) 205.50  (5) 1,541.50 - 205.50
//   (6) 1,258,030.00 + the EEC sale 500.00  (7) 2,255.00 + the EEC bill 300.00  (8) 500.00  (9) 300.00
const Lines StandardDetail{
    "ARIAL",
    "8",
    "000720",
    "000720",
    "000002",
    "Quillbook 2000-32 VAT Report            :  Harbour Lane Joinery 15/Jun/2025 10:30:00",
    "",
    "From 01/Mar/2025  To 30/Jun/2025",
    "",
    "** Detail **",
    "*** REPORT STARTS ***",
    "",
    "",
    "         \t      \t                    \t    Taxable\tCode\t        Tax\t     Total",
    "         \t      \t                    \t___________\t____\t___________\t____________",
    "INPUTS ",
    "05/Mar/2025\tCHQ301\tOak boards          \t     300.00\tS  \t      60.00\t     360.00",
    "07/Mar/2025\tBIL201\tTimber order        \t     200.00\tS  \t      40.00\t     240.00",
    "10/Mar/2025\tCHQ302\tWorkshop rent March \t     800.00\tZ  \t       0.00\t     800.00",
    "14/Mar/2025\tCHQ303\tVan diesel          \t      50.00\tR  \t       2.50\t      52.50",
    "04/Apr/2025\tCHQ304\tTrade association fe\t      75.00\tZ  \t       0.00\t      75.00",
    "12/Apr/2025\tBIL202\tVarnish             \t     200.00\tR  \t      10.00\t     210.00",
    "22/Apr/2025\tCHQ306\tGlue and screws     \t     125.00\tSPL\t      22.00\t     147.00",
    "         \t      \tGlue                \t     105.00\tS\t      21.00\t     126.00",
    "         \t      \tScrews              \t      20.00\tR\t       1.00\t      21.00",
    "01/May/2025\tBIL204\tSheet materials     \t     150.00\tZ  \t       0.00\t     150.00",
    "02/May/2025\tCHQ307\tSkirting boards  cut\t      80.00\tS  \t      16.00\t      96.00",
    "03/Jun/2025\tCHQ309\tVan fuel            \t      50.00\tS  \t      10.00\t      60.00",
    "05/Jun/2025\tBIL205\tVan hire            \t      75.00\tS  \t      15.00\t      90.00",
    "13/Jun/2025\tCHQ310\tVan service         \t     150.00\tS  \t      30.00\t     180.00",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "INPUTS   \t Total:\t                    \t   2,255.00\t     \t     205.50\t   2,460.50",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "OUTPUTS",
    "03/Mar/2025\tDEP401\tKitchen fitting     \t   1,000.00\tS  \t     200.00\t   1,200.00",
    "16/Mar/2025\tINV101\tStaircase           \t     800.00\tS  \t     160.00\t     960.00",
    "17/Mar/2025\tINV102\tSash windows        \t     750.00\tS  \t     150.00\t     900.00",
    "02/Apr/2025\tINV103\tFitted wardrobes    \t   1,500.00\tS  \t     300.00\t   1,800.00",
    "10/Apr/2025\tDEP403\tWardrobes paid      \t   1,500.00\tS  \t     300.00\t   1,800.00",
    "15/Apr/2025\tINV104\tOak doors           \t     600.00\tS  \t     120.00\t     720.00",
    "16/Apr/2025\tINV105\tBookcases           \t     500.00\tS  \t     100.00\t     600.00",
    "06/May/2025\tDEP406\tContract settlement \t1,250,000.00\tZ  \t       0.00\t1,250,000.00",
    "12/May/2025\tDEP407\tCash sale hinges    \t      30.00\tR  \t       1.50\t      31.50",
    "15/May/2025\tINV106\tWindow boxes        \t     300.00\tS  \t      60.00\t     360.00",
    "16/May/2025\tINV107\tShelving            \t     200.00\tS  \t      40.00\t     240.00",
    "28/May/2025\tDEP408\tGarden bench        \t     200.00\tR  \t      10.00\t     210.00",
    "10/Jun/2025\tINV108\tCoat hooks          \t     100.00\tS  \t      20.00\t     120.00",
    "12/Jun/2025\tDEP409\tDeposit for stairs  \t     150.00\tZ  \t       0.00\t     150.00",
    "20/Jun/2025\tINV109\tPorch canopy        \t     400.00\tS  \t      80.00\t     480.00",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "OUTPUTS  \t Total:\t                    \t1,258,030.00\t     \t   1,541.50\t1,259,571.50",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "",
    "(1) VAT\t      \tdue on outputs     :\t   1,541.50",
    "(2) VAT\t      \tdue on EC Aquistns :\t       0.00",
    "(3)Total\t      \tVAT due            :\t   1,541.50",
    "(4) VAT\t      \treclaimed on inputs:\t     205.50",
    "",
    "(5) Net VAT\t      \tdue         :\t   1,336.00",
    "",
    "(6) Total \tOutputs\t excl VAT  : \t1,258,530.00",
    "(7) Total \tInputs \t excl VAT  : \t   2,555.00",
    "",
    "(8) Total \tEEC    \texcl Supplies : \t     500.00",
    "(9) Total \tEEC    \texcl Aquistns : \t     300.00",
    " ",
    "*** End Of\t Report ***",
};

// The same period under the cash scheme, in detail without splits: payments and receipts only.
//   INPUTS  360 + 800 + 52.50 + 75 + 147 + 96 + 60 + 180 = 1,770.50; VAT 60 + 2.50 + 22 + 16 + 10 + 30
//           = 140.50; net 1,630.00
//   OUTPUTS 1,200 + 1,800 + 1,250,000 + 31.50 + 210 + 150 = 1,253,391.50; VAT 200 + 300 + 1.50 + 10
//           = 511.50; net 1,252,880.00
//   (5) 511.50 - 140.50 = 371.00  (6) 1,252,880.00 + 500.00  (7) 1,630.00  (8) 500.00  (9) 0.00
const Lines CashDetail{
    "Quillbook 2000-32 VAT Report            :  Harbour Lane Joinery 15/Jun/2025 10:30:00",
    "",
    "From 01/Mar/2025  To 30/Jun/2025  CASH ACCOUNTING SCHEME",
    "",
    "** Detail **",
    "*** REPORT STARTS ***",
    "",
    "",
    "         \t      \t                    \t    Taxable\tCode\t        Tax\t     Total",
    "         \t      \t                    \t___________\t____\t___________\t____________",
    "INPUTS ",
    "05/Mar/2025\tCHQ301\tOak boards          \t     300.00\tS  \t      60.00\t     360.00",
    "10/Mar/2025\tCHQ302\tWorkshop rent March \t     800.00\tZ  \t       0.00\t     800.00",
    "14/Mar/2025\tCHQ303\tVan diesel          \t      50.00\tR  \t       2.50\t      52.50",
    "04/Apr/2025\tCHQ304\tTrade association fe\t      75.00\tZ  \t       0.00\t      75.00",
    "22/Apr/2025\tCHQ306\tGlue and screws     \t     125.00\tSPL\t      22.00\t     147.00",
    "02/May/2025\tCHQ307\tSkirting boards  cut\t      80.00\tS  \t      16.00\t      96.00",
    "03/Jun/2025\tCHQ309\tVan fuel            \t      50.00\tS  \t      10.00\t      60.00",
    "13/Jun/2025\tCHQ310\tVan service         \t     150.00\tS  \t      30.00\t     180.00",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "INPUTS   \t Total:\t                    \t   1,630.00\t     \t     140.50\t   1,770.50",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "OUTPUTS",
    "03/Mar/2025\tDEP401\tKitchen fitting     \t   1,000.00\tS  \t     200.00\t   1,200.00",
    "10/Apr/2025\tDEP403\tWardrobes paid      \t   1,500.00\tS  \t     300.00\t   1,800.00",
    "06/May/2025\tDEP406\tContract settlement \t1,250,000.00\tZ  \t       0.00\t1,250,000.00",
    "12/May/2025\tDEP407\tCash sale hinges    \t      30.00\tR  \t       1.50\t      31.50",
    "28/May/2025\tDEP408\tGarden bench        \t     200.00\tR  \t      10.00\t     210.00",
    "12/Jun/2025\tDEP409\tDeposit for stairs  \t     150.00\tZ  \t       0.00\t     150.00",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "OUTPUTS  \t Total:\t                    \t1,252,880.00\t     \t     511.50\t1,253,391.50",
    "         \t      \t                   \t___________\t     \t___________\t___________",
    "",
    "(1) VAT\t      \tdue on outputs     :\t     511.50",
    "(2) VAT\t      \tdue on EC Aquistns :\t       0.00",
    "(3)Total\t      \tVAT due            :\t     511.50",
    "(4) VAT\t      \treclaimed on inputs:\t     140.50",
    "",
    "(5) Net VAT\t      \tdue         :\t     371.00",
    "",
    "(6) Total \tOutputs\t excl VAT  : \t1,253,380.00",
    "(7) Total \tInputs \t excl VAT  : \t   1,630.00",
    "",
    "(8) Total \tEEC    \texcl Supplies : \t     500.00",
    "(9) Total \tEEC    \texcl Aquistns : \t       0.00",
    " ",
    "*** End Of\t Report ***",
};

TEST_F(VatReportBookTest, StandardSchemeInDetailWithSplits)
{
    ASSERT_TRUE(run("01/Mar/2025", "30/Jun/2025", false, true, true));
    EXPECT_EQ(reportLines(), StandardDetail);
}

TEST_F(VatReportBookTest, CashSchemeInDetailWithoutSplits)
{
    host.output = reports::ReportOutput::Notepad;
    ASSERT_TRUE(run("01/Mar/2025", "30/Jun/2025", true, true, false));
    EXPECT_EQ(reportLines(), CashDetail);
}

TEST_F(VatReportBookTest, StandardSchemeInSummary)
{
    host.output = reports::ReportOutput::Notepad;
    ASSERT_TRUE(run("01/Mar/2025", "30/Jun/2025", false, false, false));
    // The boxes of the detailed report (its last 15 lines, from the empty line above box (1)) alone.
    Lines expected{
        "Quillbook 2000-32 VAT Report            :  Harbour Lane Joinery 15/Jun/2025 10:30:00",
        "",
        "From 01/Mar/2025  To 30/Jun/2025",
        "",
        "*** REPORT STARTS ***",
        "",
        "",
        "*** Summary ***",
        "",
    };
    expected.insert(expected.end(), StandardDetail.end() - 15, StandardDetail.end());
    EXPECT_EQ(reportLines(), expected);
}

} // namespace
