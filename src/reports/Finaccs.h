#pragma once

#include <string>
#include <string_view>

#include "platform/Controls.h"

namespace reports {

class ReportDesk;

// The settings file of the final accounts, in the working folder.
inline constexpr std::string_view FinaccsSettingsFileName = "QBFINACC.INI";

// The final accounts dialog "Final Accounts": the period, the VAT scheme, last year's profit and the
// income, expense and dividend categories of a first-draft profit and loss account and balance
// sheet. It remembers its choices in "QBFINACC.INI". OK saves them and writes the report, opened in
// the desktop's text viewer; the window stays for another run until Cancel unloads it.
class Finaccs : public platform::Form {
public:
    // `calendar` is the date picker a double-click on a date box opens (none: no picker).
    Finaccs(ReportDesk& desk, platform::Form* calendar);

    platform::Label Label1{*this, "Label1"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label8{*this, "Label8"};
    platform::TextBox TxtFrom{*this, "TxtFrom"};
    platform::Label Label7{*this, "Label7"};
    platform::TextBox TxtTo{*this, "TxtTo"};
    platform::Label Label9{*this, "Label9"};
    platform::OptionButton OptStandardVAT{*this, "OptStandardVAT"};
    platform::OptionButton OptCashVAT{*this, "OptCashVAT"};
    platform::Label Label2{*this, "Label2"};
    platform::ListBox ListIncomeCats{*this, "ListIncomeCats"};
    platform::Label Label3{*this, "Label3"};
    platform::ListBox ListExpenseCats{*this, "ListExpenseCats"};
    platform::Label Label4{*this, "Label4"};
    platform::TextBox TxtTaxRate{*this, "TxtTaxRate"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label12{*this, "Label12"};
    platform::TextBox TxtProfitFwd{*this, "TxtProfitFwd"};
    platform::Label Label11{*this, "Label11"};
    platform::ListBox ListDividendCats{*this, "ListDividendCats"};
    platform::Label LblComplete{*this, "LblComplete"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

    // Reads "QBFINACC.INI" into the controls: a missing or short file leaves what it did not reach.
    void LoadFinaccsSettings();
    // Writes the controls to "QBFINACC.INI"; a file that cannot be written is left as it was, silently.
    void SaveFinaccsSettings();
    // Writes the profit and loss account and balance sheet to "QB.TXT" and opens it in the desktop's
    // text viewer; a failure shows "File error : " and its description and starts nothing.
    void WriteFinalAccounts();

    void CmdOK_Click();
    void CmdCancel_Click();

private:
    void designControls();
    void Form_Load() override;
    void ListIncomeCats_Click();
    void ListExpenseCats_Click();
    void ListDividendCats_Click();
    // Unselects the clicked item of `clicked`, with a beep, when the same category is chosen in
    // `other` (or in `another`): a category counts in one total only.
    void KeepApart(platform::ListBox& clicked, const platform::ListBox& other, const platform::ListBox* another = nullptr);
    void ShowProgress(const std::string& caption);

    ReportDesk& desk_;
    // On while the settings file selects its categories, which it does without the separation rules;
    // and while a click handler unselects an item, whose own click must not beep again.
    bool selectingByCode_ = false;
};

} // namespace reports
