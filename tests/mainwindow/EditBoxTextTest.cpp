#include <sstream>
#include <string>
#include <vector>

#include "EntryTest.h"
#include "platform/Events.h"
#include "platform/RecordingPrinter.h"
#include "runtime/Format.h"

namespace {

// What is typed into the edit box reaches the record as typed, or is refused with a message.
class EditBoxTextTest : public EntryTest {
protected:
    std::vector<std::string> printedTexts()
    {
        std::vector<std::string> texts;
        for (const auto& document : services.recordingPrinter().documents())
            for (const auto& page : document.pages)
                for (const auto& run : page.runs)
                    texts.push_back(run.text);
        return texts;
    }
};

TEST_F(EditBoxTextTest, ADateWrittenOutIsStoredInItsOwnYearWhetherTheBoxIsLeftOrNot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"15 March 2025", "15/Mar/2025"}, {"3 August 2025", "03/Aug/2025"}, {"15 August 2025", "15/Aug/2025"},
        {"1 December 2024", "01/Dec/2024"}, {"15 / 03 / 2025", "15/Mar/2025"},
    };
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        newTransaction(main.PayItem, "B1", "10");
        enter(main.TextDate, typed);
        main.TextRef.setFocus();
        EXPECT_EQ(main.TextDate.Text(), shown) << "left";

        // Enter in the date box presses Update while the box still holds what was typed.
        newTransaction(main.PayItem, "B1", "10");
        enter(main.TextDate, typed);
        ASSERT_TRUE(main.CmdChange.Default());
        main.userKeyDown(platform::KeyReturn);
        ASSERT_EQ(main.TextTranNum.Text(), runtime::format(transactionCount(), "000000"));
        EXPECT_EQ(fieldsOf(transactionCount()).Date, shown) << "stored by Enter";
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(EditBoxTextTest, ADateThatIsNoDateAsAWholeIsRefusedWhenStoredByEnter)
{
    newTransaction(main.PayItem, "B1", "10");
    enter(main.TextDate, "15 March 2025 or so");
    expectErrorBox();
    main.userKeyDown(platform::KeyReturn);
    EXPECT_EQ(transactionCount(), 0);
    EXPECT_EQ(lastMessage(), "A valid Date is required");
}

TEST_F(EditBoxTextTest, EnterStoresAgainOnceARefusedFieldIsMended)
{
    newTransaction(main.PayItem, "B1", "12a");
    enter(main.TextAmount, "12a");
    expectErrorBox();
    main.userKeyDown(platform::KeyReturn);
    EXPECT_EQ(lastMessage(), "'12a' is not a valid Amount");
    ASSERT_EQ(main.ActiveControl(), &main.TextAmount);
    EXPECT_EQ(transactionCount(), 0);

    main.TextAmount.userSetText("7.25");
    main.userKeyDown(platform::KeyReturn);
    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).Amount, 7.25);
}

TEST_F(EditBoxTextTest, ATabInAnyTextOfTheRecordIsStoredAsABlankAndLineBreaksKeepTheirEscape)
{
    newTransaction(main.PayItem, "B1", "12.50", "Paper\tPens\r\nInk\t");
    enter(main.TextRef, "A\tB");
    main.book.SplitTail = "001" + runtime::padRight("Split\tmemo", 30) + runtime::padLeft("12.50", 11) + "S      ";
    main.TxtNumSplits.setText("1");
    main.ComboVAT.setText("SPL");
    store();

    ASSERT_EQ(transactionCount(), 1);
    const std::string stored = line(1);
    EXPECT_EQ(stored.find('\t'), std::string::npos) << stored;
    const core::TransactionFields fields = fieldsOf(1);
    EXPECT_EQ(fields.Reference, "A B   ");
    EXPECT_EQ(runtime::rtrim(fields.Memo), "Paper Pens\xFC\xFDInk");
    EXPECT_EQ(main.book.SplitTail.substr(0, 13), "001Split memo");
    // The grid row keeps its cells in place: the memo under "Memo", the amount under "Payment".
    std::vector<std::string> cells;
    std::stringstream row(gridRow(1));
    for (std::string cell; std::getline(row, cell, '\t');)
        cells.push_back(cell);
    ASSERT_EQ(cells.size(), 14u) << gridRow(1);
    EXPECT_EQ(runtime::rtrim(cells[6]), "Paper Pens  Ink");
    EXPECT_EQ(runtime::trim(cells[7]), "12.50");
}

TEST_F(EditBoxTextTest, ANetAmountPrintedBeforeUpdateShowsWhatUpdateStores)
{
    const char* tags[] = {"~TG", "~TV", "~TN"};
    for (int i = 0; i < 3; ++i) {
        core::TemplateObject& object = main.book.Templates[core::SimpleInvoice].Objects[static_cast<std::size_t>(i)];
        object.Text = tags[i];
        object.FontName = "Arial";
        object.FontSize = "10";
        object.Alignment = 'L';
        object.Visible = 'Y';
        object.Left = 720;
        object.Top = 720 + 400 * i;
        object.Width = 2000;
    }
    main.InvItem.userClick();
    main.ComboBank.setText("B1");
    main.ComboVAT.setText("S");
    enter(main.TextAmount, "100N");
    main.TextRef.setFocus();

    services.answerPrinterDialog();
    main.ItemQuickSimpleInv.Click();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"     117.50", "      17.50", "     100.00"}));
    EXPECT_EQ(main.TextAmount.Text(), "100N") << "printing changes nothing in the box";

    store();
    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).Amount, 117.5);
}

} // namespace
