#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "FullBook.h"
#include "StartWizard.h"
#include "core/FilterStore.h"
#include "core/Statistics.h"
#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"
#include "platform/ScriptedServices.h"

namespace {

namespace fs = std::filesystem;

// A working folder whose settings name a full book with two named set-ups that pass everything.
const fs::path& FullBookFolder()
{
    static const fs::path folder = [] {
        const fs::path path = fs::temp_directory_path() / "qb-bench-main";
        fs::remove_all(path);
        fs::create_directories(path);
        platform::ScriptedServices services;
        bench::CloseStartWizardWhenShown(services);
        mainwindow::Main main(services, path);
        main.ensureLoaded();
        bench::FillFullBook(main.book);
        core::FilterSetup everything = main.book.ledger.Filters.CurrentFilter;
        for (const char* name : {"All types", "Everything"}) {
            everything.Name = name;
            core::StoreFilterSetup(main.book, everything);
        }
        main.book.CurrentDataFilePath = path / "Full.QBD";
        if (!datafile::SaveDataFile(main.book.CurrentDataFilePath, main.book, main))
            throw std::runtime_error("the full book could not be saved");
        main.WriteSettingsFile();
        // The report viewer the settings choose, beside the program.
        std::ofstream(path / "datapeek").put('\n');
        return path;
    }();
    return folder;
}

// The main window started on the full book, as the program starts it.
struct StartedMain {
    StartedMain() : main(services, FullBookFolder())
    {
        services.setProgramFolder(FullBookFolder());
        main.Show();
    }
    platform::ScriptedServices services;
    mainwindow::Main main;
};

void StartUpOnFullBook(benchmark::State& state)
{
    FullBookFolder();
    for (auto _ : state) {
        StartedMain started;
        benchmark::DoNotOptimize(started.main.book.ledger.QueryIndex.UpperBound());
    }
}
BENCHMARK(StartUpOnFullBook)->Unit(benchmark::kMillisecond);

void HeadlessMainWithoutBook(benchmark::State& state)
{
    const fs::path empty = fs::temp_directory_path() / "qb-bench-main-empty";
    fs::create_directories(empty);
    for (auto _ : state) {
        platform::ScriptedServices services;
        bench::CloseStartWizardWhenShown(services);
        mainwindow::Main main(services, empty);
        main.Show();
        benchmark::DoNotOptimize(main.PageSize);
    }
}
BENCHMARK(HeadlessMainWithoutBook)->Unit(benchmark::kMillisecond);

void OneLineScroll(benchmark::State& state)
{
    StartedMain started;
    platform::ScrollBar& scroll = started.main.QRYScroll;
    scroll.setValue(16000);
    int step = 1;
    for (auto _ : state) {
        scroll.userStep(step);
        step = -step;
    }
}
BENCHMARK(OneLineScroll)->Unit(benchmark::kMicrosecond);

void PageRefillOnFullBook(benchmark::State& state)
{
    StartedMain started;
    started.main.QRYScroll.setValue(16000);
    for (auto _ : state) {
        started.main.PreviousTopPosition = 0;
        started.main.RefreshQueryGrid(16000);
    }
}
BENCHMARK(PageRefillOnFullBook)->Unit(benchmark::kMicrosecond);

void SortSwitch(benchmark::State& state)
{
    StartedMain started;
    bool byReference = true;
    for (auto _ : state) {
        (byReference ? started.main.ByRefItem : started.main.ByDateItem).userClick();
        byReference = !byReference;
    }
}
BENCHMARK(SortSwitch)->Unit(benchmark::kMillisecond);

void NamedFilter(benchmark::State& state)
{
    StartedMain started;
    platform::ComboBox& filters = started.main.ComboMainFilters;
    int chosen = 0;
    for (auto _ : state) {
        filters.userSelect(chosen);
        chosen = 1 - chosen;
    }
}
BENCHMARK(NamedFilter)->Unit(benchmark::kMillisecond);

// One month of the full book (January 2015) applied from the filter dialog.
void OneMonthThroughTheFilterDialog(benchmark::State& state)
{
    StartedMain started;
    for (auto _ : state) {
        started.services.onModal<mainwindow::Filter>("Filter", [](mainwindow::Filter& filter) {
            filter.CmdAllOff.userClick();
            filter.OptDateOn.userClick();
            filter.FromDate.setText("01/Jan/2015");
            filter.ToDate.setText("31/Jan/2015");
            filter.CmdFilter.userClick();
        });
        started.main.FiltAllItem.userClick();
        benchmark::DoNotOptimize(started.main.book.ledger.QueryIndex.UpperBound());
    }
}
BENCHMARK(OneMonthThroughTheFilterDialog)->Unit(benchmark::kMillisecond);

// The statistics text and the walk of the date index over the full book.
void StatisticsWalk(benchmark::State& state)
{
    StartedMain started;
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::DescribeBookStatistics(started.main.book, 8));
        benchmark::DoNotOptimize(core::FindKeyOutOfOrder(started.main.book.ledger.DateIndex));
    }
}
BENCHMARK(StatisticsWalk)->Unit(benchmark::kMicrosecond);

} // namespace
