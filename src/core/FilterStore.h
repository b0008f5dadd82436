#pragma once

#include <string_view>
#include <vector>

#include "core/FilterSetup.h"
#include "platform/ListModel.h"

namespace core {

class Book;

// The book's filter set-ups: the current one (which decides what the query index holds), the
// previous one (found under "(PREVIOUS)"), and the user's named set-ups, numbered from 1.
class FilterStore {
public:
    FilterStore();
    FilterStore(const FilterStore&) = delete;
    FilterStore& operator=(const FilterStore&) = delete;

    FilterSetup CurrentFilter;
    FilterSetup PreviousFilter;
    // Set when the names changed since the main window's named-filter combo was last refilled.
    bool FiltersChanged = false;
    // The names shown by the filter dialog's ComboListFilters: a sorted list that holds the item
    // "(PREVIOUS)" from the start and the 20-character name of each stored set-up.
    platform::ListModel Names;

    int Count() const { return static_cast<int>(stored_.size()); }
    // A stored set-up, 1 to Count(); another number is error 9 "Subscript out of range".
    const FilterSetup& At(int number) const;
    // The number of the first stored set-up whose name, upper-cased, equals `name` upper-cased and
    // taken to 20 characters; 0 when there is none.
    int Find(std::string_view name) const;

    // Adds a set-up after the last one (the name list is the caller's).
    void AppendFilterSetup(const FilterSetup& setup) { stored_.push_back(setup); }
    void Overwrite(int number, const FilterSetup& setup);
    // Removes a stored set-up; the later ones move down by one.
    void Erase(int number);
    // Forgets every stored set-up (the name list is the caller's).
    void ClearFilterSetupList() { stored_.clear(); }

private:
    std::vector<FilterSetup> stored_;
};

// Stores `setup` under its Name after the checks: a blank or reserved name is refused with a
// message; a name already in the list is replaced only after the user says Yes (PreviousFilter
// then becomes a copy of CurrentFilter); a new name is added to the list. Marks the names and the
// file changed unless it stopped.
void StoreFilterSetup(Book& book, const FilterSetup& setup);
// Overwrites the stored set-up of the same name (upper-cased, 20 characters). False, with the
// message "Unable to find filter set-up '...' in the internal storage", when there is none.
bool ReplaceFilterSetup(Book& book, const FilterSetup& setup);
// Copies the set-up called `name` into `target`: "(PREVIOUS)" and "(CURRENT)" give those set-ups,
// any other name the first stored set-up of that name. When there is none, the message above is
// shown, `target` is left as it was and the answer is false.
bool FindFilterSetup(Book& book, std::string_view name, FilterSetup& target);
// Removes the stored set-up called `name` (the name list is the caller's). False, with the message
// above, when there is none.
bool RemoveFilterSetup(Book& book, std::string_view name);

} // namespace core
