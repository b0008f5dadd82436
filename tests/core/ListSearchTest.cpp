#include <gtest/gtest.h>

#include "core/CodeList.h"
#include "core/ListSearch.h"
#include "platform/Form.h"
#include "platform/ListControls.h"
#include "platform/ListModel.h"
#include "platform/ScriptedServices.h"

namespace {

void fill(platform::ListModel& list, std::initializer_list<const char*> items)
{
    for (const char* item : items)
        list.AddItem(item);
}

struct FindCase {
    const char* key;
    int length;
    int index;
};

TEST(FindListItem, MatchesAPrefixOfTheCodeWidthIgnoringCase)
{
    platform::ListModel list;
    fill(list, {"ABC Ltd", "abd Co", "CAR  Cars", "car  duplicate in lower case"});
    const FindCase cases[] = {
        {"ab", 2, 0},        // the first of two matches
        {"ab", 3, -1},       // "ab" + nothing against "ABC"
        {"ABD", 3, 1},       // upper-case key, lower-case item
        {"abc corp", 3, 0},  // only the first three characters count
        {"CAR", 4, -1},      // "CAR" is three characters, the items' first four are "CAR "
        {"car ", 4, 2},      // the first item that matches wins
        {"XYZ", 3, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " over " << c.length);
        EXPECT_EQ(core::FindListItem(list, c.key, c.length), c.index);
    }
    platform::ListModel empty;
    EXPECT_EQ(core::FindListItem(empty, "ab", 2), -1);
}

class SelectionWindow : public platform::Form {
public:
    explicit SelectionWindow(platform::Services& services) : Form(services, "SelectionWindow")
    {
        Codes.setMultiSelect(1);
        endDesign();
    }
    platform::ListBox Codes{*this, "Codes"};
};

TEST(FindSelectedListItem, SkipsItemsThatAreNotSelected)
{
    platform::ScriptedServices services;
    SelectionWindow window(services);
    fill(window.Codes.model(), {"ABC Ltd", "abd Co", "ABE plc"});
    EXPECT_EQ(core::FindSelectedListItem(window.Codes, "ab", 2), -1) << "nothing selected";
    window.Codes.setSelected(1, true);
    window.Codes.setSelected(2, true);
    EXPECT_EQ(core::FindSelectedListItem(window.Codes, "ab", 2), 1);
    EXPECT_EQ(core::FindSelectedListItem(window.Codes, "abe", 3), 2);
    EXPECT_EQ(core::FindSelectedListItem(window.Codes, "ABC", 3), -1);
}

TEST(CopyListItems, RefillsTheTargetOnlyWhenTheSourceChanged)
{
    platform::ListModel source;
    fill(source, {"BANK1 Current", "BANK2 Savings"});
    platform::ListModel target;
    fill(target, {"OLD   item"});

    bool changed = false;
    core::CopyListItems(target, source, changed);
    ASSERT_EQ(target.ListCount(), 1);
    EXPECT_EQ(target.List(0), "OLD   item");

    changed = true;
    core::CopyListItems(target, source, changed);
    EXPECT_FALSE(changed);
    ASSERT_EQ(target.ListCount(), 2);
    EXPECT_EQ(target.List(0), "BANK1 Current");
    EXPECT_EQ(target.List(1), "BANK2 Savings");
}

TEST(GetCodeListValue, ReadsTheRateOfAVatCode)
{
    platform::ListModel vatCodes;
    // Code (3), blank, rate right-aligned in 11, blank, name.
    fill(vatCodes, {"E         0.00 Exempt", "S        17.50 Standard", "SPX      12.25 Special"});
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "S  "), 17.5);
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "s"), 17.5) << "a code is blank-padded to its width";
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "spx"), 12.25);
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "E"), 0);
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "Q"), 0);
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, ""), 0);
    EXPECT_DOUBLE_EQ(core::GetCodeListValue(vatCodes, "SP"), 0) << "not a prefix search";
}

} // namespace
