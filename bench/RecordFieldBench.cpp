#include <benchmark/benchmark.h>

#include <set>
#include <string>

#include "FullBook.h"
#include "core/Balances.h"
#include "core/Book.h"
#include "core/DateText.h"
#include "core/RecordField.h"

namespace {

// Every record's date, type, four codes and signed amount, as a report's pass over the book reads them.
void ReadFieldsOfEveryRecord(benchmark::State& state)
{
    const core::TransactionTable& table = bench::SharedFullBook().ledger.Transactions;
    namespace C = core::RecordColumns;
    for (auto _ : state) {
        std::size_t characters = 0;
        double total = 0;
        for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber) {
            const std::string_view line = table.Line(recordNumber);
            characters += core::RecordField(line, C::Date).size() + core::RecordField(line, C::Type).size()
                          + core::RecordField(line, C::Bank).size() + core::RecordField(line, C::Customer).size()
                          + core::RecordField(line, C::VAT).size() + core::RecordField(line, C::Category).size();
            total += core::GetSignedAmount(line);
        }
        benchmark::DoNotOptimize(characters);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(ReadFieldsOfEveryRecord)->Unit(benchmark::kMillisecond);

void DisplayDateOfEveryRecord(benchmark::State& state)
{
    const core::TransactionTable& table = bench::SharedFullBook().ledger.Transactions;
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber)
            characters += core::FormatYmdAsDisplayDate(core::RecordField(table.Line(recordNumber), core::RecordColumns::Date)).size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(DisplayDateOfEveryRecord)->Unit(benchmark::kMillisecond);

// The codes the book's transactions use in `column`, each once.
std::set<std::string> CodesIn(const core::TransactionTable& table, core::RecordColumn column)
{
    std::set<std::string> codes;
    for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber)
        codes.insert(std::string(core::RecordField(table.Line(recordNumber), column)));
    return codes;
}

// The balance of every bank account and every customer, one call each.
void BalancesOfEachBankAndCustomerInTurn(benchmark::State& state)
{
    core::Book& book = bench::SharedFullBook();
    const auto banks = CodesIn(book.ledger.Transactions, core::RecordColumns::Bank);
    const auto customers = CodesIn(book.ledger.Transactions, core::RecordColumns::Customer);
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& bank : banks) {
            double cash = 0;
            sum += core::SumBankAccount(book, bank, cash) + cash;
        }
        for (const std::string& customer : customers) {
            double invoices = 0;
            sum += core::SumCustomerOutstanding(book, customer, invoices);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["accounts"] = static_cast<double>(banks.size() + customers.size());
}
BENCHMARK(BalancesOfEachBankAndCustomerInTurn)->Unit(benchmark::kMillisecond);

// The same from one walk, as a page listing every account reads them.
void BalancesOfEveryBankAndCustomer(benchmark::State& state)
{
    core::Book& book = bench::SharedFullBook();
    std::size_t accounts = 0;
    for (auto _ : state) {
        const core::AccountTotals totals = core::SumEveryAccount(book);
        accounts = totals.Banks.size() + totals.Customers.size();
        benchmark::DoNotOptimize(accounts);
    }
    state.counters["accounts"] = static_cast<double>(accounts);
}
BENCHMARK(BalancesOfEveryBankAndCustomer)->Unit(benchmark::kMillisecond);

} // namespace
