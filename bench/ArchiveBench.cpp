#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "FullBook.h"
#include "core/Book.h"
#include "datafile/Archive.h"
#include "datafile/CoinjarImport.h"
#include "platform/ScriptedServices.h"

namespace {

std::filesystem::path BenchFile(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

// A fresh book per iteration, made while the clock is stopped.
struct FreshBook {
    std::unique_ptr<platform::ScriptedServices> services = std::make_unique<platform::ScriptedServices>();
    std::unique_ptr<core::Book> book = std::make_unique<core::Book>(*services);
};

void ArchiveFullBookWholeRange(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        FreshBook fresh;
        bench::FillFullBook(*fresh.book);
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            datafile::ArchiveTransactions(BenchFile("qb-bench.ARC"), "01/Jan/2000", "31/Dec/2099", *fresh.book));
        state.PauseTiming();
        fresh = FreshBook{};
        state.ResumeTiming();
    }
}
BENCHMARK(ArchiveFullBookWholeRange)->Unit(benchmark::kMillisecond)->Iterations(5);

// The archive of the whole full book, restored into an empty book.
void RestoreFullBookArchive(benchmark::State& state)
{
    {
        FreshBook fresh;
        bench::FillFullBook(*fresh.book);
        datafile::ArchiveTransactions(BenchFile("qb-bench.ARC"), "01/Jan/2000", "31/Dec/2099", *fresh.book);
    }
    for (auto _ : state) {
        state.PauseTiming();
        FreshBook fresh;
        state.ResumeTiming();
        benchmark::DoNotOptimize(datafile::RestoreArchiveFile(BenchFile("qb-bench.ARC"), *fresh.book));
        state.PauseTiming();
        fresh = FreshBook{};
        state.ResumeTiming();
    }
    std::filesystem::remove(BenchFile("qb-bench.ARC"));
}
BENCHMARK(RestoreFullBookArchive)->Unit(benchmark::kMillisecond)->Iterations(5);

// A "CJ4/3" file of 32,766 entries: one standing order, then months of transactions.
void ImportFullCoinjar43File(benchmark::State& state)
{
    {
        std::ofstream file(BenchFile("qb-bench.CJ3"), std::ios::binary);
        file << "CJ4/3\r\nBench\r\nStandard Entries\r\n15b    FD  RENT\xFBRent\xFC-500\xFD-\r\n\r\n";
        const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        for (int entry = 1, month = 0; entry < 32766; ++month) {
            const int year = (90 + month / 12) % 100;
            file << months[month % 12] << "-" << (year < 10 ? "0" : "") << year << "\r\n";
            for (int day = 1; day <= 28 && entry < 32766; ++day)
                for (int each = 0; each < 4 && entry < 32766; ++each, ++entry)
                    file << (day < 10 ? "0" : "") << day << "b    FD Y" << entry % 1000 << "\xFBSale\xFC" << entry % 97
                         << ".25\xFDX\r\n";
            file << "\r\n";
        }
    }
    const datafile::CoinjarChoices transactions{false, false, false, false, true};
    for (auto _ : state) {
        state.PauseTiming();
        FreshBook fresh;
        state.ResumeTiming();
        benchmark::DoNotOptimize(datafile::ImportCoinjar43File(*fresh.book, BenchFile("qb-bench.CJ3"), transactions));
        state.PauseTiming();
        state.counters["added"] = fresh.book->ledger.Transactions.UpperBound();
        fresh = FreshBook{};
        state.ResumeTiming();
    }
    std::filesystem::remove(BenchFile("qb-bench.CJ3"));
}
BENCHMARK(ImportFullCoinjar43File)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
