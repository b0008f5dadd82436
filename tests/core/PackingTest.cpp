#include <gtest/gtest.h>

#include "LedgerTest.h"
#include "core/Packing.h"
#include "core/RecordField.h"
#include "core/TransactionEdits.h"

using namespace core;

namespace {

class PackingTest : public LedgerTest {
protected:
    std::vector<std::string> numbersInTable() const
    {
        std::vector<std::string> numbers;
        for (int i = 1; i <= ledger.Transactions.UpperBound(); ++i)
            numbers.emplace_back(RecordField(ledger.Transactions.Line(i), RecordColumns::Number));
        return numbers;
    }

    Txn onDay(int day, double amount)
    {
        Txn txn;
        txn.date = std::to_string(day) + "/Jan/2024";
        txn.amount = amount;
        return txn;
    }
    Txn withReference(const std::string& ref)
    {
        Txn txn;
        txn.ref = ref;
        return txn;
    }
};

} // namespace

TEST_F(PackingTest, DeletedLinesGoAndTheRestAreRenumberedByPosition)
{
    for (int day = 1; day <= 5; ++day)
        ASSERT_TRUE(add(onDay(10 + day, 10.0 * day)));
    for (int recordNumber : {2, 3}) {
        ledger.CurrentTransactionLine = std::string(ledger.Transactions.Line(recordNumber));
        ASSERT_TRUE(DeleteTransaction(book, recordNumber));
    }
    ledger.FileChanged = false;

    ASSERT_TRUE(PackTransactions(book));
    EXPECT_EQ(numbersInTable(), (std::vector<std::string>{"000001", "000004", "000005"}));
    EXPECT_EQ(dateOrder(), (std::vector<int>{1, 2, 3})) << "the fifth transaction is now record 3";
    EXPECT_EQ(queryOrder(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ledger.Totals.Payments(), 100);
    EXPECT_TRUE(ledger.FileChanged);
    EXPECT_EQ(window.scrollSyncs, 1);
    EXPECT_EQ(window.gridRefreshes, 1);
}

TEST_F(PackingTest, ATableWithoutDeletedLinesStaysAsItWas)
{
    ASSERT_TRUE(add(withReference("B")));
    ASSERT_TRUE(add(withReference("A")));
    const std::vector<std::string> before = numbersInTable();
    ledger.FileChanged = false;
    window.order = QueryOrder::ByReference;

    ASSERT_TRUE(PackTransactions(book));
    EXPECT_EQ(numbersInTable(), before);
    EXPECT_FALSE(ledger.FileChanged);
    EXPECT_EQ(queryOrder(), (std::vector<int>{2, 1})) << "the query index follows the reference order";
}

TEST_F(PackingTest, PackingOnlyDeletedLinesLeavesAnEmptyBook)
{
    ASSERT_TRUE(add({}));
    ledger.CurrentTransactionLine = std::string(ledger.Transactions.Line(1));
    ASSERT_TRUE(DeleteTransaction(book, 1));

    ASSERT_TRUE(PackTransactions(book));
    EXPECT_EQ(ledger.Transactions.UpperBound(), 0);
    EXPECT_TRUE(ledger.DateIndex.empty());
    EXPECT_TRUE(ledger.QueryIndex.empty());
    EXPECT_EQ(ledger.Totals.Payments(), 0);
    EXPECT_EQ(ledger.Totals.Receipts(), 0);
}

// Record numbers change in a pack, so the transaction in the edit box must be named by its new one:
// a later change through the old number would overwrite another transaction.
TEST_F(PackingTest, TheEditBoxTransactionKeepsPointingAtItsOwnLine)
{
    const struct {
        int current;
        int packed;
    } cases[] = {{5, 3}, {1, 1}, {4, 2}, {3, 0}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE("current record " + std::to_string(c.current));
        ledger.Transactions.Clear();
        RebuildDateIndex(book);
        ApplyFilterInSortOrder(book);
        for (int day = 1; day <= 5; ++day)
            ASSERT_TRUE(add(onDay(10 + day, 10.0 * day)));
        ledger.CurrentTransactionLine = std::string(ledger.Transactions.Line(2));
        ASSERT_TRUE(DeleteTransaction(book, 2));
        // Marked deleted without the edit box being cleared, as archiving does.
        std::string marked(ledger.Transactions.Line(3));
        marked[static_cast<std::size_t>(RecordColumns::Deleted.start - 1)] = 'Y';
        ASSERT_TRUE(ledger.Transactions.Replace(3, marked));
        RebuildDateIndex(book);
        ledger.CurrentTransactionIndex = c.current;
        const std::string shown(ledger.Transactions.Line(c.current));

        ASSERT_TRUE(PackTransactions(book));
        EXPECT_EQ(ledger.CurrentTransactionIndex, c.packed);
        if (c.packed != 0) {
            EXPECT_EQ(ledger.Transactions.Line(c.packed), shown);
        }
    }
}
