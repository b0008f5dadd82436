#pragma once

#include <string>

#include "core/TransactionIndex.h"

namespace core {

struct FilterSetup;

// Which items of the main window's filter menu are ticked: one per criterion that is on.
struct FilterMenuTicks {
    bool FiltDateItem = false;
    bool FiltRefNumItem = false;
    bool FiltTypeItem = false;
    bool FiltBankItem = false;
    bool FiltCustItem = false;
    bool FiltVATItem = false;
    bool FiltAnalItem = false;
    bool FiltCommentItem = false;
    bool FiltAmountItem = false;
    bool FiltReconItem = false;
};

// The texts of the edit box's controls, as shown, for a document of the transaction on show.
struct EditBoxTexts {
    std::string Amount;    // TextAmount, a net amount grossed up as Update stores it
    std::string VAT;       // ComboVAT: the code, then its name
    std::string VATAmount; // TxtVATAmount
    std::string Customer;  // ComboCustomer: the code, then its name
    std::string Reference; // TextRef
    std::string Date;      // TextDate, "dd/Mmm/yyyy"
    std::string Memo;      // TextComment
};

// The main window as the company book reaches it. The book keeps its own logic and numbers; at the
// few points where it must look at or update the window it goes through this interface, which
// the main window implements and attaches to the book (Ledger::AttachWindow). Every operation on
// the book reaches the window this way, through book.ledger.Window().
class BookWindow {
public:
    virtual ~BookWindow() = default;

    // The sort-order menu: ByDateItem ticked gives ByDate, else ByRefItem ticked ByReference.
    virtual QueryOrder SortOrder() const = 0;
    // Ticks ByDateItem or ByRefItem (and unticks the other), as a loaded data file asks.
    virtual void setSortOrder(QueryOrder order) = 0;
    // Empties the edit box; the book uses mode ClearWholeEditBox.
    virtual void ClearEntryFields(int mode) = 0;
    // Enables or disables the record-dependent menu items and buttons.
    virtual void UpdateMenuState() = 0;
    virtual void TickFilterMenu(const FilterMenuTicks& ticks) = 0;
    // Shows or hides LblMinusSign with LblPayTotal, and LblPlusSign with LblRcpTotal.
    virtual void ShowTotalsLabels(bool showPayments, bool showReceipts) = 0;
    // Empties the filter dialog's own copies of the code tables.
    virtual void ClearFilterCodeLists() = 0;
    // Refills the grid page from the position of its scroll bar.
    virtual void RefreshQueryGrid() = 0;
    // Fits the grid's scroll bar to the query index.
    virtual void SyncQueryScrollBar() = 0;
    // Saves the book to its data file, or asks for a name when it has none: what every window
    // does after a change when the book's AutoSave is on.
    virtual void SaveTheFile() = 0;
    // What the edit box shows; a book without a window shows nothing.
    virtual EditBoxTexts EntryTexts() const { return {}; }
};

inline constexpr int ClearWholeEditBox = 5;

// The window of a book that no main window shows (before the main window attaches itself, in
// tools and benchmarks): it keeps the sort order, which starts by date, and has nothing to show.
class DetachedBookWindow final : public BookWindow {
public:
    QueryOrder SortOrder() const override { return order_; }
    void setSortOrder(QueryOrder order) override { order_ = order; }
    void ClearEntryFields(int) override {}
    void UpdateMenuState() override {}
    void TickFilterMenu(const FilterMenuTicks&) override {}
    void ShowTotalsLabels(bool, bool) override {}
    void ClearFilterCodeLists() override {}
    void RefreshQueryGrid() override {}
    void SyncQueryScrollBar() override {}
    void SaveTheFile() override {}

private:
    QueryOrder order_ = QueryOrder::ByDate;
};

} // namespace core
