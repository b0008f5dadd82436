#include "core/TextTests.h"
#include "mainwindow/main/Main.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

struct CodePage {
    platform::Frame& frame;
    platform::TextBox& codeBox;
    platform::TextBox& nameBox;
};

CodePage pageOf(MaintainCodes& codes, core::CodeKind kind)
{
    switch (kind) {
    case core::CodeKind::Bank: return {codes.FrameAccount, codes.TextBankCode, codes.TextBankName};
    case core::CodeKind::Vat: return {codes.FrameVAT, codes.TextVATCode, codes.TextVATName};
    case core::CodeKind::Customer: return {codes.FrameCustomers, codes.TextCustCode, codes.TextCustName};
    case core::CodeKind::Category: break;
    }
    return {codes.FrameCategories, codes.TextAnalCode, codes.TextAnalName};
}

std::string lastUsedCode(const core::LastUsedCodes& last, core::CodeKind kind)
{
    switch (kind) {
    case core::CodeKind::Bank: return last.Bank.str();
    case core::CodeKind::Vat: return last.VAT.str();
    case core::CodeKind::Customer: return last.Customer.str();
    case core::CodeKind::Category: break;
    }
    return last.Category.str();
}

} // namespace

void Main::AddCodeFromMainWindow(core::CodeKind kind, std::string& typed, platform::ComboBox& combo)
{
    if (maintainCodes.Visible())
        return;
    maintainCodes.ResetEntryFields(kind);
    maintainCodes.ShowCodeInFields(kind);
    const CodePage page = pageOf(maintainCodes, kind);
    page.frame.setVisible(true);
    const int width = core::CodeWidth(kind);
    if (static_cast<int>(runtime::rtrim(typed).size()) <= width) {
        core::UpperCasePrefix(typed, width);
        page.codeBox.setText(typed);
    } else {
        page.nameBox.setText(typed);
    }
    maintainCodes.ClearCurrentRecord(kind);
    maintainCodes.Show(true);

    // The code goes back to the combo that was left: tested after the window closed, the paying
    // bank's text would already name the account just added and send it to the receiving bank.
    combo.setText(lastUsedCode(book.codes.LastUsed, kind));
}

} // namespace mainwindow
