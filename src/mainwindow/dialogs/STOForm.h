#pragma once

#include <string>

#include "platform/Controls.h"
#include "runtime/Date.h"

namespace core {
class Book;
}

namespace reports {
class ReportDesk;
}

namespace mainwindow {

class BookViewHost;

// The standing-orders window: the book's standing orders, of which the selected ones are applied
// to the current month as new transactions, one deleted, or the list printed. One object for the
// whole run, owned by the main window; Close only hides it.
class STOForm : public platform::Form {
public:
    STOForm(core::Book& book, reports::ReportDesk& reportDesk, BookViewHost& host);

    // Fills the list from the book's standing orders, a memo's line break shown as two blanks. The
    // list shows them in the book's order, so an item's index is the standing order's.
    void ShowStandingOrders();
    // Applies every selected line; answers the summary of the applied ones ("" when none was).
    std::string ApplySelectedStandingOrders();
    void DeleteSelectedStandingOrder();

    platform::Label Label2{*this, "Label2"};
    platform::ListBox ListSTOs{*this, "ListSTOs"};
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::CommandButton CmdDelete{*this, "CmdDelete"};
    platform::CommandButton CmdApply{*this, "CmdApply"};
    platform::CommandButton CmdClose{*this, "CmdClose"};

private:
    void CmdApply_Click();
    void CmdPrint_Click();
    // Stores the transactions of one line dated in `today`'s month; true only when all were stored.
    bool ApplyStandingOrder(const std::string& line, runtime::Date today);
    void ShowLine(int index);

    core::Book& book_;
    reports::ReportDesk& reportDesk_;
    BookViewHost& host_;
};

} // namespace mainwindow
