#include "core/FilterCombos.h"

#include "core/Book.h"
#include "core/FilterSetup.h"
#include "core/ListSearch.h"
#include "platform/ListControls.h"
#include "runtime/Text.h"

namespace core {

void FillFilterCombos(Book& book, platform::ComboBox& mainFilters)
{
    FilterStore& filters = book.ledger.Filters;
    CopyListItems(mainFilters.model(), filters.Names, filters.FiltersChanged);
    if (runtime::rtrim(mainFilters.Text()).empty())
        mainFilters.setText(filters.CurrentFilter.Name.str());
    const int previous = FindListItem(mainFilters.model(), PreviousFilterName, static_cast<int>(PreviousFilterName.size()));
    if (previous >= 0)
        mainFilters.RemoveItem(previous);
}

void FillFilterNameList(const Book& book, platform::ComboBox& reportFilters)
{
    const platform::ListModel& names = book.ledger.Filters.Names;
    reportFilters.Clear();
    reportFilters.AddItem(std::string(CurrentFilterName));
    for (int i = 0; i < names.ListCount(); ++i) {
        if (runtime::rtrim(names.List(i)) != PreviousFilterName)
            reportFilters.AddItem(names.List(i));
    }
}

} // namespace core
