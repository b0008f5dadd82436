#pragma once

#include <string>

#include "core/SplitEntry.h"
#include "platform/Controls.h"

namespace core {
class Book;
}

namespace mainwindow {

class SplitsHost;

// The splits window of the transaction in the main window's edit box: one line per split with its
// net, VAT and gross amounts, where splits are added, changed, deleted and reordered. The list is
// the working copy; OK writes it back as the book's split tail together with the VAT total and the
// split count in the edit box. It exists only while shown.
class Splits : public platform::Form {
public:
    Splits(core::Book& book, SplitsHost& host);

    static constexpr int MaxSplits = 30;

    // Procedures of the window over its list lines: each line holds the memo (1-30), net (32-42),
    // VAT code (44-46), VAT (48-58), gross (60-70) and, last, the split number.
    std::string BuildSplitListLine(const std::string& number);
    std::string SplitListLineFromTail(int entry);
    core::SplitEntry ExtractSplitEntry(int entry);
    core::SplitEntry ParseSplitListLine(int index);
    // The stored entry of a list line without its four filler blanks (47 characters).
    std::string BuildSplitEntry(int index);
    int NextSplitId();
    // The index the removed line had; -1 when no line carries the number.
    int RemoveSplitLine(const std::string& number);
    void StoreEditedSplit(int number);
    void ClearSplitRecord();
    void ClearSplitFields();
    void FillSplitVatCodes();
    void RecalcSplitTotals();
    bool ValidateSplitFields();

    // The split being edited; a blank number means none, so that Update adds one.
    core::SplitEntry SplitFields;

    platform::Label Label2{*this, "Label2"};
    platform::ListBox ListSplits{*this, "ListSplits"};
    platform::CommandButton CmdUpList{*this, "CmdUpList"};
    platform::CommandButton CmdDownList{*this, "CmdDownList"};
    platform::Label LblTotals{*this, "LblTotals"};
    platform::Label LblNet{*this, "LblNet"};
    platform::Label LblVat{*this, "LblVat"};
    platform::Label LblTotal{*this, "LblTotal"};
    platform::Label LblTranTotalTitle{*this, "LblTranTotalTitle"};
    platform::Label LblTranTotal{*this, "LblTranTotal"};
    platform::Frame FrameDetails{*this, "FrameDetails"};
    platform::Label LblItem{FrameDetails, "LblItem"};
    platform::TextBox TxtMemo{FrameDetails, "TxtMemo"};
    platform::Label LblAmount{FrameDetails, "LblAmount"};
    platform::TextBox TxtAmount{FrameDetails, "TxtAmount"};
    platform::Label LblVATCode{FrameDetails, "LblVATCode"};
    platform::ComboBox ComboVATCodes{FrameDetails, "ComboVATCodes"};
    platform::CommandButton CmdNew{*this, "CmdNew"};
    platform::CommandButton CmdDelete{*this, "CmdDelete"};
    platform::CommandButton CmdUpdate{*this, "CmdUpdate"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};
    platform::Label LblOrigVATCode{*this, "LblOrigVATCode"};

private:
    void Form_Load() override;
    void ListSplits_DblClick();
    void CmdNew_Click();
    void CmdUpdate_Click();
    void CmdDelete_Click();
    void CmdOK_Click();
    void CmdCancel_Click();
    // A list line of the given fields: net and VAT worked at the code's rate.
    std::string SplitLine(const std::string& memo, double gross, const std::string& vatCode,
                          const std::string& number) const;
    void ShowTooManySplits();

    core::Book& book_;
    SplitsHost& host_;
};

} // namespace mainwindow
