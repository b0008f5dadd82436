#include <functional>
#include <string>
#include <vector>

#include "MainTest.h"
#include "datafile/FakeDataFileWindow.h"
#include "runtime/Text.h"

namespace {

using mainwindow::MaintainCodes;
using mainwindow::NewCompany;
using mainwindow::Start;

// The program's first run: no settings file, so the main window's start shows the wizard.
class SmartStartTest : public MainTest {
protected:
    void onWizard(std::function<void(Start&)> script) { services.onModal<Start>("Start", std::move(script)); }
    void onNewCompany(std::function<void(NewCompany&)> script)
    {
        services.onModal<NewCompany>("NewCompany", std::move(script));
    }
    void onCodeWindow(std::function<void(MaintainCodes&)> script)
    {
        services.onModal<MaintainCodes>("MaintainCodes", std::move(script));
    }
    static void enter(MaintainCodes& codes, platform::TextBox& box, const std::string& text)
    {
        box.setFocus();
        box.userSetText(text);
        codes.CmdDone.setFocus();
    }
};

TEST_F(SmartStartTest, TheNewCompanyPathEndsInASavedCompanyWithItsCodes)
{
    const std::filesystem::path file = folder / "Wizard.QBD";
    bool closedAfter = false;
    onWizard([&](Start& wizard) {
        EXPECT_TRUE(wizard.Options[0].Value());
        wizard.btnNext.userClick();
        closedAfter = !wizard.Visible();
    });
    onNewCompany([](NewCompany& window) {
        window.TextCoName.setText("Wizard Co");
        window.CmdOK.userClick();
    });
    services.answerFileDialog(file.string());
    services.answerMessageBox(platform::Answer::Yes); // registered for VAT
    std::vector<bool> pages;
    onCodeWindow([&](MaintainCodes& codes) {
        pages.push_back(codes.FrameVAT.Visible());
        codes.CmdNewBank.userClick();
        enter(codes, codes.TextVATCode, "S");
        enter(codes, codes.TextVATName, "Standard");
        enter(codes, codes.TextVATRate, "20");
        codes.CmdSaveBank.userClick();
        codes.CmdDone.userClick();
    });
    services.answerMessageBox(platform::Answer::OK); // the bank account notes
    onCodeWindow([&](MaintainCodes& codes) {
        pages.push_back(codes.FrameAccount.Visible());
        codes.CmdNewBank.userClick();
        enter(codes, codes.TextBankCode, "CURR");
        enter(codes, codes.TextBankName, "Current Account");
        enter(codes, codes.TextStartBal, "250");
        codes.CmdSaveBank.userClick();
        codes.CmdDone.userClick();
    });

    start();

    EXPECT_TRUE(closedAfter);
    EXPECT_EQ(pages, (std::vector<bool>{true, true}));
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : Wizard Co");
    EXPECT_EQ(services.modalForms(),
              (std::vector<std::string>{"Start", "NewCompany", "MaintainCodes", "MaintainCodes"}));
    const auto& boxes = services.messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].box.title, "VAT (Tax) Registration");
    EXPECT_EQ(boxes[0].box.text, "Are you Registered For VAT (Tax)?\n\nPressing the Help button below will give \n"
                                 "you further information on VAT (Tax).");
    EXPECT_EQ(boxes[0].box.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(boxes[0].box.helpFile, "QBMAIN.HLP");
    EXPECT_EQ(boxes[0].box.helpContext, 120);
    EXPECT_EQ(boxes[1].box.title, "Enter Bank Account Details");
    EXPECT_TRUE(boxes[1].box.text.starts_with("The Bank Account Dialog will now open. If you have\nthem, please"));
    EXPECT_TRUE(boxes[1].box.text.ends_with("by step demonstration of adding a Bank Account."));
    EXPECT_EQ(boxes[1].box.icon, platform::Icon::Information);
    EXPECT_EQ(boxes[1].box.helpContext, 60);
    EXPECT_EQ(main.book.CurrentDataFilePath, file);

    // The codes came after the Save As: saving keeps them, and the file reopens with all of it.
    main.SaveItem.userClick();
    EXPECT_FALSE(main.book.ledger.FileChanged);
    platform::ScriptedServices quiet;
    core::Book reopened(quiet);
    FakeDataFileWindow window;
    reopened.ledger.AttachWindow(window);
    ASSERT_TRUE(datafile::LoadDataFile(file, reopened, window));
    EXPECT_EQ(runtime::rtrim(reopened.company.CompanyName.view()), "Wizard Co");
    EXPECT_EQ(reopened.codes.ListAnalCodes.ListCount(), 38);
    EXPECT_EQ(reopened.codes.ListAnalCodes.List(37), "XFR  Transfers          ");
    ASSERT_EQ(reopened.codes.ListVATCodes.ListCount(), 1);
    EXPECT_TRUE(reopened.codes.ListVATCodes.List(0).starts_with("S  "));
    EXPECT_NE(reopened.codes.ListVATCodes.List(0).find("Standard"), std::string::npos);
    ASSERT_EQ(reopened.codes.ListBankAccounts.ListCount(), 1);
    const core::BankAccountRecord bank = core::ParseBankAccountLine(reopened.codes.ListBankAccounts.List(0));
    EXPECT_EQ(bank.Code.str(), "CURR  ");
    EXPECT_EQ(bank.StartBalance, 250);
    EXPECT_EQ(reopened.ledger.Filters.Count(), 8);
    EXPECT_EQ(reopened.ledger.Filters.CurrentFilter.Name.str(), "All Off             ");
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(SmartStartTest, NoToVatGoesStraightToTheBankPage)
{
    onWizard([](Start& wizard) { wizard.btnNext.userClick(); });
    onNewCompany([](NewCompany& window) {
        window.TextCoName.setText("No Vat Ltd");
        window.CmdOK.userClick();
    });
    services.cancelFileDialog();
    services.answerMessageBox(platform::Answer::No);
    services.answerMessageBox(platform::Answer::OK);
    bool bankPage = false;
    onCodeWindow([&](MaintainCodes& codes) {
        bankPage = codes.FrameAccount.Visible() && !codes.FrameVAT.Visible();
        codes.CmdDone.userClick();
    });

    start();

    EXPECT_TRUE(bankPage);
    EXPECT_EQ(services.modalForms(), (std::vector<std::string>{"Start", "NewCompany", "MaintainCodes"}));
}

TEST_F(SmartStartTest, CancelClosesTheWizardOnAnEmptyBook)
{
    bool closed = false;
    onWizard([&](Start& wizard) {
        wizard.btnCancel.userClick();
        closed = !wizard.Visible();
    });

    start();

    EXPECT_TRUE(closed);
    EXPECT_TRUE(main.Visible());
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 0);
}

TEST_F(SmartStartTest, ACancelledNewCompanyAsksBeforeLeavingTheWizard)
{
    std::vector<bool> shown;
    onWizard([&](Start& wizard) {
        wizard.btnNext.userClick(); // cancelled, then No: the wizard stays
        shown.push_back(wizard.Visible());
        wizard.btnNext.userClick(); // cancelled, then Yes: it closes
        shown.push_back(wizard.Visible());
    });
    for (int i = 0; i < 2; ++i)
        onNewCompany([](NewCompany& window) { window.CmdDone.userClick(); });
    services.answerMessageBox(platform::Answer::No);
    services.answerMessageBox(platform::Answer::Yes);

    start();

    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    const auto& boxes = services.messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].box.text, "Exit Quillbook Smart Start?");
    EXPECT_EQ(boxes[0].box.title, "Smart Start");
    EXPECT_EQ(boxes[0].box.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(boxes[0].box.icon, platform::Icon::Question);
    EXPECT_EQ(boxes[0].box.defaultButton, 2);
}

TEST_F(SmartStartTest, OpenClosesTheWizardOnlyWhenAFileWasOpened)
{
    const auto company = writeCompany("Shop.QBD", 4);
    std::vector<bool> shown;
    onWizard([&](Start& wizard) {
        wizard.Options[1].userClick();
        wizard.btnNext.userClick();
        shown.push_back(wizard.Visible());
        wizard.btnNext.userClick();
        shown.push_back(wizard.Visible());
    });
    services.cancelFileDialog();
    services.answerFileDialog(company.string());

    start();

    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(services.fileDialogs()[0].title, "Quillbook : Open File...");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 4);
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : Test Company");
}

TEST_F(SmartStartTest, HintsFollowTheFocusAndHelpOpensItsTopics)
{
    std::vector<std::string> hints;
    onWizard([&](Start& wizard) {
        wizard.Options[1].setFocus();
        hints.push_back(wizard.lblHints.Caption());
        wizard.Options[2].setFocus();
        hints.push_back(wizard.lblHints.Caption());
        wizard.Options[0].setFocus();
        hints.push_back(wizard.lblHints.Caption());
        wizard.btnHelp.setFocus();
        hints.push_back(wizard.lblHints.Caption());
        hints.push_back(wizard.Options[0].Caption());
        wizard.btnHelp.userClick();
        wizard.Options[2].userClick();
        wizard.btnNext.userClick();
        EXPECT_TRUE(wizard.Visible());
        wizard.btnCancel.userClick();
    });

    start();

    EXPECT_EQ(hints, (std::vector<std::string>{
                         "Locate your Quillbook Data (QBD) File or Restore a Backup File from disk",
                         "Open the Quillbook Help File at the Contents page",
                         "Opens a dialog so you can create a New Company", "", "Create a New Company"}));
    ASSERT_EQ(services.helpShown().size(), 2u);
    EXPECT_EQ(services.helpShown()[0].command, 1);
    EXPECT_EQ(services.helpShown()[0].topic, 47);
    EXPECT_EQ(services.helpShown()[1].command, 3);
}

} // namespace
