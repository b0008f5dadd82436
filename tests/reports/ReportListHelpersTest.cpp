#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ScriptedServices.h"
#include "platform/TestWindow.h"
#include "reports/ReportListHelpers.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TakeTextLineTest, ALineBreakEndsTheLineAndBecomesTwoBlanks)
{
    std::string address = "1 High St\r\nLeeds\r\nLS1 1AA";
    std::string line;
    int position = reports::TakeTextLine(address, 1, line, 20);
    EXPECT_EQ(line, "1 High St  ");
    EXPECT_EQ(position, 12);
    EXPECT_EQ(address, "1 High St  Leeds\r\nLS1 1AA");

    position = reports::TakeTextLine(address, position, line, 20);
    EXPECT_EQ(line, "Leeds  ");
    EXPECT_EQ(position, 19);

    position = reports::TakeTextLine(address, position, line, 20);
    EXPECT_EQ(line, "LS1 1AA");
    EXPECT_EQ(position, 39);
    EXPECT_EQ(address, "1 High St  Leeds  LS1 1AA");
}

TEST(TakeTextLineTest, WithoutABreakWithinTheWidthTheLineIsTheWidth)
{
    const struct {
        std::string text;
        int position;
        int width;
        std::string line;
        int next;
    } cases[] = {
        {"abcdefgh\r\nij", 1, 5, "abcde", 6},   // the break lies beyond the width
        {"abcde\r\n", 1, 5, "abcde", 6},        // the break starts just past the width
        {"abcd\r", 1, 5, "abcd ", 7},           // a CR ending the text has no LF to blank
        {"abc", 2, 5, "bc", 7},                 // fewer characters at the end of the text
        {"abc", 9, 5, "", 14},                  // past the end
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        std::string line;
        EXPECT_EQ(reports::TakeTextLine(text, c.position, line, c.width), c.next) << c.text;
        EXPECT_EQ(line, c.line) << c.text;
    }
}

TEST(FindPrefixIndexTest, FindsTheFirstTextWithTheKeysPrefixLetterCaseIncluded)
{
    const Lines texts{"SALE Sales", "STAT Stationery", "STATX", "sale lower"};
    EXPECT_EQ(reports::FindPrefixIndex(texts, "STAT", 4), 1);
    EXPECT_EQ(reports::FindPrefixIndex(texts, "sale", 4), 3);
    EXPECT_EQ(reports::FindPrefixIndex(texts, "SAxx", 2), 0);
    EXPECT_EQ(reports::FindPrefixIndex(texts, "RENT", 4), -1);
    EXPECT_EQ(reports::FindPrefixIndex({}, "SALE", 4), -1);
}

TEST(FillMonthKeysTest, RunsOverTheYearEnd)
{
    EXPECT_EQ(reports::FillMonthKeys(3, "199911"), (Lines{"199911", "199912", "200001"}));
    EXPECT_EQ(reports::FillMonthKeys(1, "20250615"), Lines{"202506"});
    EXPECT_TRUE(reports::FillMonthKeys(0, "202506").empty());
}

TEST(CollectSelectedItemsTest, TakesTheSelectedTextsInListOrderUpToTheMaximum)
{
    platform::ScriptedServices services;
    platform::test::LogWindow window(services);
    platform::ListBox& list = window.List1;
    list.setMultiSelect(1);
    for (const char* item : {"A", "B", "C", "D"})
        list.AddItem(item);
    list.setSelected(3, true);
    list.setSelected(1, true);
    list.setSelected(2, true);
    EXPECT_EQ(reports::CollectSelectedItems(list, 5), (Lines{"B", "C", "D"}));
    EXPECT_EQ(reports::CollectSelectedItems(list, 2), (Lines{"B", "C"}));
    EXPECT_TRUE(reports::CollectSelectedItems(list, 0).empty());
}

} // namespace
