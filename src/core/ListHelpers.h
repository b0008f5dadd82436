#pragma once

#include <string>
#include <string_view>

namespace platform {
class ComboBox;
class ListBox;
class ListControl;
class Services;
class TextBox;
} // namespace platform

namespace core {

class Messages;

// Small helpers every window uses on its lists and text boxes.

// How many items of a multi-select list are marked.
int CountSelectedItems(const platform::ListBox& list);
void SelectAllListItems(platform::ListBox& list);
void DeselectAllListItems(platform::ListBox& list);

// Entered with Tab, the box's whole text is selected, so typing replaces it; entered otherwise
// (a click), nothing is selected.
void SelectAllText(platform::Services& services, platform::TextBox& box);
void SelectAllText(platform::Services& services, platform::ComboBox& box);

// Moves the chosen item one place up or down and keeps it chosen there. Nothing moves without a
// chosen item or past either end. A failure is reported as "Error moving item in list : ...".
void MoveListItem(Messages& messages, platform::ListControl& list, bool down);

// Every occurrence of `find` has its first character replaced by the first character of
// `replacement`. The search goes on after each replaced character, so it always ends.
void ReplaceChar(std::string& text, std::string_view find, std::string_view replacement);

} // namespace core
