#pragma once

namespace platform {
class ComboBox;
}

namespace core {

class Book;

// Refreshes the main window's named-filter combo from the filter dialog's name list: the items are
// copied only when the names changed since the last refill; an empty combo text becomes the
// current set-up's name; "(PREVIOUS)" is not offered there.
void FillFilterCombos(Book& book, platform::ComboBox& mainFilters);

// Fills the report chooser's set-up list: "(CURRENT)" and then every stored set-up's name.
void FillFilterNameList(const Book& book, platform::ComboBox& reportFilters);

} // namespace core
