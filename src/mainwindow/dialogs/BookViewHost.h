#pragma once

namespace mainwindow {

// What the standing-orders and reconciliation windows need of the main window's grid after they
// changed transactions: the page refilled, its scroll bar fitted, the totals shown, and the book
// saved. The main window implements it; the windows never see the main window itself.
class BookViewHost {
public:
    virtual ~BookViewHost() = default;

    // Refills the grid page from `place` in the query index (1 is its first transaction).
    virtual int RefreshQueryGrid(int place) = 0;
    // Refills the grid page from the position of its scroll bar.
    virtual void RefreshQueryGrid() = 0;
    // Fits the scroll bar to the query index and brings `place` into view (the top when the index
    // has no such place).
    virtual void SyncQueryScrollBar(int place) = 0;
    // After transactions came or went: the query totals worked again, no row selected, the scroll
    // bar fitted, the page refilled and the totals labels shown.
    virtual void ShowArchiveChanges() = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
};

} // namespace mainwindow
