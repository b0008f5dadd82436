#include <benchmark/benchmark.h>

#include "FullBook.h"
#include "StartWizard.h"
#include "mainwindow/main/Main.h"
#include "platform/ScriptedServices.h"

namespace {

std::filesystem::path benchFolder()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "qb-bench-reconciliation";
    std::filesystem::create_directories(path);
    return path;
}

// The reconciliation window over a full book, listing its busiest account over one year: what the
// user waits for at each Reload.
void LoadReconciliation(benchmark::State& state)
{
    platform::ScriptedServices services;
    mainwindow::Main main(services, benchFolder());
    bench::CloseStartWizardWhenShown(services);
    main.Show();
    // The full book brings its bank accounts, BANK1 among them.
    bench::FillFullBook(main.book);

    mainwindow::Reconform& window = main.reconform;
    window.Show();
    window.ComboReconBank.setText("BANK1");
    window.TextReconFrom.setText("01/Jan/2020");
    window.TextReconTo.setText("31/Dec/2020");
    int lines = 0;
    for (auto _ : state)
        lines = window.LoadReconciliation();
    if (lines < 100)
        state.SkipWithError("the year's transactions were not listed");
    state.counters["lines"] = lines;
}
BENCHMARK(LoadReconciliation)->Unit(benchmark::kMillisecond);

} // namespace
