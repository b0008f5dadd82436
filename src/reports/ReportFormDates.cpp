#include <string>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/DateBox.h"
#include "core/DateText.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
#include "reports/ReportPeriods.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace reports {

void ReportForm::ApplyPreset(platform::TextBox& fromBox, platform::TextBox& toBox, const std::string& presetName)
{
    if (const auto dates = ComputePresetDates(presetName, services().now())) {
        fromBox.setText(dates->first);
        toBox.setText(dates->second);
    }
}

std::pair<std::string, std::string> ReportForm::StartBalances(const std::string& bankCode, const std::string& fromText)
{
    core::Book& book = desk_.book();
    const std::string ymd = core::FormatShownDateForStorage(fromText, "yyyymmdd");
    const double opening = core::GetBankAccount(book, bankCode);
    double cash = 0;
    const double reconciled = core::SumBankAccountToDate(book, bankCode, ymd, cash);
    return {runtime::format(opening + reconciled, "0.00"), runtime::format(opening + cash, "0.00")};
}

void ReportForm::ComboListBanks_Click()
{
    const std::string bank = runtime::left(ComboListBanks.Text(), 6);
    const std::string& from = TextBankFrom.Text();
    // A From text that is no date gives no balance; leaving the box puts a date there first.
    if (runtime::rtrim(from).empty() || runtime::rtrim(bank).empty() || !core::IsValidDate(from))
        return;
    const auto [reconciled, trueBalance] = StartBalances(bank, from);
    TextStartBal.setText(OptReconBal.Value() ? reconciled : trueBalance);
    LblNomBal.setCaption(OptReconBal.Value() ? trueBalance : reconciled);
}

void ReportForm::SwapStartBalances()
{
    const std::string shownBalance = TextStartBal.Text();
    TextStartBal.setText(LblNomBal.Caption());
    LblNomBal.setCaption(shownBalance);
}

void ReportForm::TextBankFrom_LostFocus()
{
    OptReconBal.setValue(true);
    ComboListBanks_Click();
    core::LeaveDateBox(desk_.book().messages, TextBankFrom);
    ComboListBanks_Click();
}

} // namespace reports
