#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "FullBook.h"
#include "ReportBenchHost.h"
#include "core/Book.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/TransactionRecord.h"
#include "platform/ScriptedServices.h"
#include "reports/CancelForm.h"
#include "reports/CodeListPrint.h"
#include "reports/CurrentListPrint.h"
#include "reports/EecListReport.h"
#include "reports/FilteredListReport.h"
#include "reports/NetOfVatListReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"
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
    core::CodeTables& codes = bench.book.codes;
    codes.ListBankAccounts.Clear();
    codes.ComboBank.Clear();
    for (const auto& [code, sums] : core::SumEveryAccount(bench.book).Banks) {
        core::BankAccountRecord account;
        account.Code = code;
        account.Name = "Account " + code;
        account.Address = "1 High Street\r\nLeeds";
        account.DateOpened = "01/Jan/2015";
        account.StartBalance = 1000;
        const std::string line = core::FormatBankAccountLine(account);
        core::AddCodeLine(bench.book.messages, codes.ListBankAccounts, codes.ComboBank, line, line.substr(0, 27), 6);
    }
    reports::CancelForm& window = bench.desk.PrintJobWindow();
    for (auto _ : state)
        window.ShowJob("Bank Account Report", reports::BankCodesTag);
    state.counters["accounts"] = codes.ListBankAccounts.ListCount();
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

} // namespace
