#include <optional>

#include "core/CodeList.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/main/Main.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

void Main::PrepareEditBoxForType(const std::string& type)
{
    EnableRecordCommands();
    ResetEntryFields(core::ClearWholeEditBox);
    CheckPaid.setValue(1);
    ItemEEC.setCaption("Give Transaction EEC Stat&us");
    EditLabel[7].setVisible(false);
    ApplyTypeToEditBox(type);
    if (type == "PAY" || type == "RCP") {
        ShowLastUsedCodes();
    } else if (type == "XFR") {
        TextComment.setText("Trnsfr To A/C");
        ComboCustomer.setText("");
        ComboVAT.setText("");
        bool transferCategory = false;
        for (int i = 0; i < ComboAnal.ListCount() && !transferCategory; ++i)
            transferCategory = core::IsSameFirstFour(ComboAnal.List(i), "XFR ");
        ComboAnal.setText(transferCategory ? "XFR" : "");
    } else if (type == "INV" || type == "BIL") {
        if (type == "INV")
            TextRef.setText(book.counters.PeekNextInvoiceNumberText());
        ShowLastUsedCodes();
        CheckPaid.setValue(0);
    }
    // The next store appends.
    book.ledger.CurrentTransactionLine.clear();
    book.ledger.CurrentTransactionIndex = 0;
    focusIfShown(ComboBank);
}

void Main::ResetEntryFields(int mode)
{
    if (mode != core::ClearWholeEditBox)
        return;
    for (platform::ComboBox* combo : {&ComboBank, &ComboToBank, &ComboCustomer, &ComboVAT, &ComboAnal, &ComboType})
        combo->setText("");
    TextDate.setText(runtime::format(services().now(), "dd/Mmm/yyyy"));
    TextRef.setText(book.counters.PeekNextTransactionNumberText());
    TextComment.setText("");
    TextAmount.setText("0.00");
    CheckReconciled.setValue(0);
    CheckPaid.setValue(1);
    CheckDeleted.setValue(0);
    for (platform::TextBox* text : {&TextTranNum, &TxtVATAmount, &TxtNumSplits})
        text->setText("");
    book.SplitTail.clear();
}

void Main::ShowLastUsedCodes()
{
    const core::LastUsedCodes& last = book.codes.LastUsed;
    ComboBank.setText(runtime::rtrim(last.Bank.view()));
    ComboCustomer.setText(runtime::rtrim(last.Customer.view()));
    ComboVAT.setText(runtime::rtrim(last.VAT.view()));
    ComboAnal.setText(runtime::rtrim(last.Category.view()));
}

void Main::ShowTransactionInEditBox(const core::TransactionFields& fields)
{
    ShowRecordInEditBox(fields);
    book.SplitTail = CopiedSplitTail;
}

void Main::EditBoxToRecord(core::TransactionFields& fields)
{
    const auto code = [](const platform::ComboBox& combo, int width) {
        return runtime::padRight(runtime::ucase(combo.Text()), width);
    };
    fields.Number = runtime::padRight(TextTranNum.Text(), 6);
    // Whole: Update may come by Enter while the box still holds "15 March 2025".
    fields.Date = TextDate.Text();
    fields.Reference = runtime::padRight(TextRef.Text(), 6);
    fields.Bank = code(ComboBank, 6);
    fields.Customer = code(ComboCustomer, 6);
    fields.VAT = code(ComboVAT, 3);
    fields.Category = code(ComboAnal, 4);
    fields.Type = runtime::padRight(ComboType.Text(), 3);
    std::string memo = runtime::left(TextComment.Text(), 74);
    datafile::EscapeLineBreaks(memo);
    fields.Memo = runtime::padRight(memo, 74);

    TextAmount.setText(GrossAmountText());
    fields.Amount = core::ReadTypedAmount(TextAmount.Text()).value_or(0);

    if (CheckReconciled.Value() == 1)
        fields.Reconciled = true;
    if (CheckPaid.Value() == 1)
        fields.Paid = true;
    if (CheckDeleted.Value() == 1)
        fields.Deleted = true;
    fields.VATAmount = runtime::val(TxtVATAmount.Text());
    fields.SplitCount = runtime::toInt16(runtime::val(TxtNumSplits.Text()));
    fields.AmountPaid = 0;
    fields.EEC = EditLabel[7].Visible();
}

std::string Main::GrossAmountText() const
{
    // A net amount the box refuses (a negative one too) stays as typed, for validation to name it.
    const std::optional<double> net = core::ReadTypedNetAmount(TextAmount.Text());
    if (!net || *net < 0)
        return TextAmount.Text();
    const double rate = core::GetCodeListValue(book.codes.ListVATCodes, runtime::left(runtime::ucase(ComboVAT.Text()), 3));
    return runtime::format(*net + *net * rate / 100, "0.00");
}

} // namespace mainwindow
