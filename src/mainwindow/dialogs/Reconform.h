#pragma once

#include <string>
#include <vector>

#include "core/FilterSetup.h"
#include "platform/Controls.h"
#include "reports/ReconciliationPrintout.h"

namespace core {
class Book;
}

namespace reports {
class ReportDesk;
}

namespace mainwindow {

class BookViewHost;
class Calendar;

// The reconciliation window: one bank account's payments and receipts of a date range, where a
// double-click ticks a transaction off against the bank statement (or clears its mark) in the book
// at once, and two balances show the reconciled balance before and after. It is loaded when shown
// and unloaded by Close; the user's current filter is read, never changed.
class Reconform : public platform::Form {
public:
    Reconform(core::Book& book, Calendar& calendar, reports::ReportDesk& reportDesk, BookViewHost& host);

    // Checks the account and dates, then lists the account's transactions of the range and sets
    // both balances; answers the number of lines. A refused load leaves the list as it was.
    int LoadReconciliation();
    // The row of a transaction as the book holds it, before any tick in this window.
    reports::ReconciliationRow ReadReconRow(int recordNumber) const;
    // The list line of a row: date, reference, memo, mark, amount, effect and, last, the record
    // number.
    static std::string BuildReconLine(const reports::ReconciliationRow& row);

    // The criteria of the last load, and the start balance as last loaded or changed.
    core::FilterSetup ReconFilter;
    double ReconStartBalance = 0;

    platform::Frame FrameReconcile{*this, "FrameReconcile"};
    platform::ComboBox ComboReconBank{FrameReconcile, "ComboReconBank"};
    platform::Label LblFrom{FrameReconcile, "LblFrom"};
    platform::TextBox TextReconFrom{FrameReconcile, "TextReconFrom"};
    platform::Label LblTo{FrameReconcile, "LblTo"};
    platform::TextBox TextReconTo{FrameReconcile, "TextReconTo"};
    platform::CheckBox ChkUnReconOnly{FrameReconcile, "ChkUnReconOnly"};
    platform::CommandButton CmdReload{FrameReconcile, "CmdReload"};
    platform::Label LblHeading{*this, "LblHeading"};
    platform::ListBox ListReconcile{*this, "ListReconcile"};
    platform::Label LblStartBal{*this, "LblStartBal"};
    platform::TextBox TextStartBal{*this, "TextStartBal"};
    platform::Label LblCurrBalTitle{*this, "LblCurrBalTitle"};
    platform::Label LblCurrBal{*this, "LblCurrBal"};
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::CommandButton CmdDone{*this, "CmdDone"};

private:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void ListReconcile_DblClick();
    void TextStartBal_LostFocus();
    void DateBox_LostFocus(platform::TextBox& box);
    void DateBox_DblClick(platform::TextBox& box);
    void CmdPrint_Click();
    void CmdDone_Click();
    // What closing does, by the Close button or the close box: the grid shows the marks, and an
    // auto-saved book keeps them.
    void ShowMarksInMainWindow();
    bool PrintJobShowing();
    // Shows the current balance and keeps it as the figure shown, so the effects in the list and
    // the printed ending balance are the label's figure.
    void ShowCurrentBalance(const std::string& shown);
    // Moves the current balance by `delta`, written as a plain number (" 1030").
    void AddToCurrentBalance(double delta);
    // The message of a refused load, with the focus on the box to correct.
    void RefuseLoad(const std::string& message, platform::Control& focus);

    core::Book& book_;
    Calendar& calendar_; // the main window's date picker
    reports::ReportDesk& reportDesk_;
    BookViewHost& host_;
    // The list's rows, in its order.
    std::vector<reports::ReconciliationRow> rows_;
    double currentBalance_ = 0;
};

} // namespace mainwindow
