#include <functional>
#include <string>
#include <vector>

#include "CompanyTest.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "mainwindow/Reconform.h"
#include "reports/CancelForm.h"
#include "reports/PrintJob.h"

namespace {

using mainwindow::Reconform;
using Lines = std::vector<std::string>;

const std::string ChequeLine = "10/Apr/2024 CHQ100 Office supplies      Y       70.00" + std::string(29, ' ') + "000002";

// The reconciliation window on the company's book.
class ReconciliationTest : public CompanyTest {
protected:
    // Opens the window from the menu; `script` acts in it while it shows.
    void openReconciliation(std::function<void(Reconform&)> script)
    {
        services.onModal<Reconform>("Reconform", std::move(script));
        main.RepReconItem.userClick();
        ASSERT_TRUE(services.allScriptsUsed());
    }
    static void show(Reconform& window, const std::string& bank, const std::string& from, const std::string& to)
    {
        window.ComboReconBank.userSetText(bank);
        window.TextReconFrom.userSetText(from);
        window.TextReconTo.userSetText(to);
        window.CmdReload.userClick();
    }
    static void showApril(Reconform& window) { show(window, "BANK01", "01/Apr/2024", "30/Apr/2024"); }
    static void toggle(Reconform& window, int index)
    {
        window.ListReconcile.userSelect(index);
        window.ListReconcile.userDblClick();
    }
    static Lines listed(const Reconform& window)
    {
        Lines lines;
        for (int i = 0; i < window.ListReconcile.ListCount(); ++i)
            lines.push_back(window.ListReconcile.List(i));
        return lines;
    }
    // A receipt of 100.00 into BANK01 on 20/Apr/2024, not reconciled, its memo on two lines: record 4.
    void addReceipt()
    {
        core::TransactionFields fields;
        fields.Date = "20/Apr/2024";
        fields.Reference = "DEP100";
        fields.Bank = "BANK01";
        fields.Type = "RCP";
        fields.Memo = "Takings\xFC\xFDweek 16";
        fields.Amount = 100;
        main.book.SplitTail.clear();
        core::AddTransaction(main.book, fields);
        ASSERT_EQ(main.book.ledger.Transactions.UpperBound(), 4);
    }
    bool reconciled(int record) const { return storedLine(record)[127] == 'Y'; }
};

TEST_F(ReconciliationTest, OpensOnTheLastMonthWithoutABankAndListsAnAccountsRange)
{
    openReconciliation([&](Reconform& window) {
        EXPECT_EQ(window.Caption(), "Reconciliation");
        EXPECT_EQ(window.TextReconFrom.Text(), "15/May/2025");
        EXPECT_EQ(window.TextReconTo.Text(), "15/Jun/2025");
        EXPECT_EQ(window.ComboReconBank.Text(), "");
        EXPECT_EQ(window.ComboReconBank.ListCount(), 2);
        EXPECT_EQ(window.ListReconcile.ListCount(), 0);
        showApril(window);
        EXPECT_EQ(listed(window), Lines{ChequeLine});
        EXPECT_EQ(window.TextStartBal.Text(), "930.00");
        EXPECT_EQ(window.LblCurrBal.Caption(), "930.00");

        show(window, "CASH01", "01/Apr/2024", "30/Apr/2024"); // its one receipt is deleted
        EXPECT_EQ(window.ListReconcile.ListCount(), 0);
        EXPECT_EQ(window.LblCurrBal.Caption(), "50.00");
        window.CmdDone.userClick();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_FALSE(main.reconform.isLoaded());
}

TEST_F(ReconciliationTest, TheCurrentFilterProposesTheBankAndDatesAndACleardOneCountsAsBlank)
{
    core::FilterSetup& current = main.book.ledger.Filters.CurrentFilter;
    current = core::FilterSetup{};
    openReconciliation([&](Reconform& window) {
        EXPECT_EQ(window.TextReconFrom.Text(), "15/May/2025");
        EXPECT_EQ(window.ComboReconBank.Text(), "");
        window.CmdDone.userClick();
    });
    current.FromDate = "20240401";
    current.BankCode = "BANK01";
    openReconciliation([&](Reconform& window) {
        EXPECT_EQ(window.TextReconFrom.Text(), "01/Apr/2024");
        EXPECT_EQ(window.TextReconTo.Text(), "01/Apr/2024");
        EXPECT_EQ(window.ComboReconBank.Text(), "BANK01");
        EXPECT_EQ(window.LblCurrBal.Caption(), "930.00");
        window.CmdDone.userClick();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(ReconciliationTest, TickingAndUntickingMovesTheBalanceAndMarksTheBook)
{
    main.book.AutoSave = false;
    addReceipt();
    openReconciliation([&](Reconform& window) {
        showApril(window);
        ASSERT_EQ(window.ListReconcile.ListCount(), 2);
        toggle(window, 1);
        EXPECT_EQ(window.LblCurrBal.Caption(), " 1030");
        const std::string line = window.ListReconcile.List(1);
        EXPECT_EQ(line.substr(19, 20), "Takings  week 16    ");
        EXPECT_EQ(line.substr(40, 1), "Y");
        EXPECT_EQ(line.substr(54, 11), "     100.00");
        EXPECT_EQ(line.substr(65, 11), "   1,030.00");
        EXPECT_EQ(line.substr(76), "      000004");
        EXPECT_EQ(window.ListReconcile.ListIndex(), 1);
        EXPECT_TRUE(reconciled(4));

        services.answerMessageBox(platform::Answer::No);
        toggle(window, 1);
        EXPECT_TRUE(reconciled(4));
        EXPECT_EQ(window.LblCurrBal.Caption(), " 1030");
        services.answerMessageBox(platform::Answer::Yes);
        toggle(window, 1);
        EXPECT_FALSE(reconciled(4));
        EXPECT_EQ(window.LblCurrBal.Caption(), " 930");
        EXPECT_EQ(window.ListReconcile.List(1).substr(40, 1), " ");

        window.ChkUnReconOnly.userClick();
        window.CmdReload.userClick();
        EXPECT_EQ(window.ListReconcile.ListCount(), 1);
        EXPECT_EQ(window.ListReconcile.List(0).substr(12, 6), "DEP100");
        window.CmdDone.userClick();
    });
    EXPECT_EQ(services.messageTexts(), (Lines{"Do you wish to De-Reconcile this transaction?",
                                              "Do you wish to De-Reconcile this transaction?"}));
    EXPECT_TRUE(main.book.ledger.FileChanged);
}

TEST_F(ReconciliationTest, AChangedStartBalanceMovesTheCurrentBalance)
{
    openReconciliation([&](Reconform& window) {
        showApril(window);
        window.TextStartBal.setFocus();
        window.TextStartBal.userSetText("880");
        window.CmdReload.setFocus();
        EXPECT_EQ(window.TextStartBal.Text(), "880.00");
        EXPECT_EQ(window.LblCurrBal.Caption(), " 880");
        window.TextStartBal.setFocus();
        window.TextStartBal.userSetText("abc");
        window.CmdReload.setFocus();
        EXPECT_EQ(window.TextStartBal.Text(), "0.00");
        EXPECT_EQ(window.LblCurrBal.Caption(), " 0");
        window.CmdDone.userClick();
    });
}

TEST_F(ReconciliationTest, EachRefusedLoadSaysWhyFocusesItsBoxAndKeepsTheList)
{
    struct Case {
        const char* bank;
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"", "01/Apr/2024", "30/Apr/2024", "Select a bank account to reconcile"},
        {"XYZ", "01/Apr/2024", "30/Apr/2024", "'XYZ' is not a valid Bank Code"},
        {"BANK01", "", "30/Apr/2024", "From Date required"},
        {"BANK01", "01/Apr/2024", "", "To Date required"},
        {"BANK01", "02/Mar/2026", "01/Mar/2026", "From Date bigger than To Date"},
    };
    openReconciliation([&](Reconform& window) {
        platform::Control* focus[] = {&window.ComboReconBank, &window.ComboReconBank, &window.TextReconFrom,
                                      &window.TextReconTo, &window.TextReconTo};
        showApril(window);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            services.answerMessageBox(platform::Answer::OK);
            window.CmdReload.setFocus();
            show(window, c.bank, c.from, c.to);
            EXPECT_EQ(services.messageTexts().back(), c.message);
            EXPECT_EQ(window.ActiveControl(), focus[i]) << c.message;
            EXPECT_EQ(listed(window), Lines{ChequeLine}) << c.message;
        }
        window.CmdDone.userClick();
    });
}

TEST_F(ReconciliationTest, TheEditBoxTakesTheMarkSetMeanwhileSoChangeKeepsIt)
{
    loadRow(1); // CHQ100, reconciled, with its splits
    const std::string tail = main.book.SplitTail;
    ASSERT_EQ(main.CheckReconciled.Value(), 1);
    openReconciliation([&](Reconform& window) {
        showApril(window);
        services.answerMessageBox(platform::Answer::Yes);
        toggle(window, 0);
        window.CmdDone.userClick();
    });
    EXPECT_EQ(main.book.SplitTail, tail);
    EXPECT_EQ(main.CheckReconciled.Value(), 0);
    main.CmdChange.userClick();
    EXPECT_FALSE(reconciled(2));
    EXPECT_EQ(storedLine(2).substr(156), tail);
}

TEST_F(ReconciliationTest, PrintHandsTheListToItsJob)
{
    std::vector<reports::ReconciliationPrintout> printed;
    main.reportDesk.PrintJobWindow().RegisterJob("WB_RECONDUMP", [&] {
        printed.push_back(main.reportDesk.Reconciliation);
        reports::StartPrintJob(main.reportDesk);
        reports::EndPrintJob(main.reportDesk);
    });
    openReconciliation([&](Reconform& window) {
        services.answerMessageBox(platform::Answer::OK);
        window.CmdPrint.userClick();
        showApril(window);
        services.answerPrinterDialog();
        window.CmdPrint.userClick();
        window.CmdDone.userClick();
    });
    EXPECT_EQ(services.messageTexts(), Lines{"The specified reconciliation contains no transactions"});
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].BankText, "BANK01");
    EXPECT_EQ(printed[0].FromDate, "01/Apr/2024");
    EXPECT_EQ(printed[0].ToDate, "30/Apr/2024");
    EXPECT_EQ(printed[0].StartBalance, "930.00");
    EXPECT_EQ(printed[0].CurrentBalanceCaption, "930.00");
    EXPECT_EQ(printed[0].Lines, Lines{ChequeLine});
}

TEST_F(ReconciliationTest, WithNoBankAccountTheWindowDoesNotOpen)
{
    main.book.codes.ComboBank.Clear();
    services.answerMessageBox(platform::Answer::OK);
    main.RepReconItem.userClick();
    EXPECT_EQ(services.messageTexts(), Lines{"There are no Bank Accounts on the system yet"});
    EXPECT_TRUE(services.modalForms().empty());
}

// Under a current filter on the reconciled state, closing the window lists what the marks changed.
TEST_F(ReconciliationTest, ClosingRefiltersAGridThatFiltersOnTheMark)
{
    core::FilterSetup& current = main.book.ledger.Filters.CurrentFilter;
    current.RecOn = core::FlagTrue;
    current.RecState = core::FlagFalse;
    core::ApplyFilterInSortOrder(main.book);
    main.ShowArchiveChanges();
    ASSERT_EQ(main.QRYGrid.TextMatrix(1, 3), "INV001");
    ASSERT_EQ(main.QRYGrid.TextMatrix(2, 3), "");
    openReconciliation([&](Reconform& window) {
        showApril(window);
        services.answerMessageBox(platform::Answer::Yes);
        toggle(window, 0);
        window.CmdDone.userClick();
    });
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 3), "CHQ100");
    EXPECT_EQ(main.QRYGrid.TextMatrix(2, 3), "INV001");
}

} // namespace
