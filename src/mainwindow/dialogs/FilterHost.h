#pragma once

#include <string>

namespace mainwindow {

// What the filter dialog needs of the main window: where the grid stands on the screen, the grid
// and its scroll bar shown afresh under the applied criteria, the named-filter combo above the
// grid, and the save. The main window implements it; the dialog never sees the main window itself.
class FilterHost {
public:
    virtual ~FilterHost() = default;

    // On the screen: the left of the mouse's last press on the grid, and the grid's top.
    virtual double GridMouseLeft() const = 0;
    virtual double GridTop() const = 0;
    // After a filter was applied: the edit box emptied, its commands off, no row selected and the
    // scroll bar fitted to the new query index from its top.
    virtual void ShowNewQueryIndex() = 0;
    // Refills the grid page from the position of its scroll bar.
    virtual void RefreshQueryGrid() = 0;
    // The named-filter combo above the grid: its text, and its list refilled from the book's
    // set-ups when they changed.
    virtual void setMainFilterText(const std::string& name) = 0;
    virtual void FillMainFilterCombo() = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
};

} // namespace mainwindow
