#include <gtest/gtest.h>

#include "FakeBookViews.h"
#include "LedgerTest.h"
#include "core/Packing.h"
#include "core/RecordField.h"
#include "core/TransactionEdits.h"

using namespace core;

namespace {

class PackingTest : public LedgerTest {
protected:
    PackingTest() { views.formFilter = ledger.Filters.CurrentFilter; }

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

    FakeBookViews views;
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

    ASSERT_TRUE(PackTransactions(book, views));
    EXPECT_EQ(numbersInTable(), (std::vector<std::string>{"000001", "000004", "000005"}));
    EXPECT_EQ(dateOrder(), (std::vector<int>{1, 2, 3})) << "the fifth transaction is now record 3";
    EXPECT_EQ(queryOrder(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ledger.Totals.Payments(), 100);
    EXPECT_TRUE(ledger.FileChanged);
    EXPECT_EQ(views.scrollSyncs, 1);
    EXPECT_EQ(views.gridRefreshes, 1);
}

TEST_F(PackingTest, ATableWithoutDeletedLinesStaysAsItWas)
{
    ASSERT_TRUE(add(withReference("B")));
    ASSERT_TRUE(add(withReference("A")));
    const std::vector<std::string> before = numbersInTable();
    ledger.FileChanged = false;
    window.order = QueryOrder::ByReference;

    ASSERT_TRUE(PackTransactions(book, views));
    EXPECT_EQ(numbersInTable(), before);
    EXPECT_FALSE(ledger.FileChanged);
    EXPECT_EQ(queryOrder(), (std::vector<int>{2, 1})) << "the query index follows the reference order";
}

TEST_F(PackingTest, PackingOnlyDeletedLinesLeavesAnEmptyBook)
{
    ASSERT_TRUE(add({}));
    ledger.CurrentTransactionLine = std::string(ledger.Transactions.Line(1));
    ASSERT_TRUE(DeleteTransaction(book, 1));

    ASSERT_TRUE(PackTransactions(book, views));
    EXPECT_EQ(ledger.Transactions.UpperBound(), 0);
    EXPECT_TRUE(ledger.DateIndex.empty());
    EXPECT_TRUE(ledger.QueryIndex.empty());
    EXPECT_EQ(ledger.Totals.Payments(), 0);
    EXPECT_EQ(ledger.Totals.Receipts(), 0);
}
