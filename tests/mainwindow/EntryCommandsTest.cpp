#include "EntryTest.h"

#include "core/TransactionEdits.h"

namespace {

using EntryCommandsTest = EntryTest;

TEST_F(EntryCommandsTest, ANewPaymentStartsFromTodayTheNextNumbersAndTheLastUsedCodes)
{
    main.book.codes.LastUsed.Bank = "B2";
    main.book.codes.LastUsed.VAT = "S";
    main.book.counters.TransactionNumberCounter = 41;
    main.book.counters.InvoiceNumberCounter = 99;

    main.CmdNewPay.userClick();

    EXPECT_EQ(main.TextDate.Text(), "15/Jun/2025");
    EXPECT_EQ(main.TextRef.Text(), "000042");
    EXPECT_EQ(main.TextAmount.Text(), "0.00");
    EXPECT_EQ(main.CheckPaid.Value(), 1);
    EXPECT_EQ(main.ComboBank.Text(), "B2");
    EXPECT_EQ(main.ComboVAT.Text(), "S");
    EXPECT_EQ(main.FrameEditBox.BackColor(), 16051437);
    EXPECT_FALSE(main.ComboToBank.Visible());
    EXPECT_FALSE(main.CmdGenPay.Enabled());
    EXPECT_TRUE(main.FrameEditBox.Enabled());
    EXPECT_EQ(main.ActiveControl(), &main.ComboBank);

    main.CmdNewInv.userClick();

    EXPECT_EQ(main.TextRef.Text(), "000100");
    EXPECT_EQ(main.CheckPaid.Value(), 0);
    EXPECT_EQ(main.book.counters.TransactionNumberCounter, 41);
    EXPECT_EQ(main.book.counters.InvoiceNumberCounter, 99);

    main.CmdXfr.userClick();

    EXPECT_EQ(main.TextComment.Text(), "Trnsfr To A/C");
    EXPECT_EQ(main.ComboAnal.Text(), "XFR");
    EXPECT_EQ(main.ComboVAT.Text(), "");
    EXPECT_TRUE(main.ComboToBank.Visible());
}

TEST_F(EntryCommandsTest, EnterStoresFromTheSingleLineFieldsButNotFromTheMemo)
{
    main.PayItem.userClick();
    main.TextComment.setFocus();
    EXPECT_FALSE(main.CmdChange.Default());
    main.TextRef.setFocus();
    EXPECT_TRUE(main.CmdChange.Default());
    main.ComboVAT.setFocus();
    EXPECT_TRUE(main.CmdChange.Default());
}

TEST_F(EntryCommandsTest, LeavingTheDateAndAmountReformatsThem)
{
    main.PayItem.userClick();
    enter(main.TextDate, "1/3/25");
    enter(main.TextAmount, "1,234.5");
    main.TextRef.setFocus();
    EXPECT_EQ(main.TextDate.Text(), "01/Mar/2025");
    EXPECT_EQ(main.TextAmount.Text(), "1234.50");

    enter(main.TextAmount, "100N");
    main.TextRef.setFocus();
    EXPECT_EQ(main.TextAmount.Text(), "100N");
}

TEST_F(EntryCommandsTest, ANetAmountGetsTheVatOfItsCode)
{
    newTransaction(main.PayItem, "B1", "100N");
    main.ComboVAT.setText("S");
    store();
    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).Amount, 117.5);
    EXPECT_EQ(main.TextAmount.Text(), "117.50");

    main.PayItem.userClick();
    main.ComboVAT.setText("Q");
    main.TextAmount.setText("100n");
    core::TransactionFields fields;
    main.EditBoxToRecord(fields);
    EXPECT_EQ(fields.Amount, 100);
    EXPECT_EQ(main.TextAmount.Text(), "100.00");
}

TEST_F(EntryCommandsTest, StoringTwiceAddsThenReplacesAndTheGridFollows)
{
    newTransaction(main.PayItem, "B1", "12.50");
    main.ComboAnal.setText("SALE");
    store();

    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(main.TextTranNum.Text(), "000001");
    EXPECT_EQ(main.book.codes.LastUsed.Category.str(), "SALE");
    EXPECT_NE(gridRow(1).find("Stationery"), std::string::npos) << gridRow(1);
    EXPECT_EQ(runtime::trim(main.LblPayTotal.Caption()), "12.50");
    EXPECT_TRUE(main.FrameEditBox.Enabled());

    enter(main.TextAmount, "20");
    store();

    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).Amount, 20);
    EXPECT_EQ(fieldsOf(1).Number, "000001");
    EXPECT_EQ(runtime::trim(main.LblPayTotal.Caption()), "20.00");
    EXPECT_EQ(main.QRYGrid.Row(), 1);
}

TEST_F(EntryCommandsTest, ATransferIsStoredAsAPaymentAndAReceipt)
{
    main.XfrItem.userClick();
    main.ComboBank.setText("B1");
    main.ComboToBank.setText("B2     Savings");
    main.TextAmount.setText("50.00");
    main.TextRef.setFocus();

    store();

    ASSERT_EQ(transactionCount(), 2);
    const core::TransactionFields payment = fieldsOf(1);
    const core::TransactionFields receipt = fieldsOf(2);
    EXPECT_EQ(payment.Type, "PAY");
    EXPECT_EQ(payment.Bank, "B1    ");
    EXPECT_EQ(runtime::rtrim(payment.Memo), "Trnsfr To A/C B2");
    EXPECT_EQ(receipt.Type, "RCP");
    EXPECT_EQ(receipt.Bank, "B2    ");
    EXPECT_EQ(runtime::rtrim(receipt.Memo), "Trnsfr from A/C B1");
    EXPECT_EQ(payment.Number, "000001");
    EXPECT_EQ(receipt.Number, "000002");
    for (const core::TransactionFields* half : {&payment, &receipt}) {
        EXPECT_EQ(half->Amount, 50);
        EXPECT_EQ(half->Date, "15/Jun/2025");
        EXPECT_EQ(half->Category, "XFR ");
    }
    EXPECT_FALSE(main.FrameEditBox.Enabled());
    EXPECT_EQ(main.ComboBank.Text(), "");
}

TEST_F(EntryCommandsTest, AnEditedTransferMemoStaysOnThePayment)
{
    main.XfrItem.userClick();
    main.ComboBank.setText("B2");
    main.ComboToBank.setText("B1");
    main.TextComment.setText("Savings out");
    main.TextRef.setFocus();

    store();

    ASSERT_EQ(transactionCount(), 2);
    EXPECT_EQ(runtime::rtrim(fieldsOf(1).Memo), "Savings out");
    EXPECT_EQ(runtime::rtrim(fieldsOf(2).Memo), "Trnsfr from A/C B2");
}

TEST_F(EntryCommandsTest, DeleteAsksThenClosesTheBoxAndTheGridAndTotalsFollow)
{
    newTransaction(main.PayItem, "B1", "10");
    store();
    newTransaction(main.PayItem, "B1", "2.50", "Stamps");
    store();
    EXPECT_EQ(runtime::trim(main.LblPayTotal.Caption()), "12.50");

    services.answerMessageBox(platform::Answer::No);
    main.CmdDelete.userClick();
    EXPECT_EQ(lastMessage(), "Delete transaction ref '000002'");
    EXPECT_TRUE(main.FrameEditBox.Enabled());

    services.answerMessageBox(platform::Answer::Yes);
    main.CmdDelete.userClick();

    EXPECT_TRUE(fieldsOf(2).Deleted);
    EXPECT_FALSE(main.FrameEditBox.Enabled());
    EXPECT_EQ(runtime::trim(main.LblPayTotal.Caption()), "10.00");
    EXPECT_EQ(gridRow(2).find("Stamps"), std::string::npos);
    EXPECT_EQ(main.book.ledger.CurrentTransactionIndex, 0);

    main.CmdDelete.userClick(); // nothing in the box: no question
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(EntryCommandsTest, PayingAnInvoiceStoresItPaidAndAddsAReceiptDatedToday)
{
    for (const platform::Answer keepVat : {platform::Answer::Yes, platform::Answer::No}) {
        SCOPED_TRACE(static_cast<int>(keepVat));
        const int before = transactionCount();
        newTransaction(main.InvItem, "B1", "117.50", "Widgets");
        main.ComboCustomer.setText("ACME");
        main.ComboVAT.setText("S");
        main.TextDate.setText("01/06/2025");
        main.TextRef.setFocus();
        services.answerMessageBox(keepVat);

        main.CmdGenPay.userClick();

        ASSERT_EQ(transactionCount(), before + 2);
        const core::TransactionFields invoice = fieldsOf(before + 1);
        const core::TransactionFields receipt = fieldsOf(before + 2);
        EXPECT_EQ(invoice.Type, "INV");
        EXPECT_TRUE(invoice.Paid);
        EXPECT_EQ(receipt.Type, "RCP");
        EXPECT_EQ(receipt.Date, "15/Jun/2025");
        EXPECT_EQ(runtime::rtrim(receipt.Memo), "VS Widgets");
        EXPECT_EQ(receipt.Customer, "ACME  ");
        EXPECT_EQ(receipt.Reference, invoice.Reference);
        EXPECT_EQ(receipt.Amount, 117.5);
        EXPECT_TRUE(receipt.Paid);
        EXPECT_EQ(receipt.VAT, keepVat == platform::Answer::Yes ? "S  " : "   ");
        EXPECT_EQ(lastMessage(),
                  "The original Invoice had a VAT code of 'S'. Do you want to keep this VAT code on the generated "
                  "Receipt? (Hint - If you use the CASH Accounting VAT scheme, choose YES but if you use Standard "
                  "Accounting methods choose NO).");
    }
}

TEST_F(EntryCommandsTest, PayingAnInvoiceTooWideForItsColumnIsRefusedPlainly)
{
    newTransaction(main.InvItem, "B1", "99999999999", "Widgets");
    main.TextRef.setFocus();
    expectErrorBox();

    main.CmdGenPay.userClick();

    EXPECT_EQ(lastMessage(), "Amount must be between -99,999,999.99 and 99,999,999.99");
    EXPECT_EQ(transactionCount(), 0);
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(EntryCommandsTest, PayingABillAddsAPaymentAndAPaidOneAsksFirst)
{
    newTransaction(main.BillItem, "B1", "40", "Rent");
    main.TextRef.setFocus();
    main.CmdGenPay.userClick();
    ASSERT_EQ(transactionCount(), 2);
    EXPECT_EQ(fieldsOf(2).Type, "PAY");
    EXPECT_EQ(main.EditLabel[4].Caption(), "Payment");

    main.BillItem.userClick();
    main.ComboBank.setText("B1");
    main.CheckPaid.setValue(1);
    services.answerMessageBox(platform::Answer::No);
    main.CmdGenPay.userClick();
    EXPECT_EQ(lastMessage(),
              "This transaction has already been paid. Do you wish to generate another balancing payment against it?");
    EXPECT_EQ(transactionCount(), 2);
}

TEST_F(EntryCommandsTest, ConvertingSwapsTheFourTypesAndRefusesOthers)
{
    const struct {
        platform::Menu mainwindow::Main::*item;
        const char* question;
        const char* to;
        const char* caption;
    } cases[] = {
        {&mainwindow::Main::InvItem, "Convert this Invoice to a Bill?", "BIL", "Bill"},
        {&mainwindow::Main::BillItem, "Convert this Bill to an Invoice?", "INV", "Invoice"},
        {&mainwindow::Main::PayItem, "Convert this Payment to a Receipt?", "RCP", "Receipt"},
        {&mainwindow::Main::RcpItem, "Convert this Receipt to a Payment?", "PAY", "Payment"},
    };
    for (const auto& c : cases) {
        (main.*c.item).userClick();
        services.answerMessageBox(platform::Answer::Yes);
        main.ItemConvertTType.userClick();
        EXPECT_EQ(lastMessage(), c.question);
        EXPECT_EQ(main.ComboType.Text(), c.to);
        EXPECT_EQ(main.EditLabel[4].Caption(), c.caption);
    }
    main.XfrItem.userClick();
    expectErrorBox();
    main.ItemConvertTType.userClick();
    EXPECT_EQ(lastMessage(),
              "You may only convert Payments to Receipts, Receipts to Payments, Invoices to Bills, or Bills to Invoices");
    EXPECT_EQ(main.ComboType.Text(), "XFR");
}

TEST_F(EntryCommandsTest, EecStatusTogglesAndIsStored)
{
    newTransaction(main.RcpItem, "B1", "5");
    main.ItemEEC.userClick();
    EXPECT_TRUE(main.EditLabel[7].Visible());
    EXPECT_EQ(main.ItemEEC.Caption(), "Remove EEC Stat&us");
    store();
    EXPECT_TRUE(fieldsOf(1).EEC);

    main.ItemEEC.userClick();
    EXPECT_FALSE(main.EditLabel[7].Visible());
    store();
    EXPECT_FALSE(fieldsOf(1).EEC);
}

TEST_F(EntryCommandsTest, ACopiedReconciledTransactionPastesUnreconciledWithItsSplits)
{
    core::TransactionFields fields;
    fields.Date = "02/Jun/2025";
    fields.Reference = "CHQ7";
    fields.Bank = "B1";
    fields.VAT = "SPL";
    fields.Type = "PAY";
    fields.Memo = "Split bill";
    fields.Amount = 30;
    fields.Reconciled = true;
    fields.Paid = true;
    fields.SplitCount = 1;
    const std::string split = "001Paper                         " + runtime::padLeft("30.00", 11) + "S      ";
    main.book.SplitTail = split;
    ASSERT_TRUE(core::AddTransaction(main.book, fields));
    main.RefreshQueryGrid(1);
    main.QRYGrid.setRow(1);
    main.TranItem.setEnabled(true);
    main.TranItem.userClick();
    ASSERT_EQ(main.ComboBank.Text(), "B1");
    services.answerMessageBox(platform::Answer::OK);

    main.ItemCopyTran.userClick();

    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(lastMessage(), "The COPY of this transaction has had its Reconciled and/or Paid boxes cleared.\r\r"
                             "The orginal has NOT been altered in any way.");
    EXPECT_EQ(services.clipboardText().substr(127, 2), "  ");
    EXPECT_EQ(services.clipboardText().substr(156), split);

    main.PayItem.userClick();
    main.ItemPasteTran.userClick();
    EXPECT_EQ(main.TextComment.Text(), "Split bill");
    EXPECT_EQ(main.CheckReconciled.Value(), 0);
    EXPECT_EQ(main.CheckPaid.Value(), 0);
    store();

    ASSERT_EQ(transactionCount(), 2);
    const core::TransactionFields pasted = fieldsOf(2);
    EXPECT_EQ(pasted.Number, "000002");
    EXPECT_FALSE(pasted.Reconciled);
    EXPECT_EQ(pasted.SplitCount, 1);
    EXPECT_EQ(line(2).substr(156), split);
    EXPECT_EQ(services.messageTexts().size(), 1u);
}

TEST_F(EntryCommandsTest, TheNextInvoiceNumberIsAskedUntilItIsOneOrMore)
{
    main.book.counters.InvoiceNumberCounter = 41;
    services.answerInputBox("0");
    services.answerInputBox("100");

    main.EditInvNum.userClick();

    ASSERT_EQ(services.inputBoxes().size(), 2u);
    EXPECT_EQ(services.inputBoxes()[0].prompt, "Next Invoice Number : 000042");
    EXPECT_EQ(services.inputBoxes()[0].defaultText, "000042");
    EXPECT_EQ(services.inputBoxes()[1].defaultText, "000000");
    EXPECT_TRUE(main.book.ledger.FileChanged);
    main.InvItem.userClick();
    EXPECT_EQ(main.TextRef.Text(), "000100");

    services.answerInputBox("");
    main.EditInvNum.userClick();
    EXPECT_EQ(main.book.counters.InvoiceNumberCounter, 99);
}

TEST_F(EntryCommandsTest, TheBoxIsAddedAsAStandingOrderOnlyWhenItValidates)
{
    main.XfrItem.userClick();
    main.ComboBank.setText("B1");
    main.ComboToBank.setText("B2");
    main.TextRef.setText("SO1");
    main.TextAmount.setText("25.00");
    main.TextRef.setFocus();
    services.answerMessageBox(platform::Answer::Yes);

    main.AddSTOItem.userClick();

    EXPECT_EQ(services.messageTexts().front(), "Add record reference 'SO1' to Standing Order List?");
    ASSERT_EQ(main.book.codes.ListSTOs.ListCount(), 1);
    const std::string order = main.book.codes.ListSTOs.List(0);
    EXPECT_EQ(order.substr(0, 9), "15 SO1   ");
    EXPECT_EQ(order.substr(135, 6), "B2    ");
    EXPECT_TRUE(main.book.ledger.FileChanged);

    main.PayItem.userClick();
    main.ComboBank.setText("");
    main.TextRef.setText("");
    main.TextRef.setFocus();
    services.answerMessageBox(platform::Answer::Yes);
    expectErrorBox();
    main.AddSTOItem.userClick();
    EXPECT_EQ(services.messageTexts()[services.messageTexts().size() - 2],
              "Add the current record  to Standing Order List?");
    EXPECT_EQ(lastMessage(), "Bank Code required");
    EXPECT_EQ(main.book.codes.ListSTOs.ListCount(), 1);
}

TEST_F(EntryCommandsTest, AFullBookRefusesANewTransactionAndATransferNeedsRoomForBoth)
{
    const std::string stored = std::string(156, ' ');
    for (int i = 0; i < core::TransactionTable::MaxTransactions - 1; ++i)
        main.book.ledger.Transactions.Append(stored);
    main.XfrItem.userClick();
    main.ComboBank.setText("B1");
    main.ComboToBank.setText("B2");
    main.TextRef.setFocus();
    expectErrorBox();

    store();

    EXPECT_EQ(lastMessage(), "There is room for only one more transaction in this file and a transfer needs two. "
                             "Create a new file or try archiving part of this one.");
    EXPECT_EQ(transactionCount(), core::TransactionTable::MaxTransactions - 1);
    EXPECT_TRUE(main.FrameEditBox.Enabled());

    main.book.ledger.Transactions.Append(stored);
    newTransaction(main.PayItem, "B1", "10");
    expectErrorBox();
    store();

    EXPECT_EQ(lastMessage(), "You have  32766 transactions in this file. Any more than this and the system will become "
                             "unwieldy. Create a new file or try archiving part of this one. Do NOT attempt to add any "
                             "more transactions to this file.");
    EXPECT_EQ(transactionCount(), core::TransactionTable::MaxTransactions);
    EXPECT_TRUE(main.book.ledger.CurrentTransactionLine.empty());
    EXPECT_EQ(main.TextTranNum.Text(), "");
    EXPECT_EQ(main.book.counters.TransactionNumberCounter, 0);
}

} // namespace

namespace {

TEST_F(EntryCommandsTest, AnUnknownCodeIsAddedInTheCodeWindowAndThenAccepted)
{
    main.PayItem.userClick();
    services.onModal<mainwindow::MaintainCodes>("MaintainCodes", [](mainwindow::MaintainCodes& codes) {
        EXPECT_EQ(codes.TextBankCode.Text(), "B3");
        codes.TextBankName.setFocus();
        codes.TextBankName.userSetText("Deposit");
        codes.CmdDone.setFocus();
        codes.CmdSaveBank.userClick();
        codes.CmdDone.userClick();
    });
    enter(main.ComboBank, "b3");
    enter(main.TextAmount, "5");

    EXPECT_EQ(runtime::rtrim(main.ComboBank.Text()), "B3");
    store();
    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).Bank, "B3    ");
}

TEST_F(EntryCommandsTest, DoubleClickingTheDatePicksOne)
{
    main.PayItem.userClick();
    main.TextDate.setText("15/03/2026");
    services.onModal<mainwindow::Calendar>("Calendar", [](mainwindow::Calendar& shown) {
        shown.Picture1.userMouseDown(1, 0, 65 * shown.Picture1.Width() / 90, 45 * shown.Picture1.Height() / 90);
    });
    main.TextDate.userDblClick();
    EXPECT_EQ(main.TextDate.Text(), "20/03/2026");
}

} // namespace
