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

// The chooser over company.QBD (VAT codes STD 17.50 % and ZER) on 15 June 2025, its Report button
// starting the VAT report.
class VatReportTest : public ReportTest {
protected:
    VatReportTest()
    {
        loadCompany();
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

} // namespace
