#include "CodeWindowTest.h"

#include "platform/Events.h"

using platform::Answer;

namespace {

using MaintainCodesTest = CodeWindowTest;

TEST_F(MaintainCodesTest, APageIsDisabledUntilNewOrADoubleClick)
{
    open(codes.FrameVAT);
    for (platform::TextBox* box : {&codes.TextVATCode, &codes.TextVATName, &codes.TextVATRate})
        EXPECT_FALSE(box->Enabled()) << box->Name();
    EXPECT_FALSE(codes.CmdSaveBank.Enabled());
    EXPECT_FALSE(codes.CmdDeleteBank.Enabled());

    codes.CmdNewBank.userClick();
    for (platform::TextBox* box : {&codes.TextVATCode, &codes.TextVATName, &codes.TextVATRate})
        EXPECT_TRUE(box->Enabled()) << box->Name();
    EXPECT_TRUE(codes.CmdSaveBank.Enabled());
    EXPECT_TRUE(codes.CmdDeleteBank.Enabled());
    EXPECT_EQ(codes.TextVATRate.Text(), "0.00");
    EXPECT_EQ(codes.ActiveControl(), &codes.TextVATCode);
    // The other pages stay disabled.
    EXPECT_FALSE(codes.TextBankCode.Enabled());
    EXPECT_FALSE(codes.TextAnalCode.Enabled());
}

TEST_F(MaintainCodesTest, NewOnTheBankPageStartsFromTodayAndNoBalance)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    EXPECT_EQ(codes.TextDateOpened.Text(), "15/Jun/2025");
    EXPECT_EQ(codes.TextStartBal.Text(), "0.00");
    EXPECT_EQ(codes.LblBankBal.Caption(), "0.00");
    EXPECT_EQ(codes.LblNomBal.Caption(), "0.00");
    EXPECT_EQ(codes.TextBankCode.Text(), "");
}

TEST_F(MaintainCodesTest, ReopeningTheBankPageHintsAtHelpOnlyWhileThereIsNoAccount)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    codes.CmdDone.userClick();
    open(codes.FrameAccount);
    EXPECT_TRUE(codes.LblHelpHint.Visible());
    EXPECT_EQ(codes.ActiveControl(), &codes.TextBankCode);

    addBankLine("BANK1", "Current", 0);
    codes.CmdDone.userClick();
    open(codes.FrameAccount);
    EXPECT_FALSE(codes.LblHelpHint.Visible());
    EXPECT_EQ(codes.ActiveControl(), &codes.TextBankCode);
}

TEST_F(MaintainCodesTest, DoubleClickingAnAccountShowsItsBalancesFromTheTransactions)
{
    addBankLine("BANK1", "Current", 100);
    add({.bank = "BANK1", .type = "PAY", .amount = 30, .reconciled = true});
    add({.bank = "BANK1", .type = "RCP", .amount = 50});
    add({.bank = "BANK1", .type = "INV", .amount = 20});
    add({.bank = "BANK1", .type = "PAY", .amount = 500, .reconciled = true, .deleted = true});
    add({.bank = "BANK2", .type = "RCP", .amount = 900, .reconciled = true});
    open(codes.FrameAccount);
    pickLine(codes.ListBankAccounts, "BANK1");

    EXPECT_EQ(codes.TextBankCode.Text(), "BANK1");
    EXPECT_EQ(codes.TextBankName.Text(), "Current");
    EXPECT_EQ(codes.TextStartBal.Text(), "100.00");
    EXPECT_EQ(codes.LblBankBal.Caption(), "70.00");
    EXPECT_EQ(codes.LblNomBal.Caption(), "120.00");
    EXPECT_TRUE(codes.TextBankCode.Enabled());
    EXPECT_EQ(codes.ActiveControl(), &codes.TextBankCode);
    EXPECT_EQ(codes.CurrentBankAccount.Code.str(), "BANK1 ");
}

TEST_F(MaintainCodesTest, DoubleClickingALineOfEachPageFillsItsBoxes)
{
    addCustomerLine("ACME", "Acme Ltd", "1 High St\r\nLeeds");
    addVatLine("S", "Standard", 17.5);
    addCategoryLine("CAR", "Motor costs");

    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME");
    EXPECT_EQ(codes.TextCustCode.Text(), "ACME");
    EXPECT_EQ(codes.TextCustName.Text(), "Acme Ltd");
    EXPECT_EQ(codes.TextCustAddress.Text(), "1 High St\r\nLeeds");
    EXPECT_EQ(codes.TextCustTel.Text(), "");
    codes.CmdDone.userClick();

    open(codes.FrameVAT);
    pickLine(codes.ListVATCodes, "S");
    EXPECT_EQ(codes.TextVATCode.Text(), "S");
    EXPECT_EQ(codes.TextVATName.Text(), "Standard");
    EXPECT_EQ(codes.TextVATRate.Text(), "17.50");
    codes.CmdDone.userClick();

    open(codes.FrameCategories);
    pickLine(codes.ListAnalCodes, "CAR");
    EXPECT_EQ(codes.TextAnalCode.Text(), "CAR");
    EXPECT_EQ(codes.TextAnalName.Text(), "Motor costs");
}

// The page lists show each code on one line, an address's line break as two blanks, while the tables
// keep the line's bytes; an added, changed or removed code shows at once in its place.
TEST_F(MaintainCodesTest, TheListsShowEachCodeOnOneLineAndTheTablesKeepTheirBreaks)
{
    addBankLine("BANK1", "Current", 100);
    addCustomerLine("ACME", "Acme Ltd", "1 High St\r\nLeeds");
    const std::string stored = book.codes.ListCustCodes.List(0);
    ASSERT_NE(stored.find("\r\n"), std::string::npos);
    EXPECT_EQ(codes.ListCustCodes.List(0), stored.substr(0, 28) + "1 High St  Leeds" + stored.substr(44));
    EXPECT_EQ(codes.ListBankAccounts.List(0), book.codes.ListBankAccounts.List(0));

    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME");
    EXPECT_EQ(codes.TextCustAddress.Text(), "1 High St\r\nLeeds") << "the box shows the stored lines";
    codes.CmdNewBank.userClick();
    codes.TextCustCode.userSetText("ABLE");
    codes.TextCustName.userSetText("Able plc");
    codes.TextCustAddress.userSetText("2 Low Rd\r\nYork");
    codes.CmdSaveBank.userClick();
    ASSERT_EQ(codes.ListCustCodes.ListCount(), 2);
    EXPECT_TRUE(codes.ListCustCodes.List(0).starts_with("ABLE   Able plc             2 Low Rd  York  "));
    EXPECT_EQ(codes.ListCustCodes.ListIndex(), 0) << "the saved code is selected";
    for (int i = 0; i < codes.ListCustCodes.ListCount(); ++i)
        EXPECT_EQ(codes.ListCustCodes.List(i).find_first_of("\r\n"), std::string::npos) << i;
    EXPECT_EQ(book.codes.ListCustCodes.List(0).substr(28, 16), "2 Low Rd\r\nYork  ");

    book.codes.ListCustCodes.RemoveItem(1);
    EXPECT_EQ(codes.ListCustCodes.ListCount(), 1);
    book.codes.ListCustCodes.Clear();
    EXPECT_EQ(codes.ListCustCodes.ListCount(), 0);
}

TEST_F(MaintainCodesTest, CloseKeepsTheCodeForTheEditBoxAndBlanksThePage)
{
    book.codes.LastUsed.Category = "OLD";
    open(codes.FrameCategories);
    codes.CmdNewBank.userClick();
    codes.CmdDone.userClick();
    EXPECT_EQ(book.codes.LastUsed.Category.str(), "OLD ") << "a blank code box leaves the last code";

    addCategoryLine("CAR", "Motor costs");
    open(codes.FrameCategories);
    pickLine(codes.ListAnalCodes, "CAR");
    codes.CmdDone.userClick();
    EXPECT_EQ(book.codes.LastUsed.Category.str(), "CAR ");
    EXPECT_FALSE(codes.Visible());
    EXPECT_TRUE(codes.isLoaded()) << "closing only hides the window that holds the tables";
    EXPECT_FALSE(codes.FrameCategories.Visible());
    EXPECT_EQ(codes.TextAnalCode.Text(), "");
    EXPECT_EQ(codes.TextAnalName.Text(), "");
    EXPECT_TRUE(codes.TextAnalCode.Enabled()) << "the page stays enabled for the rest of the run";
    EXPECT_EQ(codes.CurrentCategory.Code.str(), "    ");
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(MaintainCodesTest, CloseSavesTheChangedBookOnlyWithAutoSave)
{
    struct Case {
        bool autoSave;
        bool changed;
        int saves;
    };
    for (const Case c : {Case{true, true, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
        SCOPED_TRACE(std::to_string(c.autoSave) + std::to_string(c.changed));
        host.autoSave = c.autoSave;
        host.saves = 0;
        book.ledger.FileChanged = c.changed;
        open(codes.FrameVAT);
        codes.CmdDone.userClick();
        EXPECT_EQ(host.saves, c.saves);
    }
}

TEST_F(MaintainCodesTest, TheCloseBoxClosesAsCloseDoes)
{
    addCategoryLine("CAR", "Motor costs");
    open(codes.FrameCategories);
    pickLine(codes.ListAnalCodes, "CAR");
    EXPECT_TRUE(codes.userClose() == false) << "the window is not unloaded";
    EXPECT_FALSE(codes.Visible());
    EXPECT_EQ(book.codes.LastUsed.Category.str(), "CAR ");
}

TEST_F(MaintainCodesTest, CodesAreTypedInCapitals)
{
    const std::pair<platform::Frame*, platform::TextBox*> pages[] = {{&codes.FrameAccount, &codes.TextBankCode},
                                                                     {&codes.FrameVAT, &codes.TextVATCode},
                                                                     {&codes.FrameCustomers, &codes.TextCustCode},
                                                                     {&codes.FrameCategories, &codes.TextAnalCode}};
    for (const auto& [page, codeBox] : pages) {
        SCOPED_TRACE(codeBox->Name());
        open(*page);
        codes.CmdNewBank.userClick();
        ASSERT_EQ(codes.ActiveControl(), codeBox);
        codes.userType("ab1");
        EXPECT_EQ(codeBox->Text(), "AB1");
        codes.CmdDone.userClick();
    }
    open(codes.FrameCategories);
    codes.TextAnalName.setFocus();
    codes.userType("ab");
    EXPECT_EQ(codes.TextAnalName.Text(), "ab") << "names keep their case";
}

TEST_F(MaintainCodesTest, TabbingIntoABoxSelectsItsText)
{
    open(codes.FrameCustomers);
    codes.CmdNewBank.userClick();
    codes.TextCustName.setText("Acme Ltd");
    services.setKeyDown(platform::KeyTab);
    codes.TextCustName.setFocus();
    EXPECT_EQ(codes.TextCustName.SelLength(), 8);
    services.setKeyDown(platform::KeyTab, false);
    codes.TextCustCode.setFocus();
    codes.TextCustName.setFocus();
    EXPECT_EQ(codes.TextCustName.SelLength(), 0);
}

TEST_F(MaintainCodesTest, EnterInAnAddressStartsANewLineInsteadOfUpdating)
{
    open(codes.FrameCustomers);
    codes.CmdNewBank.userClick();
    codes.TextCustCode.userSetText("ACME");
    codes.TextCustName.userSetText("Acme");
    codes.TextCustAddress.setFocus();
    EXPECT_FALSE(codes.CmdSaveBank.Default());
    codes.userType("1 High St");
    codes.userKeyDown(platform::KeyReturn);
    codes.userKeyPress(platform::KeyReturn);
    codes.userType("Leeds");
    EXPECT_EQ(codes.TextCustAddress.Text(), "1 High St\r\nLeeds");
    EXPECT_EQ(book.codes.ListCustCodes.ListCount(), 0) << "Update was not pressed";

    codes.TextCustTel.setFocus();
    EXPECT_TRUE(codes.CmdSaveBank.Default());
    codes.userKeyDown(platform::KeyReturn);
    EXPECT_EQ(book.codes.ListCustCodes.ListCount(), 1) << "Enter in another box presses Update";
}

TEST_F(MaintainCodesTest, LeavingTheDateOpenedBoxChecksTheDate)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"3/4/2024", "03/Apr/2024"}, {"1 Dec 2024", "01/Dec/2024"}};
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        enter(codes.TextDateOpened, typed);
        EXPECT_EQ(codes.TextDateOpened.Text(), shown);
    }
    EXPECT_TRUE(services.messageBoxes().empty());

    // The whole text is read: one that starts with a date but goes on is no date either.
    for (const char* typed : {"abc", "01/Jan/2024 and more"}) {
        SCOPED_TRACE(typed);
        services.answerMessageBox(Answer::OK);
        enter(codes.TextDateOpened, typed);
        EXPECT_EQ(codes.TextDateOpened.Text(), "15/Jun/2025");
        EXPECT_TRUE(services.messageTexts().back().starts_with("'" + std::string(typed) + "' is not a valid date"));
    }
    EXPECT_EQ(services.messageTexts().size(), 2u);
}

TEST_F(MaintainCodesTest, EnterFromTheDateOpenedBoxStoresTheDateAsLeavingWouldShowIt)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    codes.TextBankCode.setText("B9");
    codes.TextBankName.setText("Reserve");
    codes.TextDateOpened.setFocus();
    codes.TextDateOpened.userSetText("rubbish");
    ASSERT_TRUE(codes.CmdSaveBank.Default());
    services.answerMessageBox(Answer::OK);
    codes.userKeyDown(platform::KeyReturn);
    ASSERT_EQ(book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_EQ(core::ParseBankAccountLine(book.codes.ListBankAccounts.List(0)).DateOpened.str(), "15/Jun/2025");
    EXPECT_TRUE(services.messageTexts().back().starts_with("'rubbish' is not a valid date"));
}

TEST_F(MaintainCodesTest, DoubleClickingTheDateOpenedBoxPicksADate)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    codes.TextDateOpened.setText("15/Mar/2026");
    services.onModal<mainwindow::Calendar>("Calendar", [](mainwindow::Calendar& shown) {
        shown.Picture1.userMouseDown(1, 0, 65 * shown.Picture1.Width() / 90, 45 * shown.Picture1.Height() / 90);
    });
    codes.TextDateOpened.userDblClick();
    EXPECT_EQ(codes.TextDateOpened.Text(), "20/03/2026") << "Friday of the third week";
}

// Text that is not an amount stays as typed, for Update to refuse.
TEST_F(MaintainCodesTest, LeavingTheStartBalanceShowsItWithTwoDecimals)
{
    open(codes.FrameAccount);
    codes.CmdNewBank.userClick();
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "12.50"}, {"-3", "-3.00"}, {"1,250", "1250.00"}, {"abc", "abc"}, {"12,50", "12,50"}, {"", "0.00"}};
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        enter(codes.TextStartBal, typed);
        EXPECT_EQ(codes.TextStartBal.Text(), shown);
    }
}

} // namespace
