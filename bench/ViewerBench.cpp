#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "datapeek/ViewerWindow.h"
#include "platform/ScriptedServices.h"
#include "runtime/TextFile.h"

namespace {

constexpr int FullBookTransactions = 32766;

// A system audit of a full book as the viewer gets it: the settings, title and marker, then one
// row of fifteen cells per transaction and the seven lines around them.
std::filesystem::path WriteFullAudit(const std::filesystem::path& folder)
{
    const std::filesystem::path path = folder / "QB.TXT";
    runtime::TextWriter out(path);
    for (const char* line : {"ARIAL", "8", "000720", "000720", "000020", "Quillbook 2000-32 System Audit Report   : Bench Trading Ltd     05/Mar/2026 10:15:00",
                             "*** REPORT STARTS ***", "", ""})
        out.writeLine(line);
    out.writeLine("Number \tDate       \tBank    \tType  \tVAT  \tDescription           \t     Amount\t        VAT\tCat   \tCust  \tRef     \tChq     \tRec   \t      Total\tFlag ");
    out.writeLine("-------\t-----------\t--------\t------\t-----\t----------------------\t-----------\t-----------\t------\t------\t--------\t--------\t------\t-----------\t-----");
    for (int n = 1; n <= FullBookTransactions; ++n)
        out.writeLine(std::to_string(n) + "\t05/Mar/2026\tBANK1   \tP     \tS    \tOffice supplies bought\t     123.45\t      21.60\tSUPPLY\tACME  \t" +
                      std::to_string(100000 + n) + "\t        \tR     \t     145.05\t     ");
    out.writeLine(" ");
    out.writeLine("*** End Of\t Report ***");
    out.close();
    return path;
}

struct ViewerBenchSetUp {
    ViewerBenchSetUp()
    {
        services.setScreenFonts({"Arial"});
        services.setCommandLine("QBLAUNCH");
        std::filesystem::create_directories(folder);
        WriteFullAudit(folder);
        viewer.Show();
    }
    ~ViewerBenchSetUp() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillbook-viewer-bench";
    platform::ScriptedServices services;
    datapeek::ViewerWindow viewer{services, folder};
};

void ViewerLoadsFullAudit(benchmark::State& state)
{
    ViewerBenchSetUp setUp;
    for (auto _ : state)
        benchmark::DoNotOptimize(setUp.viewer.LoadReportFile(setUp.folder / "QB.TXT"));
    state.counters["rows"] = setUp.viewer.ViewGrid.Rows() - 1;
}
BENCHMARK(ViewerLoadsFullAudit)->Unit(benchmark::kMillisecond);

void ViewerSavesFullAudit(benchmark::State& state)
{
    ViewerBenchSetUp setUp;
    for (auto _ : state)
        benchmark::DoNotOptimize(setUp.viewer.SaveReportFile(setUp.folder / "SAVED.EXP"));
}
BENCHMARK(ViewerSavesFullAudit)->Unit(benchmark::kMillisecond);

} // namespace
