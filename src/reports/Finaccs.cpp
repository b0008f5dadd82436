#include "reports/Finaccs.h"

#include <exception>
#include <string>

#include "core/Book.h"
#include "core/DateBox.h"
#include "core/DateText.h"
#include "core/ListSearch.h"
#include "core/TypedAmount.h"
#include "platform/ScreenPlacement.h"
#include "reports/ReportDateBox.h"
#include "reports/ReportDesk.h"
#include "runtime/AtomicFile.h"
#include "runtime/Date.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace reports {

namespace {

constexpr const char* ExpenseMarker = "[EXPENSE]";
constexpr const char* DividendMarker = "[DIVIDEND]";
constexpr int DaysInPeriod = 365;
constexpr int CategoryCodeWidth = 4;
constexpr const char* TaxRateTip = "Tax Rate has been depreciated - Please do not use.";

// A category's code as the settings file holds it: the item's code, upper-cased, without blanks.
std::string CategoryCode(std::string_view text)
{
    return runtime::ucase(runtime::rtrim(runtime::left(text, CategoryCodeWidth)));
}

// Selects the first item of `list` whose code is `code` (letter case and trailing blanks ignored);
// a code no item has selects nothing. Other selections stay.
void SelectListItemByCode(platform::ListBox& list, std::string_view code)
{
    const std::string wanted = CategoryCode(code);
    for (int i = 0; i < list.ListCount(); ++i) {
        if (CategoryCode(list.List(i)) == wanted) {
            list.setSelected(i, true);
            return;
        }
    }
}

void WriteSelectedCodes(runtime::TextWriter& writer, const platform::ListBox& list)
{
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.Selected(i))
            writer.writeLine(CategoryCode(list.List(i)));
}

void FillCategoryList(platform::ListBox& list, const platform::ListModel& categories)
{
    bool refill = true;
    core::CopyListItems(list.model(), categories, refill);
}

} // namespace

Finaccs::Finaccs(ReportDesk& desk, platform::Form* calendar) : Form(desk.services(), "Finaccs"), desk_(desk)
{
    designControls();
    WireReportDateBox(desk.book(), TxtFrom, calendar);
    WireReportDateBox(desk.book(), TxtTo, calendar);
    ListIncomeCats.Click = [this] { ListIncomeCats_Click(); };
    ListExpenseCats.Click = [this] { ListExpenseCats_Click(); };
    ListDividendCats.Click = [this] { ListDividendCats_Click(); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    endDesign();
}

void Finaccs::designControls()
{
    setCaption("Final Accounts");
    Move(0, 0, 9120, 7260);
    platform::CentreOnScreen(*this);

    Label1.setCaption("This report produces first draft profit and loss figures, in the form of a provisional balance "
                      "sheet, to help you in preparing your figures for your accountant ");
    Label1.Move(120, 120, 8760, 495);

    Label6.setCaption("Period : ");
    Label6.Move(120, 765, 855, 255);
    Label8.setCaption("From");
    Label8.Move(975, 765, 495, 255);
    TxtFrom.setText("dd/Mmm/yyyy");
    TxtFrom.Move(1470, 720, 1335, 315);
    Label7.setCaption("To");
    Label7.Move(2925, 765, 300, 255);
    TxtTo.setText("dd/Mmm/yyyy");
    TxtTo.Move(3225, 720, 1335, 315);

    Label9.setCaption("Select VAT Scheme :");
    Label9.Move(4680, 765, 1695, 255);
    OptStandardVAT.setCaption("Standard Accounting");
    OptStandardVAT.Move(6375, 645, 2505, 255);
    OptStandardVAT.setValue(true);
    OptCashVAT.setCaption("Cash Accounting");
    OptCashVAT.Move(6375, 915, 2505, 255);

    Label2.setCaption("(1) Select those categories which are INCOME Categories. Do NOT include such things as Transfer "
                      "Categories.");
    Label2.Move(120, 1320, 4260, 720);
    ListIncomeCats.Move(120, 2070, 4260, 1935);
    ListIncomeCats.setMultiSelect(1);
    Label3.setCaption("(2) Select those categories which are EXPENSE Categories. Do NOT include such things as personal "
                      "drawings, Tax payments, VAT accounts etc.");
    Label3.Move(4620, 1320, 4260, 720);
    ListExpenseCats.Move(4620, 2070, 4260, 1935);
    ListExpenseCats.setMultiSelect(1);

    Label4.setCaption("(3) Tax Rate :");
    Label4.setToolTipText(TaxRateTip);
    Label4.Move(120, 4215, 1335, 255);
    TxtTaxRate.setText("25");
    TxtTaxRate.setToolTipText(TaxRateTip);
    TxtTaxRate.Move(1455, 4170, 615, 315);
    Label5.setCaption("%");
    Label5.Move(2130, 4215, 255, 255);

    Label10.setCaption("(4) Profit brought fwd from Last Year:");
    Label10.Move(120, 4680, 2985, 255);
    Label12.setCaption("\xA3");
    Label12.Move(3105, 4680, 195, 255);
    TxtProfitFwd.setText("0.00");
    TxtProfitFwd.setToolTipText("Net Profit from Last Year (also known as Retained Profit)");
    TxtProfitFwd.Move(3300, 4635, 1080, 315);

    Label11.setCaption("(5) Select those categories which you use to pay yourself - i.e. DIVIDEND categories, drawings "
                       "or wages not on PAYE etc");
    Label11.Move(4620, 4140, 4260, 660);
    ListDividendCats.Move(4620, 4815, 4260, 1410);
    ListDividendCats.setMultiSelect(1);

    LblComplete.setCaption("0%");
    LblComplete.Move(120, 6420, 1095, 255);
    LblComplete.setVisible(false);
    CmdOK.setCaption("&OK");
    CmdOK.Move(6120, 6345, 1335, 375);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(7545, 6345, 1335, 375);
}

// The period runs to today and starts 365 days before unless the settings file names another.
void Finaccs::Form_Load()
{
    const runtime::Date today = services().now();
    TxtTo.setText(runtime::format(today, "dd/Mmm/yyyy"));
    TxtFrom.setText(runtime::format(runtime::Date(today.serial() - DaysInPeriod), "dd/Mmm/yyyy"));
    const platform::ListModel& categories = desk_.book().codes.ComboAnal;
    FillCategoryList(ListExpenseCats, categories);
    FillCategoryList(ListIncomeCats, categories);
    FillCategoryList(ListDividendCats, categories);
    LoadFinaccsSettings();
}

void Finaccs::LoadFinaccsSettings()
{
    selectingByCode_ = true;
    try {
        runtime::TextReader reader(desk_.folder() / std::string(FinaccsSettingsFileName));
        std::string line;
        for (platform::TextBox* box : {&TxtFrom, &TxtTo, &TxtTaxRate, &TxtProfitFwd}) {
            if (!reader.readLine(line))
                throw runtime::Error(runtime::InputPastEndOfFile);
            box->setText(line);
        }
        if (!reader.readLine(line))
            throw runtime::Error(runtime::InputPastEndOfFile);
        (runtime::rtrim(line) == "S" ? OptStandardVAT : OptCashVAT).setValue(true);
        // Each section ends at its marker: the income one at "[EXPENSE]", the expense one at
        // "[DIVIDEND]", the dividend one at the end of the file.
        const struct {
            platform::ListBox& list;
            const char* end;
        } sections[] = {{ListIncomeCats, ExpenseMarker}, {ListExpenseCats, DividendMarker}};
        for (const auto& section : sections) {
            while (line != section.end) {
                if (!reader.readLine(line))
                    throw runtime::Error(runtime::InputPastEndOfFile);
                if (line != section.end)
                    SelectListItemByCode(section.list, line);
            }
        }
        while (reader.readLine(line))
            SelectListItemByCode(ListDividendCats, line);
    } catch (const runtime::Error&) {
        // A missing or short file keeps the defaults it did not reach.
    }
    selectingByCode_ = false;
}

void Finaccs::SaveFinaccsSettings()
{
    try {
        runtime::AtomicFile file(desk_.folder() / std::string(FinaccsSettingsFileName));
        runtime::TextWriter& writer = file.writer();
        for (const platform::TextBox* box : {&TxtFrom, &TxtTo, &TxtTaxRate, &TxtProfitFwd})
            writer.writeLine(box->Text());
        writer.writeLine(OptStandardVAT.Value() ? "S" : "C");
        WriteSelectedCodes(writer, ListIncomeCats);
        writer.writeLine(ExpenseMarker);
        WriteSelectedCodes(writer, ListExpenseCats);
        writer.writeLine(DividendMarker);
        WriteSelectedCodes(writer, ListDividendCats);
        file.commit();
    } catch (const std::exception&) {
        // The choices are only a convenience for the next run: the report goes ahead without them.
    }
}

// A box that holds no date gets today's date after the warning, as leaving it does; an empty
// box too, since the report needs both ends of its period.
void Finaccs::CmdOK_Click()
{
    if (!core::ReadTypedAmount(TxtProfitFwd.Text())) {
        desk_.book().messages.ShowErrorBox(core::NotAnAmountMessage(TxtProfitFwd.Text(), "Amount"));
        TxtProfitFwd.setFocus();
        return;
    }
    core::Messages& messages = desk_.book().messages;
    for (platform::TextBox* box : {&TxtFrom, &TxtTo}) {
        if (runtime::rtrim(box->Text()).empty())
            box->setText(core::FormatDisplayDate(messages, box->Text()));
        else
            core::LeaveDateBox(messages, *box);
    }
    SaveFinaccsSettings();
    WriteFinalAccounts();
}

void Finaccs::CmdCancel_Click()
{
    Unload();
}

void Finaccs::ListIncomeCats_Click()
{
    KeepApart(ListIncomeCats, ListExpenseCats);
}

void Finaccs::ListExpenseCats_Click()
{
    KeepApart(ListExpenseCats, ListIncomeCats);
}

void Finaccs::ListDividendCats_Click()
{
    KeepApart(ListDividendCats, ListIncomeCats, &ListExpenseCats);
}

void Finaccs::KeepApart(platform::ListBox& clicked, const platform::ListBox& other, const platform::ListBox* another)
{
    if (selectingByCode_)
        return;
    const int item = clicked.ListIndex();
    if (item < 0 || !(other.Selected(item) || (another && another->Selected(item))))
        return;
    selectingByCode_ = true;
    clicked.setSelected(item, false);
    selectingByCode_ = false;
    services().beep(platform::Beep::Plain);
}

void Finaccs::ShowProgress(const std::string& caption)
{
    LblComplete.setCaption(caption);
    LblComplete.setVisible(true);
    LblComplete.Refresh();
}

} // namespace reports
