#include "reports/ReportTitle.h"

#include "core/Messages.h"
#include "reports/ReportDesk.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int CompanyNameInTitle = 20;

} // namespace

std::string_view ReportTitleText(int kind)
{
    switch (kind) {
    case CurrentFilteredListKind: return " Current Filtered List : ";
    case VatReportKind: return " VAT Report            :  ";
    case ReconciliationKind: return " Reconciliation Report : ";
    case StandingOrderKind: return " Standing Order Report : ";
    case BankAccountKind: return " Bank Account Report   : ";
    case CustomerKind: return " Customer Report       : ";
    case VatCodeKind: return " VAT Code Report       : ";
    case CategoryKind: return " Category Report       : ";
    case BankActivityKind: return " Bank Activity Report  : ";
    case DocumentTextKind: return "INVOICE ";
    case AgedDebtorsKind: return " Aged Debtors Report   : ";
    case AgedCreditorsKind: return " Aged Creditors Report : ";
    case IncomeExpenditureKind: return " Income & Expenditure  : ";
    case CategoryAnalysisKind: return " Category Analysis     : ";
    case SystemAuditKind: return " System Audit Report   : ";
    case CustomerStatementKind: return " Customer Statement    : ";
    case EecSalesKind: return " EEC Sales List        : ";
    case EecAcquisitionKind: return " EEC Acquisition List  : ";
    case NetOfVatListKind: return " Current Filtered List Net of VAT : ";
    default: return "";
    }
}

std::string ReportTimestampNow(platform::Services& services)
{
    const runtime::Date now = services.now();
    return runtime::format(now, "dd/Mmm/yyyy") + " " + runtime::format(now, "hh:mm:ss");
}

std::string BuildReportTitle(ReportDesk& desk, int kind)
{
    if (runtime::rtrim(desk.ReportTimestamp).empty())
        desk.ReportTimestamp = ReportTimestampNow(desk.services());
    const std::string_view title = ReportTitleText(kind);
    if (kind == DocumentTextKind || title.empty())
        return std::string(title);
    const std::string company = runtime::left(runtime::rtrim(desk.book().company.CompanyName.view()), CompanyNameInTitle);
    return std::string(core::ProductTitle) + std::string(title) + company + " " + desk.ReportTimestamp;
}

} // namespace reports
