#pragma once

#include <string>
#include <vector>

namespace platform {

// The items of a list box or combo box: each a text and a number (ItemData). A model may be shown
// by several list controls at once (the company book owns the code tables, the windows show them),
// so every change is announced to the model's observers. Indexes are 0-based.
class ListModel {
public:
    // Told after each change; the lists that show a model keep their ListIndex right through it.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void itemInserted(int index) = 0;
        virtual void itemRemoved(int index) = 0;
        virtual void itemChanged(int index) = 0;
        virtual void cleared() = 0;
        // Sorted was switched on and the items moved into text order.
        virtual void reordered() = 0;
        // The model is being destroyed; the observer must let go of it.
        virtual void modelDestroyed() = 0;
        // Told before a change, for an observer that must name the change while the items are still
        // as they were (a view): an item about to be added at or removed from an index, or every
        // item about to change at once (Clear, or the sorting that Sorted switches on).
        virtual void itemInserting(int /*index*/) {}
        virtual void itemRemoving(int /*index*/) {}
        virtual void itemsResetting() {}
    };

    ListModel() = default;
    ~ListModel();
    ListModel(const ListModel&) = delete;
    ListModel& operator=(const ListModel&) = delete;

    // A sorted model keeps its items in text order, letter case ignored; an added item goes after
    // the items that compare equal to it. Switching it on sorts the items already there.
    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted);

    // Adds an item and answers the index it took. `index` places it in an unsorted model (-1 or
    // ListCount() appends); a sorted model ignores it. An index beyond the end is error 5.
    int AddItem(const std::string& text, int index = -1);
    // Removing an index outside the list is error 5.
    void RemoveItem(int index);
    void Clear();

    int ListCount() const { return static_cast<int>(items_.size()); }
    // The text of an item; an index outside the list answers "", as the platform's list does.
    std::string List(int index) const;
    // An index outside the list is error 381 for these, as for the platform's list.
    // Replaces the text in place (a sorted model does not move it, as the platform's list does not).
    void setList(int index, const std::string& text);
    long ItemData(int index) const;
    void setItemData(int index, long data);

    void addObserver(Observer& observer);
    void removeObserver(Observer& observer);

private:
    struct Item {
        std::string text;
        long data = 0;
    };
    const Item& at(int index) const;
    Item& at(int index);
    int sortedPlace(const std::string& text) const;
    template <class Notify> void notify(Notify notify);

    std::vector<Item> items_;
    std::vector<Observer*> observers_;
    bool sorted_ = false;
};

// The order of a sorted list: letter case ignored (Windows-1252 letters included); -1, 0 or 1.
int compareListText(const std::string& a, const std::string& b);

} // namespace platform
