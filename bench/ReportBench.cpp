#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "FullBook.h"
#include "ReportBenchHost.h"
#include "core/Book.h"
#include "core/TransactionRecord.h"
#include "platform/ScriptedServices.h"
#include "reports/AgedBalanceReport.h"
#include "reports/BankActivityReport.h"
#include "reports/CancelForm.h"
#include "reports/CategoryAnalysisReport.h"
#include "reports/CodeListPrint.h"
#include "reports/CustomerStatementReport.h"
#include "reports/CurrentListPrint.h"
#include "reports/EecListReport.h"
#include "reports/FilteredListReport.h"
#include "reports/IncomeExpenditureReport.h"
#include "reports/NetOfVatListReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
#include "reports/ReportTitle.h"
#include "core/Balances.h"

namespace {

// A full book, one transaction in ten of it EEC-flagged, whose reports go to a folder of their own.
struct ReportBench {
    ReportBench()
    {
        bench::FillFullBook(book);
        core::TransactionTable& table = book.ledger.Transactions;
        for (int record = 10; record <= table.UpperBound(); record += 10) {
            std::string line(table.Line(record));
            line[core::RecordColumns::EEC.start - 1] = 'Y';
            table.Replace(record, std::move(line));
        }
        std::filesystem::create_directories(folder);
    }
    ~ReportBench() { std::filesystem::remove_all(folder); }

    bench::BenchServices services;
    core::Book book{services};
    bench::BenchReportHost host;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillbook-report-bench";
    reports::ReportDesk desk{book, host, folder};
};

ReportBench& SharedReportBench()
{
    static ReportBench shared;
    return shared;
}

void FilteredListReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteFilteredListReport(bench.desk));
    state.counters["rows"] = bench.book.ledger.QueryIndex.UpperBound();
}
BENCHMARK(FilteredListReport)->Unit(benchmark::kMillisecond);

void NetOfVatListReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteNetOfVatListReport(bench.desk));
    state.counters["rows"] = bench.book.ledger.QueryIndex.UpperBound();
}
BENCHMARK(NetOfVatListReport)->Unit(benchmark::kMillisecond);

// The whole decade of the book.
void EecSalesList(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteEecListReport(bench.desk, 22, "01/Jan/2015", "31/Dec/2024"));
}
BENCHMARK(EecSalesList)->Unit(benchmark::kMillisecond);

// The whole book printed through the print-job window, as the Print button runs it.
void PrintedCurrentList(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    reports::CancelForm& window = bench.desk.PrintJobWindow();
    for (auto _ : state)
        window.ShowJob("Current Filtered List", reports::ScreenDumpTag);
    state.counters["rows"] = bench.book.ledger.QueryIndex.UpperBound();
}
BENCHMARK(PrintedCurrentList)->Unit(benchmark::kMillisecond);

// The full book's four bank accounts printed through the print-job window, as the code window's
// Print button runs it: each account's current balance is summed over the whole book.
void PrintedBankList(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    reports::CancelForm& window = bench.desk.PrintJobWindow();
    for (auto _ : state)
        window.ShowJob("Bank Account Report", reports::BankCodesTag);
    state.counters["accounts"] = bench.book.codes.ListBankAccounts.ListCount();
}
BENCHMARK(PrintedBankList)->Unit(benchmark::kMillisecond);

// The chooser of the full book: the bank's start balance at a late From date.
void ChooserStartBalance(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    reports::ReportForm chooser(bench.desk, {});
    const core::AccountTotals totals = core::SumEveryAccount(bench.book);
    chooser.ComboListBanks.AddItem(totals.Banks.begin()->first + " Bank");
    chooser.TextBankFrom.setText("31/Dec/2024");
    for (auto _ : state) {
        chooser.ComboListBanks.setListIndex(-1);
        chooser.ComboListBanks.setListIndex(0);
    }
    state.counters["balance"] = benchmark::Counter(std::stod(chooser.TextStartBal.Text()));
}
BENCHMARK(ChooserStartBalance)->Unit(benchmark::kMillisecond);

// The mail-merge customers with outstanding invoices, over every customer of the full book.
void ChooserOutstandingInvoices(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    reports::ReportForm chooser(bench.desk, {});
    for (const auto& [code, sums] : core::SumEveryAccount(bench.book).Customers)
        chooser.ListMailCusts.AddItem(code + " Customer");
    for (auto _ : state)
        chooser.CmdMailOutstand.setValue(true);
    state.counters["customers"] = chooser.ListMailCusts.ListCount();
    state.counters["selected"] = chooser.ListMailCusts.SelCount();
}
BENCHMARK(ChooserOutstandingInvoices)->Unit(benchmark::kMillisecond);

// The chooser of the full book with every customer and category listed and selected.
struct FullChooser {
    explicit FullChooser(ReportBench& bench) : chooser(bench.desk, {})
    {
        const core::CodeTables& codes = bench.book.codes;
        for (int i = 0; i < codes.ComboCustomer.ListCount(); ++i) {
            chooser.ListDebCredCust.AddItem(codes.ComboCustomer.List(i));
            chooser.ListDebCredCust.setSelected(i, true);
        }
        for (int i = 0; i < codes.ComboAnal.ListCount(); ++i) {
            for (platform::ListBox* list : {&chooser.ListAnalCodes, &chooser.ListAnal1}) {
                list->AddItem(codes.ComboAnal.List(i));
                list->setSelected(i, true);
            }
        }
        chooser.ChkSumUnRecon.setValue(1);
        chooser.ChkExcludeVAT.setValue(1);
    }

    // The period the benchmark's argument names: the book's ten years, or its last year.
    static core::FilterSetup Period(const benchmark::State& state)
    {
        core::FilterSetup request;
        request.DateOn = core::FlagTrue;
        request.FromDate = state.range(0) == 10 ? "20150101" : "20240101";
        request.ToDate = "20241231";
        return request;
    }

    reports::ReportForm chooser;
};

void CategoryAnalysisReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    FullChooser full(bench);
    core::FilterSetup request = FullChooser::Period(state);
    request.TypeOn = core::FlagTrue;
    request.Types = "PRIB";
    // A year is analysed month by month; ten years in one total.
    const int months = state.range(0) == 10 ? 1 : 12;
    const int categories = full.chooser.ListAnalCodes.ListCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteCategoryAnalysisReport(bench.desk, full.chooser, request, categories,
                                                                      months, request.FromDate.str().substr(0, 6)));
}
BENCHMARK(CategoryAnalysisReport)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

void BankActivityReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    FullChooser full(bench);
    core::FilterSetup request = FullChooser::Period(state);
    request.BankOn = core::FlagTrue;
    request.BankCode = "BANK1";
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteBankActivityReport(bench.desk, full.chooser, request));
}
BENCHMARK(BankActivityReport)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

// Every customer's unpaid invoices as of the book's last day.
void AgedDebtorsReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    FullChooser full(bench);
    core::FilterSetup request;
    request.DateOn = core::FlagTrue;
    request.ToDate = "20241231";
    request.TypeOn = core::FlagTrue;
    request.Types = "I";
    const int customers = full.chooser.ListDebCredCust.ListCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            reports::WriteAgedBalanceReport(bench.desk, full.chooser, request, reports::AgedDebtorsKind, customers));
    state.counters["customers"] = customers;
}
BENCHMARK(AgedDebtorsReport)->Unit(benchmark::kMillisecond);

void CustomerStatementReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteCustomerStatementReport(bench.desk, "CUS001", 1));
}
BENCHMARK(CustomerStatementReport)->Unit(benchmark::kMillisecond);

void IncomeExpenditureReport(benchmark::State& state)
{
    ReportBench& bench = SharedReportBench();
    FullChooser full(bench);
    core::FilterSetup request = FullChooser::Period(state);
    request.TypeOn = core::FlagTrue;
    request.Types = "PRIBYZ";
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::WriteIncomeExpenditureReport(bench.desk, full.chooser, request));
}
BENCHMARK(IncomeExpenditureReport)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
