#include <functional>
#include <string>
#include <vector>

#include "BookTest.h"
#include "core/ListHelpers.h"
#include "platform/Controls.h"

namespace {

// A form holding one list and one text box of each kind, as the helpers find them on windows.
class HelperForm : public platform::Form {
public:
    explicit HelperForm(platform::Services& services) : Form(services, "HelperForm")
    {
        List.setMultiSelect(1);
        endDesign();
    }
    platform::ListBox List{*this, "List"};
    platform::TextBox Text{*this, "Text"};
    platform::ComboBox Combo{*this, "Combo"};
};

std::vector<std::string> itemsOf(const platform::ListBox& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i)
        items.push_back(list.List(i) + (list.Selected(i) ? "*" : ""));
    return items;
}

class ListHelpersTest : public BookTest {};

constexpr int AnyChoice = -2;

// Each row starts from a list of A, B, C (B marked), with `chosen` the list's current item, and
// shows the items (a mark as "*") and the chosen item afterwards (marking moves the choice as the
// platform's list does, so the marking rows leave it unchecked).
TEST_F(ListHelpersTest, MarkingAndMovingItems)
{
    struct Case {
        const char* name;
        int chosen;
        std::function<void(platform::ListBox&)> act;
        std::vector<std::string> items;
        int chosenAfter;
    };
    core::Messages& messages = book.messages;
    const Case cases[] = {
        {"select all", -1, [](auto& l) { core::SelectAllListItems(l); }, {"A*", "B*", "C*"}, AnyChoice},
        {"deselect all", -1, [](auto& l) { core::DeselectAllListItems(l); }, {"A", "B", "C"}, AnyChoice},
        {"move up", 1, [&](auto& l) { core::MoveListItem(messages, l, false); }, {"B", "A", "C"}, 0},
        {"move down", 1, [&](auto& l) { core::MoveListItem(messages, l, true); }, {"A", "C", "B"}, 2},
        {"first up", 0, [&](auto& l) { core::MoveListItem(messages, l, false); }, {"A", "B*", "C"}, 0},
        {"last down", 2, [&](auto& l) { core::MoveListItem(messages, l, true); }, {"A", "B*", "C"}, 2},
        {"nothing chosen", -1, [&](auto& l) { core::MoveListItem(messages, l, true); }, {"A", "B*", "C"}, -1},
    };
    for (const Case& c : cases) {
        HelperForm form(services);
        for (const char* item : {"A", "B", "C"})
            form.List.AddItem(item);
        form.List.setSelected(1, true);
        form.List.setListIndex(c.chosen);
        if (c.chosen >= 0)
            form.List.setSelected(c.chosen, c.chosen == 1);

        c.act(form.List);

        EXPECT_EQ(itemsOf(form.List), c.items) << c.name;
        if (c.chosenAfter != AnyChoice) {
            EXPECT_EQ(form.List.ListIndex(), c.chosenAfter) << c.name;
        }
    }
}

TEST_F(ListHelpersTest, CountSelectedItems)
{
    HelperForm form(services);
    EXPECT_EQ(core::CountSelectedItems(form.List), 0);
    for (const char* item : {"A", "B", "C", "D"})
        form.List.AddItem(item);
    form.List.setSelected(0, true);
    form.List.setSelected(3, true);
    EXPECT_EQ(core::CountSelectedItems(form.List), 2);
}

TEST_F(ListHelpersTest, SelectAllTextOnlyWhenEnteredWithTab)
{
    for (const bool tab : {true, false}) {
        HelperForm form(services);
        services.setKeyDown(platform::KeyTab, tab);
        form.Text.setText("12/Mar/2025");
        form.Text.setSelStart(3);
        form.Text.setSelLength(2);
        form.Combo.setText("BANK1");

        core::SelectAllText(services, form.Text);
        core::SelectAllText(services, form.Combo);

        EXPECT_EQ(form.Text.SelStart(), tab ? 0 : 3) << tab;
        EXPECT_EQ(form.Text.SelLength(), tab ? 11 : 0) << tab;
        EXPECT_EQ(form.Combo.SelLength(), tab ? 5 : 0) << tab;
    }
}

TEST_F(ListHelpersTest, ReplaceCharReplacesEveryOccurrenceAndEnds)
{
    struct Case {
        std::string text, find, replacement, expected;
    };
    const Case cases[] = {
        {"a,b,,c", ",", ";", "a;b;;c"},
        {"aaaa", "a", "a", "aaaa"}, // the same character: the search still moves on
        {"x--y--z", "--", "=", "x=-y=-z"},
        {"none here", ",", ";", "none here"},
        {"a,b", ",", "", "a,b"},
        {"a,b", "", ";", "a,b"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        core::ReplaceChar(text, c.find, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.find;
    }
}

} // namespace
