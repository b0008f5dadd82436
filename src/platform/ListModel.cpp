#include "platform/ListModel.h"

#include <algorithm>
#include <utility>

#include "runtime/Error.h"

namespace platform {

namespace {

constexpr int InvalidPropertyArrayIndex = 381;

// Windows-1252 lower case: ASCII letters and the accented capitals 0xC0-0xDE except 0xD7 (x sign).
unsigned char foldCase(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

} // namespace

int compareListText(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = foldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldCase(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

template <class Notify> void ListModel::notify(Notify notifyOne)
{
    // An observer may detach itself, or another, while told; walk a copy and skip those gone.
    const std::vector<Observer*> observers = observers_;
    for (Observer* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            notifyOne(*observer);
}

ListModel::~ListModel()
{
    notify([](Observer& o) { o.modelDestroyed(); });
}

void ListModel::setSorted(bool sorted)
{
    if (sorted_ == sorted)
        return;
    sorted_ = sorted;
    if (!sorted_)
        return;
    notify([](Observer& o) { o.itemsResetting(); });
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return compareListText(a.text, b.text) < 0; });
    notify([](Observer& o) { o.reordered(); });
}

int ListModel::sortedPlace(const std::string& text) const
{
    const auto place = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& t, const Item& item) {
        return compareListText(t, item.text) < 0;
    });
    return static_cast<int>(place - items_.begin());
}

int ListModel::AddItem(const std::string& text, int index)
{
    int place = ListCount();
    if (sorted_)
        place = sortedPlace(text);
    else if (index != -1) {
        if (index < 0 || index > ListCount())
            throw runtime::Error(runtime::InvalidProcedureCall);
        place = index;
    }
    notify([place](Observer& o) { o.itemInserting(place); });
    items_.insert(items_.begin() + place, Item{text, 0});
    notify([place](Observer& o) { o.itemInserted(place); });
    return place;
}

void ListModel::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        throw runtime::Error(runtime::InvalidProcedureCall);
    notify([index](Observer& o) { o.itemRemoving(index); });
    items_.erase(items_.begin() + index);
    notify([index](Observer& o) { o.itemRemoved(index); });
}

void ListModel::Clear()
{
    notify([](Observer& o) { o.itemsResetting(); });
    items_.clear();
    notify([](Observer& o) { o.cleared(); });
}

const ListModel::Item& ListModel::at(int index) const
{
    if (index < 0 || index >= ListCount())
        throw runtime::Error(InvalidPropertyArrayIndex, "Invalid property array index");
    return items_[static_cast<std::size_t>(index)];
}

ListModel::Item& ListModel::at(int index)
{
    return const_cast<Item&>(std::as_const(*this).at(index));
}

std::string ListModel::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    return items_[static_cast<std::size_t>(index)].text;
}

void ListModel::setList(int index, const std::string& text)
{
    at(index).text = text;
    notify([index](Observer& o) { o.itemChanged(index); });
}

long ListModel::ItemData(int index) const
{
    return at(index).data;
}

void ListModel::setItemData(int index, long data)
{
    at(index).data = data;
}

void ListModel::addObserver(Observer& observer)
{
    observers_.push_back(&observer);
}

void ListModel::removeObserver(Observer& observer)
{
    std::erase(observers_, &observer);
}

} // namespace platform
