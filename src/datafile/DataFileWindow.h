#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/Ledger.h"

namespace datafile {

// The main window as loading and saving a data file reach it: the book's window with the members
// only the data file needs. The main window implements it; tests use a fake.
class DataFileWindow : public core::BookWindow {
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
    // The folder the program started in, which keeps the conversion log.
    virtual const std::filesystem::path& workingFolder() const = 0;
};

// The window a data-file operation is given must be the one attached to its book: the operation
// calls it directly, while the core operations it runs reach it through the book, and a book read
// in one window and shown in another would be saved with the wrong sort order and scroll bar.
// A programming fault, refused in every build type.
inline void ExpectAttached(const core::Ledger& ledger, const DataFileWindow& window)
{
    if (&ledger.Window() != &window)
        throw std::logic_error("the data file's window must be attached to the book");
}

} // namespace datafile
