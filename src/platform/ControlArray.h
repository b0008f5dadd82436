#pragma once

#include <algorithm>
#include <memory>
#include <ranges>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "runtime/Error.h"

namespace platform {

// A control array: controls of one kind sharing a Name, each with its own Index (the indexes need
// not start at 0 nor be contiguous). Declared as a member of the window:
//     platform::ControlArray<platform::Label> EditLabel{*this, "EditLabel", 0, 7};
//     platform::ControlArray<platform::Label> ToLabel{*this, "ToLabel", {7}};
// and its events wired per element with the index: for (Label& l : EditLabel.elements())
// l.Click = [this, i = l.Index()] { EditLabel_Click(i); };
// An index without an element is error 340, as on the platform.
template <class T> class ControlArray {
public:
    ControlArray(Parent parent, const std::string& name, int first, int last)
    {
        for (int index = first; index <= last; ++index)
            elements_.push_back(std::make_unique<T>(parent, name, index));
    }
    ControlArray(Parent parent, const std::string& name, std::initializer_list<int> indexes)
    {
        std::vector<int> sorted(indexes);
        std::ranges::sort(sorted);
        for (int index : sorted)
            elements_.push_back(std::make_unique<T>(parent, name, index));
    }

    T& operator[](int index) const
    {
        const auto found = std::ranges::find_if(elements_, [index](const auto& e) { return e->Index() == index; });
        if (found == elements_.end())
            throw runtime::Error(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
        return **found;
    }
    bool exists(int index) const
    {
        return std::ranges::any_of(elements_, [index](const auto& e) { return e->Index() == index; });
    }
    int Count() const { return static_cast<int>(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.front()->Index(); }
    int UBound() const { return elements_.empty() ? -1 : elements_.back()->Index(); }
    // The elements in index order.
    auto elements() const
    {
        return elements_ | std::views::transform([](const std::unique_ptr<T>& e) -> T& { return *e; });
    }

private:
    std::vector<std::unique_ptr<T>> elements_;
};

} // namespace platform
