#include "LedgerTest.h"

namespace {

std::vector<int> RecordNumbers(const core::TransactionIndex& index)
{
    std::vector<int> numbers;
    for (const core::IndexEntry& entry : index.entries())
        numbers.push_back(entry.RecordNumber);
    return numbers;
}

} // namespace

core::TransactionFields FieldsOf(const Txn& txn)
{
    core::TransactionFields fields;
    fields.Number = txn.number;
    fields.Date = txn.date;
    fields.Reference = txn.ref;
    fields.Bank = txn.bank;
    fields.Customer = txn.cust;
    fields.VAT = txn.vat;
    fields.Category = txn.cat;
    fields.Type = txn.type;
    fields.Memo = txn.memo;
    fields.Amount = txn.amount;
    fields.Reconciled = txn.reconciled;
    fields.Paid = txn.paid;
    fields.Deleted = txn.deleted;
    return fields;
}

LedgerTest::LedgerTest()
{
    ledger.AttachWindow(window);
    ledger.Filters.CurrentFilter.Types = "PRIBYZ";
}

std::string LedgerTest::line(const Txn& txn)
{
    book.SplitTail.clear();
    core::TransactionFields fields = FieldsOf(txn);
    return core::AssembleTransactionRecord(book, fields).value();
}

bool LedgerTest::add(const Txn& txn)
{
    book.SplitTail.clear();
    core::TransactionFields fields = FieldsOf(txn);
    return core::AddTransaction(book, fields);
}

void LedgerTest::store(const std::string& recordLine)
{
    ASSERT_TRUE(ledger.Transactions.Append(recordLine));
}

std::vector<int> LedgerTest::dateOrder() const
{
    return RecordNumbers(ledger.DateIndex);
}

std::vector<int> LedgerTest::queryOrder() const
{
    return RecordNumbers(ledger.QueryIndex);
}
