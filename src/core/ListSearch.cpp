#include "core/ListSearch.h"

#include "platform/ListControls.h"
#include "platform/ListModel.h"
#include "runtime/Text.h"

namespace core {

namespace {

// The first item among those `considered` whose prefix matches the key's, compared in place.
template <class Considered>
int findPrefix(const platform::ListModel& list, std::string_view key, int length, Considered considered)
{
    const auto prefix = [length](std::string_view text) { return text.substr(0, runtime::checkedLength(length)); };
    const std::string_view wanted = prefix(key);
    for (int i = 0; i < list.ListCount(); ++i) {
        if (considered(i) && runtime::sameUpperCased(prefix(list.List(i)), wanted))
            return i;
    }
    return -1;
}

} // namespace

int FindListItem(const platform::ListModel& list, std::string_view key, int length)
{
    return findPrefix(list, key, length, [](int) { return true; });
}

int FindSelectedListItem(const platform::ListBox& list, std::string_view key, int length)
{
    return findPrefix(list.model(), key, length, [&list](int index) { return list.Selected(index); });
}

void CopyListItems(platform::ListModel& target, const platform::ListModel& source, bool& changed)
{
    if (!changed)
        return;
    target.Clear();
    for (int i = 0; i < source.ListCount(); ++i)
        target.AddItem(source.List(i));
    changed = false;
}

} // namespace core
