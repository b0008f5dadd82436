#include <string_view>

#include "core/ListSearch.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/main/Main.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

struct TypeLook {
    std::string_view code;
    const char* caption;
    long colour;
    bool genPay;
    bool invoiceItems;
    bool remittance;
};

constexpr TypeLook TypeLooks[] = {
    {"PAY", "Payment", 16051437, false, false, true},
    {"RCP", "Receipt", 14342634, false, false, false},
    {"XFR", "Transfer", 15529196, false, false, false},
    {"INV", "Invoice", 0x80000018, true, true, false},
    {"BIL", "Bill", platform::ButtonFaceColour, true, false, true},
};

constexpr std::string_view TransferType = "XFR";

} // namespace

void Main::ShowEditFrame(long colour)
{
    FrameEditBox.setBackColor(colour);
    ToLabel[7].setBackColor(colour);
    for (platform::Label& label : EditLabel.elements())
        label.setBackColor(colour);
    CheckReconciled.setBackColor(colour);
    CheckPaid.setBackColor(colour);
}

void Main::ApplyTypeToEditBox(const std::string& type)
{
    ToLabel[7].setVisible(false);
    ComboToBank.setVisible(false);
    CmdGenPay.setEnabled(false);
    RepInvItem.setEnabled(false);
    ItemInvQuickPrint.setEnabled(false);
    ItemRemittance.setEnabled(false);
    const std::string code = runtime::left(type, 3);
    for (const TypeLook& look : TypeLooks) {
        if (look.code != code)
            continue;
        EditLabel[4].setCaption(look.caption);
        ComboType.setText(code);
        CmdGenPay.setEnabled(look.genPay);
        RepInvItem.setEnabled(look.invoiceItems);
        ItemInvQuickPrint.setEnabled(look.invoiceItems);
        ItemRemittance.setEnabled(look.remittance);
        if (look.code == TransferType) {
            core::CopyListItems(ComboToBank.model(), book.codes.ComboBank, book.codes.TransferBankListChanged);
            ToLabel[7].setVisible(true);
            ComboToBank.setVisible(true);
        }
        ShowEditFrame(look.colour);
        return;
    }
}

void Main::LoadTransactionIntoEditBox(const core::TransactionFields& fields)
{
    ShowRecordInEditBox(fields);
    ItemEEC.setCaption(fields.EEC ? "Remove EEC Stat&us" : "Give Transaction EEC Stat&us");
    EditLabel[7].setVisible(fields.EEC);
    TextTranNum.setText(runtime::padRight(fields.Number, 6));
    ComboType.setText(runtime::padRight(fields.Type, 3));
}

// What a loaded and a pasted transaction both show: all but its number, type and EEC status.
void Main::ShowRecordInEditBox(const core::TransactionFields& fields)
{
    ComboBank.setText(runtime::rtrim(fields.Bank));
    TextDate.setText(runtime::rtrim(fields.Date));
    TextRef.setText(runtime::rtrim(fields.Reference));
    std::string memo = fields.Memo;
    datafile::UnescapeLineBreaks(memo);
    TextComment.setText(runtime::rtrim(memo));
    TextAmount.setText(runtime::format(fields.Amount, "0.00"));
    ComboCustomer.setText(runtime::rtrim(fields.Customer));
    ComboVAT.setText(runtime::rtrim(fields.VAT));
    ComboAnal.setText(runtime::rtrim(fields.Category));
    CheckReconciled.setValue(fields.Reconciled ? 1 : 0);
    CheckPaid.setValue(fields.Paid ? 1 : 0);
    CheckDeleted.setValue(fields.Deleted ? 1 : 0);
    TxtVATAmount.setText(runtime::trim(runtime::signedText(fields.VATAmount)));
    TxtNumSplits.setText(std::to_string(fields.SplitCount));
}

void Main::ClearEntryFields(int mode)
{
    if (mode != core::ClearWholeEditBox)
        return;
    ToLabel[7].setVisible(false);
    ComboToBank.setVisible(false);
    for (platform::ComboBox* combo : {&ComboBank, &ComboCustomer, &ComboVAT, &ComboAnal, &ComboType})
        combo->setText("");
    for (platform::TextBox* text : {&TextDate, &TextRef, &TextComment, &TextAmount, &TextTranNum})
        text->setText("");
    for (platform::CheckBox* check : {&CheckReconciled, &CheckPaid, &CheckDeleted})
        check->setValue(0);
    EditLabel[7].setVisible(false);
}

} // namespace mainwindow
