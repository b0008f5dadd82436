#include <algorithm>
#include <iterator>

#include "core/DateBox.h"
#include "core/ListHelpers.h"
#include "core/ListSearch.h"
#include "core/PickDate.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "mainwindow/main/Main.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace mainwindow {

void Main::wireEntry()
{
    const std::pair<platform::Menu*, const char*> newItems[] = {
        {&PayItem, "PAY"}, {&RcpItem, "RCP"}, {&XfrItem, "XFR"}, {&InvItem, "INV"}, {&BillItem, "BIL"}};
    platform::CommandButton* newButtons[] = {&CmdNewPay, &CmdNewRcp, &CmdXfr, &CmdNewInv, &CmdNewBill};
    for (std::size_t i = 0; i < std::size(newItems); ++i) {
        platform::Menu& item = *newItems[i].first;
        item.Click = [this, type = std::string(newItems[i].second)] { PrepareEditBoxForType(type); };
        newButtons[i]->Click = [&item] { item.Click(); };
    }
    CmdChange.Click = [this] { CmdChange_Click(); };
    CmdDelete.Click = [this] { CmdDelete_Click(); };
    CmdGenPay.Click = [this] { CmdGenPay_Click(); };
    ItemConvertTType.Click = [this] { ItemConvertTType_Click(); };
    ItemEEC.Click = [this] { ItemEEC_Click(); };
    ItemCopyTran.Click = [this] { ItemCopyTran_Click(); };
    ItemPasteTran.Click = [this] { ItemPasteTran_Click(); };
    EditInvNum.Click = [this] { EditInvNum_Click(); };
    AddSTOItem.Click = [this] { AddSTOItem_Click(); };

    // Enter stores the transaction from the single-line fields; in the memo it makes a new line.
    const auto defaultOn = [this] { CmdChange.setDefault(true); };
    const auto defaultOff = [this] { CmdChange.setDefault(false); };
    for (platform::TextBox* text : {&TextDate, &TextRef, &TextAmount})
        text->GotFocus = [this, text] {
            core::SelectAllText(services(), *text);
            CmdChange.setDefault(true);
        };
    TextComment.GotFocus = [this] {
        CmdChange.setDefault(false);
        core::SelectAllText(services(), TextComment);
    };
    TextDate.LostFocus = [this] { TextDate_LostFocus(); };
    TextRef.LostFocus = defaultOff;
    TextAmount.LostFocus = [this] { TextAmount_LostFocus(); };
    TextDate.DblClick = [this] { TextDate.setText(core::PickDate(book, calendar, TextDate.Text())); };
    for (platform::ComboBox* combo : {&ComboBank, &ComboToBank, &ComboCustomer, &ComboVAT, &ComboAnal})
        combo->GotFocus = defaultOn;
    // Leaving a code combo: a code its list lacks is offered to the code window. True when it was.
    const auto checkCode = [this](platform::ComboBox& combo, core::CodeKind kind) {
        CmdChange.setDefault(false);
        const int width = core::CodeWidth(kind);
        const std::string code = runtime::rtrim(runtime::padRight(combo.Text(), width));
        if (code.empty() || core::FindListItem(combo.model(), runtime::padRight(runtime::ucase(code), width), width) >= 0)
            return false;
        std::string typed = combo.Text();
        AddCodeFromMainWindow(kind, typed, combo);
        return true;
    };
    ComboBank.LostFocus = [this, checkCode] { checkCode(ComboBank, core::CodeKind::Bank); };
    ComboCustomer.LostFocus = [this, checkCode] { checkCode(ComboCustomer, core::CodeKind::Customer); };
    ComboAnal.LostFocus = [this, checkCode] { checkCode(ComboAnal, core::CodeKind::Category); };
    ComboVAT.LostFocus = [this, checkCode] {
        if (runtime::ucase(runtime::trim(ComboVAT.Text())) == "SPL")
            CmdChange.setDefault(false);
        else
            checkCode(ComboVAT, core::CodeKind::Vat);
    };
    ComboToBank.LostFocus = [this, checkCode] {
        if (!checkCode(ComboToBank, core::CodeKind::Bank))
            return;
        book.codes.TransferBankListChanged = true;
        core::CopyListItems(ComboToBank.model(), book.codes.ComboBank, book.codes.TransferBankListChanged);
        ComboToBank.setText(runtime::rtrim(book.codes.LastUsed.Bank.view()));
    };
    // The type changes only through the new-transaction and convert commands.
    ComboType.setEnabled(false);
    ComboType.KeyPress = [](int& keyAscii) { keyAscii = core::UpperCaseKey(keyAscii); };
}

bool Main::EnterStoresFrom(const platform::Control* control) const
{
    const platform::Control* const fields[] = {&TextDate,  &TextRef,       &TextAmount, &ComboBank,
                                               &ComboToBank, &ComboCustomer, &ComboVAT,   &ComboAnal};
    return std::find(std::begin(fields), std::end(fields), control) != std::end(fields);
}

void Main::TextDate_LostFocus()
{
    CmdChange.setDefault(false);
    core::LeaveDateBox(book.messages, TextDate);
}

void Main::TextAmount_LostFocus()
{
    CmdChange.setDefault(false);
    if (const std::optional<double> amount = core::ParseTypedAmount(TextAmount.Text()))
        TextAmount.setText(runtime::format(*amount, "0.00"));
}

} // namespace mainwindow
