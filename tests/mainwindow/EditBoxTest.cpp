#include "MainTest.h"

namespace {

class EditBoxTest : public MainTest {
protected:
    void SetUp() override
    {
        cancelWizard();
        start();
        main.book.codes.ComboBank.AddItem("BANK1  First bank");
        main.book.codes.ComboBank.AddItem("BANK2  Second bank");
        main.book.codes.TransferBankListChanged = true;
    }
};

TEST_F(EditBoxTest, TransferShowsTheReceivingBankWithACopyOfTheBankList)
{
    main.ApplyTypeToEditBox("XFR");

    EXPECT_EQ(main.EditLabel[4].Caption(), "Transfer");
    EXPECT_EQ(main.FrameEditBox.BackColor(), 15529196);
    EXPECT_TRUE(main.ComboToBank.Visible());
    EXPECT_TRUE(main.ToLabel[7].Visible());
    EXPECT_EQ(main.ComboToBank.ListCount(), 2);
    EXPECT_EQ(main.ComboToBank.List(1), "BANK2  Second bank");
    EXPECT_FALSE(main.book.codes.TransferBankListChanged);
}

TEST_F(EditBoxTest, UnknownTypeHidesTheTransferFieldsAndKeepsTheColour)
{
    main.ApplyTypeToEditBox("XFR");

    main.ApplyTypeToEditBox("ZZZ");

    EXPECT_FALSE(main.ComboToBank.Visible());
    EXPECT_EQ(main.FrameEditBox.BackColor(), 15529196);
    EXPECT_EQ(main.EditLabel[4].Caption(), "Transfer");
    EXPECT_FALSE(main.CmdGenPay.Enabled());
}

TEST_F(EditBoxTest, LoadedTransactionShowsItsMemoLinesAndEecStatus)
{
    core::TransactionFields fields;
    fields.Number = "000042";
    fields.Date = "03/Mar/2025";
    fields.Reference = "CHQ1  ";
    fields.Bank = "BANK1 ";
    fields.Type = "PAY";
    fields.Memo = "First line\xFC\xFDSecond line   ";
    fields.Amount = 1234.5;
    fields.VATAmount = 205.75;
    fields.SplitCount = 2;
    fields.Reconciled = true;
    fields.EEC = true;

    main.LoadTransactionIntoEditBox(fields);

    EXPECT_EQ(main.TextComment.Text(), "First line\r\nSecond line");
    EXPECT_EQ(main.TextAmount.Text(), "1234.50");
    EXPECT_EQ(main.TextRef.Text(), "CHQ1");
    EXPECT_EQ(main.CheckReconciled.Value(), 1);
    EXPECT_EQ(main.CheckPaid.Value(), 0);
    EXPECT_TRUE(main.EditLabel[7].Visible());
    EXPECT_EQ(main.ItemEEC.Caption(), "Remove EEC Stat&us");
    EXPECT_EQ(main.TextTranNum.Text(), "000042");
    EXPECT_EQ(main.TxtVATAmount.Text(), "205.75");
    EXPECT_EQ(main.TxtNumSplits.Text(), "2");

    main.ClearEntryFields(core::ClearWholeEditBox);

    EXPECT_EQ(main.TextComment.Text(), "");
    EXPECT_EQ(main.ComboBank.Text(), "");
    EXPECT_EQ(main.CheckReconciled.Value(), 0);
    EXPECT_FALSE(main.EditLabel[7].Visible());
    EXPECT_EQ(main.TxtVATAmount.Text(), "205.75"); // carried until the next transaction
}

} // namespace
