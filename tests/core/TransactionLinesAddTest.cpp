#include "LedgerTest.h"

#include "core/TransactionLinesAdd.h"

namespace {

using core::QueryOrder;

// Two already in the book, out of order.
const Txn Earlier[] = {
    {.number = "000001", .date = "10/Feb/2024", .ref = "M1", .type = "PAY", .amount = 3},
    {.number = "000002", .date = "05/Jan/2024", .ref = "Z9", .type = "RCP", .amount = 4},
};
// Added together: dates and references out of order, a key equal to an earlier one, a type the
// filter leaves out of the grid.
const Txn Added[] = {
    {.number = "000003", .date = "20/Mar/2024", .ref = "A1", .type = "PAY", .amount = 2.5},
    {.number = "000004", .date = "05/Jan/2024", .ref = "Z9", .type = "RCP", .amount = 7},
    {.number = "000005", .date = "01/Jan/2024", .ref = "K5", .type = "INV", .amount = 11},
    {.number = "000006", .date = "12/Feb/2024", .ref = "B2", .type = "BIL", .amount = 1.25},
};

struct LedgerState {
    std::vector<std::string> lines;
    std::vector<int> dateOrder;
    std::vector<int> queryOrder;
    double payments;
    double receipts;
    std::vector<int> clearedModes;
    bool changed;

    bool operator==(const LedgerState&) const = default;
};

class TransactionLinesAdd : public LedgerTest {
protected:
    TransactionLinesAdd() { ledger.Filters.CurrentFilter.Types = "PRB"; }

    void startWith(std::span<const Txn> earlier)
    {
        core::ClearTransactions(book);
        core::ResetIndexArray(book, ledger.DateIndex);
        core::ResetIndexArray(book, ledger.QueryIndex);
        for (const Txn& txn : earlier)
            ASSERT_TRUE(add(txn));
        window.clearedModes.clear();
        ledger.FileChanged = false;
    }

    bool addTogether(std::span<const Txn> txns)
    {
        core::NewTransactionLines lines;
        for (const Txn& txn : txns)
            lines.Add(line(txn));
        return lines.AddTo(book);
    }

    LedgerState state() const
    {
        LedgerState now{{}, dateOrder(), queryOrder(), ledger.Totals.Payments(), ledger.Totals.Receipts(),
                        window.clearedModes, ledger.FileChanged};
        for (int r = 1; r <= ledger.Transactions.UpperBound(); ++r)
            now.lines.emplace_back(ledger.Transactions.Line(r));
        return now;
    }
};

TEST_F(TransactionLinesAdd, EndsAsAddingTheTransactionsOneByOne)
{
    for (const QueryOrder order : {QueryOrder::ByDate, QueryOrder::ByReference, QueryOrder::None}) {
        for (const bool emptyBook : {true, false}) {
            SCOPED_TRACE(testing::Message() << "order " << static_cast<int>(order) << (emptyBook ? ", empty" : ""));
            window.order = order;
            const std::span<const Txn> earlier = emptyBook ? std::span<const Txn>() : std::span<const Txn>(Earlier);

            startWith(earlier);
            ASSERT_TRUE(addTogether(Added));
            const LedgerState together = state();

            startWith(earlier);
            for (const Txn& txn : Added)
                add(txn);
            EXPECT_EQ(together, state());
            EXPECT_EQ(together.lines.size(), earlier.size() + std::size(Added));
            EXPECT_EQ(together.queryOrder.size(), earlier.size() + std::size(Added) - 1) << "the INV is left out";
            EXPECT_EQ(together.clearedModes, std::vector<int>{core::ClearWholeEditBox});
        }
    }
}

TEST_F(TransactionLinesAdd, LinesThatDoNotFitTheTableAreRefusedWhole)
{
    const std::string stored = line(Earlier[0]);
    for (int i = 0; i < core::TransactionTable::MaxTransactions - 3; ++i)
        store(stored);
    core::RebuildDateIndex(book);

    EXPECT_FALSE(addTogether(Added));
    EXPECT_EQ(ledger.Transactions.UpperBound(), core::TransactionTable::MaxTransactions - 3);
    EXPECT_EQ(ledger.DateIndex.UpperBound(), core::TransactionTable::MaxTransactions - 3);
    EXPECT_FALSE(ledger.FileChanged);

    EXPECT_TRUE(addTogether(std::span<const Txn>(Added).first(3)));
    EXPECT_TRUE(ledger.Transactions.IsFull());
    EXPECT_TRUE(ledger.FileChanged);
}

// Records assembled straight into the gathered text are the records assembly gives; one that does
// not fit is reported and leaves no trace between its neighbours.
TEST_F(TransactionLinesAdd, RecordsAssembledInPlaceMatchAssemblyAndSkipTheRefused)
{
    services.answerMessageBox(platform::Answer::OK);
    book.SplitTail.clear();
    Txn tooLarge = Added[1];
    tooLarge.amount = 123456789;
    const std::pair<Txn, bool> records[] = {{Added[0], true}, {tooLarge, false}, {Added[2], true}};
    core::NewTransactionLines lines;
    for (const auto& [txn, fits] : records) {
        core::TransactionFields fields = FieldsOf(txn);
        EXPECT_EQ(lines.AddRecord(book, fields), fits) << txn.number;
    }
    ASSERT_TRUE(lines.AddTo(book));

    EXPECT_EQ(state().lines, (std::vector<std::string>{line(Added[0]), line(Added[2])}));
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0].substr(0, 31), "Assembled field is  157 bytes l");
}

} // namespace
