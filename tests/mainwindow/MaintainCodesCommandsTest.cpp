#include "CodeWindowTest.h"

#include <string>
#include <vector>

#include "core/TemplateRecord.h"
#include "datafile/TemplateBlock.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"
#include "runtime/TextFile.h"

using core::CodeKind;
using platform::Answer;

namespace {

using Texts = std::vector<std::string>;

// Delete, Print and Mail Letter on the code window's pages.
class CodeCommandsTest : public CodeWindowTest {
protected:
    CodeCommandsTest()
    {
        addBankLine("BANK01", "Current", 100);
        addVatLine("ZER", "Zero rated", 0);
        addCustomerLine("ACME01", "Acme Widgets", "2 Mill Lane\r\nYork");
        add({.bank = "BANK01", .cust = "ACME01", .vat = "ZER"});
    }

    // Opens the page, shows the code in its box as a double-click does, and presses Delete.
    void deleteCode(platform::Frame& page, platform::TextBox& codeBox, const std::string& code)
    {
        open(page);
        codes.CmdNewBank.userClick();
        codeBox.userSetText(code);
        book.ledger.FileChanged = false;
        codes.CmdDeleteBank.userClick();
    }

    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }
    // The first run of the first printed page: its title line.
    std::string printedTitle()
    {
        const auto& documents = printer().documents();
        if (documents.empty() || documents[0].pages.empty() || documents[0].pages[0].runs.empty())
            return {};
        return documents[0].pages[0].runs[0].text;
    }
};

TEST_F(CodeCommandsTest, DeletingAUsedCodeWarnsAndAfterYesLeavesTheTransactionsAlone)
{
    services.answerMessageBox(Answer::Yes);
    deleteCode(codes.FrameAccount, codes.TextBankCode, "BANK01");

    EXPECT_EQ(services.messageTexts(),
              Texts{"Code 'BANK01' is used in a number of transactions. Are you sure you wish to delete it?"});
    EXPECT_EQ(onlyBox().defaultButton, 2) << "No is the default";
    EXPECT_EQ(items(book.codes.ListBankAccounts), Texts{});
    EXPECT_EQ(items(book.codes.ComboBank), Texts{});
    EXPECT_EQ(book.ledger.Transactions.Line(1).substr(20, 6), "BANK01");
    EXPECT_EQ(codes.TextBankCode.Text(), "");
    EXPECT_TRUE(book.codes.BankListChanged);
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_EQ(host.saves, 0);
}

TEST_F(CodeCommandsTest, DeletingAnUnusedCodeAsksPlainlyAndALowerCaseCodeDeletesTheUpperCaseOne)
{
    addVatLine("STD", "Standard", 17.5);
    services.answerMessageBox(Answer::Yes);
    deleteCode(codes.FrameVAT, codes.TextVATCode, "std");

    EXPECT_EQ(services.messageTexts(), Texts{"Delete code 'STD' ?"});
    EXPECT_EQ(items(book.codes.ListVATCodes).size(), 1u);
    EXPECT_EQ(items(book.codes.ComboVAT), Texts{"ZER Zero rated"});
    EXPECT_TRUE(book.codes.VatListChanged);
}

// Only live transactions use a code: one that deleted transactions alone carry is deleted with the
// plain question.
TEST_F(CodeCommandsTest, ACodeOnlyDeletedTransactionsCarryIsAskedAboutPlainly)
{
    addCustomerLine("GONE01", "Gone Ltd");
    add({.bank = "BANK01", .cust = "GONE01", .deleted = true});
    services.answerMessageBox(Answer::Yes);
    deleteCode(codes.FrameCustomers, codes.TextCustCode, "GONE01");
    add({.bank = "BANK01", .cust = "ACME01", .deleted = true});
    services.answerMessageBox(Answer::No);
    deleteCode(codes.FrameCustomers, codes.TextCustCode, "acme01");
    EXPECT_EQ(services.messageTexts(),
              (Texts{"Delete code 'GONE01' ?",
                     "Code 'ACME01' is used in a number of transactions. Are you sure you wish to delete it?"}))
        << "ACME01 has a live transaction too";
    EXPECT_EQ(items(book.codes.ComboCustomer), Texts{"ACME01 Acme Widgets"});
}

TEST_F(CodeCommandsTest, NoOrABlankCodeChangesNothing)
{
    services.answerMessageBox(Answer::No);
    deleteCode(codes.FrameCustomers, codes.TextCustCode, "ACME01");
    deleteCode(codes.FrameCustomers, codes.TextCustCode, "  ");

    EXPECT_EQ(services.messageTexts(),
              Texts{"Code 'ACME01' is used in a number of transactions. Are you sure you wish to delete it?"});
    EXPECT_EQ(items(book.codes.ListCustCodes).size(), 1u);
    EXPECT_EQ(items(book.codes.ComboCustomer).size(), 1u);
    EXPECT_EQ(codes.TextCustCode.Text(), "  ");
    EXPECT_FALSE(book.codes.CustomerListChanged);
    EXPECT_FALSE(book.ledger.FileChanged);
}

TEST_F(CodeCommandsTest, ACodeNotInTheTableIsReportedAndStillMarksTheBookChanged)
{
    host.autoSave = true;
    services.answerMessageBox(Answer::Yes);
    services.answerMessageBox(Answer::OK);
    deleteCode(codes.FrameCustomers, codes.TextCustCode, "ZZZ999");

    EXPECT_EQ(services.messageTexts(), (Texts{"Delete code 'ZZZ999' ?", "Customer Code 'ZZZ999' does not exist"}));
    EXPECT_EQ(items(book.codes.ListCustCodes).size(), 1u);
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_EQ(host.saves, 1) << "auto-save writes the file at once";
}

TEST_F(CodeCommandsTest, ANotExistingCodeIsQuotedPaddedToItsWidth)
{
    services.answerMessageBox(Answer::Yes);
    services.answerMessageBox(Answer::OK);
    deleteCode(codes.FrameCategories, codes.TextAnalCode, "xy");
    EXPECT_EQ(services.messageTexts().back(), "Analysis Code 'XY  ' does not exist");
}

TEST_F(CodeCommandsTest, AfterADeleteUpdateAddsTheCodeThePageThenHolds)
{
    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME01");
    services.answerMessageBox(Answer::Yes);
    codes.CmdDeleteBank.userClick();
    ASSERT_EQ(items(book.codes.ListCustCodes), Texts{});

    enter(codes.TextCustCode, "NEW01");
    enter(codes.TextCustName, "New customer");
    codes.CmdSaveBank.userClick();
    EXPECT_EQ(items(book.codes.ComboCustomer), Texts{"NEW01  New customer"});
}

TEST_F(CodeCommandsTest, PrintRunsThePagesListUnderItsCaptionAndTag)
{
    const struct {
        platform::Frame& page;
        std::string caption;
        std::string tag;
    } cases[] = {
        {codes.FrameAccount, "Bank Account Report", "WB_BCDUMP"},
        {codes.FrameVAT, "VAT Code Report", "WB_VCDUMP"},
        {codes.FrameCustomers, "Customer Report", "WB_CCDUMP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        open(c.page);
        services.answerPrinterDialog();
        codes.CmdPrint.userClick();
        const reports::CancelForm& printJob = host.desk.PrintJobWindow();
        EXPECT_EQ(printJob.LbLReportName.Caption(), c.caption);
        EXPECT_EQ(printJob.LbLRepType.Caption(), c.tag);
        EXPECT_EQ(printedTitle().rfind("Quillbook 2000-32 " + c.caption, 0), 0u) << printedTitle();
        codes.CmdDone.userClick();
        printer() = platform::RecordingPrinter();
    }
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(CodeCommandsTest, AnEmptyTableIsToldBeforeAnyPrinterDialogAndARefusedFontBeforeThat)
{
    open(codes.FrameCategories);
    services.answerMessageBox(Answer::OK);
    codes.CmdPrint.userClick();
    EXPECT_EQ(services.messageTexts(), Texts{"There are no Category Records to print..."});

    host.desk.Settings.FontName = "NoSuchFont";
    services.answerMessageBox(Answer::OK);
    codes.CmdPrint.userClick();
    EXPECT_EQ(services.messageTexts().back(),
              "'NoSuchFont' is not a suitable font for your printer. Please choose another font and try again (the font "
              "selection facility is available as the last item on the Reports menu).");
    EXPECT_TRUE(services.printerDialogs().empty());
    EXPECT_TRUE(printer().documents().empty());
}

TEST_F(CodeCommandsTest, ACancelledPrinterSetUpPrintsNothing)
{
    open(codes.FrameAccount);
    services.cancelPrinterDialog();
    codes.CmdPrint.userClick();
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_EQ(services.printerDialogs().size(), 1u);
}

TEST_F(CodeCommandsTest, MailLetterHandsTheCustomersLetterToTheDocumentViewer)
{
    book.Templates[core::MailMergeLetter].Name = "Letter";
    book.Templates[core::MailMergeLetter].Objects[0].Text = "Dear ~CN";
    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME01");
    codes.MailLetter.userClick();

    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "BILLPANE.EXE");
    core::TemplateRecord handedOver;
    runtime::TextReader file(host.reportFolder.path() / "QB.TXT");
    datafile::ReadTemplateBlock(file, handedOver);
    EXPECT_EQ(handedOver.Name, "Mail Merge Customer ACME01");
    EXPECT_EQ(book.MailMergeCustomerCode.str(), "ACME01");
    EXPECT_EQ(book.Templates[core::MailMergeLetter].Name, "Letter") << "the stored template stays as it was";
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(CodeCommandsTest, MailLetterNeedsTheViewerAsReportEditorAndACustomerInTheBox)
{
    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME01");
    host.reportHost.output = reports::ReportOutput::Notepad;
    services.answerMessageBox(Answer::OK);
    codes.MailLetter.userClick();

    host.reportHost.output = reports::ReportOutput::Datapeek;
    codes.CmdNewBank.userClick();
    services.answerMessageBox(Answer::OK);
    codes.MailLetter.userClick();

    EXPECT_EQ(services.messageTexts(),
              (Texts{"You can only produce a mail letter if you have selected 'DATAPEEK' as your report editor (Main "
                     "screen, Options menu).",
                     "Double click on the Customer you wish to Mail to, then try again."}));
    EXPECT_TRUE(services.startedPrograms().empty());
    EXPECT_FALSE(std::filesystem::exists(host.reportFolder.path() / "QB.TXT"));
}

} // namespace
