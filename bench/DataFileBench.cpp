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

// A main window that shows nothing. It keeps the sort order a loaded file asks for, and its filter
// dialog holds the book's current filter, so a set-up read from it stays as it was.
class HeadlessWindow final : public datafile::DataFileWindow {
public:
    core::QueryOrder SortOrder() const override { return order_; }
    void setSortOrder(core::QueryOrder order) override { order_ = order; }
    void ClearEntryFields(int) override {}
    void UpdateMenuState() override {}
    void TickFilterMenu(const core::FilterMenuTicks&) override {}
    void ShowTotalsLabels(bool, bool) override {}
    void ClearFilterCodeLists() override {}
    void RefreshQueryGrid() override {}
    void SyncQueryScrollBar() override {}
    void SaveTheFile() override {}
    void setSaveItemEnabled(bool) override {}
    void setCaption(const std::string&) override {}
    int QueryScrollMax() const override { return 0; }
    int QueryScrollValue() const override { return 0; }
    void setQueryScroll(int, int) override {}
    void ResetGridRow() override {}
    void ShowLoadedBook() override {}

private:
    core::QueryOrder order_ = core::QueryOrder::ByDate;
};

// A book shown in a headless window, as the data-file operations require.
struct ShownBook {
    ShownBook() { book.ledger.AttachWindow(window); }
    ShownBook(const ShownBook&) = delete;
    ShownBook& operator=(const ShownBook&) = delete;

    platform::ScriptedServices services;
    core::Book book{services};
    HeadlessWindow window;
};

// The full book written once as a data file.
const std::filesystem::path& FullBookFile()
{
    static const std::filesystem::path path = [] {
        ShownBook shown;
        bench::FillFullBook(shown.book);
        auto file = std::filesystem::temp_directory_path() / "qb-bench-full-book.QBD";
        if (!datafile::SaveDataFile(file, shown.book, shown.window))
            throw std::runtime_error("the full book could not be saved");
        return file;
    }();
    return path;
}

void SaveFullBook(benchmark::State& state)
{
    ShownBook shown;
    datafile::LoadDataFile(FullBookFile(), shown.book, shown.window);
    const auto target = std::filesystem::temp_directory_path() / "qb-bench-saved.QBD";
    for (auto _ : state)
        benchmark::DoNotOptimize(datafile::SaveDataFile(target, shown.book, shown.window));
    std::filesystem::remove(target);
}
BENCHMARK(SaveFullBook)->Unit(benchmark::kMillisecond);

void LoadFullBook(benchmark::State& state)
{
    ShownBook shown;
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
        ShownBook shown;
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
