#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "FullBook.h"
#include "ShownBook.h"
#include "core/Packing.h"
#include "core/RecordField.h"
#include "datafile/DataFile.h"

namespace {

// The full book written once as a data file.
const std::filesystem::path& FullBookFile()
{
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() / "qb-bench-full-book.QBD";
        bench::SaveFullBook(file);
        return file;
    }();
    return path;
}

void SaveFullBook(benchmark::State& state)
{
    bench::ShownBook shown;
    datafile::LoadDataFile(FullBookFile(), shown.book, shown.window);
    const auto target = std::filesystem::temp_directory_path() / "qb-bench-saved.QBD";
    for (auto _ : state)
        benchmark::DoNotOptimize(datafile::SaveDataFile(target, shown.book, shown.window));
    std::filesystem::remove(target);
}
BENCHMARK(SaveFullBook)->Unit(benchmark::kMillisecond);

// The floor a load is measured against: the file's bytes read into fresh memory in one read, then
// scanned for line ends.
void ReadFileAndScanLineEnds(benchmark::State& state)
{
    const auto& path = FullBookFile();
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(path));
    std::size_t lines = 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr)
            throw std::runtime_error("the full book cannot be opened");
        const auto bytes = std::make_unique_for_overwrite<char[]>(size);
        const std::size_t read = std::fread(bytes.get(), 1, size, file);
        std::fclose(file);
        lines = 0;
        const char* end = bytes.get() + read;
        for (const char* at = bytes.get(); (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) != nullptr; ++at)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(ReadFileAndScanLineEnds)->Unit(benchmark::kMillisecond);

// Opening the company in a program that has just started: a new book, nothing held from before.
void LoadFullBookIntoFreshBook(benchmark::State& state)
{
    std::optional<bench::ShownBook> shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.reset();
        shown.emplace();
        state.ResumeTiming();
        benchmark::DoNotOptimize(datafile::LoadDataFile(FullBookFile(), shown->book, shown->window));
    }
}
BENCHMARK(LoadFullBookIntoFreshBook)->Unit(benchmark::kMillisecond);

// Loading again over a book that holds the same company.
void LoadFullBook(benchmark::State& state)
{
    bench::ShownBook shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(datafile::LoadDataFile(FullBookFile(), shown.book, shown.window));
    state.counters["transactions"] = shown.book.ledger.Transactions.UpperBound();
}
BENCHMARK(LoadFullBook)->Unit(benchmark::kMillisecond);

// Every tenth transaction marked deleted, then packed.
void PackTenthDeleted(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        bench::ShownBook shown;
        datafile::LoadDataFile(FullBookFile(), shown.book, shown.window);
        auto& table = shown.book.ledger.Transactions;
        for (int i = 10; i <= table.UpperBound(); i += 10) {
            std::string line(table.Line(i));
            line[core::RecordColumns::Deleted.start - 1] = 'Y';
            table.Replace(i, std::move(line));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(core::PackTransactions(shown.book));
    }
}
BENCHMARK(PackTenthDeleted)->Unit(benchmark::kMillisecond);

} // namespace
