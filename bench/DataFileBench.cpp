#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "FullBook.h"
#include "core/Book.h"
#include "core/Packing.h"
#include "core/RecordField.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileWindow.h"
#include "platform/ScriptedServices.h"

namespace {

// A main window that shows nothing.
class HeadlessWindow final : public datafile::DataFileWindow {
public:
    void ClearFilterCodeLists() override {}
    void RefreshQueryGrid() override {}
    void SyncQueryScrollBar() override {}
    void ReadFilterSetupFromForm(core::FilterSetup& setup) override { setup = filter; }
    void setSaveItemEnabled(bool) override {}
    void setCaption(const std::string&) override {}
    int QueryScrollMax() const override { return 0; }
    int QueryScrollValue() const override { return 0; }
    void setQueryScroll(int, int) override {}
    void ResetGridRow() override {}
    void ShowLoadedBook() override {}

    core::FilterSetup filter;
};

// The full book written once as a data file.
const std::filesystem::path& FullBookFile()
{
    static const std::filesystem::path path = [] {
        platform::ScriptedServices services;
        core::Book book(services);
        bench::FillFullBook(book);
        HeadlessWindow window;
        auto file = std::filesystem::temp_directory_path() / "qb-bench-full-book.QBD";
        if (!datafile::SaveDataFile(file, book, window))
            throw std::runtime_error("the full book could not be saved");
        return file;
    }();
    return path;
}

void SaveFullBook(benchmark::State& state)
{
    platform::ScriptedServices services;
    core::Book book(services);
    HeadlessWindow window;
    datafile::LoadDataFile(FullBookFile(), book, window);
    const auto target = std::filesystem::temp_directory_path() / "qb-bench-saved.QBD";
    for (auto _ : state)
        benchmark::DoNotOptimize(datafile::SaveDataFile(target, book, window));
    std::filesystem::remove(target);
}
BENCHMARK(SaveFullBook)->Unit(benchmark::kMillisecond);

void LoadFullBook(benchmark::State& state)
{
    platform::ScriptedServices services;
    core::Book book(services);
    HeadlessWindow window;
    for (auto _ : state)
        benchmark::DoNotOptimize(datafile::LoadDataFile(FullBookFile(), book, window));
    state.counters["transactions"] = book.ledger.Transactions.UpperBound();
}
BENCHMARK(LoadFullBook)->Unit(benchmark::kMillisecond);

// Every tenth transaction marked deleted, then packed.
void PackTenthDeleted(benchmark::State& state)
{
    platform::ScriptedServices services;
    HeadlessWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        core::Book book(services);
        datafile::LoadDataFile(FullBookFile(), book, window);
        window.filter = book.ledger.Filters.CurrentFilter;
        auto& table = book.ledger.Transactions;
        for (int i = 10; i <= table.UpperBound(); i += 10) {
            std::string line(table.Line(i));
            line[core::RecordColumns::Deleted.start - 1] = 'Y';
            table.Replace(i, std::move(line));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(core::PackTransactions(book, window));
    }
}
BENCHMARK(PackTenthDeleted)->Unit(benchmark::kMillisecond);

} // namespace
