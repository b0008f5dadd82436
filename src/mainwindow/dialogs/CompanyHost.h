#pragma once

#include <string>

namespace core {
class FilterForm;
}

namespace mainwindow {

// What the company window needs of the main window when it stores details or starts a new
// company: the caption, the edit box and record commands, the filter dialog and the named-filter
// combo, the grid and the save. The main window implements it; the company window never sees the
// main window itself.
class CompanyHost {
public:
    virtual ~CompanyHost() = default;

    // The caption shows the company's name.
    virtual void ShowCompanyCaption() = 0;
    // Disables the record-dependent menu items and buttons.
    virtual void UpdateMenuState() = 0;
    // Empties the edit box; the company window uses mode ClearWholeEditBox.
    virtual void ClearEntryFields(int mode) = 0;
    // The filter dialog, which shows the current set-up.
    virtual core::FilterForm& FilterDialog() = 0;
    // The named-filter combo above the grid: its text, and its list refilled from the book's
    // set-ups when they changed.
    virtual void setMainFilterText(const std::string& name) = 0;
    virtual void FillMainFilterCombo() = 0;
    // Fits the scroll bar to the query index and brings `place` into view (the top when the index
    // has no such place).
    virtual void SyncQueryScrollBar(int place) = 0;
    // Refills the grid page from `place` in the query index.
    virtual int RefreshQueryGrid(int place) = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
};

} // namespace mainwindow
