#include <string>
#include <vector>

#include "BalanceReportTest.h"
#include "reports/ReportTitle.h"

namespace {

class AgedBalanceReportTest : public BalanceReportTest {
protected:
    void runAllCustomers(int kind, int supressZeros)
    {
        run(kind, [supressZeros](reports::ReportForm& f) {
            selectAll(f.ListDebCredCust);
            f.ChkZeroCust.setValue(supressZeros);
        });
    }
};

TEST_F(AgedBalanceReportTest, DebtorsOweTheirUnpaidInvoicesByAge)
{
    const std::string splits = "001Edited split                       10.00S      ";
    book.SplitTail = splits;
    runAllCustomers(reports::AgedDebtorsKind, 0);
    EXPECT_EQ(answers, std::vector<bool>{true});
    expectReport("aged-debtors.TXT");
    expectViewerStarted();
    EXPECT_EQ(book.SplitTail, splits);
}

TEST_F(AgedBalanceReportTest, SupressZeroAmountsLeavesOutCustomersOwingNothing)
{
    runAllCustomers(reports::AgedDebtorsKind, 1);
    expectReport("aged-debtors-no-zeros.TXT");
}

TEST_F(AgedBalanceReportTest, CreditorsAreOwedTheirUnpaidBills)
{
    runAllCustomers(reports::AgedCreditorsKind, 0);
    expectReport("aged-creditors.TXT");
    runAllCustomers(reports::AgedCreditorsKind, 1);
    expectReport("aged-creditors-no-zeros.TXT");
}

TEST_F(AgedBalanceReportTest, TextEditorGetsNoViewerLines)
{
    host.output = reports::ReportOutput::Notepad;
    runAllCustomers(reports::AgedCreditorsKind, 1);
    expectEditorReport("aged-creditors-no-zeros.TXT", false);
    expectNotepadStarted();
}

TEST_F(AgedBalanceReportTest, UnwritableFileStartsNothing)
{
    expectUnwritableFileRefused(reports::AgedDebtorsKind, [](reports::ReportForm& f) { selectAll(f.ListDebCredCust); });
}

} // namespace
