#include <algorithm>
#include <string>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/DateText.h"
#include "core/FilterCombos.h"
#include "core/FilterStore.h"
#include "core/ListSearch.h"
#include "core/ListHelpers.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
#include "reports/ReportTitle.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace reports {

namespace {

// The edit box emptied of every field.
constexpr int ClearWholeEditBox = 5;

void copyCodes(platform::ListControl& target, const platform::ListModel& source)
{
    bool changed = true;
    core::CopyListItems(target.model(), source, changed);
}

std::string storedDate(const core::FixedText<8>& field)
{
    return core::FormatYmdAsDisplayDate(core::StoredText(field));
}

// Adds the item of `code` (its first `length` characters) to the list's selection; a code that is
// not listed changes nothing.
void selectCode(platform::ListBox& list, const std::string& code, int length)
{
    if (runtime::rtrim(code).empty())
        return;
    const int item = core::FindListItem(list.model(), code, length);
    if (item >= 0)
        list.setSelected(item, true);
}

} // namespace

bool ReportForm::SetUpReportForm(int kind)
{
    core::Book& book = desk_.book();
    const std::string keptSplitTail = book.SplitTail;
    core::FillFilterNameList(book, ComboSubListFilters);
    book.ledger.Window().ClearEntryFields(ClearWholeEditBox);
    book.ledger.Window().UpdateMenuState();
    CmdWhatLetter.setVisible(false);

    const core::CodeTables& codes = book.codes;
    const std::string today = runtime::format(services().now(), "dd/Mmm/yyyy");
    platform::Frame* frame = nullptr;
    switch (kind) {
    case VatReportKind:
        setCaption("VAT Report");
        frame = &FrameVatReport;
        break;
    case BankActivityKind:
        setCaption("Bank Report");
        copyCodes(ComboListBanks, codes.ComboBank);
        frame = &FrameBankReport;
        break;
    case AgedDebtorsKind:
    case AgedCreditorsKind:
        setCaption(kind == AgedDebtorsKind ? "Aged Debtors Report" : "Aged Creditors Report");
        copyCodes(ListDebCredCust, codes.ComboCustomer);
        FrameDebCredReport.setCaption((kind == AgedDebtorsKind ? "Aged Debtors as of " : "Aged Creditors as of ") + today);
        frame = &FrameDebCredReport;
        break;
    case IncomeExpenditureKind:
        setCaption("Income & Expenditure Report");
        copyCodes(ListAnal1, codes.ComboAnal);
        core::SelectAllListItems(ListAnal1);
        ChkExcludeVAT.setValue(1);
        ChkExcludeVAT.setVisible(true);
        frame = &FrameProfLossReport;
        break;
    case CategoryAnalysisKind:
        setCaption("Category Analysis Report");
        copyCodes(ListAnalCodes, codes.ComboAnal);
        frame = &FrameAnalReport;
        break;
    case MailMergeKind:
        setCaption("Mail Merge");
        copyCodes(ListMailCusts, codes.ComboCustomer);
        CmdWhatLetter.setVisible(true);
        frame = &FrameMailMerge;
        break;
    case CustomerStatementKind:
        setCaption("Customer Statement");
        copyCodes(ListCustState, codes.ComboCustomer);
        frame = &FrameCustState;
        break;
    case EecSalesKind:
    case EecAcquisitionKind:
        setCaption(kind == EecSalesKind ? "EEC Sales Report" : "EEC Acquisition Report");
        FrameEEC.setCaption(kind == EecSalesKind ? "EEC Sales for Period" : "EEC Acquisitions for Period");
        frame = &FrameEEC;
        break;
    default:
        return false;
    }
    // Exactly one frame shows, whatever the last use left visible.
    hideFrames();
    frame->setVisible(true);
    Show(true);
    book.SplitTail = keptSplitTail;
    return true;
}

void ReportForm::ComboSubListFilters_Click()
{
    if (const int kind = FrameKind())
        PresetFromFilterSetup(kind);
    CmdCancel.setFocus();
}

void ReportForm::CmdCancel_GotFocus()
{
    if (runtime::rtrim(ComboSubListFilters.Text()) == core::CurrentFilterName)
        ComboSubListFilters.setText(desk_.book().ledger.Filters.CurrentFilter.Name.str());
}

void ReportForm::PresetFromFilterSetup(int kind)
{
    static constexpr int PresetKinds[] = {VatReportKind,     BankActivityKind,      AgedDebtorsKind,
                                          AgedCreditorsKind, IncomeExpenditureKind, CategoryAnalysisKind,
                                          MailMergeKind,     CustomerStatementKind, EecSalesKind};
    if (std::find(std::begin(PresetKinds), std::end(PresetKinds), kind) == std::end(PresetKinds))
        return;
    core::Book& book = desk_.book();
    const core::FixedText<20> name(runtime::rtrim(ComboSubListFilters.Text()));
    core::FilterSetup setup;
    core::FindFilterSetup(book, name.view(), setup);

    switch (kind) {
    case VatReportKind:
        TextVatFrom.setText(storedDate(setup.FromDate));
        TextVatTo.setText(storedDate(setup.ToDate));
        break;
    case BankActivityKind: {
        TextBankFrom.setText(storedDate(setup.FromDate));
        TextBankTo.setText(storedDate(setup.ToDate));
        ComboListBanks.setText(core::StoredText(setup.BankCode));
        const std::string bank = runtime::left(ComboListBanks.Text(), 6);
        if (!runtime::rtrim(TextBankFrom.Text()).empty() && !runtime::rtrim(bank).empty())
            TextStartBal.setText(StartBalances(bank, TextBankFrom.Text()).first);
        break;
    }
    case AgedDebtorsKind:
    case AgedCreditorsKind:
        selectCode(ListDebCredCust, core::StoredText(setup.CustCode), 6);
        break;
    case IncomeExpenditureKind:
        TextPLFrom.setText(storedDate(setup.FromDate));
        TextPLTo.setText(storedDate(setup.ToDate));
        break;
    case CategoryAnalysisKind:
        selectCode(ListAnalCodes, core::StoredText(setup.CatCode), 4);
        TextAnalFrom.setText(storedDate(setup.FromDate));
        TextAnalTo.setText(storedDate(setup.ToDate));
        break;
    case MailMergeKind:
        selectCode(ListMailCusts, core::StoredText(setup.CustCode), 6);
        break;
    case CustomerStatementKind:
        selectCode(ListCustState, core::StoredText(setup.CustCode), 6);
        break;
    case EecSalesKind:
        TxtEECFrom.setText(storedDate(setup.FromDate));
        TxtEECTo.setText(storedDate(setup.ToDate));
        break;
    }
}

void ReportForm::SelectMailCustomersByBalance(int mode)
{
    // One walk over the transactions serves every customer of the list.
    const core::AccountTotals totals = core::SumEveryAccount(desk_.book());
    for (int i = 0; i < ListMailCusts.ListCount(); ++i) {
        const std::string code = runtime::padRight(runtime::left(ListMailCusts.List(i), 6), 6);
        const auto found = totals.Customers.find(code);
        const core::CustomerTotals customer = found == totals.Customers.end() ? core::CustomerTotals{} : found->second;
        const double net = customer.Outstanding();
        if ((mode == 1 && net > 0) || (mode == -1 && net < 0) || (mode == 2 && customer.Invoices > 0))
            ListMailCusts.setSelected(i, true);
    }
}

} // namespace reports
