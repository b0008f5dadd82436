#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/DateBox.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "mainwindow/codes/CodeRecords.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace mainwindow {

using core::CodeKind;

namespace {

// The code VAT splits are marked with; no VAT code of the table may take it.
constexpr const char* SplitVatCode = "SPL";
constexpr double HighestVatRate = 99999999.99;

bool isBlankAfterLeading(const std::string& text)
{
    return runtime::ltrim(text).empty();
}

void upperCaseBox(platform::TextBox& box)
{
    box.setText(runtime::ucase(box.Text()));
}

} // namespace

void SelectCodeInList(platform::ListBox& list, const std::string& key, int length)
{
    const int index = core::FindListItem(list.model(), key, length);
    if (index >= 0)
        list.setListIndex(index);
}

void MaintainCodes::CmdSaveBank_Click()
{
    if (const auto kind = visiblePage())
        SaveCodeRecord(*kind);
    book_.ledger.FileChanged = true;
}

bool MaintainCodes::SaveCodeRecord(CodeKind kind)
{
    if (!ValidatePage(kind))
        return false;
    const std::string line = PageLine(kind);
    const std::string mirrorText = MirrorText(kind, line);
    const int width = core::CodeWidth(kind);
    platform::ListModel& table = book_.codes.table(kind);
    platform::ListModel& mirror = book_.codes.mirror(kind);
    const bool saved = IsCurrentRecordEmpty(kind)
        ? core::AddCodeLine(book_.messages, table, mirror, line, mirrorText, width)
        : core::ReplaceCodeLine(book_, table, mirror, line, mirrorText, CurrentCode(kind), width, kind);
    if (saved) {
        // The stored balance carries the start balance change; the labels show it only now, so a
        // refused save leaves them and a second Update cannot add the change twice.
        const double change = kind == CodeKind::Bank ? StartBalanceChange() : 0;
        KeepPageRecord(kind);
        if (kind == CodeKind::Bank) {
            LblBankBal.setCaption(runtime::format(runtime::val(LblBankBal.Caption()) + change, "0.00"));
            LblNomBal.setCaption(runtime::format(runtime::val(LblNomBal.Caption()) + change, "0.00"));
        }
        SetChangedFlag(kind);
    }
    SelectCodeInList(*page(kind).list, mirrorText, width);
    return saved;
}

bool MaintainCodes::ValidatePage(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: return ValidateBankAccountFields();
    case CodeKind::Vat: return ValidateVatCodeFields();
    case CodeKind::Customer: return ValidateCustomerFields();
    case CodeKind::Category: return ValidateCategoryFields();
    }
    return false;
}

void MaintainCodes::Refuse(platform::TextBox& box, const std::string& message)
{
    book_.messages.ShowErrorBox(message);
    box.setFocus();
}

bool MaintainCodes::Required(platform::TextBox& box, const std::string& message)
{
    if (!isBlankAfterLeading(box.Text()))
        return true;
    Refuse(box, message);
    return false;
}

bool MaintainCodes::ValidateBankAccountFields()
{
    upperCaseBox(TextBankCode);
    if (!Required(TextBankCode, "Bank Code Required") || !Required(TextBankName, "Bank Name Required"))
        return false;
    // Enter presses Update from the date box before it is left: its date is checked as leaving does.
    core::LeaveDateBox(book_.messages, TextDateOpened);
    if (isBlankAfterLeading(TextStartBal.Text()))
        TextStartBal.setText(" 0.00");
    // A balance wider than its column would push the rest of the line out of place.
    const std::string range = core::AmountColumnRange;
    const std::optional<double> startBalance = core::ReadTypedAmount(TextStartBal.Text());
    if (!startBalance) {
        Refuse(TextStartBal, core::NotAnAmountMessage(TextStartBal.Text(), "Start Balance"));
        return false;
    }
    if (!core::FitsAmountColumn(*startBalance)) {
        Refuse(TextStartBal, "Start Balance must be between " + range);
        return false;
    }
    if (!core::FitsAmountColumn(ReadBankAccountFields().Balance)) {
        // The stored balance moves with the start balance, and keeps to the same width.
        Refuse(TextStartBal, "Recon Balance must be between " + range);
        return false;
    }
    return true;
}

bool MaintainCodes::ValidateVatCodeFields()
{
    upperCaseBox(TextVATCode);
    if (!Required(TextVATCode, "VAT Code Required"))
        return false;
    if (runtime::ltrim(TextVATCode.Text()) == SplitVatCode) {
        Refuse(TextVATCode, std::string("'") + SplitVatCode
                                + "'is the System Code for Splits.Coose another code for this VAT Rate");
        return false;
    }
    if (!Required(TextVATName, "VAT Name Required"))
        return false;
    if (isBlankAfterLeading(TextVATRate.Text())) {
        TextVATRate.setText("0.00");
        return true;
    }
    const std::optional<double> rate = core::ReadTypedAmount(TextVATRate.Text());
    if (!rate) {
        Refuse(TextVATRate, core::NotAnAmountMessage(TextVATRate.Text(), "VAT Rate"));
        return false;
    }
    if (*rate < 0 || *rate > HighestVatRate) {
        Refuse(TextVATRate, "VAT Rate must be between 0.00 and 99,999,999.99");
        return false;
    }
    return true;
}

bool MaintainCodes::ValidateCustomerFields()
{
    upperCaseBox(TextCustCode);
    return Required(TextCustCode, "Customer Code Required") && Required(TextCustName, "Customer Name Required");
}

bool MaintainCodes::ValidateCategoryFields()
{
    upperCaseBox(TextAnalCode);
    return Required(TextAnalCode, "Category Code Required") && Required(TextAnalName, "Category Name Required");
}

double MaintainCodes::StartBalanceChange() const
{
    return core::ReadTypedAmount(TextStartBal.Text()).value_or(0) - CurrentBankAccount.StartBalance;
}

core::BankAccountRecord MaintainCodes::ReadBankAccountFields() const
{
    core::BankAccountRecord record;
    record.Code = TextBankCode.Text();
    record.Name = TextBankName.Text();
    record.Address = TextBankAddress.Text();
    record.Tel = TextBankTel.Text();
    record.DateOpened = TextDateOpened.Text();
    record.StartBalance = core::ReadTypedAmount(TextStartBal.Text()).value_or(0);
    record.Balance = runtime::val(LblBankBal.Caption()) + StartBalanceChange();
    return record;
}

core::VatCodeRecord MaintainCodes::ReadVatCodeFields() const
{
    core::VatCodeRecord record;
    record.Code = TextVATCode.Text();
    record.Name = TextVATName.Text();
    record.Rate = core::ReadTypedAmount(TextVATRate.Text()).value_or(0);
    return record;
}

core::CustomerRecord MaintainCodes::ReadCustomerFields() const
{
    core::CustomerRecord record;
    record.Code = TextCustCode.Text();
    record.Name = TextCustName.Text();
    record.Address = TextCustAddress.Text();
    record.Tel = TextCustTel.Text();
    record.Fax = TextCustFax.Text();
    return record;
}

core::CategoryRecord MaintainCodes::ReadCategoryFields() const
{
    core::CategoryRecord record;
    record.Code = TextAnalCode.Text();
    record.Name = TextAnalName.Text();
    return record;
}

std::string MaintainCodes::PageLine(CodeKind kind) const
{
    switch (kind) {
    case CodeKind::Bank: return core::FormatBankAccountLine(ReadBankAccountFields());
    case CodeKind::Vat: return core::FormatVatCodeLine(ReadVatCodeFields());
    case CodeKind::Customer: return core::FormatCustomerLine(ReadCustomerFields());
    case CodeKind::Category: return core::FormatCategoryLine(ReadCategoryFields());
    }
    return {};
}

void MaintainCodes::KeepPageRecord(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: CurrentBankAccount = ReadBankAccountFields(); break;
    case CodeKind::Vat: CurrentVatCode = ReadVatCodeFields(); break;
    case CodeKind::Customer: CurrentCustomer = ReadCustomerFields(); break;
    case CodeKind::Category: CurrentCategory = ReadCategoryFields(); break;
    }
}

bool MaintainCodes::IsCurrentRecordEmpty(CodeKind kind) const
{
    switch (kind) {
    case CodeKind::Bank: return IsBankAccountRecordEmpty(CurrentBankAccount);
    case CodeKind::Vat: return IsVatCodeRecordEmpty(CurrentVatCode);
    case CodeKind::Customer: return IsCustomerRecordEmpty(CurrentCustomer);
    case CodeKind::Category: return IsCategoryRecordEmpty(CurrentCategory);
    }
    return true;
}

std::string MaintainCodes::CurrentCode(CodeKind kind) const
{
    switch (kind) {
    case CodeKind::Bank: return CurrentBankAccount.Code.str();
    case CodeKind::Vat: return CurrentVatCode.Code.str();
    case CodeKind::Customer: return CurrentCustomer.Code.str();
    case CodeKind::Category: return CurrentCategory.Code.str();
    }
    return {};
}

void MaintainCodes::SetChangedFlag(CodeKind kind)
{
    core::CodeTables& codes = book_.codes;
    switch (kind) {
    case CodeKind::Bank:
        codes.BankListChanged = true;
        codes.TransferBankListChanged = true;
        break;
    case CodeKind::Vat: codes.VatListChanged = true; break;
    case CodeKind::Customer: codes.CustomerListChanged = true; break;
    case CodeKind::Category: codes.CategoryListChanged = true; break;
    }
}

} // namespace mainwindow
