#include "mainwindow/codes/MaintainCodes.h"

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/DateBox.h"
#include "core/PickDate.h"
#include "core/ListHelpers.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace mainwindow {

using core::CodeKind;

namespace {

constexpr const char* AmountPattern = "0.00;-0.00";
constexpr CodeKind PageOrder[] = {CodeKind::Bank, CodeKind::Vat, CodeKind::Customer, CodeKind::Category};

// Page layout, in twips inside a frame: the list on the left, captions and boxes on the right. The
// list is wide enough for a bank line's code, name and balance whole.
constexpr double ListLeft = 120, ListTop = 300, ListWidth = 4200, ListHeight = 3795;
constexpr double CaptionLeft = 4440, CaptionWidth = 1380;
constexpr double BoxLeft = 5880, BoxWidth = 2400, BoxHeight = 285, RowStep = 360, AddressHeight = 855;
constexpr double FrameWidth = 8415;

void placeRow(platform::Label& caption, const std::string& text, platform::Control& box, double top, double height = BoxHeight)
{
    caption.Move(CaptionLeft, top + 30, CaptionWidth, 255);
    caption.setCaption(text);
    box.Move(BoxLeft, top, BoxWidth, height);
}

void setUpBox(platform::TextBox& box, int maxLength, int tabIndex)
{
    box.setMaxLength(maxLength);
    box.setTabIndex(tabIndex);
}

std::string trimmed(std::string_view field)
{
    return runtime::rtrim(field);
}

} // namespace

MaintainCodes::MaintainCodes(core::Book& book, CodeWindowHost& host, platform::Form& calendar)
    : Form(book.services(), "MaintainCodes"), book_(book), host_(host), calendar_(calendar),
      shownTables_{OneLineListCopy(book.codes.ListBankAccounts), OneLineListCopy(book.codes.ListVATCodes),
                   OneLineListCopy(book.codes.ListCustCodes), OneLineListCopy(book.codes.ListAnalCodes)},
      pages_{Page{&FrameAccount, &ListBankAccounts, &TextBankCode,
                  {&TextBankCode, &TextBankName, &TextBankAddress, &TextBankTel, &TextStartBal, &TextDateOpened}},
             Page{&FrameVAT, &ListVATCodes, &TextVATCode, {&TextVATCode, &TextVATName, &TextVATRate}},
             Page{&FrameCustomers, &ListCustCodes, &TextCustCode,
                  {&TextCustCode, &TextCustName, &TextCustAddress, &TextCustTel, &TextCustFax}},
             Page{&FrameCategories, &ListAnalCodes, &TextAnalCode, {&TextAnalCode, &TextAnalName}}}
{
    setCaption("Maintain Codes");
    Move(0, 0, FrameWidth + 345, 5460);
    layOutPages();

    const double buttonTop = 4560;
    double buttonLeft = 240;
    int tabIndex = 40;
    for (auto [button, caption] : {std::pair{&CmdNewBank, "&New"}, std::pair{&CmdSaveBank, "&Update"},
                                   std::pair{&CmdDeleteBank, "&Delete"}, std::pair{&CmdPrint, "&Print"},
                                   std::pair{&CmdDone, "&Close"}}) {
        button->Move(buttonLeft, buttonTop, 1335, 375);
        button->setCaption(caption);
        button->setTabIndex(tabIndex++);
        buttonLeft += 1575;
    }
    CmdSaveBank.setDefault(true);
    CmdDone.setCancel(true);

    wireEvents();
    endDesign();
}

void MaintainCodes::layOutPages()
{
    for (Page& shown : pages_) {
        shown.frame->Move(120, 60, FrameWidth, 4335);
        shown.frame->setVisible(false);
        shown.list->Move(ListLeft, ListTop, ListWidth, ListHeight);
        shown.list->setFontName("Courier New");
        shown.list->setFontSize(8);
    }
    FrameAccount.setCaption("Bank Accounts");
    FrameVAT.setCaption("VAT Codes");
    FrameCustomers.setCaption("Customers");
    FrameCategories.setCaption("Categories");
    for (CodeKind kind : PageOrder)
        page(kind).list->setModel(shownTables_[static_cast<std::size_t>(kind) - 1].shown());

    // Tab order: category page, bank page, customer page, VAT page, then the buttons.
    FrameCategories.setTabIndex(0);
    placeRow(LblAnalCode, "Code", TextAnalCode, ListTop);
    placeRow(LblAnalName, "Name", TextAnalName, ListTop + RowStep);
    setUpBox(TextAnalCode, 4, 1);
    setUpBox(TextAnalName, 20, 2);
    ListAnalCodes.setTabIndex(3);

    FrameAccount.setTabIndex(4);
    double top = ListTop;
    placeRow(LblBankCode, "Bank Code", TextBankCode, top);
    placeRow(LblBankName, "Name", TextBankName, top += RowStep);
    placeRow(LblBankAddress, "Address", TextBankAddress, top += RowStep, AddressHeight);
    placeRow(LblBankTel, "Telephone", TextBankTel, top += AddressHeight + RowStep - BoxHeight);
    placeRow(LblDateOpened, "Date Open", TextDateOpened, top += RowStep);
    placeRow(LblStartBal, "Start Balance", TextStartBal, top += RowStep);
    placeRow(LblBankBalTitle, "Recon Balance", LblBankBal, top += RowStep);
    placeRow(LblNomBalTitle, "True Bal", LblNomBal, top += RowStep);
    LblBankBal.setBorderStyle(1);
    LblNomBal.setBorderStyle(1);
    LblBankBal.setAlignment(platform::RightJustify);
    LblNomBal.setAlignment(platform::RightJustify);
    LblHelpHint.Move(CaptionLeft, top + RowStep + 60, 3900, 255);
    LblHelpHint.setCaption("Press F1 for Help");
    LblHelpHint.setForeColor(0x0000C0);
    // Shown only once the page is open for entry on a book without accounts (first paint).
    LblHelpHint.setVisible(false);
    setUpBox(TextBankCode, 6, 5);
    setUpBox(TextBankName, 20, 6);
    setUpBox(TextBankAddress, 80, 7);
    TextBankAddress.setMultiLine(true);
    setUpBox(TextBankTel, 15, 8);
    setUpBox(TextDateOpened, 11, 9);
    setUpBox(TextStartBal, 12, 10);
    TextStartBal.setAlignment(platform::RightJustify);
    ListBankAccounts.setTabIndex(11);

    FrameCustomers.setTabIndex(12);
    top = ListTop;
    placeRow(LblCustCode, "Code", TextCustCode, top);
    placeRow(LblCustName, "Name", TextCustName, top += RowStep);
    placeRow(LblCustAddress, "Address", TextCustAddress, top += RowStep, AddressHeight);
    placeRow(LblCustTel, "Telephone", TextCustTel, top += AddressHeight + RowStep - BoxHeight);
    placeRow(LblCustFax, "Fax", TextCustFax, top += RowStep);
    MailLetter.Move(BoxLeft, top + RowStep + 120, 1455, 375);
    MailLetter.setCaption("&Mail Letter");
    setUpBox(TextCustCode, 6, 13);
    setUpBox(TextCustName, 20, 14);
    setUpBox(TextCustAddress, 80, 15);
    TextCustAddress.setMultiLine(true);
    setUpBox(TextCustTel, 15, 16);
    setUpBox(TextCustFax, 15, 17);
    ListCustCodes.setTabIndex(18);
    MailLetter.setTabIndex(19);

    FrameVAT.setTabIndex(20);
    placeRow(LblVATCode, "VAT Code", TextVATCode, ListTop);
    placeRow(LblVATName, "Name", TextVATName, ListTop + RowStep);
    placeRow(LblVATRate, "Rate", TextVATRate, ListTop + 2 * RowStep);
    setUpBox(TextVATCode, 3, 21);
    setUpBox(TextVATName, 20, 22);
    setUpBox(TextVATRate, 12, 23);
    TextVATRate.setAlignment(platform::RightJustify);
    ListVATCodes.setTabIndex(24);
}

void MaintainCodes::wireEvents()
{
    for (CodeKind kind : PageOrder) {
        Page& shown = page(kind);
        shown.list->DblClick = [this, kind] { CodeList_DblClick(kind); };
        shown.codeBox->KeyPress = [](int& keyAscii) { keyAscii = core::UpperCaseKey(keyAscii); };
        for (platform::TextBox* box : shown.boxes)
            box->GotFocus = [this, box] { core::SelectAllText(services(), *box); };
    }
    for (platform::TextBox* address : {&TextBankAddress, &TextCustAddress}) {
        address->GotFocus = [this, address] { AddressBox_GotFocus(*address); };
        address->LostFocus = [this] { AddressBox_LostFocus(); };
    }
    TextDateOpened.LostFocus = [this] { TextDateOpened_LostFocus(); };
    TextDateOpened.DblClick = [this] { TextDateOpened_DblClick(); };
    TextStartBal.LostFocus = [this] { TextStartBal_LostFocus(); };
    CmdNewBank.Click = [this] { CmdNewBank_Click(); };
    CmdSaveBank.Click = [this] { CmdSaveBank_Click(); };
    CmdDone.Click = [this] { CmdDone_Click(); };
    CmdDeleteBank.Click = [this] { CmdDeleteBank_Click(); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    MailLetter.Click = [this] { MailLetter_Click(); };
}

void MaintainCodes::Form_Load()
{
    for (CodeKind kind : PageOrder)
        ClearCodeFields(kind);
    firstPaintPending_ = true;
}

void MaintainCodes::Form_Paint()
{
    if (!firstPaintPending_)
        return;
    firstPaintPending_ = false;
    const auto kind = visiblePage();
    if (!kind || !page(*kind).codeBox->Enabled())
        return;
    page(*kind).codeBox->setFocus();
    if (*kind == CodeKind::Bank)
        LblHelpHint.setVisible(ListBankAccounts.ListCount() == 0);
}

void MaintainCodes::Form_QueryUnload(int& cancel, int unloadMode)
{
    // The window holds the pages' state for the whole run: its close box closes it as Close does.
    if (unloadMode == platform::UnloadByUser) {
        cancel = 1;
        CmdDone_Click();
    }
}

std::optional<CodeKind> MaintainCodes::visiblePage() const
{
    for (CodeKind kind : PageOrder) {
        if (pages_[static_cast<int>(kind) - 1].frame->Visible())
            return kind;
    }
    return std::nullopt;
}

void MaintainCodes::ClearCodeFields(CodeKind kind)
{
    CmdDeleteBank.setEnabled(false);
    CmdSaveBank.setEnabled(false);
    for (platform::TextBox* box : page(kind).boxes)
        box->setEnabled(false);
}

void MaintainCodes::ShowCodeInFields(CodeKind kind)
{
    CmdDeleteBank.setEnabled(true);
    CmdSaveBank.setEnabled(true);
    for (platform::TextBox* box : page(kind).boxes)
        box->setEnabled(true);
}

void MaintainCodes::ClearEntryFields(CodeKind kind)
{
    for (platform::TextBox* box : page(kind).boxes)
        box->setText("");
    if (kind == CodeKind::Bank) {
        LblBankBal.setCaption("");
        LblNomBal.setCaption("");
    }
}

void MaintainCodes::ResetEntryFields(CodeKind kind)
{
    ClearEntryFields(kind);
    if (kind == CodeKind::Bank) {
        TextDateOpened.setText(runtime::format(services().now(), "dd/Mmm/yyyy"));
        TextStartBal.setText("0.00");
        LblBankBal.setCaption("0.00");
        LblNomBal.setCaption("0.00");
    } else if (kind == CodeKind::Vat) {
        TextVATRate.setText("0.00");
    }
}

void MaintainCodes::ClearCurrentRecord(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: CurrentBankAccount = {}; break;
    case CodeKind::Vat: CurrentVatCode = {}; break;
    case CodeKind::Customer: CurrentCustomer = {}; break;
    case CodeKind::Category: CurrentCategory = {}; break;
    }
}

void MaintainCodes::CodeList_DblClick(CodeKind kind)
{
    const int index = page(kind).list->ListIndex();
    if (index < 0)
        return;
    ShowListLine(kind, book_.codes.table(kind).List(index));
    if (kind == CodeKind::Bank)
        ShowBankBalances();
    ShowCodeInFields(kind);
    page(kind).codeBox->setFocus();
}

void MaintainCodes::ShowListLine(CodeKind kind, const std::string& line)
{
    switch (kind) {
    case CodeKind::Bank:
        CurrentBankAccount = core::ParseBankAccountLine(line);
        TextBankCode.setText(trimmed(CurrentBankAccount.Code.view()));
        TextBankName.setText(trimmed(CurrentBankAccount.Name.view()));
        TextBankAddress.setText(trimmed(CurrentBankAccount.Address.view()));
        TextBankTel.setText(trimmed(CurrentBankAccount.Tel.view()));
        TextDateOpened.setText(trimmed(CurrentBankAccount.DateOpened.view()));
        TextStartBal.setText(runtime::format(CurrentBankAccount.StartBalance, AmountPattern));
        LblBankBal.setCaption(runtime::format(CurrentBankAccount.Balance, AmountPattern));
        break;
    case CodeKind::Vat:
        CurrentVatCode = core::ParseVatCodeLine(line);
        TextVATCode.setText(trimmed(CurrentVatCode.Code.view()));
        TextVATName.setText(trimmed(CurrentVatCode.Name.view()));
        TextVATRate.setText(runtime::format(CurrentVatCode.Rate, AmountPattern));
        break;
    case CodeKind::Customer:
        CurrentCustomer = core::ParseCustomerLine(line);
        TextCustCode.setText(trimmed(CurrentCustomer.Code.view()));
        TextCustName.setText(trimmed(CurrentCustomer.Name.view()));
        TextCustAddress.setText(trimmed(CurrentCustomer.Address.view()));
        TextCustTel.setText(trimmed(CurrentCustomer.Tel.view()));
        TextCustFax.setText(trimmed(CurrentCustomer.Fax.view()));
        break;
    case CodeKind::Category:
        CurrentCategory = core::ParseCategoryLine(line);
        TextAnalCode.setText(trimmed(CurrentCategory.Code.view()));
        TextAnalName.setText(trimmed(CurrentCategory.Name.view()));
        break;
    }
}

// Both balances from the transactions: the reconciled ones, and the payments and receipts, each on
// top of the start balance in the box.
void MaintainCodes::ShowBankBalances()
{
    double cashTotal = 0;
    const double reconciledTotal = core::SumBankAccount(book_, CurrentBankAccount.Code.view(), cashTotal);
    const double startBalance = core::ReadTypedAmount(TextStartBal.Text()).value_or(0);
    LblBankBal.setCaption(runtime::format(startBalance + reconciledTotal, "0.00"));
    LblNomBal.setCaption(runtime::format(startBalance + cashTotal, "0.00"));
}

void MaintainCodes::CmdNewBank_Click()
{
    const auto kind = visiblePage();
    if (!kind)
        return;
    ShowCodeInFields(*kind);
    ResetEntryFields(*kind);
    ClearCurrentRecord(*kind);
    page(*kind).codeBox->setFocus();
}

void MaintainCodes::CmdDone_Click()
{
    {
        core::BusyPointer busy(services());
        for (CodeKind kind : PageOrder) {
            Page& shown = page(kind);
            if (!shown.frame->Visible())
                continue;
            const std::string code = shown.codeBox->Text();
            if (!core::IsBlank(code)) {
                core::LastUsedCodes& last = book_.codes.LastUsed;
                switch (kind) {
                case CodeKind::Bank: last.Bank = code; break;
                case CodeKind::Vat: last.VAT = code; break;
                case CodeKind::Customer: last.Customer = code; break;
                case CodeKind::Category: last.Category = code; break;
                }
            }
            ClearCurrentRecord(kind);
            shown.frame->setVisible(false);
            ClearEntryFields(kind);
        }
        firstPaintPending_ = true;
    }
    if (host_.AutoSave() && book_.ledger.FileChanged)
        host_.SaveTheFile();
    Hide();
}

void MaintainCodes::AddressBox_GotFocus(platform::TextBox& box)
{
    core::SelectAllText(services(), box);
    // Enter inside an address starts its next line instead of pressing Update.
    CmdSaveBank.setDefault(false);
}

void MaintainCodes::AddressBox_LostFocus()
{
    CmdSaveBank.setDefault(true);
}

void MaintainCodes::TextDateOpened_LostFocus()
{
    core::LeaveDateBox(book_.messages, TextDateOpened);
}

void MaintainCodes::TextDateOpened_DblClick()
{
    TextDateOpened.setText(core::PickDate(book_, calendar_, TextDateOpened.Text()));
}

void MaintainCodes::TextStartBal_LostFocus()
{
    // Text that is not an amount stays as typed, for Update to refuse.
    if (const std::optional<double> balance = core::ReadTypedAmount(TextStartBal.Text()))
        TextStartBal.setText(runtime::format(*balance, "0.00"));
}

} // namespace mainwindow
