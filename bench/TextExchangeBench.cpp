#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "FullBook.h"
#include "core/Book.h"
#include "datafile/ExchangeFileReading.h"
#include "datafile/TextExport.h"
#include "datafile/TextImport.h"
#include "platform/ScriptedServices.h"

namespace {

const datafile::ExportOptions AllFields{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};

std::filesystem::path ExportFile()
{
    return std::filesystem::temp_directory_path() / "qb-bench-all-fields.EXP";
}

void ExportFullBookAllFields(benchmark::State& state)
{
    platform::ScriptedServices services;
    core::Book book{services};
    bench::FillFullBook(book);
    for (auto _ : state) {
        // The book has splits: each export notes that the file does not carry them.
        services.answerMessageBox(platform::Answer::OK);
        benchmark::DoNotOptimize(
            datafile::ExportTransactions(book, ExportFile(), AllFields, datafile::TransactionSource::All));
    }
}
BENCHMARK(ExportFullBookAllFields)->Unit(benchmark::kMillisecond);

// The file the export above writes, read, checked and added to an empty book.
void ImportFullBookIntoEmptyBook(benchmark::State& state)
{
    {
        platform::ScriptedServices services;
        core::Book book{services};
        bench::FillFullBook(book);
        services.answerMessageBox(platform::Answer::OK);
        datafile::ExportTransactions(book, ExportFile(), AllFields, datafile::TransactionSource::All);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto services = std::make_unique<platform::ScriptedServices>();
        auto book = std::make_unique<core::Book>(*services);
        services->answerMessageBox(platform::Answer::OK);
        state.ResumeTiming();
        benchmark::DoNotOptimize(datafile::ImportTransactions(*book, datafile::ReadDelimitedRecords(ExportFile(), 16)));
        state.PauseTiming();
        book.reset();
        services.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(ExportFile());
}
BENCHMARK(ImportFullBookIntoEmptyBook)->Unit(benchmark::kMillisecond);

} // namespace
