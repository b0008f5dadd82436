#pragma once

namespace core {

struct FilterSetup;

// What the book's operations ask of the windows that show the book. The main program's windows
// implement it; tests use a fake.
class BookViews {
public:
    virtual ~BookViews() = default;

    // Empties the filter dialog's own copies of the code tables.
    virtual void ClearFilterCodeLists() = 0;
    // Refills the grid page from the position of its scroll bar.
    virtual void RefreshQueryGrid() = 0;
    // Fits the grid's scroll bar to the query index.
    virtual void SyncQueryScrollBar() = 0;
    // The criteria the filter dialog holds.
    virtual void ReadFilterSetupFromForm(FilterSetup& setup) = 0;
};

} // namespace core
