#include <functional>
#include <string>
#include <vector>

#include "CompanyTest.h"
#include "core/StandingOrderLine.h"
#include "mainwindow/dialogs/STOForm.h"
#include "reports/CancelForm.h"
#include "reports/PrintJob.h"
#include "support/FileBytes.h"
#include "runtime/Text.h"

namespace {

using mainwindow::STOForm;
using Lines = std::vector<std::string>;

// A standing-order line of the current layout, never applied.
std::string orderLine(const std::string& day, const std::string& reference, const std::string& type, double amount,
                      const std::string& memo, const std::string& bank, const std::string& secondBank = "")
{
    char amountText[16];
    std::snprintf(amountText, sizeof amountText, "%11.2f", amount);
    return day + " " + runtime::padRight(reference, 6) + std::string(13, ' ') + type + " " + amountText + " " +
           runtime::padRight(memo, 74) + " " + runtime::padRight(bank, 6) + " " + std::string(6, ' ') + " ZER " +
           "STAT" + runtime::padRight(secondBank, 6) + " " + "       0.00" + " ";
}

// The standing-orders window on the company's book.
class StandingOrdersTest : public CompanyTest {
protected:
    // Opens the window from the menu; `script` acts in it while it shows.
    void openOrders(std::function<void(STOForm&)> script)
    {
        services.onModal<STOForm>("STOForm", std::move(script));
        main.STOItem.userClick();
        ASSERT_TRUE(services.allScriptsUsed());
    }
    // Selects the lines and applies them, confirming and closing the report box.
    void apply(const std::vector<int>& lines)
    {
        openOrders([&](STOForm& orders) {
            for (int line : lines)
                orders.ListSTOs.userSetSelected(line, true);
            services.answerMessageBox(platform::Answer::Yes);
            services.answerMessageBox(platform::Answer::OK);
            orders.CmdApply.userClick();
            orders.CmdClose.userClick();
        });
    }
    int records() const { return main.book.ledger.Transactions.UpperBound(); }
    const platform::ListModel& orders() const { return main.book.codes.ListSTOs; }
};

TEST_F(StandingOrdersTest, AnAppliedOrderIsANewPaidTransactionOfThisMonthWithoutTheEditedSplits)
{
    loadRow(1); // CHQ100 and its splits in the edit box
    ASSERT_FALSE(main.book.SplitTail.empty());
    apply({0});

    ASSERT_EQ(records(), 4);
    const std::string stored = storedLine(4);
    EXPECT_EQ(stored.size(), 156u);
    EXPECT_EQ(stored.substr(0, 42), "00001320250615RENT01BANK01      ZERSTATPAY");
    EXPECT_EQ(stored.substr(42, 20), "Monthly rent\xFC\xFDUnit 4");
    EXPECT_EQ(stored.substr(116, 14), "00000500.00 Y ");
    EXPECT_EQ(stored.substr(152, 3), "000");
    EXPECT_EQ(orders().List(0), "15 RENT01 15/Jun/2025 PAY      500.00 Monthly rent\r\nUnit 4" + std::string(55, ' ') +
                                    "BANK01        ZER STAT              0.00 ");
    EXPECT_EQ(services.messageTexts(),
              (Lines{"Apply all selected Standing Orders?",
                     "The Following Standing Orders have been Applied to the current file :\rDay\tRef\tAmount\r"
                     "15\tRENT01\t     500.00\r"}));
    EXPECT_FALSE(main.stoForm.ListSTOs.Selected(0));
    EXPECT_EQ(main.stoForm.ListSTOs.List(0).substr(38, 20), "Monthly rent  Unit 4");
    EXPECT_EQ(main.QRYScroll.Max(), 3);
    // The company is saved at once under auto-save.
    EXPECT_NE(readBytes(company).find(stored.substr(0, 20)), std::string::npos);
}

TEST_F(StandingOrdersTest, ADayPastTheMonthsEndFallsOnItsLastDay)
{
    core::AddStandingOrderLine(main.book, orderLine("31", "LAST31", "PAY", 10, "Last day", "BANK01"));
    struct Case {
        int year, month, day;
        const char* stored;
    };
    const Case cases[] = {{2025, 6, 15, "20250630"}, {2024, 2, 10, "20240228"}, {2025, 3, 1, "20250331"}};
    for (const Case& c : cases) {
        services.setNow(*runtime::Date::fromYmd(c.year, c.month, c.day));
        apply({1});
        EXPECT_EQ(storedLine(records()).substr(6, 14), std::string(c.stored) + "LAST31") << c.stored;
    }
}

TEST_F(StandingOrdersTest, ATransferIsAPaymentAndAReceiptWithTheirMemos)
{
    core::AddStandingOrderLine(main.book, orderLine("05", "", "XFR", 75, "Trnsfr To A/C", "BANK01", "CASH01"));
    apply({0});
    ASSERT_EQ(records(), 5);
    EXPECT_EQ(storedLine(4).substr(0, 42), "00001320250605000013BANK01      ZERSTATPAY");
    EXPECT_EQ(runtime::rtrim(storedLine(4).substr(42, 74)), "Trnsfr To A/C CASH01");
    EXPECT_EQ(storedLine(5).substr(0, 42), "00001420250605000013CASH01      ZERSTATRCP");
    EXPECT_EQ(runtime::rtrim(storedLine(5).substr(42, 74)), "Trnsfr from A/C BANK01");
    EXPECT_EQ(storedLine(5).substr(116, 14), "00000075.00 Y ");
}

TEST_F(StandingOrdersTest, OnlyTheSelectedLinesApplyWhateverTheirLayoutOrReference)
{
    const std::string older = orderLine("02", "OLD001", "PAY", 20, "Older layout", "BANK01");
    core::AddStandingOrderLine(main.book, older.substr(0, 10) + older.substr(12));
    core::AddStandingOrderLine(main.book, orderLine("01", "", "INV", 30, "Fees", "BANK01"));
    const std::string invoice = main.book.counters.PeekNextInvoiceNumberText();
    const std::string rent = orders().List(2);
    apply({0, 1});

    ASSERT_EQ(records(), 5);
    EXPECT_EQ(storedLine(4).substr(14, 6), invoice);
    EXPECT_EQ(storedLine(4).substr(39, 3), "INV");
    EXPECT_EQ(storedLine(4)[128], ' '); // an invoice is not paid
    EXPECT_EQ(storedLine(5).substr(6, 14), "20250602OLD001");
    EXPECT_EQ(storedLine(5).substr(116, 11), "00000020.00");
    EXPECT_EQ(orders().List(1).substr(0, 25), "02 OLD001 15/Jun/2025 PAY");
    EXPECT_EQ(orders().List(2), rent);
    EXPECT_FALSE(main.stoForm.ListSTOs.Selected(2));
}

TEST_F(StandingOrdersTest, ATransferThatDoesNotFitWholeStoresNothingAndIsNotReportedApplied)
{
    core::AddStandingOrderLine(main.book, orderLine("05", "MOVE", "XFR", 75, "Move", "BANK01", "CASH01"));
    core::TransactionTable& table = main.book.ledger.Transactions;
    const std::string filler = storedLine(1);
    while (table.UpperBound() < core::TransactionTable::MaxTransactions - 1)
        table.Append(filler);
    const double counter = main.book.counters.TransactionNumberCounter;
    openOrders([&](STOForm& window) {
        window.ListSTOs.userSetSelected(0, true);
        services.answerMessageBox(platform::Answer::Yes);
        services.answerMessageBox(platform::Answer::OK);
        services.answerMessageBox(platform::Answer::OK);
        window.CmdApply.userClick();
        EXPECT_TRUE(window.ListSTOs.Selected(0));
        window.CmdClose.userClick();
    });
    EXPECT_EQ(records(), core::TransactionTable::MaxTransactions - 1);
    EXPECT_EQ(main.book.counters.TransactionNumberCounter, counter);
    EXPECT_EQ(orders().List(0).substr(10, 11), std::string(11, ' '));
    const Lines texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].substr(0, 15), "You have  32766");
    EXPECT_EQ(texts[2], "No Standing Orders Applied");
}

TEST_F(StandingOrdersTest, DeleteAsksForTheChosenLineOnly)
{
    main.book.ledger.FileChanged = false;
    openOrders([&](STOForm& window) {
        window.CmdDelete.userClick(); // nothing selected: no question
        window.ListSTOs.userSetSelected(0, true);
        services.answerMessageBox(platform::Answer::No);
        window.CmdDelete.userClick();
        EXPECT_EQ(window.ListSTOs.ListCount(), 1);
        services.answerMessageBox(platform::Answer::Yes);
        window.CmdDelete.userClick();
        EXPECT_EQ(window.ListSTOs.ListCount(), 0);
        window.CmdClose.userClick();
    });
    EXPECT_EQ(services.messageTexts(), (Lines{"Delete Standing Order '15 RENT01' ?", "Delete Standing Order '15 RENT01' ?"}));
    EXPECT_EQ(orders().ListCount(), 0);
    EXPECT_TRUE(main.book.ledger.FileChanged);
}

TEST_F(StandingOrdersTest, PrintHandsTheListToItsJobOnlyWhenThereIsOneAndThePrinterIsReady)
{
    int jobs = 0;
    main.reportDesk.PrintJobWindow().RegisterJob("WB_STODUMP", [&] {
        ++jobs;
        EXPECT_EQ(main.reportDesk.PrintJobWindow().LbLReportName.Caption(), "Standing Order Report");
        reports::StartPrintJob(main.reportDesk);
        reports::EndPrintJob(main.reportDesk);
    });
    openOrders([&](STOForm& window) {
        main.reportDesk.Settings.FontName = "Wingdings";
        services.answerMessageBox(platform::Answer::OK);
        window.CmdPrint.userClick();
        main.reportDesk.Settings.FontName = "ARIAL";
        services.cancelPrinterDialog();
        window.CmdPrint.userClick();
        EXPECT_EQ(jobs, 0);
        services.answerPrinterDialog();
        window.CmdPrint.userClick();
        EXPECT_EQ(jobs, 1);

        window.ListSTOs.userSetSelected(0, true);
        services.answerMessageBox(platform::Answer::Yes);
        window.CmdDelete.userClick();
        services.answerMessageBox(platform::Answer::OK);
        window.CmdPrint.userClick();
        window.CmdClose.userClick();
    });
    EXPECT_EQ(jobs, 1);
    const Lines texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].substr(0, 50), "'Wingdings' is not a suitable font for your printe");
    EXPECT_EQ(texts[2], "There are no Standing Orders to print...");
}

} // namespace
