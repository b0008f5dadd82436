#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/TransactionTable.h"

// Lines taken over from a file as read stay readable after the reader let the text go, and a line
// replaced or added lives on its own whatever the table does after.
TEST(TransactionTable, AdoptedLinesLiveAsLongAsTheTable)
{
    core::TransactionTable table;
    {
        auto text = std::make_shared<const std::string>("first\r\nsecond\r\n\r\nshort");
        const std::string_view whole = *text;
        table.AdoptLines(text, {whole.substr(0, 5), whole.substr(7, 6), whole.substr(15, 0), whole.substr(17)});
    }
    ASSERT_EQ(table.UpperBound(), 4);
    EXPECT_EQ(table.Line(1), "first");
    EXPECT_EQ(table.Line(3), "") << "an empty line is a line";
    EXPECT_EQ(table.Line(4), "short");

    EXPECT_TRUE(table.Replace(2, "new"));
    EXPECT_TRUE(table.Append("tiny"));
    for (int i = 0; i < 100; ++i)
        table.Append(std::string(200, 'x'));
    EXPECT_EQ(table.Line(2), "new") << "short lines keep their place while the table grows";
    EXPECT_EQ(table.Line(5), "tiny");
    EXPECT_EQ(table.Line(1), "first");

    core::TransactionTable moved = std::move(table);
    EXPECT_EQ(moved.Line(4), "short");
    moved.Clear();
    EXPECT_EQ(moved.UpperBound(), 0);
    EXPECT_EQ(moved.Line(1), "");
}

TEST(TransactionTable, AdoptingMoreThanATableHoldsIsRefused)
{
    core::TransactionTable table;
    auto text = std::make_shared<const std::string>("x");
    const std::vector<std::string_view> lines(core::TransactionTable::MaxTransactions + 1, std::string_view(*text));
    EXPECT_THROW(table.AdoptLines(text, lines), std::length_error);
    EXPECT_EQ(table.UpperBound(), 0);
}

// The table's list of adopted lines is carved from the region it is given, sized by RegionBytesFor,
// and holds that region only as long as it holds those lines.
TEST(TransactionTable, AdoptedLinesAreListedInTheRegionGiven)
{
    auto text = std::make_shared<const std::string>("one\r\ntwo\r\nthree");
    const std::string_view whole = *text;
    const std::vector<std::string_view> lines{whole.substr(0, 3), whole.substr(5, 3), whole.substr(10)};
    auto region = std::make_shared<runtime::TableRegion>(core::TransactionTable::RegionBytesFor(3));
    const std::weak_ptr<runtime::TableRegion> watched = region;

    core::TransactionTable table;
    table.AdoptLines(text, lines, std::move(region));
    EXPECT_EQ(watched.lock()->take(sizeof(std::string_view), alignof(std::string_view)), nullptr)
        << "the list took the region's room";
    EXPECT_EQ(table.Line(3), "three");
    EXPECT_TRUE(table.Append("four"));
    EXPECT_EQ(table.Line(1), "one") << "the list grown past its part keeps its lines";
    EXPECT_EQ(table.Line(4), "four");
    EXPECT_FALSE(watched.expired());

    table.AdoptLines(text, lines);
    EXPECT_TRUE(watched.expired());
    EXPECT_EQ(table.UpperBound(), 3);
}
