#include <functional>
#include <string>
#include <vector>

#include "CompanyTest.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "mainwindow/dialogs/Reconform.h"
#include "reports/CancelForm.h"
#include "reports/PrintJob.h"

namespace {

using mainwindow::Reconform;
using Lines = std::vector<std::string>;

std::string Blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// Date, reference, memo, mark under "Recon?", payment, receipt and effect in 13, 13 and 14 characters,
// and the record number last.
const std::string ChequeLine =
    "10/Apr/2024 CHQ100 Office supplies      Y" + Blanks(6) + "        70.00" + Blanks(1 + 13 + 1 + 14 + 6) + "000002";

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

TEST_F(ReconciliationTest, ADateWrittenOutIsReadWholeInItsOwnYear)
{
    openReconciliation([](Reconform& window) {
        for (platform::TextBox* box : {&window.TextReconFrom, &window.TextReconTo}) {
            box->setFocus();
            box->userSetText("1 December 2024");
            window.ComboReconBank.setFocus();
            EXPECT_EQ(box->Text(), "01/Dec/2024");
        }
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
        EXPECT_EQ(line.substr(61, 13), "       100.00");
        EXPECT_EQ(line.substr(75, 14), "      1,030.00");
        EXPECT_EQ(line.substr(89), "      000004");
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
        // Text that is not an amount is refused as typed and changes nothing.
        services.answerMessageBox(platform::Answer::OK);
        window.TextStartBal.setFocus();
        window.TextStartBal.userSetText("abc");
        window.CmdReload.setFocus();
        EXPECT_EQ(services.messageTexts(), Lines{"'abc' is not a valid Start Balance"});
        EXPECT_EQ(window.TextStartBal.Text(), "abc");
        EXPECT_EQ(window.LblCurrBal.Caption(), " 880");
        window.TextStartBal.setFocus();
        window.TextStartBal.userSetText("900");
        window.CmdReload.setFocus();
        EXPECT_EQ(window.LblCurrBal.Caption(), " 900");
        window.CmdDone.userClick();
    });
}

// The start balance box reads a statement's figures whole, as the edit box reads an amount.
TEST_F(ReconciliationTest, ATypedStartBalanceIsReadWhole)
{
    main.book.AutoSave = false;
    addReceipt();
    const struct {
        const char* typed;
        const char* shown;
        const char* current; // the receipt of 100.00 ticked on a start of 930.00
    } cases[] = {
        {"1,250.00", "1250.00", " 1350"},
        {"-1,250.00", "-1250.00", "-1150"},
        {"1250", "1250.00", " 1350"},
        {"99,999,999.99", "99999999.99", " 100000099.99"},
        {"123,456,789.00", "123456789.00", " 123456889"},
    };
    openReconciliation([&](Reconform& window) {
        showApril(window);
        toggle(window, 1);
        ASSERT_EQ(window.LblCurrBal.Caption(), " 1030");
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            window.TextStartBal.setFocus();
            window.TextStartBal.userSetText(c.typed);
            window.CmdReload.setFocus();
            EXPECT_EQ(window.TextStartBal.Text(), c.shown);
            EXPECT_EQ(window.LblCurrBal.Caption(), c.current);
        }
        window.CmdDone.userClick();
    });
}

// A million-pound receipt and the largest payment a record holds keep every column in its place:
// nothing is cut, no two amounts run together, and the heading stands over each column.
TEST_F(ReconciliationTest, TheWidestAmountsKeepTheirColumnsUnderTheirHeadings)
{
    main.book.AutoSave = false;
    core::TransactionFields fields;
    fields.Date = "21/Apr/2024";
    fields.Reference = "BIG001";
    fields.Bank = "BANK01";
    fields.Type = "RCP";
    fields.Memo = "Sale of premises";
    fields.Amount = 2500000;
    main.book.SplitTail.clear();
    core::AddTransaction(main.book, fields);
    fields.Date = "22/Apr/2024";
    fields.Reference = "BIG002";
    fields.Type = "PAY";
    fields.Memo = "Purchase";
    fields.Amount = 99999999.99;
    core::AddTransaction(main.book, fields);

    openReconciliation([&](Reconform& window) {
        const std::string heading = window.LblHeading.Caption();
        EXPECT_EQ(heading,
                  "Date        Ref    Comment              Recon?       Payment       Receipt         Effect      Record");
        EXPECT_EQ(window.LblHeading.FontName(), window.ListReconcile.FontName()) << "one fixed-pitch face";
        showApril(window);
        toggle(window, 1);
        toggle(window, 2);
        const Lines lines = listed(window);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], "21/Apr/2024 BIG001 Sale of premises     Y" + Blanks(6) + Blanks(13) + "  2,500,000.00 " +
                                "  2,500,930.00" + "      000004");
        EXPECT_EQ(lines[2], "22/Apr/2024 BIG002 Purchase             Y" + Blanks(6) + "99,999,999.99" + Blanks(15) +
                                "-97,499,069.99" + "      000005");
        EXPECT_EQ(window.LblCurrBal.Caption(), "-97499069.99");
        // Each amount column ends where its heading ends, with a blank after it.
        const std::pair<const char*, const std::string*> columns[] = {
            {"Payment", &lines[2]}, {"Receipt", &lines[1]}, {"Effect", &lines[1]}, {"Effect", &lines[2]}, {"Record", &lines[1]}};
        for (const auto& [word, line] : columns) {
            SCOPED_TRACE(word);
            const std::size_t end = heading.find(word) + std::string(word).size();
            EXPECT_NE((*line)[end - 1], ' ');
            EXPECT_TRUE(end == line->size() || (*line)[end] == ' ');
        }
        EXPECT_EQ(heading.find("Ref"), lines[1].find("BIG001"));
        EXPECT_EQ(heading.find("Comment"), lines[1].find("Sale"));
        EXPECT_EQ(heading.find("Recon?"), lines[1].find('Y'));
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
    EXPECT_EQ(printed[0].StartBalance, 930);
    EXPECT_EQ(printed[0].EndBalance, 930);
    const reports::ReconciliationRow cheque{"10/Apr/2024", "CHQ100", "Office supplies", true, true, 70, std::nullopt, 2};
    EXPECT_EQ(printed[0].Rows, std::vector<reports::ReconciliationRow>{cheque});
}

// A tick made in the window reaches the printout: the row's mark and effect, and the ending balance.
TEST_F(ReconciliationTest, PrintHandsOverTheTicksMadeInTheWindow)
{
    main.book.AutoSave = false;
    addReceipt();
    std::vector<reports::ReconciliationPrintout> printed;
    main.reportDesk.PrintJobWindow().RegisterJob("WB_RECONDUMP", [&] {
        printed.push_back(main.reportDesk.Reconciliation);
        reports::StartPrintJob(main.reportDesk);
        reports::EndPrintJob(main.reportDesk);
    });
    openReconciliation([&](Reconform& window) {
        showApril(window);
        toggle(window, 1);
        services.answerPrinterDialog();
        window.CmdPrint.userClick();
        window.CmdDone.userClick();
    });
    ASSERT_EQ(printed.size(), 1u);
    ASSERT_EQ(printed[0].Rows.size(), 2u);
    const reports::ReconciliationRow& receipt = printed[0].Rows[1];
    EXPECT_EQ(receipt.Memo, "Takings  week 16");
    EXPECT_TRUE(receipt.Reconciled);
    EXPECT_FALSE(receipt.Payment);
    EXPECT_EQ(receipt.Amount, 100);
    EXPECT_EQ(receipt.Effect, 1030);
    EXPECT_EQ(receipt.RecordNumber, 4);
    EXPECT_EQ(printed[0].Rows[0].Effect, std::nullopt);
    EXPECT_EQ(printed[0].EndBalance, 1030);
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
