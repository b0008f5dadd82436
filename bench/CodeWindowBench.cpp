#include <benchmark/benchmark.h>

#include "FullBook.h"
#include "ReportBenchHost.h"
#include "core/Book.h"
#include "mainwindow/dialogs/Calendar.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "platform/ScriptedServices.h"

namespace {

class NoAutoSave : public mainwindow::CodeWindowHost {
public:
    explicit NoAutoSave(core::Book& book) : desk(book, reportHost) {}

    bool AutoSave() const override { return false; }
    void SaveTheFile() override {}
    reports::ReportDesk& Reports() override { return desk; }

private:
    bench::BenchReportHost reportHost;
    reports::ReportDesk desk;
};

// The code window on the bank page of a full book, with the line of the busiest account shown.
struct CodeWindowOverFullBook {
    CodeWindowOverFullBook()
    {
        mainForm.endDesign();
        bench::FillFullBook(book);
        codes.FrameAccount.setVisible(true);
        codes.Show();
        codes.ListBankAccounts.userSelect(0);
        codes.ListBankAccounts.userDblClick();
    }

    platform::ScriptedServices services;
    core::Book book{services};
    platform::Form mainForm{services, "Main"};
    mainwindow::Calendar calendar{book, mainForm};
    NoAutoSave host{book};
    mainwindow::MaintainCodes codes{book, host, calendar};
};

// Double-clicking an account: both balances summed over the whole book.
void BankAccountBalances(benchmark::State& state)
{
    CodeWindowOverFullBook window;
    for (auto _ : state) {
        window.codes.ListBankAccounts.userDblClick();
        benchmark::DoNotOptimize(window.codes.LblNomBal.Caption());
    }
    state.counters["transactions"] = window.book.ledger.Transactions.UpperBound();
}
BENCHMARK(BankAccountBalances)->Unit(benchmark::kMillisecond);

// Update after the account's code was changed, answering Yes: every transaction re-keyed.
void ChangedCodeCarriedThroughTheBook(benchmark::State& state)
{
    CodeWindowOverFullBook window;
    bool renamed = false;
    for (auto _ : state) {
        window.codes.TextBankCode.userSetText(renamed ? "BANK1" : "BANKX");
        window.services.answerMessageBox(platform::Answer::Yes);
        window.codes.CmdSaveBank.userClick();
        renamed = !renamed;
    }
    if (!window.services.allScriptsUsed())
        state.SkipWithError("the change of code was not offered to the transactions");
    state.counters["transactions"] = window.book.ledger.Transactions.UpperBound();
}
BENCHMARK(ChangedCodeCarriedThroughTheBook)->Unit(benchmark::kMillisecond);

} // namespace
