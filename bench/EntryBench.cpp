#include <benchmark/benchmark.h>

#include "FullBook.h"
#include "StartWizard.h"
#include "mainwindow/main/Main.h"
#include "platform/ScriptedServices.h"

namespace {

// Room for the transactions one run of a benchmark stores, the rest of the book full.
constexpr int RoomLeft = 2000;

// The main window shown on a book filled to RoomLeft short of full (its code tables hold the bank
// account the stored payments use).
struct NearlyFullMain {
    NearlyFullMain() : main(services, folder())
    {
        bench::CloseStartWizardWhenShown(services);
        main.Show();
        bench::FillFullBook(main.book, core::TransactionTable::MaxTransactions - RoomLeft);
        main.SyncQueryScrollBar();
        main.RefreshQueryGrid();
    }
    static std::filesystem::path folder()
    {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / "qb-bench-entry";
        std::filesystem::create_directories(path);
        return path;
    }
    // The box as a user leaves it before Update: a payment of `amount` on BANK1.
    void fillPayment(const std::string& amount)
    {
        main.ComboBank.setText("BANK1");
        main.TextDate.setText("15/Mar/2020");
        main.TextAmount.setText(amount);
        main.TextComment.setText("Stationery");
    }
    platform::ScriptedServices services;
    mainwindow::Main main;
};

void StoreNewTransactionInFullBook(benchmark::State& state)
{
    NearlyFullMain book;
    for (auto _ : state) {
        book.main.PayItem.Click();
        book.fillPayment("12.50");
        book.main.CmdChange.Click();
    }
    if (book.main.book.ledger.Transactions.UpperBound() != core::TransactionTable::MaxTransactions - RoomLeft +
                                                               static_cast<int>(state.iterations()))
        state.SkipWithError("a payment was not stored");
}
BENCHMARK(StoreNewTransactionInFullBook)->Iterations(RoomLeft)->Unit(benchmark::kMicrosecond);

void ChangeTransactionInFullBook(benchmark::State& state)
{
    NearlyFullMain book;
    book.main.PayItem.Click();
    book.fillPayment("12.50");
    book.main.CmdChange.Click();
    int pence = 1250;
    for (auto _ : state) {
        ++pence;
        book.main.TextAmount.setText(std::to_string(pence / 100) + "." + std::to_string(pence % 100 / 10) +
                                     std::to_string(pence % 10));
        book.main.CmdChange.Click();
    }
    if (book.main.book.ledger.Transactions.UpperBound() != core::TransactionTable::MaxTransactions - RoomLeft + 1)
        state.SkipWithError("the change added a transaction");
}
BENCHMARK(ChangeTransactionInFullBook)->Unit(benchmark::kMicrosecond);

} // namespace
