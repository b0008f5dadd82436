#include <functional>
#include <string>

#include "MainTest.h"

namespace {

using mainwindow::MaintainCodes;

// The main window on a company with no codes yet, opening the code window from its menus and buttons.
class CodeMenuTest : public MainTest {
protected:
    CodeMenuTest()
    {
        writeSettings(fullSettings(writeCompany("Shop.QBD", 3)));
        start();
    }

    // The next showing of the code window runs `script` on it.
    void onCodeWindow(std::function<void(MaintainCodes&)> script)
    {
        services.onModal<MaintainCodes>("MaintainCodes", std::move(script));
    }
    // Types into a box of the code window as a user does.
    static void enter(MaintainCodes& codes, platform::TextBox& box, const std::string& text)
    {
        box.setFocus();
        box.userSetText(text);
        codes.CmdDone.setFocus();
    }
    // Fills the name, saves and closes: what a user does after the code was put in for them.
    static void nameSaveAndClose(MaintainCodes& codes, platform::TextBox& name, const std::string& text)
    {
        enter(codes, name, text);
        codes.CmdSaveBank.userClick();
        codes.CmdDone.userClick();
    }
};

TEST_F(CodeMenuTest, EachMenuItemAndCodeButtonOpensItsPageModally)
{
    MaintainCodes& codes = main.maintainCodes;
    struct Case {
        std::function<void()> open;
        platform::Frame& page;
    };
    const Case cases[] = {
        {[&] { main.BankItem.userClick(); }, codes.FrameAccount},
        {[&] { main.VatItem.userClick(); }, codes.FrameVAT},
        {[&] { main.CustItem.userClick(); }, codes.FrameCustomers},
        {[&] { main.CatItem.userClick(); }, codes.FrameCategories},
        {[&] { main.CmdBankAcc.setValue(true); }, codes.FrameAccount},
        {[&] { main.CmdVATCode.setValue(true); }, codes.FrameVAT},
        {[&] { main.CmdCustCode.setValue(true); }, codes.FrameCustomers},
        {[&] { main.CmdAnalCode.setValue(true); }, codes.FrameCategories},
    };
    for (const Case& c : cases) {
        std::vector<const platform::Frame*> visible;
        onCodeWindow([&](MaintainCodes& shown) {
            for (const platform::Frame* frame :
                 {&shown.FrameAccount, &shown.FrameVAT, &shown.FrameCustomers, &shown.FrameCategories}) {
                if (frame->Visible())
                    visible.push_back(frame);
            }
            shown.CmdDone.userClick();
        });
        c.open();
        ASSERT_EQ(visible.size(), 1u) << c.page.Name();
        EXPECT_EQ(visible[0], &c.page);
        EXPECT_FALSE(codes.Visible());
    }
    EXPECT_EQ(services.modalForms().size(), std::size(cases));
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(CodeMenuTest, ABankAddedFromTheMenuIsInTheTableAndTheComboMirror)
{
    onCodeWindow([](MaintainCodes& codes) {
        codes.CmdNewBank.userClick();
        enter(codes, codes.TextBankCode, "CURR");
        nameSaveAndClose(codes, codes.TextBankName, "Current Account");
    });

    main.BankItem.userClick();

    ASSERT_EQ(main.book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_TRUE(main.book.codes.ListBankAccounts.List(0).starts_with("CURR   Current Account"));
    EXPECT_EQ(main.ComboBank.ListCount(), 1);
    EXPECT_EQ(main.ComboBank.List(0), "CURR   Current Account");
    EXPECT_EQ(main.book.codes.LastUsed.Bank.str(), "CURR  ");
}

TEST_F(CodeMenuTest, AShortTypedTextBecomesTheUpperCasedCodeAndComesBackToTheCombo)
{
    std::string typedCode;
    onCodeWindow([&](MaintainCodes& codes) {
        EXPECT_TRUE(codes.FrameCustomers.Visible());
        typedCode = codes.TextCustCode.Text();
        EXPECT_EQ(codes.TextCustName.Text(), "");
        EXPECT_TRUE(codes.TextCustCode.Enabled());
        nameSaveAndClose(codes, codes.TextCustName, "Acme Ltd");
    });
    std::string typed = "acme";

    main.AddCodeFromMainWindow(core::CodeKind::Customer, typed, main.ComboCustomer);

    EXPECT_EQ(typedCode, "ACME");
    EXPECT_EQ(typed, "ACME");
    ASSERT_EQ(main.book.codes.ListCustCodes.ListCount(), 1);
    EXPECT_TRUE(main.book.codes.ListCustCodes.List(0).starts_with("ACME   Acme Ltd"));
    EXPECT_EQ(main.ComboCustomer.Text(), "ACME  ");
}

TEST_F(CodeMenuTest, ATextLongerThanACodeBecomesTheName)
{
    std::string typedName;
    onCodeWindow([&](MaintainCodes& codes) {
        typedName = codes.TextAnalName.Text();
        EXPECT_EQ(codes.TextAnalCode.Text(), "");
        enter(codes, codes.TextAnalCode, "STAT");
        codes.CmdSaveBank.userClick();
        codes.CmdDone.userClick();
    });
    std::string typed = "stationery";

    main.AddCodeFromMainWindow(core::CodeKind::Category, typed, main.ComboAnal);

    EXPECT_EQ(typedName, "stationery");
    EXPECT_EQ(typed, "stationery");
    EXPECT_TRUE(main.book.codes.ListAnalCodes.List(0).starts_with("STAT stationery"));
    EXPECT_EQ(main.ComboAnal.Text(), "STAT");
}

TEST_F(CodeMenuTest, ABankCodeGoesBackToTheComboThatWasLeft)
{
    onCodeWindow([](MaintainCodes& codes) {
        codes.CmdNewBank.userClick();
        enter(codes, codes.TextBankCode, "CURR");
        nameSaveAndClose(codes, codes.TextBankName, "Current Account");
    });
    main.BankItem.userClick();

    // A transfer from the current account to a savings account not yet known.
    main.ComboBank.setText("CURR   Current Account");
    std::string receiving = "save";
    onCodeWindow([](MaintainCodes& codes) { nameSaveAndClose(codes, codes.TextBankName, "Savings"); });
    main.AddCodeFromMainWindow(core::CodeKind::Bank, receiving, main.ComboToBank);
    EXPECT_EQ(main.ComboBank.Text(), "CURR   Current Account");
    EXPECT_EQ(main.ComboToBank.Text(), "SAVE  ");

    // A new paying bank stays the paying bank, though its code now names an account of the list.
    main.ComboToBank.setText("");
    std::string paying = "cash";
    main.ComboBank.setText(paying);
    onCodeWindow([](MaintainCodes& codes) { nameSaveAndClose(codes, codes.TextBankName, "Petty Cash"); });
    main.AddCodeFromMainWindow(core::CodeKind::Bank, paying, main.ComboBank);
    EXPECT_EQ(main.ComboBank.Text(), "CASH  ");
    EXPECT_EQ(main.ComboToBank.Text(), "");
    EXPECT_EQ(main.book.codes.ListBankAccounts.ListCount(), 3);
}

TEST_F(CodeMenuTest, NothingHappensWhileTheCodeWindowIsAlreadyShown)
{
    std::string again = "vat";
    onCodeWindow([&](MaintainCodes& codes) {
        main.AddCodeFromMainWindow(core::CodeKind::Vat, again, main.ComboVAT);
        EXPECT_EQ(codes.TextVATCode.Text(), "");
        codes.CmdDone.userClick();
    });

    main.VatItem.userClick();

    EXPECT_EQ(again, "vat");
    EXPECT_EQ(services.modalForms().size(), 1u);
}

} // namespace
