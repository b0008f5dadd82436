#include "mainwindow/main/Main.h"

#include <utility>

#include "reports/AgedBalanceReport.h"
#include "reports/BankActivityReport.h"
#include "reports/CategoryAnalysisReport.h"
#include "reports/CustomerStatementReport.h"
#include "reports/IncomeExpenditureReport.h"
#include "reports/ReportTitle.h"

namespace mainwindow {

void Main::wireBalanceReports()
{
    const std::pair<platform::Menu*, int> items[] = {
        {&RepBankItem, reports::BankActivityKind},        {&RepDebtorsItem, reports::AgedDebtorsKind},
        {&RepCreditorsItem, reports::AgedCreditorsKind},  {&RepProfLossItem, reports::IncomeExpenditureKind},
        {&RepAnalItem, reports::CategoryAnalysisKind},    {&ItemRepCustState, reports::CustomerStatementKind},
    };
    for (const auto& [item, kind] : items)
        item->Click = [this, kind = kind] { ReportChooser().SetUpReportForm(kind); };
}

void Main::addBalanceReportWriters(reports::ReportWriters& writers)
{
    writers.WriteBankActivityReport = [this](reports::ReportForm& form, core::FilterSetup& request) {
        reports::WriteBankActivityReport(reportDesk, form, request);
    };
    writers.WriteAgedBalanceReport = [this](reports::ReportForm& form, core::FilterSetup& request, int kind,
                                            int customers) {
        reports::WriteAgedBalanceReport(reportDesk, form, request, kind, customers);
    };
    writers.WriteCustomerStatementReport = [this](reports::ReportForm&, const std::string& customer, int daysOver) {
        reports::WriteCustomerStatementReport(reportDesk, customer, daysOver);
    };
    writers.WriteIncomeExpenditureReport = [this](reports::ReportForm& form, core::FilterSetup& request) {
        reports::WriteIncomeExpenditureReport(reportDesk, form, request);
    };
    writers.WriteCategoryAnalysisReport = [this](reports::ReportForm& form, core::FilterSetup& request, int categories,
                                                 int months, const std::string& startMonth) {
        reports::WriteCategoryAnalysisReport(reportDesk, form, request, categories, months, startMonth);
    };
}

} // namespace mainwindow
