#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/TransactionIndex.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace {

using core::IndexEntry;
using core::MakeIndexKey;
using core::TransactionIndex;

IndexEntry Entry(int recordNumber, const std::string& key)
{
    return {static_cast<std::int16_t>(recordNumber), MakeIndexKey(key)};
}

std::vector<int> RecordNumbers(const TransactionIndex& index)
{
    std::vector<int> numbers;
    for (const IndexEntry& entry : index.entries())
        numbers.push_back(entry.RecordNumber);
    return numbers;
}

// Entries 1.. with the keys given, record number = position.
TransactionIndex IndexOf(const std::vector<std::string>& keys)
{
    TransactionIndex index;
    int recordNumber = 0;
    for (const std::string& key : keys)
        index.Append(Entry(++recordNumber, key));
    return index;
}

TEST(IndexKeys, DateAndReferenceKeysFromTheRecordColumns)
{
    const std::string line = "000042" "20240305" "CHQ12 " "BANK1 ";
    EXPECT_EQ(core::KeyText(core::BuildIndexKey(line, core::IndexKind::Date)), "20240305CHQ12 000042");
    EXPECT_EQ(core::KeyText(core::BuildIndexKey(line, core::IndexKind::Reference)), "CHQ12 20240305000042");
    EXPECT_EQ(core::KeyText(core::BuildIndexKey(line, core::IndexKind::None)), std::string(20, ' '));
    EXPECT_EQ(core::KeyText(core::BuildIndexKey("00004220240", core::IndexKind::Date)), "20240         000042")
        << "a short line's missing columns are blanks";
    EXPECT_EQ(core::KeyText(core::BuildIndexKey("", core::IndexKind::Reference)), std::string(20, ' '));
}

TEST(IndexInsert, EntriesTakeTheirPlaceAfterEqualKeys)
{
    TransactionIndex index;
    struct Step {
        int recordNumber;
        const char* key;
        int position;
    };
    const Step steps[] = {{1, "B", 1}, {2, "D", 2}, {3, "A", 1}, {4, "C", 3}, {5, "B", 3}, {6, "E", 6}, {7, "A", 2}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.recordNumber);
        EXPECT_EQ(index.Insert(Entry(step.recordNumber, step.key)), step.position);
    }
    EXPECT_EQ(RecordNumbers(index), (std::vector<int>{3, 7, 1, 5, 4, 2, 6}));
}

TEST(IndexRekey, AnEntryMovesEitherWayPastOnlyGreaterOrSmallerKeys)
{
    struct RekeyCase {
        int position;
        const char* key;
        int newPosition;
        std::vector<int> order;
    };
    const RekeyCase cases[] = {
        {5, "0", 1, {5, 1, 2, 3, 4}}, // to the front
        {1, "Z", 5, {2, 3, 4, 5, 1}}, // to the end
        {5, "A", 2, {1, 5, 2, 3, 4}}, // left, stopping after the equal A
        {4, "B", 3, {1, 2, 4, 3, 5}}, // left, stopping after the equal B
        {2, "D", 3, {1, 3, 2, 4, 5}}, // right, stopping before the equal D
        {3, "C", 3, {1, 2, 3, 4, 5}}, // stays
    };
    for (const RekeyCase& c : cases) {
        SCOPED_TRACE(c.key);
        TransactionIndex index = IndexOf({"A", "B", "C", "D", "E"});
        EXPECT_EQ(index.Rekey(c.position, MakeIndexKey(c.key)), c.newPosition);
        EXPECT_EQ(RecordNumbers(index), c.order);
    }
}

TEST(IndexFind, ExactChopFindsEndsAndMissesGaps)
{
    const TransactionIndex index = IndexOf({"B", "D", "F", "H", "J", "L"});
    const std::pair<const char*, int> cases[] = {{"B", 1}, {"L", 6}, {"F", 3}, {"H", 4}, {"A", 0}, {"E", 0}, {"M", 0}};
    for (const auto& [key, position] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(index.FindIndexEntry(MakeIndexKey(key)), position);
    }
    EXPECT_EQ(TransactionIndex().FindIndexEntry(MakeIndexKey("B")), 0) << "an empty index";
}

TEST(IndexFind, AmongEqualKeysTheEntryOfTheRecordIsChosen)
{
    const TransactionIndex index = IndexOf({"A", "K", "K", "K", "Z"});
    EXPECT_EQ(index.FindIndexEntry(MakeIndexKey("K"), 4), 4);
    EXPECT_EQ(index.FindIndexEntry(MakeIndexKey("K"), 3), 3);
    EXPECT_EQ(index.FindIndexEntry(MakeIndexKey("K"), 9), 2) << "no such record: the first equal key";
}

struct LowerBoundCase {
    std::vector<std::string> keys;
    const char* searched;
    int position;
};

TEST(IndexFind, LowerBoundOnEmptyOneAndMany)
{
    const LowerBoundCase cases[] = {
        {{}, "20240101", 0},
        {{"20240101      000001"}, "20231231", 1},
        {{"20240101      000001"}, "20240101", 1},
        {{"20240101      000001"}, "20240102", 1}, // no greater key: the last position
        {{"20240101 A    000001", "20240105      000002", "20240105      000003", "20240110      000004"}, "20231231", 1},
        {{"20240101 A    000001", "20240105      000002", "20240105      000003", "20240110      000004"}, "20240102", 2},
        {{"20240101 A    000001", "20240105      000002", "20240105      000003", "20240110      000004"}, "20240105", 2},
        {{"20240101 A    000001", "20240105      000002", "20240105      000003", "20240110      000004"}, "20240106", 4},
        {{"20240101 A    000001", "20240105      000002", "20240105      000003", "20240110      000004"}, "20250101", 4},
        {{"A", "B", "B", "C"}, "B", 4}, // an equal key is not greater
    };
    for (const LowerBoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys.size() << " keys, from " << c.searched);
        EXPECT_EQ(IndexOf(c.keys).FindIndexLowerBound(c.searched), c.position);
    }
}

TEST(IndexSort, SortsARangeAndKeepsEqualKeysInTheirOrder)
{
    TransactionIndex index = IndexOf({"Q", "D", "B", "D", "A", "C", "P"});
    index.SortIndex(2, 6);
    EXPECT_EQ(RecordNumbers(index), (std::vector<int>{1, 5, 3, 6, 2, 4, 7}));
    index.SortIndex(0, 99);
    EXPECT_EQ(RecordNumbers(index), (std::vector<int>{5, 3, 6, 2, 4, 7, 1}));
}

TEST(IndexKeys, KeysCompareAndDifferByCharacterCodeAtEveryPosition)
{
    struct Case {
        std::string smaller;
        std::string greater;
    };
    const std::string key(20, 'M');
    const auto with = [&key](std::size_t at, char c) { return std::string(key).replace(at, 1, 1, c); };
    const Case cases[] = {
        {with(0, 'A'), key},       {with(7, 'L'), with(7, 'N')},  {with(8, 'A'), key},
        {with(15, '0'), with(15, '9')}, {with(16, ' '), key},    {with(19, 'L'), key},
        {key, with(19, '\xE9')},   {with(3, '\x7F'), with(3, '\x80')}, {with(19, 'Z'), with(0, 'N')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.smaller + " < " + c.greater);
        EXPECT_TRUE(core::KeyLess(MakeIndexKey(c.smaller), MakeIndexKey(c.greater)));
        EXPECT_FALSE(core::KeyLess(MakeIndexKey(c.greater), MakeIndexKey(c.smaller)));
        EXPECT_FALSE(core::KeyEqual(MakeIndexKey(c.smaller), MakeIndexKey(c.greater)));
    }
    EXPECT_FALSE(core::KeyLess(MakeIndexKey(key), MakeIndexKey(key)));
    EXPECT_TRUE(core::KeyEqual(MakeIndexKey(key), MakeIndexKey(key)));
    for (std::size_t at = 0; at < key.size(); ++at)
        EXPECT_FALSE(core::KeyEqual(MakeIndexKey(key), MakeIndexKey(with(at, 'm')))) << "a difference at " << at;
}

// Whatever order the entries come in, nearly ordered or far from it, the sort gives the order of a
// stable sort by character codes: equal keys keep their order.
TEST(IndexSort, NearlyOrderedAndScatteredIndexesSortAsAStableSortDoes)
{
    constexpr int Count = 5000;
    std::mt19937 random(7);
    const auto dateKey = [](int day, int reference) {
        return "2024" + std::to_string(1000 + day) + std::to_string(100000 + reference % 7).substr(0, 6);
    };
    struct Case {
        const char* name;
        std::vector<std::string> keys;
    };
    std::vector<Case> cases = {{"ordered by day, references shuffled within it, some days late", {}},
                               {"in reverse", {}},
                               {"scattered with many equal keys", {}}};
    for (int i = 0; i < Count; ++i) {
        const int late = i % 97 == 0 ? 5 : 0;
        cases[0].keys.push_back(dateKey(std::max(i / 9 - late, 0), static_cast<int>(random())));
        cases[1].keys.push_back(dateKey(Count - i, i));
        cases[2].keys.push_back(dateKey(static_cast<int>(random() % 50), 0));
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransactionIndex index = IndexOf(c.keys);
        std::vector<IndexEntry> expected(index.entries().begin(), index.entries().end());
        std::stable_sort(expected.begin(), expected.end(), [](const IndexEntry& a, const IndexEntry& b) {
            return std::memcmp(a.Key.data(), b.Key.data(), a.Key.size()) < 0;
        });
        index.SortIndex();
        std::vector<int> expectedNumbers;
        for (const IndexEntry& entry : expected)
            expectedNumbers.push_back(entry.RecordNumber);
        EXPECT_EQ(RecordNumbers(index), expectedNumbers);
    }
}

TEST(IndexAccess, APositionOutsideTheIndexIsSubscriptOutOfRange)
{
    TransactionIndex index = IndexOf({"A"});
    for (int position : {0, 2, -1}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(raisedErrorNumber([&] { index.Remove(position); }), runtime::SubscriptOutOfRange);
    }
    EXPECT_EQ(index.UpperBound(), 1);
}

} // namespace
