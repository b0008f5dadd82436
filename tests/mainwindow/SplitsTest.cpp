#include <functional>
#include <string>
#include <vector>

#include "CompanyTest.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "mainwindow/dialogs/Splits.h"
#include "platform/Events.h"
#include "runtime/Text.h"

namespace {

using mainwindow::Splits;
using Lines = std::vector<std::string>;

const std::string PaperLine = "Paper                                40.00 STD        7.00       47.00     001";
const std::string StampsLine = "Stamps                               23.00 ZER        0.00       23.00     002";
const std::string ChequeTail = "001Paper                               47.00STD    002Stamps                              23.00ZER    ";

// The splits window of CHQ100, opened by Ctrl+double-click on its grid row.
class SplitsTest : public CompanyTest {
protected:
    // Opens CHQ100's splits; `script` acts in the window while it shows.
    void openCheque(std::function<void(Splits&)> script)
    {
        services.onModal<Splits>("Splits", std::move(script));
        services.setKeyDown(platform::KeyControl);
        loadRow(1);
        services.setKeyDown(platform::KeyControl, false);
        ASSERT_TRUE(services.allScriptsUsed());
    }
    static void fill(Splits& splits, const std::string& memo, const std::string& amount, const std::string& code)
    {
        splits.TxtMemo.userSetText(memo);
        splits.TxtAmount.userSetText(amount);
        splits.ComboVATCodes.userSetText(code);
    }
    static void add(Splits& splits, const std::string& memo, const std::string& amount, const std::string& code)
    {
        splits.CmdNew.userClick();
        fill(splits, memo, amount, code);
        splits.CmdUpdate.userClick();
    }
    // Chooses a line for editing, as a double-click does.
    static void choose(Splits& splits, int index)
    {
        splits.ListSplits.userSelect(index);
        splits.ListSplits.userDblClick();
    }
    static Lines listed(const Splits& splits)
    {
        Lines lines;
        for (int i = 0; i < splits.ListSplits.ListCount(); ++i)
            lines.push_back(splits.ListSplits.List(i));
        return lines;
    }
    static std::string numbers(const std::string& tail)
    {
        std::string result;
        for (std::size_t at = 0; at + 3 <= tail.size(); at += 51)
            result += tail.substr(at, 3) + " ";
        return result;
    }
    std::string chequeTail() const { return storedLine(2).substr(156); }
};

TEST_F(SplitsTest, ListsTheSplitsWithTheirTotalsAndOKWithoutChangeStoresNothing)
{
    const std::string before = storedLine(2);
    main.book.ledger.FileChanged = false;
    openCheque([&](Splits& splits) {
        EXPECT_EQ(splits.Caption(), "Edit Transaction Splits");
        EXPECT_EQ(listed(splits), (Lines{PaperLine, StampsLine}));
        EXPECT_EQ(splits.LblNet.Caption(), "      63.00");
        EXPECT_EQ(splits.LblVat.Caption(), "       7.00");
        EXPECT_EQ(splits.LblTotal.Caption(), "      70.00");
        EXPECT_EQ(splits.LblTranTotal.Caption(), "      70.00");
        EXPECT_EQ(splits.FrameDetails.Caption(), "Split Details for Payment Ref <CHQ100>");
        EXPECT_EQ(splits.LblOrigVATCode.Caption(), "SPL");
        EXPECT_EQ(splits.ComboVATCodes.ListCount(), 2);
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(main.book.SplitTail, ChequeTail);
    EXPECT_EQ(main.TxtNumSplits.Text(), "2");
    EXPECT_EQ(main.TxtVATAmount.Text(), "       7.00");
    EXPECT_EQ(storedLine(2), before);
    EXPECT_FALSE(main.book.ledger.FileChanged);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(SplitsTest, ANetAmountGetsItsVatAndTheChangedSplitsAreStoredWithTheNewTotal)
{
    openCheque([&](Splits& splits) {
        splits.CmdNew.userClick();
        fill(splits, "Toner", "100n", "std");
        splits.CmdUpdate.userClick();
        EXPECT_EQ(splits.TxtAmount.Text(), "117.50");
        EXPECT_EQ(splits.ListSplits.List(2),
                  "Toner                               100.00 STD       17.50      117.50     003");
        EXPECT_EQ(splits.ListSplits.ListIndex(), 2);
        EXPECT_EQ(splits.LblTotal.Caption(), "     187.50");
        services.answerMessageBox(platform::Answer::Yes);
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(services.messageTexts(),
              Lines{"The value of these splits = \xA3" "187.50, but the total for the transaction = \xA3" "70.00. Do you "
                    "wish to update the transaction amount on the main screen to \xA3" "187.50 ?"});
    EXPECT_EQ(main.TextAmount.Text(), "187.50");
    EXPECT_EQ(numbers(chequeTail()), "001 002 003 ");
    EXPECT_EQ(chequeTail().substr(102), "003Toner                              117.50STD    ");
    EXPECT_EQ(storedLine(2).substr(116, 11), "00000187.50");
    EXPECT_EQ(storedLine(2).substr(152, 3), "003");
}

TEST_F(SplitsTest, ADeletedNumberIsNotReusedAndMovingChangesOnlyTheOrder)
{
    main.book.AutoSave = false;
    openCheque([&](Splits& splits) {
        add(splits, "Toner", "0", "");
        EXPECT_EQ(splits.ListSplits.List(2), "Toner" + std::string(25 + 45, ' ') + "003");
        choose(splits, 1);
        EXPECT_EQ(splits.TxtMemo.Text(), "Stamps");
        EXPECT_EQ(splits.TxtAmount.Text(), "23.00");
        EXPECT_EQ(splits.ComboVATCodes.Text(), "ZER");
        splits.CmdDelete.userClick();
        EXPECT_EQ(splits.TxtAmount.Text(), "0.00");
        add(splits, "Stamps again", "23", "ZER");
        EXPECT_EQ(splits.ListSplits.List(2).substr(75), "004");
        splits.ListSplits.userSelect(2);
        splits.CmdUpList.userClick();
        EXPECT_EQ(splits.ListSplits.ListIndex(), 1);
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(numbers(chequeTail()), "001 004 003 ");
    EXPECT_EQ(chequeTail().substr(51 * 2 + 33, 11), "       0.00");
    EXPECT_TRUE(main.book.ledger.FileChanged);
}

TEST_F(SplitsTest, TotalsThatDifferFromTheTransactionAskWhichAmountHolds)
{
    const std::string question = "The value of these splits = \xA3" "47.00, but the total for the transaction = \xA3"
                                 "70.00. Do you wish to update the transaction amount on the main screen to \xA3"
                                 "47.00 ?";
    openCheque([&](Splits& splits) {
        choose(splits, 1);
        splits.CmdDelete.userClick();
        services.answerMessageBox(platform::Answer::Cancel);
        splits.CmdOK.userClick();
        EXPECT_TRUE(splits.Visible());
        EXPECT_EQ(main.book.SplitTail, ChequeTail);
        services.answerMessageBox(platform::Answer::No);
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(services.messageTexts(), (Lines{question, question}));
    EXPECT_EQ(main.TextAmount.Text(), "70.00");
    EXPECT_EQ(numbers(chequeTail()), "001 ");

    openCheque([&](Splits& splits) {
        services.answerMessageBox(platform::Answer::Yes);
        splits.CmdOK.userClick();
    });
    // Only changed splits store the transaction: the new amount waits in the box for Change.
    EXPECT_EQ(main.TextAmount.Text(), "47.00");
    EXPECT_EQ(storedLine(2).substr(116, 11), "00000070.00");
}

TEST_F(SplitsTest, DeletingEverySplitGivesTheTransactionItsVatCodeBack)
{
    openCheque([&](Splits& splits) {
        EXPECT_EQ(splits.LblOrigVATCode.Caption(), "SPL");
        // As for a transaction first split from the edit box while it showed STD.
        splits.LblOrigVATCode.setCaption("STD");
        for (int i = 0; i < 2; ++i) {
            choose(splits, 0);
            splits.CmdDelete.userClick();
        }
        EXPECT_EQ(splits.LblTotal.Caption(), "       0.00");
        services.answerMessageBox(platform::Answer::No);
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(main.TxtNumSplits.Text(), "0");
    EXPECT_EQ(main.ComboVAT.Text().substr(0, 3), "STD");
    EXPECT_EQ(storedLine(2).size(), 156u);
    EXPECT_EQ(storedLine(2).substr(152, 3), "000");
}

TEST_F(SplitsTest, RefusedEntriesChangeNothing)
{
    openCheque([&](Splits& splits) {
        services.answerMessageBox(platform::Answer::OK);
        add(splits, "Bad code", "10", "xyz");
        EXPECT_EQ(splits.ActiveControl(), &splits.ComboVATCodes);
        for (const char* amount : {"100000000", "-10000000"}) {
            services.answerMessageBox(platform::Answer::OK);
            add(splits, "Too much", amount, "");
            EXPECT_EQ(splits.ActiveControl(), &splits.TxtAmount);
        }
        EXPECT_EQ(splits.ListSplits.ListCount(), 2);
        add(splits, "Largest", "99999999.99", "");
        EXPECT_EQ(splits.ListSplits.List(2).substr(59, 11), "99999999.99");
        splits.CmdCancel.userClick();
    });
    EXPECT_EQ(services.messageTexts(),
              (Lines{"'XYZ' is not a valid VAT Code", "Split amounts must lie between -9999999.99 and 99999999.99",
                     "Split amounts must lie between -9999999.99 and 99999999.99"}));
    EXPECT_EQ(main.book.SplitTail, ChequeTail);
    EXPECT_EQ(chequeTail(), ChequeTail);
    EXPECT_EQ(main.TxtNumSplits.Text(), "2");
}

// The split amount box reads what is typed whole, as the edit box does: "1,175.00" is 1175.00; text
// that is not an amount, and one wider than its column, is refused.
TEST_F(SplitsTest, ATypedAmountIsReadWholeAndOneWiderThanItsColumnIsRefused)
{
    const std::string refusal = "Split amounts must lie between -9999999.99 and 99999999.99";
    const struct {
        const char* typed;
        const char* gross; // the list line's gross column; empty when refused
        std::string message;
    } cases[] = {
        {"1,250.00", "    1250.00", ""},
        {"-1,250.00", "   -1250.00", ""},
        {"1250", "    1250.00", ""},
        {"", "           ", ""},
        {"abc", "", "'abc' is not a valid Amount"},
        {"12a", "", "'12a' is not a valid Amount"},
        {"12,34", "", "'12,34' is not a valid Amount"},
        {"abcN", "", "'abcN' is not a valid Amount"},
        {"99,999,999.99", "99999999.99", ""},
        {"-9,999,999.99", "-9999999.99", ""},
        {"1,175.00N", "    1175.00", ""},
        {"100,000,000.00", "", refusal},
        {"-10,000,000.00", "", refusal},
    };
    openCheque([&](Splits& splits) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            const std::string gross = c.gross;
            if (gross.empty())
                services.answerMessageBox(platform::Answer::OK);
            add(splits, "Item", c.typed, "ZER");
            if (gross.empty()) {
                EXPECT_EQ(services.messageTexts().back(), c.message);
                EXPECT_EQ(splits.TxtAmount.Text(), c.typed);
                EXPECT_EQ(splits.ActiveControl(), &splits.TxtAmount);
                EXPECT_EQ(splits.ListSplits.ListCount(), 2);
                continue;
            }
            ASSERT_EQ(splits.ListSplits.ListCount(), 3);
            EXPECT_EQ(splits.ListSplits.List(2).substr(59, 11), gross);
            splits.CmdDelete.userClick();
        }
        add(splits, "Desk", "1,175.00", "ZER");
        services.answerMessageBox(platform::Answer::No); // the totals differ: the transaction keeps its amount
        splits.CmdOK.userClick();
    });
    EXPECT_EQ(chequeTail().substr(102), "003" + runtime::padRight("Desk", 30) + "    1175.00ZER    ");
}

// A VAT code typed from the keyboard is the code it names, whatever its case and length.
TEST_F(SplitsTest, AVatCodeTypedInEitherCaseIsAccepted)
{
    core::VatCodeRecord standard;
    standard.Code = "S";
    standard.Name = "Standard";
    standard.Rate = 20;
    const std::string line = core::FormatVatCodeLine(standard);
    ASSERT_TRUE(core::AddCodeLine(main.book.messages, main.book.codes.ListVATCodes, main.book.codes.ComboVAT, line,
                                  "S   Standard", 3));
    const struct {
        const char* typed;
        const char* stored; // the code in the list line; empty when refused
    } cases[] = {{"s", "S  "}, {"S", "S  "}, {"std", "STD"}, {"Zer", "ZER"}, {"x", ""}, {"st", ""}};
    openCheque([&](Splits& splits) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            const std::string stored = c.stored;
            if (stored.empty())
                services.answerMessageBox(platform::Answer::OK);
            add(splits, "Item", "120N", c.typed);
            if (stored.empty()) {
                EXPECT_EQ(splits.ListSplits.ListCount(), 2);
                EXPECT_EQ(splits.ActiveControl(), &splits.ComboVATCodes);
                continue;
            }
            ASSERT_EQ(splits.ListSplits.ListCount(), 3);
            EXPECT_EQ(splits.ListSplits.List(2).substr(43, 3), stored);
            splits.CmdDelete.userClick();
        }
        add(splits, "Chair", "120N", "s");
        EXPECT_EQ(splits.ListSplits.List(2),
                  "Chair                               120.00 S         24.00      144.00     003");
        splits.CmdCancel.userClick();
    });
    EXPECT_EQ(services.messageTexts(), (Lines{"'X' is not a valid VAT Code", "'ST' is not a valid VAT Code"}));
}

TEST_F(SplitsTest, AThirtyFirstSplitIsRefusedByNewAndByUpdate)
{
    std::string tail;
    for (int i = 1; i <= Splits::MaxSplits; ++i)
        tail += std::string(i < 10 ? "00" : "0") + std::to_string(i) + std::string(30, 'x') + "       1.00   " + "    ";
    main.book.SplitTail = tail;
    services.onModal<Splits>("Splits", [&](Splits& splits) {
        EXPECT_EQ(splits.ListSplits.ListCount(), 30);
        services.answerMessageBox(platform::Answer::OK);
        splits.CmdNew.userClick();
        // No split is chosen after loading, so Update would add one.
        fill(splits, "One more", "1", "");
        services.answerMessageBox(platform::Answer::OK);
        splits.CmdUpdate.userClick();
        EXPECT_EQ(splits.ListSplits.ListCount(), 30);
        splits.CmdCancel.userClick();
    });
    Splits window(main.book, main);
    window.Show(true);
    EXPECT_EQ(services.messageTexts(), (Lines{"A transaction can have no more than 30 splits",
                                              "A transaction can have no more than 30 splits"}));
    EXPECT_EQ(main.book.SplitTail, tail);
}

TEST_F(SplitsTest, NumbersAboveNineHundredAndNinetyNineTakeTheLowestFreeOne)
{
    main.book.SplitTail = "999Last                                 1.00       ";
    main.TxtNumSplits.setText("1");
    services.onModal<Splits>("Splits", [&](Splits& splits) {
        add(splits, "Next", "1", "");
        EXPECT_EQ(splits.ListSplits.List(1).substr(75), "001");
        splits.CmdCancel.userClick();
    });
    Splits window(main.book, main);
    window.Show(true);
}

TEST_F(SplitsTest, TheMenuItemAndADoubleClickOnTheEditBoxOpenTheSplitsToo)
{
    loadRow(1);
    for (const std::function<void()>& open : std::vector<std::function<void()>>{
             [&] { main.ItemSplits.userClick(); }, [&] { main.FrameEditBox.userDblClick(); }}) {
        int lines = 0;
        services.onModal<Splits>("Splits", [&](Splits& splits) {
            lines = splits.ListSplits.ListCount();
            splits.CmdCancel.userClick();
        });
        open();
        EXPECT_EQ(lines, 2);
    }
    EXPECT_TRUE(services.allScriptsUsed());
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace
