#include <string>
#include <vector>

#include "DocumentTest.h"
#include "core/TemplateRecord.h"
#include "datafile/TemplateBlock.h"
#include "documents/DocumentPreview.h"
#include "runtime/TextFile.h"
#include "support/FileBytes.h"

namespace {

class DocumentPreviewTest : public DocumentTest {
protected:
    void preview(int kind) { documents::PreviewDocument(desk, book.Templates[static_cast<std::size_t>(kind)], kind); }

    std::vector<std::string> startedCommands() const
    {
        std::vector<std::string> commands;
        for (const auto& started : services.startedPrograms())
            commands.push_back(started.commandLine);
        return commands;
    }

    // The plain-text documents were written by hand, line by line, for the fixture's invoice 000123.
    static std::string golden(const std::string& name)
    {
        return readBytes(std::filesystem::path(QB_TEST_DATA) / "documents" / name);
    }
};

TEST_F(DocumentPreviewTest, TheViewerGetsTheFilledTemplateUnderTheKindsName)
{
    preview(core::SimpleInvoice);

    EXPECT_EQ(startedCommands(), (std::vector<std::string>{"BILLPANE.EXE"}));
    EXPECT_EQ(reportLines().size(), static_cast<std::size_t>(datafile::TemplateBlockLineCount));
    core::TemplateRecord handedOver;
    runtime::TextReader file(reportPath());
    datafile::ReadTemplateBlock(file, handedOver);
    EXPECT_EQ(handedOver.Name, "Simple Invoice");
    EXPECT_EQ(handedOver.Objects[1].Text, "     117.50");
    EXPECT_EQ(handedOver.Objects[4].Text, "2 Low Road\r\nYork");
    EXPECT_EQ(handedOver.Objects[6].Text, "Thank you");
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Objects[1].Text, "~TG");
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Name, "My Invoice");
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DocumentPreviewTest, TheMailMergeLetterIsNamedAfterItsCustomer)
{
    book.Templates[core::MailMergeLetter] = book.Templates[core::SimpleInvoice];
    book.Templates[core::MailMergeLetter].Objects[2].Text = "~CN";
    book.MailMergeCustomerCode = "ACM";
    preview(core::MailMergeLetter);
    EXPECT_EQ(book.WorkingTemplate.Name, "Mail Merge Customer ACM   ");
    EXPECT_EQ(book.WorkingTemplate.Objects[1].Text, "~TG");
}

TEST_F(DocumentPreviewTest, AMissingViewerIsReportedAndTheDocumentStaysWritten)
{
    services.setStartProgramResult(false);
    services.answerMessageBox(platform::Answer::OK);
    preview(core::SimpleInvoice);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Error while attempting to preview document : File not found"}));
    EXPECT_EQ(reportLines().size(), static_cast<std::size_t>(datafile::TemplateBlockLineCount));
}

TEST_F(DocumentPreviewTest, AnUnwritableHandOverStartsNoViewer)
{
    std::filesystem::create_directory(reportPath());
    services.answerMessageBox(platform::Answer::OK);
    preview(core::SimpleInvoice);
    EXPECT_TRUE(services.startedPrograms().empty());
    ASSERT_EQ(services.messageTexts().size(), 1u);
}

TEST_F(DocumentPreviewTest, WithAnEditorChosenTheInvoiceIsPlainText)
{
    host.output = reports::ReportOutput::Notepad;
    preview(core::SimpleInvoice);
    EXPECT_EQ(startedCommands(), (std::vector<std::string>{"Notepad.exe QB.TXT"}));
    EXPECT_EQ(readBytes(reportPath()), golden("simple-invoice.txt"));
}

TEST_F(DocumentPreviewTest, AMultiLineInvoiceListsItsSplits)
{
    host.output = reports::ReportOutput::Notepad;
    editBox.shown.VAT = "SPL Split";
    editBox.shown.VATAmount = "7.45";
    editBox.shown.Amount = "70.00";
    book.SplitTail = twoSplits();
    preview(core::MultiLineInvoice);
    EXPECT_EQ(readBytes(reportPath()), golden("multi-line-invoice.txt"));
}

TEST_F(DocumentPreviewTest, ARemittanceAdviceOfANegativeAmountShowsItsSize)
{
    host.output = reports::ReportOutput::Notepad;
    editBox.shown.Amount = "-117.50";
    editBox.shown.VAT = "SPL Split";
    editBox.shown.VATAmount = "17.50";
    preview(core::RemittanceAdvice);
    EXPECT_EQ(readBytes(reportPath()), golden("remittance-advice.txt"));
}

} // namespace
