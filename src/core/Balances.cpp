#include "core/Balances.h"

#include <cstdint>
#include <map>
#include <string>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/QueryTotals.h"
#include "core/RecordField.h"
#include "runtime/Text.h"

namespace core {

namespace {

// "PAY" and "BIL" take money out: their amounts count negative. The types come in no order, so
// the column is compared as one number, without a branch on its characters.
bool IsPaidOut(std::string_view record)
{
    const std::string_view type = RecordField(record, RecordColumns::Type);
    if (type.size() != static_cast<std::size_t>(RecordColumns::Type.width))
        return false;
    const auto code = [](std::string_view text) {
        const auto at = [text](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(text[i])}; };
        return at(0) | at(1) << 8 | at(2) << 16;
    };
    return (code(type) == code("PAY")) | (code(type) == code("BIL"));
}

bool IsLive(std::string_view record)
{
    return !RecordFlag(record, RecordColumns::Deleted);
}

// Calls `use` with every live transaction of the table, in table order, whose `column` holds `code`.
template <class Use>
void ForEachLiveRecordWithCode(const TransactionTable& table, RecordColumn column, std::string_view code, Use use)
{
    const std::string padded = runtime::padRight(code, column.width);
    for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber) {
        const std::string_view record = table.Line(recordNumber);
        if (RecordCodeIs(record, column, padded) && IsLive(record))
            use(record);
    }
}

// Adds one transaction of the bank account to its totals.
void AddToBankTotals(std::string_view record, double& reconciled, double& cashTotal)
{
    const double amount = GetSignedAmount(record);
    if (RecordFlag(record, RecordColumns::Reconciled))
        reconciled += amount;
    const std::string_view type = RecordField(record, RecordColumns::Type);
    if (type == "RCP" || type == "PAY")
        cashTotal += amount;
}

// Adds one transaction of the customer to its unpaid bills or unpaid invoices.
void AddToCustomerTotals(std::string_view record, double& bills, double& invoices)
{
    if (RecordFlag(record, RecordColumns::Paid))
        return;
    const std::string_view type = RecordField(record, RecordColumns::Type);
    if (type == "BIL")
        bills += GetSignedAmount(record);
    else if (type == "INV")
        invoices += GetSignedAmount(record);
}

// The totals kept for the code a record holds in `column` (at its full width), new ones at zero.
template <class Totals>
Totals& TotalsOfCode(std::map<std::string, Totals, std::less<>>& totals, std::string_view record, RecordColumn column)
{
    const std::string_view code = RecordField(record, column);
    if (const auto found = totals.find(code); found != totals.end())
        return found->second;
    return totals[PaddedRecordField(record, column)];
}

} // namespace

double GetSignedAmount(std::string_view record)
{
    const double amount = RecordAmount(record);
    return IsPaidOut(record) ? -amount : amount;
}

std::int64_t GetSignedPence(std::string_view record)
{
    if (const std::int64_t pence = WrittenAmountPence(record); pence != NotWrittenForm)
        return IsPaidOut(record) ? -pence : pence;
    return QueryTotals::SignedPence(GetSignedAmount(record));
}

double SumBankAccountToDate(Book& book, std::string_view bankCode, std::string_view dateYmd, double& cashTotal)
{
    const BusyPointer busy(book.services());
    const std::string code = runtime::padRight(bankCode, RecordColumns::Bank.width);
    const std::string date = runtime::padRight(dateYmd, RecordColumns::Date.width);
    const Ledger& ledger = book.ledger;
    double reconciled = 0;
    for (const IndexEntry& entry : ledger.DateIndex.entries()) {
        const std::string_view record = ledger.Transactions.Line(entry.RecordNumber);
        if (RecordField(record, RecordColumns::Date) >= date)
            break;
        if (RecordCodeIs(record, RecordColumns::Bank, code) && IsLive(record))
            AddToBankTotals(record, reconciled, cashTotal);
    }
    return reconciled;
}

double SumBankAccount(Book& book, std::string_view bankCode, double& cashTotal)
{
    const BusyPointer busy(book.services());
    double reconciled = 0;
    ForEachLiveRecordWithCode(book.ledger.Transactions, RecordColumns::Bank, bankCode,
                              [&](std::string_view record) { AddToBankTotals(record, reconciled, cashTotal); });
    return reconciled;
}

double SumCustomerOutstanding(Book& book, std::string_view customerCode, double& invoiceTotal)
{
    const BusyPointer busy(book.services());
    double bills = 0;
    ForEachLiveRecordWithCode(book.ledger.Transactions, RecordColumns::Customer, customerCode,
                              [&](std::string_view record) { AddToCustomerTotals(record, bills, invoiceTotal); });
    return bills + invoiceTotal;
}

AccountTotals SumEveryAccount(Book& book)
{
    const BusyPointer busy(book.services());
    const TransactionTable& table = book.ledger.Transactions;
    AccountTotals totals;
    for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber) {
        const std::string_view record = table.Line(recordNumber);
        if (!IsLive(record))
            continue;
        BankTotals& bank = TotalsOfCode(totals.Banks, record, RecordColumns::Bank);
        AddToBankTotals(record, bank.Reconciled, bank.Cash);
        CustomerTotals& customer = TotalsOfCode(totals.Customers, record, RecordColumns::Customer);
        AddToCustomerTotals(record, customer.Bills, customer.Invoices);
    }
    return totals;
}

} // namespace core
