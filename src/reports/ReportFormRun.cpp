#include <algorithm>
#include <string>

#include "core/Book.h"
#include "core/DateText.h"
#include "core/ListHelpers.h"
#include "core/PrinterSetup.h"
#include "core/TypedAmount.h"
#include "platform/Services.h"
#include "reports/DocumentRun.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
#include "reports/ReportPeriods.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr const char* MailMergeJobTag = "WB_MAILMERGEREPORT";

// A date box's text as the request stores it, "yyyymmdd".
std::string requestDate(const std::string& shownDate)
{
    return core::FormatShownDateForStorage(shownDate, "yyyymmdd");
}

// A date box's whole text, never cut: its first 11 characters could name another year. A shorter
// text is padded to the shown width, as the list's period line has always been written.
std::string periodEnd(const std::string& shownDate)
{
    const auto shownWidth = static_cast<std::size_t>(core::DisplayDateWidth);
    return shownDate.size() < shownWidth ? runtime::padRight(shownDate, core::DisplayDateWidth) : shownDate;
}

bool isBlank(const std::string& text)
{
    return runtime::rtrim(text).empty();
}

} // namespace

bool ReportForm::RefuseBlank(platform::Control& control, const std::string& text, const std::string& message)
{
    if (!isBlank(text))
        return false;
    desk_.book().messages.ShowErrorBox(message);
    control.setFocus();
    return true;
}

bool ReportForm::FromAfterTo(const platform::TextBox& from, const platform::TextBox& to) const
{
    return requestDate(from.Text()) > requestDate(to.Text());
}

bool ReportForm::ValidatePeriod(platform::TextBox& from, platform::TextBox& to)
{
    if (RefuseBlank(from, from.Text(), "From Date Required") || RefuseBlank(to, to.Text(), "To Date Required"))
        return false;
    if (FromAfterTo(from, to)) {
        desk_.book().messages.ShowErrorBox("From date is greater than To date");
        to.setFocus();
        return false;
    }
    return true;
}

bool ReportForm::ValidateVatReport()
{
    return ValidatePeriod(TextVatFrom, TextVatTo);
}

bool ReportForm::ValidateBankReport()
{
    if (RefuseBlank(ComboListBanks, ComboListBanks.Text(), "Bank Code Required") ||
        !ValidatePeriod(TextBankFrom, TextBankTo))
        return false;
    if (core::ReadTypedAmount(TextStartBal.Text()))
        return true;
    desk_.book().messages.ShowErrorBox(core::NotAnAmountMessage(TextStartBal.Text(), "Start Balance"));
    TextStartBal.setFocus();
    return false;
}

bool ReportForm::ValidateEecReport()
{
    return ValidatePeriod(TxtEECFrom, TxtEECTo);
}

bool ReportForm::ValidateIncomeExpenditureReport()
{
    if (!ValidatePeriod(TextPLFrom, TextPLTo))
        return false;
    if (core::CountSelectedItems(ListAnal1) < 1) {
        desk_.book().messages.ShowErrorBox("You must select at least 1 Category for this report...");
        ListAnal1.setFocus();
        return false;
    }
    return true;
}

int ReportForm::ValidateCategoryReport()
{
    core::Book& book = desk_.book();
    if (ChkCatOnQry.Value() != 1) {
        if (!ValidatePeriod(TextAnalFrom, TextAnalTo))
            return 0;
    } else if (book.ledger.QueryIndex.empty()) {
        book.messages.ShowErrorBox("To run this report over the Current Filtered List, the List must contain at "
                                   "least 1 transaction");
        ChkCatOnQry.setFocus();
        return 0;
    }
    const int count = core::CountSelectedItems(ListAnalCodes);
    if (count < 1)
        book.messages.ShowErrorBox("At least 1 Category must be selected in order to run this report");
    return count;
}

int ReportForm::CountSelectedCustomers(const platform::ListBox& list)
{
    const int count = core::CountSelectedItems(list);
    if (count < 1)
        desk_.book().messages.ShowErrorBox("At least 1 customer must be selected in order to run this report");
    return count;
}

int ReportForm::ValidateAgedReport()
{
    return CountSelectedCustomers(ListDebCredCust);
}

int ReportForm::ValidateStatementReport()
{
    return CountSelectedCustomers(ListCustState);
}

int ReportForm::ValidateMailMerge()
{
    return CountSelectedCustomers(ListMailCusts);
}

void ReportForm::CmdReport_Click()
{
    core::FilterSetup request;
    ReportWriters& writers = parts_.Writers;
    if (FrameVatReport.Visible()) {
        if (!ValidateVatReport())
            return;
        request.DateOn = core::FlagTrue;
        request.FromDate = requestDate(TextVatFrom.Text());
        request.ToDate = requestDate(TextVatTo.Text());
        if (writers.WriteVatReport)
            writers.WriteVatReport(*this, request, OptVatDetail.Value() ? 2 : 1);
    } else if (FrameBankReport.Visible()) {
        if (!ValidateBankReport())
            return;
        request.DateOn = core::FlagTrue;
        request.FromDate = requestDate(TextBankFrom.Text());
        request.ToDate = requestDate(TextBankTo.Text());
        request.BankOn = core::FlagTrue;
        request.BankCode = runtime::left(ComboListBanks.Text(), 6);
        if (writers.WriteBankActivityReport)
            writers.WriteBankActivityReport(*this, request);
    } else if (FrameDebCredReport.Visible()) {
        const int customers = ValidateAgedReport();
        if (customers < 1)
            return;
        const bool debtors = runtime::left(FrameDebCredReport.Caption(), 12) == "Aged Debtors";
        request.DateOn = core::FlagTrue;
        request.FromDate = std::string(8, ' ');
        request.ToDate = runtime::format(services().now(), "yyyymmdd");
        request.TypeOn = core::FlagTrue;
        request.Types = debtors ? "I" : "B";
        if (writers.WriteAgedBalanceReport)
            writers.WriteAgedBalanceReport(*this, request, debtors ? AgedDebtorsKind : AgedCreditorsKind, customers);
    } else if (FrameCustState.Visible()) {
        if (ValidateStatementReport() < 1)
            return;
        // With one item marked but none current, the marked one is the customer.
        const int item = ListCustState.ListIndex();
        if (item >= 0 && writers.WriteCustomerStatementReport)
            writers.WriteCustomerStatementReport(*this, runtime::left(ListCustState.List(item), 6),
                                                 ChkDaysOver.Value() == 1 ? 1 : 0);
    } else if (FrameProfLossReport.Visible()) {
        if (!ValidateIncomeExpenditureReport())
            return;
        const bool accrual = OptStdAcc.Value() && ChkExcludeVAT.Value() == 1;
        const bool cashOnly = ChkCashOnly.Value() == 1;
        request.DateOn = core::FlagTrue;
        request.FromDate = requestDate(TextPLFrom.Text());
        request.ToDate = requestDate(TextPLTo.Text());
        request.TypeOn = core::FlagTrue;
        request.Types = accrual ? (cashOnly ? "PRYZ" : "PRIBYZ") : (cashOnly ? "PR" : "PRIB");
        if (writers.WriteIncomeExpenditureReport)
            writers.WriteIncomeExpenditureReport(*this, request);
    } else if (FrameEEC.Visible()) {
        if (!ValidateEecReport())
            return;
        const int kind = FrameEEC.Caption().find("Acquis") != std::string::npos ? EecAcquisitionKind : EecSalesKind;
        if (writers.WriteEecListReport)
            writers.WriteEecListReport(*this, kind, periodEnd(TxtEECFrom.Text()), periodEnd(TxtEECTo.Text()));
    } else if (FrameAnalReport.Visible()) {
        RunCategoryReport(request);
    } else if (FrameMailMerge.Visible()) {
        RunMailMerge();
    }
}

void ReportForm::RunCategoryReport(core::FilterSetup& request)
{
    const int categories = ValidateCategoryReport();
    if (categories < 1)
        return;
    core::Book& book = desk_.book();
    request.DateOn = core::FlagTrue;
    request.TypeOn = core::FlagTrue;
    request.Types = "PRIB";
    if (ChkCatOnQry.Value() != 1) {
        request.FromDate = requestDate(TextAnalFrom.Text());
        request.ToDate = requestDate(TextAnalTo.Text());
    } else {
        // The list's earliest and latest dates, in whichever order it is sorted.
        std::string earliest = "99999999";
        std::string latest;
        for (const core::IndexEntry& entry : book.ledger.QueryIndex.entries()) {
            const std::string date = runtime::mid(book.ledger.Transactions.Line(entry.RecordNumber), 7, 8);
            earliest = std::min(earliest, date);
            latest = std::max(latest, date);
        }
        request.FromDate = earliest;
        request.ToDate = latest;
    }
    int months = 1;
    if (ChkAnalByMonth.Value() == 1) {
        months = CountReportMonths(request.FromDate.view(), request.ToDate.view());
        if (months == 0) {
            book.messages.ShowErrorBox("The Maximum date range for a category report is 1 year (13 months)");
            return;
        }
    }
    if (parts_.Writers.WriteCategoryAnalysisReport)
        parts_.Writers.WriteCategoryAnalysisReport(*this, request, categories, months,
                                                   runtime::left(request.FromDate.view(), 6));
}

void ReportForm::RunMailMerge()
{
    if (ValidateMailMerge() < 1)
        return;
    core::Book& book = desk_.book();
    if (!core::SetUpPrinter(book.messages))
        return;
    DocumentRun run(desk_);
    for (int i = 0; i < ListMailCusts.ListCount(); ++i) {
        if (!ListMailCusts.Selected(i))
            continue;
        book.MailMergeCustomerCode = runtime::left(ListMailCusts.List(i), 6);
        if (!run.Print("Mail Merge : Customer " + book.MailMergeCustomerCode.str(), MailMergeJobTag))
            break;
    }
}

} // namespace reports
