#pragma once

#include <string>

#include "core/BookViews.h"

namespace datafile {

// The main window as loading and saving a data file reach it. The main window implements it;
// tests use a fake.
class DataFileWindow : public core::BookViews {
public:
    virtual void setSaveItemEnabled(bool enabled) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The grid's scroll bar, which the data file keeps.
    virtual int QueryScrollMax() const = 0;
    virtual int QueryScrollValue() const = 0;
    virtual void setQueryScroll(int max, int value) = 0;
    // Before a book is loaded: the grid's current row goes back to 0.
    virtual void ResetGridRow() = 0;
    // After a book was loaded: the grid page from the scroll bar's position, the current filter on
    // the filter dialog, the totals labels, the named-filter combos, and the main filter combo's
    // text set to the current filter's name.
    virtual void ShowLoadedBook() = 0;
};

} // namespace datafile
