#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/CodeKind.h"
#include "core/CodeLines.h"
#include "mainwindow/OneLineListCopy.h"
#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/ListControls.h"
#include "platform/TextBox.h"

namespace core {
class Book;
}

namespace mainwindow {

class CodeWindowHost;

// The code window: the four code tables of the book, one page (frame) each, where codes are viewed,
// added and changed. The caller makes one page visible and shows the window modally; Close only
// hides it, so it is loaded once for the life of the program. The lists show the book's tables
// themselves, so a saved code is at once in the table, in its mirror and in the data file's order.
class MaintainCodes : public platform::Form {
public:
    // `calendar` is the date picker that double-clicking the date-opened box shows.
    MaintainCodes(core::Book& book, CodeWindowHost& host, platform::Form& calendar);

    // Disables Update, Delete and the page's boxes; ShowCodeInFields enables them.
    void ClearCodeFields(core::CodeKind kind);
    void ShowCodeInFields(core::CodeKind kind);
    // The page's boxes set to a new code's defaults (the bank page's date opened today, its start
    // balance and both balances "0.00", the VAT rate "0.00"), or all blanked.
    void ResetEntryFields(core::CodeKind kind);
    void ClearEntryFields(core::CodeKind kind);
    // Saves the code on the kind's page: validated, added when the page holds a new code or put
    // in place of the code the page was loaded with. True when the line was added or replaced.
    bool SaveCodeRecord(core::CodeKind kind);
    // Blanks the kind's current record, so that the next save adds a code.
    void ClearCurrentRecord(core::CodeKind kind);

    // The records the pages were last loaded from or saved to; a blank record means the page holds
    // a new code, which the next save adds.
    core::BankAccountRecord CurrentBankAccount;
    core::VatCodeRecord CurrentVatCode;
    core::CustomerRecord CurrentCustomer;
    core::CategoryRecord CurrentCategory;

    platform::Frame FrameAccount{*this, "FrameAccount"};
    platform::ListBox ListBankAccounts{FrameAccount, "ListBankAccounts"};
    platform::Label LblBankCode{FrameAccount, "LblBankCode"};
    platform::TextBox TextBankCode{FrameAccount, "TextBankCode"};
    platform::Label LblBankName{FrameAccount, "LblBankName"};
    platform::TextBox TextBankName{FrameAccount, "TextBankName"};
    platform::Label LblBankAddress{FrameAccount, "LblBankAddress"};
    platform::TextBox TextBankAddress{FrameAccount, "TextBankAddress"};
    platform::Label LblBankTel{FrameAccount, "LblBankTel"};
    platform::TextBox TextBankTel{FrameAccount, "TextBankTel"};
    platform::Label LblDateOpened{FrameAccount, "LblDateOpened"};
    platform::TextBox TextDateOpened{FrameAccount, "TextDateOpened"};
    platform::Label LblStartBal{FrameAccount, "LblStartBal"};
    platform::TextBox TextStartBal{FrameAccount, "TextStartBal"};
    platform::Label LblBankBalTitle{FrameAccount, "LblBankBalTitle"};
    platform::Label LblBankBal{FrameAccount, "LblBankBal"};
    platform::Label LblNomBalTitle{FrameAccount, "LblNomBalTitle"};
    platform::Label LblNomBal{FrameAccount, "LblNomBal"};
    platform::Label LblHelpHint{FrameAccount, "LblHelpHint"};

    platform::Frame FrameVAT{*this, "FrameVAT"};
    platform::ListBox ListVATCodes{FrameVAT, "ListVATCodes"};
    platform::Label LblVATCode{FrameVAT, "LblVATCode"};
    platform::TextBox TextVATCode{FrameVAT, "TextVATCode"};
    platform::Label LblVATName{FrameVAT, "LblVATName"};
    platform::TextBox TextVATName{FrameVAT, "TextVATName"};
    platform::Label LblVATRate{FrameVAT, "LblVATRate"};
    platform::TextBox TextVATRate{FrameVAT, "TextVATRate"};

    platform::Frame FrameCustomers{*this, "FrameCustomers"};
    platform::ListBox ListCustCodes{FrameCustomers, "ListCustCodes"};
    platform::Label LblCustCode{FrameCustomers, "LblCustCode"};
    platform::TextBox TextCustCode{FrameCustomers, "TextCustCode"};
    platform::Label LblCustName{FrameCustomers, "LblCustName"};
    platform::TextBox TextCustName{FrameCustomers, "TextCustName"};
    platform::Label LblCustAddress{FrameCustomers, "LblCustAddress"};
    platform::TextBox TextCustAddress{FrameCustomers, "TextCustAddress"};
    platform::Label LblCustTel{FrameCustomers, "LblCustTel"};
    platform::TextBox TextCustTel{FrameCustomers, "TextCustTel"};
    platform::Label LblCustFax{FrameCustomers, "LblCustFax"};
    platform::TextBox TextCustFax{FrameCustomers, "TextCustFax"};
    platform::CommandButton MailLetter{FrameCustomers, "MailLetter"};

    platform::Frame FrameCategories{*this, "FrameCategories"};
    platform::ListBox ListAnalCodes{FrameCategories, "ListAnalCodes"};
    platform::Label LblAnalCode{FrameCategories, "LblAnalCode"};
    platform::TextBox TextAnalCode{FrameCategories, "TextAnalCode"};
    platform::Label LblAnalName{FrameCategories, "LblAnalName"};
    platform::TextBox TextAnalName{FrameCategories, "TextAnalName"};

    platform::CommandButton CmdNewBank{*this, "CmdNewBank"};
    platform::CommandButton CmdSaveBank{*this, "CmdSaveBank"};
    platform::CommandButton CmdDeleteBank{*this, "CmdDeleteBank"};
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::CommandButton CmdDone{*this, "CmdDone"};

private:
    // What every page has: its frame, its list (the table), its code box and its boxes in order.
    struct Page {
        platform::Frame* frame;
        platform::ListBox* list;
        platform::TextBox* codeBox;
        std::vector<platform::TextBox*> boxes;
    };

    void Form_Load() override;
    void Form_Paint() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void CodeList_DblClick(core::CodeKind kind);
    void CmdNewBank_Click();
    void CmdSaveBank_Click();
    void CmdDone_Click();
    // Deletes the code in the page's code box after the usage warning and the user's Yes.
    void CmdDeleteBank_Click();
    // Prints the page's whole table through the print-job window.
    void CmdPrint_Click();
    // Hands the letter to the customer in the customer page's code box to the document viewer.
    void MailLetter_Click();
    void AddressBox_GotFocus(platform::TextBox& box);
    void AddressBox_LostFocus();
    void TextDateOpened_LostFocus();
    void TextDateOpened_DblClick();
    void TextStartBal_LostFocus();

    void layOutPages();
    void wireEvents();
    Page& page(core::CodeKind kind) { return pages_[static_cast<int>(kind) - 1]; }
    // The first visible page, tested bank, VAT, customer, category.
    std::optional<core::CodeKind> visiblePage() const;
    bool IsCurrentRecordEmpty(core::CodeKind kind) const;
    void ShowListLine(core::CodeKind kind, const std::string& line);
    void ShowBankBalances();

    bool ValidateBankAccountFields();
    bool ValidateVatCodeFields();
    bool ValidateCustomerFields();
    bool ValidateCategoryFields();
    bool ValidatePage(core::CodeKind kind);
    // The typed start balance less the one the page was loaded with.
    double StartBalanceChange() const;
    core::BankAccountRecord ReadBankAccountFields() const;
    core::VatCodeRecord ReadVatCodeFields() const;
    core::CustomerRecord ReadCustomerFields() const;
    core::CategoryRecord ReadCategoryFields() const;
    // The line of the record the page's boxes make, and that record made the current one.
    std::string PageLine(core::CodeKind kind) const;
    void KeepPageRecord(core::CodeKind kind);
    std::string CurrentCode(core::CodeKind kind) const;
    void SetChangedFlag(core::CodeKind kind);
    // Fails when the box, with leading blanks removed, is empty: shows the message and puts the
    // focus there.
    bool Required(platform::TextBox& box, const std::string& message);
    void Refuse(platform::TextBox& box, const std::string& message);

    core::Book& book_;
    CodeWindowHost& host_;
    platform::Form& calendar_;
    // What the page lists show of the book's tables: each line on one line, an address's breaks as
    // blanks. The tables themselves keep their bytes and are what the pages read and change.
    std::array<OneLineListCopy, 4> shownTables_;
    std::array<Page, 4> pages_;
    bool firstPaintPending_ = false;
};

// Selects the first item whose first `length` characters equal the key's, letter case ignored;
// leaves the list as it is when none does.
void SelectCodeInList(platform::ListBox& list, const std::string& key, int length);

} // namespace mainwindow
