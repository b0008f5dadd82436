#include <benchmark/benchmark.h>

#include <string>

#include "FullBook.h"
#include "ReportBenchHost.h"
#include "core/Book.h"
#include "core/TransactionRecord.h"
#include "documents/FieldValues.h"
#include "documents/TemplatePrint.h"
#include "platform/ScriptedServices.h"
#include "reports/ReportDesk.h"
#include "runtime/Text.h"

namespace {

// A full book whose simple invoice carries every special field once, among them the two that scan
// the whole book for the customer's balance.
struct DocumentBench {
    DocumentBench()
    {
        bench::FillFullBook(book);
        core::TemplateRecord& tmpl = book.Templates[core::SimpleInvoice];
        const char* tags[] = {"~TG", "~TN", "~TV", "~CN", "~CA", "~TR", "~VC", "~VR", "~DT", "~DD", "~YN", "~YA",
                              "~YT", "~ID", "~IN", "~IV", "~IG", "~TM", "~IC", "~VT", "~NT", "~GT", "~KI", "~KB"};
        int i = 0;
        for (const char* tag : tags) {
            core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
            object = {tag, "Arial", "10", ' ', ' ', ' ', 'L', 'Y', ' ', 720.0F, 720.0F + 400.0F * static_cast<float>(i),
                      3000.0F, 0.0F};
            ++i;
        }
        for (int record = 1; record <= book.ledger.Transactions.UpperBound(); ++record) {
            const std::string_view line = book.ledger.Transactions.Line(record);
            if (runtime::mid(line, core::RecordColumns::Type.start, 3) == "INV") {
                invoice = static_cast<std::int16_t>(record);
                break;
            }
        }
    }

    bench::BenchServices services;
    core::Book book{services};
    bench::BenchReportHost host;
    reports::ReportDesk desk{book, host};
    std::int16_t invoice = 1;
};

DocumentBench& SharedDocumentBench()
{
    static DocumentBench shared;
    return shared;
}

// The customer's net balance: one scan of the whole book.
void CustomerBalanceField(benchmark::State& state)
{
    DocumentBench& bench = SharedDocumentBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(documents::GetTemplateFieldValue(bench.book, bench.invoice, "~KB"));
}
BENCHMARK(CustomerBalanceField)->Unit(benchmark::kMillisecond);

// One invoice of a batch run, every field filled and printed.
void BatchInvoiceDocument(benchmark::State& state)
{
    DocumentBench& bench = SharedDocumentBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(documents::PrintTemplateDocument(bench.desk, bench.invoice, core::SimpleInvoice));
}
BENCHMARK(BatchInvoiceDocument)->Unit(benchmark::kMillisecond);

} // namespace
