#include "core/DateText.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/TypedAmount.h"
#include "mainwindow/main/Main.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

// The code reserved for transactions with splits.
constexpr const char* SplitCode = "SPL";

// A code as the book stores it: upper case, blank-padded or cut to its kind's width.
std::string AsCode(std::string_view text, core::CodeKind kind)
{
    return runtime::padRight(runtime::ucase(runtime::rtrim(text)), core::CodeWidth(kind));
}

bool IsListed(const platform::ComboBox& combo, const std::string& code, core::CodeKind kind)
{
    return core::FindListItem(combo.model(), code, core::CodeWidth(kind)) >= 0;
}

} // namespace

bool Main::ValidateTransaction(core::TransactionFields& fields)
{
    const auto refuse = [this](const std::string& message, platform::Control& box) {
        book.messages.ShowErrorBox(message);
        focusIfShown(box);
        return false;
    };
    const auto invalidCode = [](const std::string& code, const char* what) {
        return "'" + runtime::rtrim(code) + "' is not a valid " + what;
    };

    fields.Bank = AsCode(fields.Bank, core::CodeKind::Bank);
    if (runtime::rtrim(fields.Bank).empty())
        return refuse("Bank Code required", ComboBank);
    if (!IsListed(ComboBank, fields.Bank, core::CodeKind::Bank))
        return refuse(invalidCode(fields.Bank, "Bank Code"), ComboBank);

    if (ComboToBank.Visible()) {
        // Compared as codes, so "b1" typed against "B1" chosen from the list is one account.
        const std::string toBank = AsCode(runtime::left(ComboToBank.Text(), 6), core::CodeKind::Bank);
        if (toBank == AsCode(runtime::left(ComboBank.Text(), 6), core::CodeKind::Bank))
            return refuse("When creating a Transfer, From Bank account may not be the same as To Bank Account",
                          ComboToBank);
        if (!IsListed(ComboToBank, toBank, core::CodeKind::Bank))
            return refuse(invalidCode(ComboToBank.Text(), "Bank Code"), ComboToBank);
    }

    if (!core::IsValidDate(fields.Date))
        return refuse("A valid Date is required", TextDate);

    fields.Customer = AsCode(fields.Customer, core::CodeKind::Customer);
    if (!runtime::rtrim(fields.Customer).empty() && !IsListed(ComboCustomer, fields.Customer, core::CodeKind::Customer))
        return refuse(invalidCode(fields.Customer, "Customer Code"), ComboCustomer);

    const std::string vatBox = ComboVAT.Text();
    const bool splitCodeChosen = runtime::ucase(runtime::left(vatBox, 3)) == SplitCode;
    if (!vatBox.empty() && !splitCodeChosen && fields.SplitCount > 0) {
        const platform::Answer answer = book.messages.AskYesNoCancel(
            std::string("This transaction has Splits. Do you wish to assign the system VAT split code '") + SplitCode +
            "' to this transaction?");
        if (answer == platform::Answer::Cancel) {
            focusIfShown(ComboVAT);
            return false;
        }
        if (answer == platform::Answer::Yes) {
            fields.VAT = SplitCode;
            ComboVAT.setText(SplitCode);
        }
    } else if (splitCodeChosen && fields.SplitCount < 1) {
        const platform::Answer answer = book.messages.AskYesNo(
            std::string("'") + SplitCode +
            "' is the system code for Split Transactions. This transaction has no splits. Are you sure you want to "
            "use this code?");
        if (answer != platform::Answer::Yes) {
            focusIfShown(ComboVAT);
            return false;
        }
    }

    fields.VAT = AsCode(fields.VAT, core::CodeKind::Vat);
    const std::string vat = runtime::rtrim(fields.VAT);
    if (!vat.empty() && vat != SplitCode && !IsListed(ComboVAT, fields.VAT, core::CodeKind::Vat))
        return refuse(invalidCode(fields.VAT, "VAT Code"), ComboVAT);

    fields.Category = AsCode(fields.Category, core::CodeKind::Category);
    if (!runtime::rtrim(fields.Category).empty() && !IsListed(ComboAnal, fields.Category, core::CodeKind::Category))
        return refuse(invalidCode(fields.Category, "Analysis Code"), ComboAnal);

    // The stored amount is unsigned: the type gives the sign. A net amount left here was refused.
    const std::string typed = TextAmount.Text();
    std::optional<double> amount = core::ReadTypedAmount(typed);
    if (!amount)
        amount = core::ReadTypedNetAmount(typed);
    if (!amount)
        return refuse(core::NotAnAmountMessage(typed, "Amount"), TextAmount);
    if (*amount < 0)
        return refuse("Amount '" + typed + "' may not be negative: the transaction type gives its sign", TextAmount);
    // An amount wider than its column could not be stored.
    if (!core::FitsUnsignedAmountColumn(fields.Amount))
        return refuse(std::string("Amount must be between ") + core::UnsignedAmountColumnRange, TextAmount);
    return true;
}

} // namespace mainwindow
