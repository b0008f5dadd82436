#pragma once

#include <string_view>

namespace platform {
class ListBox;
class ListModel;
}

namespace core {

// The first item (from 0) whose first `length` characters equal the key's first `length`
// characters, letter case ignored; -1 when there is none. A key shorter than `length` is compared
// as it is, so "ab" over 3 characters does not match "ABC".
int FindListItem(const platform::ListModel& list, std::string_view key, int length);
// The same over the selected items of a multi-select list only.
int FindSelectedListItem(const platform::ListBox& list, std::string_view key, int length);

// When `changed` is set: empties the target, adds every source item in order and clears the flag.
// Otherwise does nothing, so a mirror list is refilled only after its table changed.
void CopyListItems(platform::ListModel& target, const platform::ListModel& source, bool& changed);

} // namespace core
