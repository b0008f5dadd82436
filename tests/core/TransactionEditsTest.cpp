#include "LedgerTest.h"

#include "core/FilterMatch.h"
#include "core/QueryTotals.h"

namespace {

using core::QueryOrder;
using platform::Answer;

// Four transactions entered out of date and reference order.
const Txn Entered[] = {
    {.date = "10/Feb/2024", .ref = "C3", .type = "PAY", .amount = 10},
    {.date = "05/Jan/2024", .ref = "D4", .type = "RCP", .amount = 4},
    {.date = "20/Mar/2024", .ref = "A1", .type = "PAY", .amount = 2.5},
    {.date = "05/Jan/2024", .ref = "B2", .type = "BIL", .amount = 7},
};

class TransactionEdits : public LedgerTest {
protected:
    void enterAll()
    {
        for (const Txn& txn : Entered)
            ASSERT_TRUE(add(txn));
    }
    // Puts record `recordNumber` in the edit box, as the grid does before a change or delete.
    void edit(int recordNumber)
    {
        ledger.CurrentTransactionIndex = recordNumber;
        ledger.CurrentTransactionLine = std::string(ledger.Transactions.Line(recordNumber));
    }
    // Replaces record `recordNumber` with `txn`, keeping its transaction number.
    int replace(int recordNumber, Txn txn)
    {
        edit(recordNumber);
        txn.number = std::string(ledger.Transactions.Line(recordNumber).substr(0, 6));
        book.SplitTail.clear();
        core::TransactionFields fields = FieldsOf(txn);
        return core::ReplaceTransaction(book, recordNumber, fields);
    }
};

struct OrderCase {
    QueryOrder order;
    std::vector<int> afterAdds;
    std::vector<int> afterReplace; // record 2 moved to 15/Mar/2024, reference E5
    std::vector<int> afterDelete;  // record 4 deleted
};

TEST_F(TransactionEdits, IndexOrderAfterAddsReplacesAndDeletesInBothSortOrders)
{
    const OrderCase cases[] = {
        {QueryOrder::ByDate, {4, 2, 1, 3}, {4, 1, 2, 3}, {1, 2, 3}},
        {QueryOrder::ByReference, {3, 4, 1, 2}, {3, 4, 1, 2}, {3, 1, 2}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.order == QueryOrder::ByDate ? "by date" : "by reference");
        ledger.Transactions.Clear();
        core::RebuildDateIndex(book);
        core::ApplyFilterToIndex(book, core::IndexKind::Date);
        window.order = c.order;

        enterAll();
        EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 1, 3}));
        EXPECT_EQ(queryOrder(), c.afterAdds);

        Txn moved = Entered[1];
        moved.date = "15/Mar/2024";
        moved.ref = "E5";
        const int position = replace(2, moved);
        EXPECT_EQ(dateOrder(), (std::vector<int>{4, 1, 2, 3}));
        EXPECT_EQ(queryOrder(), c.afterReplace);
        EXPECT_EQ(position, c.order == QueryOrder::ByDate ? 3 : 4);
        EXPECT_EQ(ledger.CurrentTransactionLine, ledger.Transactions.Line(2));

        edit(4);
        EXPECT_TRUE(core::DeleteTransaction(book, 4));
        EXPECT_EQ(dateOrder(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(queryOrder(), c.afterDelete);
        EXPECT_EQ(ledger.Transactions.Line(4).substr(129, 1), "Y");
        EXPECT_EQ(ledger.Transactions.UpperBound(), 4) << "the line stays until packing";
        EXPECT_EQ(ledger.CurrentTransactionIndex, 0);
        EXPECT_EQ(ledger.CurrentTransactionLine, "");
        EXPECT_TRUE(core::IndexMatchesTable(book, ledger.QueryIndex, core::IndexKind::Query));
    }
}

TEST_F(TransactionEdits, AddingNumbersTheTransactionAndMarksTheBookChanged)
{
    book.counters.TransactionNumberCounter = 41;
    book.counters.InvoiceNumberCounter = 7;
    ASSERT_TRUE(add({.type = "INV"}));
    ASSERT_TRUE(add({.number = "000100", .type = "INV"}));
    EXPECT_EQ(ledger.Transactions.Line(1).substr(0, 6), "000042");
    EXPECT_EQ(ledger.Transactions.Line(2).substr(0, 6), "000100");
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 8) << "only an invoice given a new number advances it";
    EXPECT_TRUE(ledger.FileChanged);
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(TransactionEdits, ARecordThatDoesNotAssembleGivesOutNoNumber)
{
    book.counters.TransactionNumberCounter = 41;
    book.counters.InvoiceNumberCounter = 7;
    core::TransactionFields fields = FieldsOf({.type = "INV", .amount = 100000000});
    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(core::AddTransaction(book, fields));
    EXPECT_EQ(onlyBox().text.rfind("Assembled field is ", 0), 0u);
    EXPECT_EQ(ledger.Transactions.UpperBound(), 0);
    EXPECT_EQ(book.counters.TransactionNumberCounter, 41);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 7);
    EXPECT_EQ(fields.Number, "");
    EXPECT_FALSE(ledger.FileChanged);

    fields.Amount = 10;
    ASSERT_TRUE(core::AddTransaction(book, fields));
    EXPECT_EQ(ledger.Transactions.Line(1).substr(0, 6), "000042");
}

TEST_F(TransactionEdits, QueryTotalsFollowEveryChange)
{
    enterAll();
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 19.5);
    EXPECT_DOUBLE_EQ(ledger.Totals.Receipts(), 4);

    Txn larger = Entered[0];
    larger.amount = 100.10;
    replace(1, larger);
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 109.6);

    Txn nowReceipt = Entered[2];
    nowReceipt.type = "RCP";
    replace(3, nowReceipt);
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 107.1);
    EXPECT_DOUBLE_EQ(ledger.Totals.Receipts(), 6.5);

    edit(4);
    core::DeleteTransaction(book, 4);
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 100.1);
    EXPECT_EQ(core::FormatQueryTotal(ledger.Totals.Payments()), "     100.10 ");
    EXPECT_EQ(core::FormatQueryTotal(1234567.8), "1,234,567.80 ");
}

TEST_F(TransactionEdits, PaymentsAndAReceiptGiveTheirTotalsAndDeletingOneTakesItAway)
{
    ASSERT_TRUE(add({.type = "PAY", .amount = 10}));
    ASSERT_TRUE(add({.type = "PAY", .amount = 2.5}));
    ASSERT_TRUE(add({.type = "RCP", .amount = 4}));
    EXPECT_EQ(core::FormatQueryTotal(ledger.Totals.Payments()), "      12.50 ");
    EXPECT_EQ(core::FormatQueryTotal(ledger.Totals.Receipts()), "       4.00 ");
    edit(2);
    ASSERT_TRUE(core::DeleteTransaction(book, 2));
    EXPECT_EQ(core::FormatQueryTotal(ledger.Totals.Payments()), "      10.00 ");
}

TEST_F(TransactionEdits, ATransactionTheFilterExcludesGoesIntoTheDateIndexOnly)
{
    ledger.Filters.CurrentFilter.Types = "R";
    EXPECT_FALSE(add({.type = "PAY"}));
    EXPECT_EQ(ledger.Transactions.UpperBound(), 1);
    EXPECT_EQ(dateOrder(), (std::vector<int>{1}));
    EXPECT_TRUE(queryOrder().empty());
    EXPECT_EQ(window.clearedModes, (std::vector<int>{5}));
    EXPECT_EQ(window.menuUpdates, 1);
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 0);
}

TEST_F(TransactionEdits, AChangeThatLeavesTheFilterTakesItOutOfTheGrid)
{
    enterAll();
    ledger.Filters.CurrentFilter.Types = "PRB";
    Txn nowInvoice = Entered[0];
    nowInvoice.type = "INV";
    EXPECT_EQ(replace(1, nowInvoice), 0);
    EXPECT_EQ(queryOrder(), (std::vector<int>{4, 2, 3}));
    EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_EQ(ledger.CurrentTransactionIndex, 0);
    EXPECT_EQ(window.clearedModes, (std::vector<int>{5}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 9.5);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionEdits, WithNoSortOrderTheQueryKeyCannotBeBuilt)
{
    enterAll();
    window.order = QueryOrder::None;
    services.answerMessageBox(Answer::OK);
    services.answerMessageBox(Answer::OK);
    EXPECT_EQ(replace(1, Entered[0]), 0);
    const auto texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind(" Chop - Unable to find key 000001", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1], "Unable to change Query index...");
}

TEST_F(TransactionEdits, WithNoSortOrderTheNewQueryKeyIsEmpty)
{
    window.order = QueryOrder::None;
    enterAll();
    EXPECT_EQ(queryOrder(), (std::vector<int>{1, 2, 3, 4})) << "blank keys keep the order of entry";
    services.answerMessageBox(Answer::OK);
    services.answerMessageBox(Answer::OK);
    EXPECT_EQ(replace(1, Entered[0]), 0);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Unable to extract new key - " + std::string(ledger.Transactions.Line(1)),
                                        "Unable to change Query index..."}));
    EXPECT_EQ(queryOrder(), (std::vector<int>{1, 2, 3, 4}));
}

// Failures of the index steps: each shows its own message, then its caller's, and leaves the
// indexes as they were at the failing step (the stored line stays).
class IndexFailures : public TransactionEdits {
protected:
    void SetUp() override { enterAll(); }
    void answerBoxes(int count)
    {
        for (int i = 0; i < count; ++i)
            services.answerMessageBox(Answer::OK);
    }
    // Takes record 1 (the third by date) out of the query index behind the book's back.
    void loseQueryEntryOfRecord1() { ledger.QueryIndex.Remove(3); }
};

TEST_F(IndexFailures, AnEditBoxLineWithoutADateEntryChangesNoIndex)
{
    edit(1);
    const std::string stale = line({.number = "000001", .date = "01/Jan/2020", .ref = "C3"});
    ledger.CurrentTransactionLine = stale;
    Txn larger = Entered[0];
    larger.number = "000001";
    larger.amount = 99;
    core::TransactionFields fields = FieldsOf(larger);
    answerBoxes(2);
    EXPECT_EQ(core::ReplaceTransaction(book, 1, fields), 0);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{" Chop - Unable to find key " + stale, "Unable to change Date index..."}));
    EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_EQ(queryOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 19.5);
    EXPECT_EQ(ledger.CurrentTransactionLine, ledger.Transactions.Line(1)) << "the new line is stored and held";
}

TEST_F(IndexFailures, ALeavingTransactionWithoutAQueryEntry)
{
    loseQueryEntryOfRecord1();
    ledger.Filters.CurrentFilter.Types = "RB";
    const std::string old(ledger.Transactions.Line(1));
    answerBoxes(2);
    EXPECT_EQ(replace(1, Entered[0]), 0);
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{" Chop - Unable to find key, index = ' 3'" + old,
                                                                 "Unable to delete Query Index record"}));
    EXPECT_EQ(ledger.CurrentTransactionIndex, 1) << "the edit box keeps the transaction";
    EXPECT_TRUE(window.clearedModes.empty());
}

TEST_F(IndexFailures, DeletingATransactionWithoutAQueryEntry)
{
    loseQueryEntryOfRecord1();
    const std::string stored(ledger.Transactions.Line(1));
    edit(1);
    answerBoxes(1);
    EXPECT_FALSE(core::DeleteTransaction(book, 1));
    EXPECT_EQ(onlyBox().text, " Chop - Unable to find key, index = ' 3'" + stored);
    EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 3}));
    EXPECT_EQ(ledger.Transactions.Line(1).substr(129, 1), "Y");
    EXPECT_EQ(ledger.CurrentTransactionIndex, 1);
}

TEST_F(TransactionEdits, AddingATransactionMarkedDeletedIndexesNothing)
{
    EXPECT_FALSE(add({.deleted = true}));
    EXPECT_EQ(ledger.Transactions.UpperBound(), 1);
    EXPECT_TRUE(dateOrder().empty());
    EXPECT_TRUE(queryOrder().empty());
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 0);
}

TEST_F(TransactionEdits, SwitchingTheSortOrderReKeysTheGridAndLaterEditsFollowIt)
{
    enterAll();
    window.order = QueryOrder::ByReference;
    core::RebuildIndexKeys(book, ledger.QueryIndex, core::IndexKind::Reference);
    EXPECT_EQ(queryOrder(), (std::vector<int>{3, 4, 1, 2}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 19.5);
    EXPECT_DOUBLE_EQ(ledger.Totals.Receipts(), 4);

    Txn renamed = Entered[1];
    renamed.ref = "A0";
    EXPECT_EQ(replace(2, renamed), 1);
    ASSERT_TRUE(add({.date = "01/Jan/2023", .ref = "Z9"}));
    EXPECT_EQ(queryOrder(), (std::vector<int>{2, 3, 4, 1, 5}));
    EXPECT_TRUE(core::IndexMatchesTable(book, ledger.QueryIndex, core::IndexKind::Query));

    window.order = QueryOrder::ByDate;
    core::RebuildIndexKeys(book, ledger.QueryIndex, core::IndexKind::Date);
    EXPECT_EQ(queryOrder(), (std::vector<int>{5, 2, 4, 1, 3}));
    EXPECT_EQ(queryOrder(), dateOrder());
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 29.5);
}

TEST_F(TransactionEdits, RecordNumbersOutsideTheTableChangeNothing)
{
    enterAll();
    for (int recordNumber : {0, -1, 5, 32767}) {
        SCOPED_TRACE(recordNumber);
        core::TransactionFields fields = FieldsOf(Entered[0]);
        EXPECT_EQ(core::ReplaceTransaction(book, recordNumber, fields), 0);
        EXPECT_FALSE(core::DeleteTransaction(book, recordNumber));
    }
    EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_EQ(queryOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionEdits, TheTableRefusesTheTransactionAfterThe32766th)
{
    const std::string filler = line({.number = "000001"});
    for (int i = 1; i < core::TransactionTable::MaxTransactions; ++i)
        store(filler);
    core::RebuildDateIndex(book);
    ASSERT_TRUE(add({.number = "032766", .date = "01/Jan/2030"}));
    EXPECT_EQ(ledger.Transactions.UpperBound(), 32766);
    EXPECT_EQ(ledger.DateIndex.at(32766).RecordNumber, 32766);

    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(add({.number = "032767"}));
    EXPECT_EQ(onlyBox().text,
              "You have  32766 transactions in this file. Any more than this and the system will become unwieldy. "
              "Create a new file or try archiving part of this one. Do NOT attempt to add any more transactions "
              "to this file.");
    EXPECT_EQ(ledger.Transactions.UpperBound(), 32766);
    EXPECT_FALSE(ledger.Transactions.Append(filler));
}

TEST_F(TransactionEdits, RebuildingTheDateIndexLeavesDeletedTransactionsOut)
{
    store(line({.number = "000001", .date = "03/Jan/2024"}));
    store(line({.number = "000002", .date = "01/Jan/2024", .deleted = true}));
    store(line({.number = "000003", .date = "02/Jan/2024"}));
    core::RebuildDateIndex(book);
    EXPECT_EQ(dateOrder(), (std::vector<int>{3, 1}));
    EXPECT_EQ(core::ApplyFilterToIndex(book, core::IndexKind::Date), 2);
    EXPECT_EQ(queryOrder(), (std::vector<int>{3, 1}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 20);
}

class FilterPass : public TransactionEdits {
protected:
    void SetUp() override
    {
        const char* dates[] = {"05/Jan/2024", "20/Jan/2024", "03/Feb/2024", "10/Mar/2024", "01/Apr/2024"};
        const char* refs[] = {"E", "D", "C", "B", "A"};
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(add({.date = dates[i], .ref = refs[i], .memo = std::string("Fuel ") + dates[i]}));
        core::FilterSetup& filter = ledger.Filters.CurrentFilter;
        filter.DateOn = core::FlagTrue;
        filter.FromDate = "20240115";
        filter.ToDate = "20240310";
    }
};

TEST_F(FilterPass, TheDatePassStartsAtTheFromDateAndStopsPastTheToDate)
{
    EXPECT_EQ(core::ApplyFilterToIndex(book, core::IndexKind::Date), 3);
    EXPECT_EQ(queryOrder(), (std::vector<int>{2, 3, 4}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 30);
    EXPECT_EQ(services.mousePointer(), 0);

    // A date index out of order shows where the pass stops: the first transaction past the To date
    // ends it, whatever follows.
    ledger.DateIndex.Clear();
    for (int recordNumber : {2, 5, 3})
        ledger.DateIndex.Append({static_cast<std::int16_t>(recordNumber), {}});
    ledger.Filters.CurrentFilter.FromDate = "";
    EXPECT_EQ(core::ApplyFilterToIndex(book, core::IndexKind::Date), 1);
    EXPECT_EQ(core::ApplyFilterToIndex(book, core::IndexKind::Query), 2) << "only a date-ordered pass stops";
}

TEST_F(FilterPass, ABlankToDateStopsThePassAtOnce)
{
    ledger.Filters.CurrentFilter.ToDate = "";
    EXPECT_EQ(core::ApplyFilterToIndex(book, core::IndexKind::Date), 0);
    EXPECT_TRUE(queryOrder().empty());
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 0);
}

TEST_F(FilterPass, AMemoPassInReferenceOrder)
{
    ledger.Filters.CurrentFilter.DateOn = 0;
    ledger.Filters.CurrentFilter.CommentOn = core::FlagTrue;
    ledger.Filters.CurrentFilter.Comment = "fuel 0";
    window.order = QueryOrder::ByReference;
    EXPECT_EQ(core::ApplyFilterInSortOrder(book), 3);
    EXPECT_EQ(queryOrder(), (std::vector<int>{5, 3, 1}));
    EXPECT_TRUE(core::IndexMatchesTable(book, ledger.QueryIndex, core::IndexKind::Reference));
    window.order = QueryOrder::None;
    EXPECT_EQ(core::ApplyFilterInSortOrder(book), 0);
    EXPECT_EQ(queryOrder(), (std::vector<int>{5, 3, 1})) << "left as it was";
}

class IndexRepair : public TransactionEdits {
protected:
    void SetUp() override { enterAll(); }
};

TEST_F(IndexRepair, SoundIndexesAreKept)
{
    EXPECT_FALSE(core::RepairIndexes(book));
    EXPECT_EQ(dateOrder(), (std::vector<int>{4, 2, 1, 3}));
    EXPECT_DOUBLE_EQ(ledger.Totals.Payments(), 19.5);
}

TEST_F(IndexRepair, DamagedEntriesAreRebuiltFromTheTable)
{
    struct Damage {
        const char* name;
        std::function<void(core::Ledger&)> damage;
    };
    const Damage cases[] = {
        {"date entry past the table", [](core::Ledger& l) { l.DateIndex.Append({9, core::MakeIndexKey("30000101")}); }},
        {"date entry of record 0", [](core::Ledger& l) { l.DateIndex.Insert({0, core::MakeIndexKey("")}); }},
        {"negative record number", [](core::Ledger& l) { l.QueryIndex.Insert({-3, core::MakeIndexKey("")}); }},
        {"stale key", [](core::Ledger& l) { l.QueryIndex.setKey(2, core::MakeIndexKey("20240105")); }},
        {"entries out of order", [](core::Ledger& l) {
             const std::vector<core::IndexEntry> entries(l.DateIndex.entries().begin(), l.DateIndex.entries().end());
             l.DateIndex.Clear();
             for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
                 l.DateIndex.Append(*entry);
         }},
        {"the same record twice", [](core::Ledger& l) { l.QueryIndex.Insert(l.QueryIndex.at(1)); }},
        {"deleted record", [](core::Ledger& l) {
             std::string deleted(l.Transactions.Line(1));
             deleted[129] = 'Y';
             l.Transactions.Replace(1, deleted);
         }},
        {"missing date entry", [](core::Ledger& l) { l.DateIndex.Remove(2); }},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        ledger.Transactions.Clear();
        core::RebuildDateIndex(book);
        core::ApplyFilterToIndex(book, core::IndexKind::Date);
        enterAll();
        c.damage(ledger);
        core::RepairIndexes(book);
        EXPECT_TRUE(core::IndexMatchesTable(book, ledger.DateIndex, core::IndexKind::Date));
        EXPECT_TRUE(core::IndexMatchesTable(book, ledger.QueryIndex, core::IndexKind::Query));
        EXPECT_EQ(ledger.QueryIndex.UpperBound(), ledger.DateIndex.UpperBound());
    }
}

TEST_F(IndexRepair, RekeyingDropsEntriesThatNameNoRecord)
{
    ledger.QueryIndex.Append({77, core::MakeIndexKey("")});
    core::RebuildIndexKeys(book, ledger.QueryIndex, core::IndexKind::Reference);
    EXPECT_EQ(queryOrder(), (std::vector<int>{3, 4, 1, 2}));
}

} // namespace
