#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "FullBook.h"
#include "ReportBenchHost.h"
#include "core/Book.h"
#include "core/FilterSetup.h"
#include "reports/Finaccs.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
#include "reports/SystemAuditReport.h"
#include "reports/VatReport.h"

namespace {

// A full book whose VAT report, system audit and final accounts go to a folder of their own.
struct AccountsBench {
    AccountsBench()
    {
        bench::FillFullBook(book);
        std::filesystem::create_directories(folder);
    }
    ~AccountsBench() { std::filesystem::remove_all(folder); }

    bench::BenchServices services;
    core::Book book{services};
    bench::BenchReportHost host;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillbook-accounts-bench";
    reports::ReportDesk desk{book, host, folder};
};

AccountsBench& SharedAccountsBench()
{
    static AccountsBench shared;
    return shared;
}

// The detailed VAT report under the standard scheme with every split shown, from `from` to the
// end of the book's ten years.
void VatReportDetail(benchmark::State& state, const std::string& from)
{
    AccountsBench& bench = SharedAccountsBench();
    reports::ReportForm chooser(bench.desk, {});
    chooser.TextVatFrom.setText(from);
    chooser.TextVatTo.setText("31/Dec/2024");
    chooser.OptStandardScheme.setValue(true);
    chooser.OptVatDetail.setValue(true);
    chooser.ChkShowSplits.setValue(1);
    for (auto _ : state) {
        core::FilterSetup request;
        request.DateOn = core::FlagTrue;
        request.FromDate = from.substr(7, 4) + "0101";
        request.ToDate = "20241231";
        benchmark::DoNotOptimize(reports::WriteVatReport(bench.desk, chooser, request, 2));
    }
}

void VatReportTenYears(benchmark::State& state)
{
    VatReportDetail(state, "01/Jan/2015");
}
BENCHMARK(VatReportTenYears)->Unit(benchmark::kMillisecond);

void VatReportOneYear(benchmark::State& state)
{
    VatReportDetail(state, "01/Jan/2024");
}
BENCHMARK(VatReportOneYear)->Unit(benchmark::kMillisecond);

void SystemAuditReport(benchmark::State& state)
{
    AccountsBench& bench = SharedAccountsBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteSystemAuditReport(bench.desk));
    state.counters["rows"] = bench.book.ledger.Transactions.UpperBound();
}
BENCHMARK(SystemAuditReport)->Unit(benchmark::kMillisecond);

// OK in the final accounts dialog over the ten years: the settings saved and the accounts written,
// the first half of the categories as income and the rest as expenses.
void FinalAccounts(benchmark::State& state)
{
    AccountsBench& bench = SharedAccountsBench();
    reports::Finaccs dialog(bench.desk, nullptr);
    dialog.TxtFrom.setText("01/Jan/2015");
    dialog.TxtTo.setText("31/Dec/2024");
    const int categories = dialog.ListIncomeCats.ListCount();
    for (int i = 0; i < categories; ++i)
        (i < categories / 2 ? dialog.ListIncomeCats : dialog.ListExpenseCats).setSelected(i, true);
    for (auto _ : state)
        dialog.CmdOK.setValue(true);
    state.counters["categories"] = categories;
}
BENCHMARK(FinalAccounts)->Unit(benchmark::kMillisecond);

} // namespace
