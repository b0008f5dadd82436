#include "core/ListHelpers.h"

#include "core/Messages.h"
#include "platform/ListControls.h"
#include "platform/Services.h"
#include "platform/TextBox.h"

namespace core {

namespace {

void markAll(platform::ListBox& list, bool on)
{
    for (int i = 0; i < list.ListCount(); ++i)
        list.setSelected(i, on);
}

template <class Box> void selectAllText(platform::Services& services, Box& box)
{
    if (services.keyIsDown(platform::KeyTab)) {
        box.setSelStart(0);
        box.setSelLength(static_cast<int>(box.Text().size()));
    } else {
        box.setSelLength(0);
    }
}

} // namespace

int CountSelectedItems(const platform::ListBox& list)
{
    int count = 0;
    for (int i = 0; i < list.ListCount(); ++i)
        count += list.Selected(i) ? 1 : 0;
    return count;
}

void SelectAllListItems(platform::ListBox& list)
{
    markAll(list, true);
}

void DeselectAllListItems(platform::ListBox& list)
{
    markAll(list, false);
}

void SelectAllText(platform::Services& services, platform::TextBox& box)
{
    selectAllText(services, box);
}

void SelectAllText(platform::Services& services, platform::ComboBox& box)
{
    selectAllText(services, box);
}

void MoveListItem(Messages& messages, platform::ListControl& list, bool down)
{
    try {
        const int from = list.ListIndex();
        const int to = down ? from + 1 : from - 1;
        if (from < 0 || to < 0 || to >= list.ListCount())
            return;
        const std::string text = list.List(from);
        list.RemoveItem(from);
        list.AddItem(text, to);
        list.setListIndex(to);
    } catch (const std::exception& error) {
        messages.ShowErrorBox(std::string("Error moving item in list : ") + error.what());
    }
}

void ReplaceChar(std::string& text, std::string_view find, std::string_view replacement)
{
    if (find.empty() || replacement.empty())
        return;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + 1))
        text[at] = replacement.front();
}

} // namespace core
