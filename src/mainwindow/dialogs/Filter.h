#pragma once

#include <array>
#include <string>

#include "core/FilterForm.h"
#include "mainwindow/dialogs/Calendar.h"
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

class FilterHost;

// The frame colours that show whether a criterion is on.
inline constexpr long CriterionOnColour = 32768; // dark green
inline constexpr long CriterionOffColour = 0;

// The filter dialog: one frame per criterion of the current set-up, shown all at once or only the
// frame of one grid column. It applies the criteria to the grid and saves, recalls and deletes
// named set-ups. Main loads it once, hidden, and keeps it for the life of the program, as its
// controls hold the criteria between showings.
class Filter : public platform::Form, public core::FilterForm {
public:
    Filter(core::Book& book, Calendar& calendar, FilterHost& host);

    // One criterion: its frame with the On/Off pair.
    struct Criterion {
        platform::Frame& frame;
        platform::OptionButton& on;
        platform::OptionButton& off;
    };

    platform::Frame FrameDate{*this, "FrameDate"};
    platform::OptionButton OptDateOn{FrameDate, "OptDateOn"};
    platform::OptionButton OptDateOff{FrameDate, "OptDateOff"};
    platform::Label LblFrom{FrameDate, "LblFrom"};
    platform::TextBox FromDate{FrameDate, "FromDate"};
    platform::Label LblTo{FrameDate, "LblTo"};
    platform::TextBox ToDate{FrameDate, "ToDate"};

    platform::Frame FrameRefNum{*this, "FrameRefNum"};
    platform::OptionButton OptRefOn{FrameRefNum, "OptRefOn"};
    platform::OptionButton OptRefOff{FrameRefNum, "OptRefOff"};
    platform::Label LblRefLike{FrameRefNum, "LblRefLike"};
    platform::TextBox TextRefNum{FrameRefNum, "TextRefNum"};

    platform::Frame FrameTypes{*this, "FrameTypes"};
    platform::OptionButton OptTypeOn{FrameTypes, "OptTypeOn"};
    platform::OptionButton OptTypeOff{FrameTypes, "OptTypeOff"};
    platform::CheckBox ChkPay{FrameTypes, "ChkPay"};
    platform::CheckBox ChkRcp{FrameTypes, "ChkRcp"};
    platform::CheckBox ChkInv{FrameTypes, "ChkInv"};
    platform::CheckBox ChkBil{FrameTypes, "ChkBil"};
    platform::CheckBox ChkPaidInv{FrameTypes, "ChkPaidInv"};
    platform::CheckBox ChkPaidBil{FrameTypes, "ChkPaidBil"};

    platform::Frame FrameVAT{*this, "FrameVAT"};
    platform::OptionButton OptVATOn{FrameVAT, "OptVATOn"};
    platform::OptionButton OptVATOff{FrameVAT, "OptVATOff"};
    platform::ComboBox ListFiltVAT{FrameVAT, "ListFiltVAT"};

    platform::Frame FrameComment{*this, "FrameComment"};
    platform::OptionButton OptComOn{FrameComment, "OptComOn"};
    platform::OptionButton OptComOff{FrameComment, "OptComOff"};
    platform::Label LblComLike{FrameComment, "LblComLike"};
    platform::TextBox TextFiltComment{FrameComment, "TextFiltComment"};

    platform::Frame FrameAmount{*this, "FrameAmount"};
    platform::OptionButton OptAmtOn{FrameAmount, "OptAmtOn"};
    platform::OptionButton OptAmtOff{FrameAmount, "OptAmtOff"};
    platform::CommandButton CmdAmtOp{FrameAmount, "CmdAmtOp"};
    platform::TextBox TextFiltAmount{FrameAmount, "TextFiltAmount"};

    platform::Frame FrameRecon{*this, "FrameRecon"};
    platform::OptionButton OptRecOn{FrameRecon, "OptRecOn"};
    platform::OptionButton OptRecOff{FrameRecon, "OptRecOff"};
    platform::Label LblWhichAre{FrameRecon, "LblWhichAre"};
    // The reconciled/unreconciled pair sits in a frame of its own, so it does not clear On/Off.
    platform::Frame FrameReconState{FrameRecon, "FrameReconState"};
    platform::OptionButton OptFiltUnrecon{FrameReconState, "OptFiltUnrecon"};
    platform::OptionButton OptFiltRecon{FrameReconState, "OptFiltRecon"};

    platform::Frame FrameBank{*this, "FrameBank"};
    platform::OptionButton OptBankOn{FrameBank, "OptBankOn"};
    platform::OptionButton OptBankOff{FrameBank, "OptBankOff"};
    platform::ComboBox ListFiltBank{FrameBank, "ListFiltBank"};

    platform::Frame FrameCust{*this, "FrameCust"};
    platform::OptionButton OptCustOn{FrameCust, "OptCustOn"};
    platform::OptionButton OptCustOff{FrameCust, "OptCustOff"};
    platform::ComboBox ListFiltCust{FrameCust, "ListFiltCust"};

    platform::Frame FrameAnal{*this, "FrameAnal"};
    platform::OptionButton OptAnalOn{FrameAnal, "OptAnalOn"};
    platform::OptionButton OptAnalOff{FrameAnal, "OptAnalOff"};
    platform::ComboBox ListFiltAnal{FrameAnal, "ListFiltAnal"};

    platform::Label LblFilterName{*this, "LblFilterName"};
    platform::ComboBox ComboListFilters{*this, "ComboListFilters"};
    platform::CommandButton CmdSave{*this, "CmdSave"};
    platform::CommandButton CmdDelete{*this, "CmdDelete"};
    platform::CommandButton CmdDefaultFilters{*this, "CmdDefaultFilters"};
    platform::CommandButton CmdAllOff{*this, "CmdAllOff"};
    platform::CommandButton CmdFilter{*this, "CmdFilter"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

    // ---- core::FilterForm ----
    core::FilterFormValues Values() const override;
    void setValues(const core::FilterFormValues& values) override;

    void ShowFullFilterForm();
    // Grid columns 2 to 13 show their criterion's frame; other columns show none.
    void ShowFilterFormForColumn(int column);
    void LayOutCriterionFrames();
    // The ten criterion frames, in the order of their grid columns.
    std::array<platform::Frame*, 10> criterionFrames();
    static void SetFrameColour(platform::Frame& frame, long colour);
    void DeleteFilterSetup(platform::ComboBox& list, const std::string& name);
    // Empties the copies of the code tables, so the next showing copies them afresh.
    void ClearCodeLists();

    void CmdFilter_Click();
    void CmdCancel_Click();
    void CmdAllOff_Click();
    void CmdAmtOp_Click();
    void CmdDefaultFilters_Click();
    void CmdDelete_Click();
    void CmdSave_Click();
    void CmdSave_GotFocus();
    void ComboListFilters_Click();

private:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void designFrames();
    void designButtons();
    void wireCriteria();
    void wireValueControls();
    // The frame of a grid column; null for the columns no criterion belongs to.
    platform::Frame* frameOfColumn(int column);
    // Refills a code list from the main window's combo when that table changed, and shows the
    // current set-up's code in it.
    void refreshCodeList(int column);
    void CheckFromDate();
    void CheckToDate();
    void PickInto(platform::TextBox& box);
    void SaveWhenAutoSaving();
    // The amount criterion holds an amount (or nothing); other text is refused before a set-up is read.
    bool AmountIsReadable();

    FilterHost& host_;
    core::Book& book_;
    Calendar& calendar_; // the main window's date picker
};

} // namespace mainwindow
