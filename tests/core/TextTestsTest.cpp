#include <gtest/gtest.h>

#include "core/RowSums.h"
#include "core/TextTests.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace {

TEST(TextTests, BlankSameFirstFourAndUpperCasing)
{
    EXPECT_TRUE(core::IsBlank(""));
    EXPECT_TRUE(core::IsBlank("    "));
    EXPECT_FALSE(core::IsBlank("  a "));

    EXPECT_TRUE(core::IsSameFirstFour("[Com", "[COMPANY NAME]"));
    EXPECT_FALSE(core::IsSameFirstFour("[Sta", "[Com"));
    EXPECT_FALSE(core::IsSameFirstFour("[Co", "[Com"));

    EXPECT_EQ(core::UpperCaseKey('a'), 'A');
    EXPECT_EQ(core::UpperCaseKey('Z'), 'Z');
    EXPECT_EQ(core::UpperCaseKey('7'), '7');
    EXPECT_EQ(core::UpperCaseKey(8), 8); // backspace passes through
    EXPECT_EQ(core::UpperCaseKey(0xE9), 0xC9); // e acute

    std::string code = "abcdef";
    core::UpperCasePrefix(code, 3);
    EXPECT_EQ(code, "ABCdef");
    std::string shortCode = "ab";
    core::UpperCasePrefix(shortCode, 6);
    EXPECT_EQ(shortCode, "AB");
}

TEST(RowSums, SumColumnsOneToNOfARow)
{
    const core::NumberTable table = {
        {0, 1, 1, 1},
        {99, 5, -3, 2}, // column 0 is not a column of the table
    };
    EXPECT_EQ(core::SumArrayRow(table, 1, 3), 4);
    EXPECT_EQ(core::SumArrayRowPositive(table, 1, 3), 7);
    EXPECT_EQ(core::SumArrayRow(table, 1, 2), 2);
    EXPECT_EQ(core::SumArrayRow(table, 1, 0), 0);
    EXPECT_EQ(core::SumArrayRowPositive(table, 0, -1), 0);
    for (const auto& [row, columns] : {std::pair{1, 4}, std::pair{2, 1}, std::pair{-1, 1}}) {
        SCOPED_TRACE(testing::Message() << row << "," << columns);
        EXPECT_EQ(raisedErrorNumber([&] { core::SumArrayRow(table, row, columns); }), runtime::SubscriptOutOfRange);
    }
}

} // namespace
