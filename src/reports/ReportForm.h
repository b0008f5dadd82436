#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/FilterSetup.h"
#include "platform/Controls.h"

namespace reports {

class ReportDesk;
class ReportForm;

// The writers the chooser starts, each handed the chooser (they read some of its controls while
// they write) and the request the chooser built. The program hands them in; a writer left empty
// is one the program does not offer.
struct ReportWriters {
    // mode 2 detail, 1 summary
    std::function<void(ReportForm&, core::FilterSetup&, int mode)> WriteVatReport;
    std::function<void(ReportForm&, core::FilterSetup&)> WriteBankActivityReport;
    // kind 11 debtors, 12 creditors; the number of customers selected
    std::function<void(ReportForm&, core::FilterSetup&, int kind, int customers)> WriteAgedBalanceReport;
    // the customer's code; daysOver 1 shows the days over
    std::function<void(ReportForm&, const std::string& customer, int daysOver)> WriteCustomerStatementReport;
    std::function<void(ReportForm&, core::FilterSetup&)> WriteIncomeExpenditureReport;
    // kind 22 sales, 23 acquisitions; the dates as the boxes show them
    std::function<void(ReportForm&, int kind, const std::string& from, const std::string& to)> WriteEecListReport;
    // the number of categories selected, of months (1 unless totalled by month), the first "yyyymm"
    std::function<void(ReportForm&, core::FilterSetup&, int categories, int months, const std::string& startMonth)>
        WriteCategoryAnalysisReport;
};

// What the chooser uses of windows the reports may not include.
struct ReportFormParts {
    // The date picker a double-click on a date box opens.
    platform::Form* Calendar = nullptr;
    // Opens the template designer on the mail-merge letter; throws when it cannot.
    std::function<void()> EditMailMergeLetter;
    ReportWriters Writers;
};

// The report chooser "Report Form": one frame of inputs per report family (only the one of the
// report being set up shows), presets from saved filter set-ups and standard periods, and the
// Report button, which checks the inputs and starts the writer as often as the user wants. It
// stays loaded; Cancel (and the close box) hides it.
class ReportForm : public platform::Form {
public:
    ReportForm(ReportDesk& desk, ReportFormParts parts);

    // Prepares the window for a report kind and shows it modally until Cancel. False, showing
    // nothing, for a kind the chooser does not serve. The split tail of the transaction in the
    // edit box is kept; the edit box itself is emptied.
    bool SetUpReportForm(int kind);

    // ---- outside the frames ----
    platform::Label LblFilters{*this, "LblFilters"};
    platform::ComboBox ComboSubListFilters{*this, "ComboSubListFilters"};
    platform::CommandButton CmdReport{*this, "CmdReport"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};
    platform::CommandButton CmdWhatLetter{*this, "CmdWhatLetter"};

    // ---- VAT ----
    platform::Frame FrameVatReport{*this, "FrameVatReport"};
    platform::Label LblVatFrom{FrameVatReport, "LblVatFrom"};
    platform::TextBox TextVatFrom{FrameVatReport, "TextVatFrom"};
    platform::Label LblVatTo{FrameVatReport, "LblVatTo"};
    platform::TextBox TextVatTo{FrameVatReport, "TextVatTo"};
    platform::OptionButton OptVatSummary{FrameVatReport, "OptVatSummary"};
    platform::OptionButton OptVatDetail{FrameVatReport, "OptVatDetail"};
    platform::CheckBox ChkShowSplits{FrameVatReport, "ChkShowSplits"};
    platform::Frame FrameCashAccounting{FrameVatReport, "FrameCashAccounting"};
    platform::OptionButton OptCashScheme{FrameCashAccounting, "OptCashScheme"};
    platform::OptionButton OptStandardScheme{FrameCashAccounting, "OptStandardScheme"};

    // ---- bank activity ----
    platform::Frame FrameBankReport{*this, "FrameBankReport"};
    platform::Label LblBankCode{FrameBankReport, "LblBankCode"};
    platform::ComboBox ComboListBanks{FrameBankReport, "ComboListBanks"};
    platform::Label LblBankFrom{FrameBankReport, "LblBankFrom"};
    platform::TextBox TextBankFrom{FrameBankReport, "TextBankFrom"};
    platform::Label LblBankTo{FrameBankReport, "LblBankTo"};
    platform::TextBox TextBankTo{FrameBankReport, "TextBankTo"};
    platform::Label LblStartBal{FrameBankReport, "LblStartBal"};
    platform::TextBox TextStartBal{FrameBankReport, "TextStartBal"};
    platform::Label LblCalcAs{FrameBankReport, "LblCalcAs"};
    platform::OptionButton OptReconBal{FrameBankReport, "OptReconBal"};
    platform::OptionButton OptNomBal{FrameBankReport, "OptNomBal"};
    platform::Label LblNomBal{FrameBankReport, "LblNomBal"};
    platform::CheckBox ChkSumUnRecon{FrameBankReport, "ChkSumUnRecon"};

    // ---- aged debtors and creditors ----
    platform::Frame FrameDebCredReport{*this, "FrameDebCredReport"};
    platform::ListBox ListDebCredCust{FrameDebCredReport, "ListDebCredCust"};
    platform::CommandButton CmdSelectAllCust{FrameDebCredReport, "CmdSelectAllCust"};
    platform::CommandButton CmdDeselectAllCust{FrameDebCredReport, "CmdDeselectAllCust"};
    platform::CheckBox ChkZeroCust{FrameDebCredReport, "ChkZeroCust"};

    // ---- income and expenditure ----
    platform::Frame FrameProfLossReport{*this, "FrameProfLossReport"};
    platform::Label LblPLFrom{FrameProfLossReport, "LblPLFrom"};
    platform::TextBox TextPLFrom{FrameProfLossReport, "TextPLFrom"};
    platform::Label LblPLTo{FrameProfLossReport, "LblPLTo"};
    platform::TextBox TextPLTo{FrameProfLossReport, "TextPLTo"};
    platform::Label LblPeriods{FrameProfLossReport, "LblPeriods"};
    platform::ComboBox ListPeriods{FrameProfLossReport, "ListPeriods"};
    platform::Label LblAnal1{FrameProfLossReport, "LblAnal1"};
    platform::ListBox ListAnal1{FrameProfLossReport, "ListAnal1"};
    platform::Frame FrameExclusive{FrameProfLossReport, "FrameExclusive"};
    platform::OptionButton OptCashAcc{FrameExclusive, "OptCashAcc"};
    platform::OptionButton OptStdAcc{FrameExclusive, "OptStdAcc"};
    platform::CheckBox ChkCashOnly{FrameProfLossReport, "ChkCashOnly"};
    platform::CheckBox ChkExcludeVAT{FrameProfLossReport, "ChkExcludeVAT"};
    platform::CheckBox ChkZeroSupress{FrameProfLossReport, "ChkZeroSupress"};

    // ---- category analysis ----
    platform::Frame FrameAnalReport{*this, "FrameAnalReport"};
    platform::ListBox ListAnalCodes{FrameAnalReport, "ListAnalCodes"};
    platform::CommandButton CmdAllAnal{FrameAnalReport, "CmdAllAnal"};
    platform::CommandButton CmdNoAnal{FrameAnalReport, "CmdNoAnal"};
    platform::Label LblAnalFrom{FrameAnalReport, "LblAnalFrom"};
    platform::TextBox TextAnalFrom{FrameAnalReport, "TextAnalFrom"};
    platform::Label LblAnalTo{FrameAnalReport, "LblAnalTo"};
    platform::TextBox TextAnalTo{FrameAnalReport, "TextAnalTo"};
    platform::Label LblAnalPeriods{FrameAnalReport, "LblAnalPeriods"};
    platform::ComboBox ComboListAnalPeriods{FrameAnalReport, "ComboListAnalPeriods"};
    platform::CheckBox ChkCatOnQry{FrameAnalReport, "ChkCatOnQry"};
    platform::CheckBox ChkAnalByMonth{FrameAnalReport, "ChkAnalByMonth"};
    platform::CheckBox ChkSupressAnalZeros{FrameAnalReport, "ChkSupressAnalZeros"};

    // ---- mail merge ----
    platform::Frame FrameMailMerge{*this, "FrameMailMerge"};
    platform::ListBox ListMailCusts{FrameMailMerge, "ListMailCusts"};
    platform::CommandButton CmdMailAll{FrameMailMerge, "CmdMailAll"};
    platform::CommandButton CmdMailNone{FrameMailMerge, "CmdMailNone"};
    platform::CommandButton CmdAllDebtors{FrameMailMerge, "CmdAllDebtors"};
    platform::CommandButton CmdAllCreditors{FrameMailMerge, "CmdAllCreditors"};
    platform::CommandButton CmdMailOutstand{FrameMailMerge, "CmdMailOutstand"};

    // ---- customer statement ----
    platform::Frame FrameCustState{*this, "FrameCustState"};
    platform::ListBox ListCustState{FrameCustState, "ListCustState"};
    platform::CheckBox ChkDaysOver{FrameCustState, "ChkDaysOver"};

    // ---- EEC lists ----
    platform::Frame FrameEEC{*this, "FrameEEC"};
    platform::Label LblEECFrom{FrameEEC, "LblEECFrom"};
    platform::TextBox TxtEECFrom{FrameEEC, "TxtEECFrom"};
    platform::Label LblEECTo{FrameEEC, "LblEECTo"};
    platform::TextBox TxtEECTo{FrameEEC, "TxtEECTo"};
    platform::Label LblEECPeriods{FrameEEC, "LblEECPeriods"};
    platform::ListBox ListEECPeriods{FrameEEC, "ListEECPeriods"};

    // ---- procedures the handlers use ----
    // Copies the stored criteria of the set-up named in ComboSubListFilters into the inputs of `kind`.
    void PresetFromFilterSetup(int kind);
    // Selects the mail-merge customers whose unpaid balance is above 0 (mode 1), below 0 (-1), or
    // who have unpaid invoices (2).
    void SelectMailCustomersByBalance(int mode);
    // The kind of the first visible frame; 0 when none is.
    int FrameKind() const;

    // The validators: each names the first fault and puts the focus on the control to mend.
    bool ValidateVatReport();
    bool ValidateBankReport();
    bool ValidateEecReport();
    bool ValidateIncomeExpenditureReport();
    // These answer the number of items selected, 0 when refused.
    int ValidateAgedReport();
    int ValidateStatementReport();
    int ValidateMailMerge();
    int ValidateCategoryReport();

    void CmdReport_Click();
    void CmdCancel_Click();

private:
    void designFrames();
    void designVatFrame();
    void designBankFrame();
    void designDebCredFrame();
    void designProfLossFrame();
    void designAnalFrame();
    void designMailMergeFrame();
    void designCustStateFrame();
    void designEecFrame();
    void wireHandlers();
    void wireDateBox(platform::TextBox& box);
    void hideFrames();

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // ---- handlers ----
    void ComboSubListFilters_Click();
    void CmdCancel_GotFocus();
    void ChkCatOnQry_Click();
    void OptVatDetail_Click();
    void OptVatSummary_Click();
    void CmdWhatLetter_Click();
    void ComboListBanks_Click();
    void SwapStartBalances();
    void TextBankFrom_LostFocus();

    // ---- dates ----
    void ApplyPreset(platform::TextBox& fromBox, platform::TextBox& toBox, const std::string& presetName);
    // The reconciled and the true start balance of `bankCode` before the date in `fromText`, "0.00".
    std::pair<std::string, std::string> StartBalances(const std::string& bankCode, const std::string& fromText);
    bool FromAfterTo(const platform::TextBox& from, const platform::TextBox& to) const;
    // A blank box gets `message` and the focus; answers whether it was blank.
    bool RefuseBlank(platform::Control& control, const std::string& text, const std::string& message);
    bool ValidatePeriod(platform::TextBox& from, platform::TextBox& to);
    // The customers marked in a list; none gets the message that one is needed.
    int CountSelectedCustomers(const platform::ListBox& list);

    // ---- the run ----
    void RunCategoryReport(core::FilterSetup& request);
    void RunMailMerge();

    ReportDesk& desk_;
    ReportFormParts parts_;
};

} // namespace reports
