#include <benchmark/benchmark.h>

#include "FullBook.h"
#include "core/Book.h"
#include "core/IndexOperations.h"
#include "platform/ScriptedServices.h"

namespace {

void AddAllTransactions(benchmark::State& state)
{
    const auto transactions = bench::GenerateTransactions();
    int indexed = 0;
    for (auto _ : state) {
        platform::ScriptedServices services;
        core::Book book(services);
        book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
        bench::AddGeneratedTransactions(book, transactions);
        benchmark::DoNotOptimize(indexed = book.ledger.QueryIndex.UpperBound());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(transactions.size()));
    state.counters["indexed"] = indexed;
}
BENCHMARK(AddAllTransactions)->Unit(benchmark::kMillisecond);

void RebuildDateIndex(benchmark::State& state)
{
    core::Book& book = bench::SharedFullBook();
    for (auto _ : state) {
        core::RebuildDateIndex(book);
        benchmark::DoNotOptimize(book.ledger.DateIndex.UpperBound());
    }
}
BENCHMARK(RebuildDateIndex)->Unit(benchmark::kMillisecond);

// Switching the grid to reference order and back: the query index re-keyed and sorted twice.
void RebuildQueryIndexKeys(benchmark::State& state)
{
    core::Book& book = bench::SharedFullBook();
    core::ApplyFilterToIndex(book, core::IndexKind::Date);
    for (auto _ : state) {
        core::RebuildIndexKeys(book, book.ledger.QueryIndex, core::IndexKind::Reference);
        core::RebuildIndexKeys(book, book.ledger.QueryIndex, core::IndexKind::Date);
        benchmark::DoNotOptimize(book.ledger.QueryIndex.UpperBound());
    }
}
BENCHMARK(RebuildQueryIndexKeys)->Unit(benchmark::kMillisecond);

void ApplyFilter(benchmark::State& state, const core::FilterSetup& filter)
{
    core::Book& book = bench::SharedFullBook();
    const core::FilterSetup kept = book.ledger.Filters.CurrentFilter;
    book.ledger.Filters.CurrentFilter = filter;
    int passed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(passed = core::ApplyFilterToIndex(book, core::IndexKind::Date));
    state.counters["passed"] = passed;
    book.ledger.Filters.CurrentFilter = kept;
}

core::FilterSetup EveryType()
{
    core::FilterSetup filter;
    filter.Types = "PRIBYZ";
    return filter;
}

// One year of the ten: the pass starts at the year and stops after it.
void ApplyDateFilter(benchmark::State& state)
{
    core::FilterSetup filter = EveryType();
    filter.DateOn = core::FlagTrue;
    filter.FromDate = "20200101";
    filter.ToDate = "20201231";
    ApplyFilter(state, filter);
}
BENCHMARK(ApplyDateFilter)->Unit(benchmark::kMillisecond);

// A memo search reads every transaction.
void ApplyMemoFilter(benchmark::State& state)
{
    core::FilterSetup filter = EveryType();
    filter.CommentOn = core::FlagTrue;
    filter.Comment = "diesel";
    ApplyFilter(state, filter);
}
BENCHMARK(ApplyMemoFilter)->Unit(benchmark::kMillisecond);

} // namespace
