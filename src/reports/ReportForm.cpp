#include "reports/ReportForm.h"

#include <stdexcept>
#include <utility>

#include "core/Book.h"
#include "core/FilterCombos.h"
#include "core/ListHelpers.h"
#include "platform/ScreenPlacement.h"
#include "reports/ReportDateBox.h"
#include "reports/ReportDesk.h"
#include "reports/ReportPeriods.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

// Every frame fills the same area between the set-up combo and the buttons.
constexpr double FrameLeft = 120;
constexpr double FrameTop = 555;
constexpr double FrameWidth = 8055;
constexpr double FrameHeight = 4815;
constexpr double ButtonTop = 5520;
constexpr double ButtonWidth = 1455;
constexpr double ButtonHeight = 375;
constexpr double BoxHeight = 315;
constexpr double DateBoxWidth = 1455;
constexpr double CaptionHeight = 255;

void placeCaption(platform::Label& label, const char* caption, double left, double top, double width)
{
    label.setCaption(caption);
    label.Move(left, top, width, CaptionHeight);
}

void placeCheck(platform::CheckBox& box, const char* caption, double left, double top)
{
    box.setCaption(caption);
    box.Move(left, top, 3300, CaptionHeight);
}

void placeOption(platform::OptionButton& option, const char* caption, double left, double top)
{
    option.setCaption(caption);
    option.Move(left, top, 2880, CaptionHeight);
}

void placeButton(platform::CommandButton& button, const char* caption, double left, double top)
{
    button.setCaption(caption);
    button.Move(left, top, ButtonWidth, ButtonHeight);
}

} // namespace

ReportForm::ReportForm(ReportDesk& desk, ReportFormParts parts)
    : Form(desk.services(), "ReportForm"), desk_(desk), parts_(std::move(parts))
{
    setCaption("Report Form");
    Move(0, 0, 8415, 6480);
    platform::CentreOnScreen(*this);

    placeCaption(LblFilters, "Set Criteria from Filter", 120, 150, 2160);
    ComboSubListFilters.Move(2400, 120, 2880, BoxHeight);
    ComboSubListFilters.setStyle(0);

    CmdWhatLetter.setCaption("&What Letter");
    CmdWhatLetter.Move(120, ButtonTop, ButtonWidth, ButtonHeight);
    CmdWhatLetter.setVisible(false);
    CmdReport.setCaption("&Report");
    CmdReport.setDefault(true);
    CmdReport.Move(5160, ButtonTop, ButtonWidth, ButtonHeight);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(6720, ButtonTop, ButtonWidth, ButtonHeight);

    designFrames();
    wireHandlers();
    endDesign();
}

void ReportForm::designFrames()
{
    for (platform::Frame* frame : {&FrameVatReport, &FrameBankReport, &FrameDebCredReport, &FrameProfLossReport,
                                   &FrameAnalReport, &FrameMailMerge, &FrameCustState, &FrameEEC}) {
        frame->Move(FrameLeft, FrameTop, FrameWidth, FrameHeight);
        frame->setVisible(false);
    }
    designVatFrame();
    designBankFrame();
    designDebCredFrame();
    designProfLossFrame();
    designAnalFrame();
    designMailMergeFrame();
    designCustStateFrame();
    designEecFrame();
}

void ReportForm::designVatFrame()
{
    FrameVatReport.setCaption("VAT Report Criteria");
    placeCaption(LblVatFrom, "From Date", 240, 390, 1200);
    TextVatFrom.Move(1440, 360, DateBoxWidth, BoxHeight);
    placeCaption(LblVatTo, "To Date", 240, 810, 1200);
    TextVatTo.Move(1440, 780, DateBoxWidth, BoxHeight);
    placeOption(OptVatSummary, "Summary", 240, 1320);
    placeOption(OptVatDetail, "Detail", 240, 1680);
    placeCheck(ChkShowSplits, "Show Splits", 1800, 1680);
    OptVatSummary.setValue(true);
    ChkShowSplits.setEnabled(false);
    FrameCashAccounting.setCaption("Accounting Scheme");
    FrameCashAccounting.Move(4440, 300, 3240, 1095);
    placeOption(OptCashScheme, "Cash", 240, 360);
    placeOption(OptStandardScheme, "Standard", 240, 690);
    OptStandardScheme.setValue(true);
}

void ReportForm::designBankFrame()
{
    FrameBankReport.setCaption("Bank Report Criteria");
    placeCaption(LblBankCode, "Bank Code", 240, 390, 1200);
    ComboListBanks.Move(1560, 360, 3840, BoxHeight);
    ComboListBanks.setStyle(0);
    placeCaption(LblBankFrom, "Start Date", 240, 810, 1200);
    TextBankFrom.Move(1560, 780, DateBoxWidth, BoxHeight);
    placeCaption(LblBankTo, "End Date", 240, 1230, 1200);
    TextBankTo.Move(1560, 1200, DateBoxWidth, BoxHeight);
    placeCaption(LblStartBal, "Start Balance", 240, 1650, 1200);
    TextStartBal.Move(1560, 1620, DateBoxWidth, BoxHeight);
    placeCaption(LblCalcAs, "Calculate Start Balance As...", 3720, 810, 3000);
    placeOption(OptReconBal, "Recon Balance", 3720, 1170);
    placeOption(OptNomBal, "True Balance", 3720, 1500);
    OptReconBal.setValue(true);
    placeCaption(LblNomBal, "0.00", 3720, 1830, 1455);
    LblNomBal.setVisible(false);
    placeCheck(ChkSumUnRecon, "Sum Unreconciled Amounts", 240, 2160);
}

void ReportForm::designDebCredFrame()
{
    FrameDebCredReport.setCaption("Aged Debtors");
    ListDebCredCust.Move(240, 360, 4920, 3600);
    ListDebCredCust.setMultiSelect(2);
    placeButton(CmdSelectAllCust, "&Select All", 5400, 360);
    placeButton(CmdDeselectAllCust, "&DeSelect All", 5400, 840);
    placeCheck(ChkZeroCust, "Supress Zero Amounts", 240, 4200);
}

void ReportForm::designProfLossFrame()
{
    FrameProfLossReport.setCaption("For Period");
    placeCaption(LblPLFrom, "From", 240, 390, 600);
    TextPLFrom.Move(840, 360, DateBoxWidth, BoxHeight);
    placeCaption(LblPLTo, "To", 2520, 390, 360);
    TextPLTo.Move(2880, 360, DateBoxWidth, BoxHeight);
    placeCaption(LblPeriods, "Standard Periods", 4560, 390, 1440);
    ListPeriods.Move(6000, 360, 1920, BoxHeight);
    ListPeriods.setStyle(2);
    placeCaption(LblAnal1, "Categories", 240, 840, 1440);
    ListAnal1.Move(240, 1095, 3960, 3480);
    ListAnal1.setMultiSelect(2);
    FrameExclusive.Move(4440, 990, 3480, 975);
    placeOption(OptCashAcc, "Cash", 120, 240);
    placeOption(OptStdAcc, "Standard Accounting", 120, 570);
    OptStdAcc.setValue(true);
    placeCheck(ChkCashOnly, "CASH Only", 4440, 2160);
    placeCheck(ChkExcludeVAT, "Exclude VAT Element", 4440, 2520);
    placeCheck(ChkZeroSupress, "Hide Zero Categories", 4440, 2880);
}

void ReportForm::designAnalFrame()
{
    FrameAnalReport.setCaption("Choose Categories for Report");
    ListAnalCodes.Move(240, 360, 3960, 3600);
    ListAnalCodes.setMultiSelect(2);
    placeButton(CmdAllAnal, "&Select All", 240, 4110);
    placeButton(CmdNoAnal, "&DeSelect All", 1800, 4110);
    placeCaption(LblAnalFrom, "From", 4440, 390, 600);
    TextAnalFrom.Move(5040, 360, DateBoxWidth, BoxHeight);
    placeCaption(LblAnalTo, "To", 4440, 810, 600);
    TextAnalTo.Move(5040, 780, DateBoxWidth, BoxHeight);
    placeCaption(LblAnalPeriods, "Standard Periods", 4440, 1260, 2400);
    ComboListAnalPeriods.Move(4440, 1515, 2640, BoxHeight);
    ComboListAnalPeriods.setStyle(2);
    placeCheck(ChkCatOnQry, "Run Over Current Filtered List", 4440, 2040);
    placeCheck(ChkAnalByMonth, "Total by Month", 4440, 2400);
    placeCheck(ChkSupressAnalZeros, "Supress Zeros", 4440, 2760);
}

void ReportForm::designMailMergeFrame()
{
    FrameMailMerge.setCaption("Mail To...");
    ListMailCusts.Move(240, 360, 4920, 4200);
    ListMailCusts.setMultiSelect(1);
    placeButton(CmdMailAll, "&All", 5400, 360);
    placeButton(CmdMailNone, "&None", 5400, 840);
    placeButton(CmdAllDebtors, "&Debtors", 5400, 1320);
    placeButton(CmdAllCreditors, "Cr&editors", 5400, 1800);
    CmdMailOutstand.setCaption("C&ustomers with Outstanding Invoices");
    CmdMailOutstand.Move(5400, 2280, 2520, 615);
}

void ReportForm::designCustStateFrame()
{
    FrameCustState.setCaption("Choose Customer");
    ListCustState.Move(240, 360, 4920, 3600);
    placeCheck(ChkDaysOver, "Show Days Over", 240, 4200);
}

void ReportForm::designEecFrame()
{
    FrameEEC.setCaption("EEC");
    placeCaption(LblEECFrom, "From", 240, 390, 600);
    TxtEECFrom.Move(840, 360, DateBoxWidth, BoxHeight);
    placeCaption(LblEECTo, "To", 240, 810, 600);
    TxtEECTo.Move(840, 780, DateBoxWidth, BoxHeight);
    placeCaption(LblEECPeriods, "Standard Periods", 2760, 390, 2400);
    ListEECPeriods.Move(2760, 645, 2640, 2100);
}

void ReportForm::wireHandlers()
{
    ComboSubListFilters.Click = [this] { ComboSubListFilters_Click(); };
    CmdCancel.GotFocus = [this] { CmdCancel_GotFocus(); };
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    CmdReport.Click = [this] { CmdReport_Click(); };
    CmdWhatLetter.Click = [this] { CmdWhatLetter_Click(); };
    ChkCatOnQry.Click = [this] { ChkCatOnQry_Click(); };
    OptVatDetail.Click = [this] { OptVatDetail_Click(); };
    OptVatSummary.Click = [this] { OptVatSummary_Click(); };

    CmdMailAll.Click = [this] { core::SelectAllListItems(ListMailCusts); };
    CmdMailNone.Click = [this] { core::DeselectAllListItems(ListMailCusts); };
    CmdAllDebtors.Click = [this] {
        core::DeselectAllListItems(ListMailCusts);
        SelectMailCustomersByBalance(1);
    };
    CmdAllCreditors.Click = [this] {
        core::DeselectAllListItems(ListMailCusts);
        SelectMailCustomersByBalance(-1);
    };
    CmdMailOutstand.Click = [this] {
        core::DeselectAllListItems(ListMailCusts);
        SelectMailCustomersByBalance(2);
    };
    CmdAllAnal.Click = [this] { core::SelectAllListItems(ListAnalCodes); };
    CmdNoAnal.Click = [this] { core::DeselectAllListItems(ListAnalCodes); };
    CmdSelectAllCust.Click = [this] { core::SelectAllListItems(ListDebCredCust); };
    CmdDeselectAllCust.Click = [this] { core::DeselectAllListItems(ListDebCredCust); };

    ListPeriods.Click = [this] { ApplyPreset(TextPLFrom, TextPLTo, ListPeriods.Text()); };
    ComboListAnalPeriods.Click = [this] { ApplyPreset(TextAnalFrom, TextAnalTo, ComboListAnalPeriods.Text()); };
    ListEECPeriods.Click = [this] {
        if (ListEECPeriods.ListIndex() >= 0)
            ApplyPreset(TxtEECFrom, TxtEECTo, ListEECPeriods.List(ListEECPeriods.ListIndex()));
    };

    for (platform::TextBox* box : {&TextBankTo, &TextVatFrom, &TextVatTo, &TxtEECFrom, &TxtEECTo, &TextAnalFrom,
                                   &TextAnalTo, &TextPLFrom, &TextPLTo})
        wireDateBox(*box);
    wireDateBox(TextBankFrom);
    TextBankFrom.LostFocus = [this] { TextBankFrom_LostFocus(); };
    TextStartBal.GotFocus = [this] { core::SelectAllText(services(), TextStartBal); };
    ComboListBanks.Click = [this] { ComboListBanks_Click(); };
    OptReconBal.Click = [this] { SwapStartBalances(); };
    OptNomBal.Click = [this] { SwapStartBalances(); };
}

void ReportForm::wireDateBox(platform::TextBox& box)
{
    WireReportDateBox(desk_.book(), box, parts_.Calendar);
}

void ReportForm::Form_Load()
{
    FillPeriodPresets(ListPeriods);
    FillPeriodPresets(ComboListAnalPeriods);
    FillPeriodPresets(ListEECPeriods);
}

// The close box acts as Cancel, and the window stays loaded for the next report.
void ReportForm::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode != platform::UnloadByUser)
        return;
    cancel = 1;
    CmdCancel_Click();
}

void ReportForm::hideFrames()
{
    for (platform::Frame* frame : {&FrameVatReport, &FrameBankReport, &FrameDebCredReport, &FrameProfLossReport,
                                   &FrameAnalReport, &FrameMailMerge, &FrameCustState, &FrameEEC})
        frame->setVisible(false);
}

int ReportForm::FrameKind() const
{
    const std::pair<const platform::Frame*, int> frames[] = {
        {&FrameVatReport, VatReportKind},         {&FrameBankReport, BankActivityKind},
        {&FrameDebCredReport, AgedDebtorsKind},   {&FrameProfLossReport, IncomeExpenditureKind},
        {&FrameAnalReport, CategoryAnalysisKind}, {&FrameMailMerge, MailMergeKind},
        {&FrameCustState, CustomerStatementKind}, {&FrameEEC, EecSalesKind}};
    for (const auto& [frame, kind] : frames)
        if (frame->Visible())
            return kind;
    return 0;
}

void ReportForm::CmdCancel_Click()
{
    TextStartBal.setText("");
    hideFrames();
    Hide();
}

void ReportForm::ChkCatOnQry_Click()
{
    const bool fromDates = ChkCatOnQry.Value() != 1;
    ComboListAnalPeriods.setEnabled(fromDates);
    TextAnalFrom.setEnabled(fromDates);
    TextAnalTo.setEnabled(fromDates);
}

void ReportForm::OptVatDetail_Click()
{
    if (!OptVatDetail.Value())
        ChkShowSplits.setValue(0);
    ChkShowSplits.setEnabled(OptVatDetail.Value());
}

void ReportForm::OptVatSummary_Click()
{
    ChkShowSplits.setValue(0);
    ChkShowSplits.setEnabled(!OptVatSummary.Value());
}

void ReportForm::CmdWhatLetter_Click()
{
    try {
        desk_.book().WorkingTemplate = desk_.book().Templates[core::MailMergeLetter];
        if (!parts_.EditMailMergeLetter)
            throw std::runtime_error("no template designer");
        parts_.EditMailMergeLetter();
    } catch (const std::exception&) {
        desk_.book().messages.ShowErrorBox("Unable to show Template Edit Window");
    }
}

} // namespace reports
