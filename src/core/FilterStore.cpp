#include "core/FilterStore.h"

#include <array>
#include <string>

#include "core/Book.h"
#include "core/ListSearch.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace core {

namespace {

constexpr int NameWidth = FixedText<20>::Width;

// Stored names are compared upper-cased over their 20 characters.
std::string NameKey(std::string_view name)
{
    return runtime::ucase(runtime::padRight(name, NameWidth));
}

std::string NotFoundMessage(const std::string& key)
{
    return "Unable to find filter set-up '" + key + "' in the internal storage";
}

// The reserved name a set-up's name stands for, in the order they are tested; empty for none.
std::string_view ReservedNameOf(std::string_view name)
{
    const std::string trimmed = runtime::ucase(runtime::rtrim(name));
    for (const std::string_view reserved : {PreviousFilterName, CustomisedFilterName, CurrentFilterName})
        if (trimmed == reserved)
            return reserved;
    return {};
}

void MarkNamesChanged(Ledger& ledger)
{
    ledger.Filters.FiltersChanged = true;
    ledger.FileChanged = true;
}

} // namespace

FilterStore::FilterStore()
{
    Names.setSorted(true);
    Names.AddItem(std::string(PreviousFilterName));
}

const FilterSetup& FilterStore::At(int number) const
{
    if (number < 1 || number > Count())
        throw runtime::Error(runtime::SubscriptOutOfRange);
    return stored_[static_cast<std::size_t>(number - 1)];
}

int FilterStore::Find(std::string_view name) const
{
    const std::string key = NameKey(name);
    for (int number = 1; number <= Count(); ++number)
        if (runtime::ucase(At(number).Name.view()) == key)
            return number;
    return 0;
}

void FilterStore::Overwrite(int number, const FilterSetup& setup)
{
    At(number);
    stored_[static_cast<std::size_t>(number - 1)] = setup;
}

void FilterStore::Erase(int number)
{
    At(number);
    stored_.erase(stored_.begin() + (number - 1));
}

void StoreFilterSetup(Book& book, const FilterSetup& setup)
{
    FilterStore& filters = book.ledger.Filters;
    const std::string name = runtime::rtrim(setup.Name.view());
    if (name.empty()) {
        book.messages.ShowErrorBox("If you wish to save this filter set-up, you must give it a name");
        return;
    }
    if (const std::string_view reserved = ReservedNameOf(name); !reserved.empty()) {
        book.messages.ShowErrorBox("'" + std::string(reserved) +
                                   "' is a reserved name. Choose another name for this filter set-up");
        return;
    }
    if (FindListItem(filters.Names, setup.Name.view(), NameWidth) < 0) {
        filters.Names.AddItem(setup.Name.str());
        filters.AppendFilterSetup(setup);
    } else {
        const auto answer = book.messages.AskYesNo("Filter set-up '" + name +
                                                   "' already exists. Do you wish to replace it?");
        if (answer != platform::Answer::Yes)
            return;
        filters.PreviousFilter = filters.CurrentFilter;
        ReplaceFilterSetup(book, setup);
    }
    MarkNamesChanged(book.ledger);
}

bool ReplaceFilterSetup(Book& book, const FilterSetup& setup)
{
    FilterStore& filters = book.ledger.Filters;
    const int number = filters.Find(setup.Name.view());
    if (number == 0) {
        book.messages.ShowErrorBox(NotFoundMessage(NameKey(setup.Name.view())));
        return false;
    }
    filters.Overwrite(number, setup);
    MarkNamesChanged(book.ledger);
    return true;
}

bool FindFilterSetup(Book& book, std::string_view name, FilterSetup& target)
{
    const FilterStore& filters = book.ledger.Filters;
    const std::string key = NameKey(name);
    const std::string trimmed = runtime::rtrim(key);
    if (trimmed == PreviousFilterName) {
        target = filters.PreviousFilter;
        return true;
    }
    if (trimmed == CurrentFilterName) {
        target = filters.CurrentFilter;
        return true;
    }
    const int number = filters.Find(key);
    if (number == 0) {
        book.messages.ShowErrorBox(NotFoundMessage(key));
        return false;
    }
    target = filters.At(number);
    return true;
}

bool RemoveFilterSetup(Book& book, std::string_view name)
{
    FilterStore& filters = book.ledger.Filters;
    const int number = filters.Find(name);
    if (number == 0) {
        book.messages.ShowErrorBox(NotFoundMessage(NameKey(name)));
        return false;
    }
    filters.Erase(number);
    MarkNamesChanged(book.ledger);
    return true;
}

} // namespace core
