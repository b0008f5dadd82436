#include <string>
#include <vector>

#include "DocumentTest.h"
#include "core/TemplateRecord.h"
#include "datafile/TemplateBlock.h"
#include "documents/DocumentPreview.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace {

using Lines = std::vector<std::string>;

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

    // The plain-text document's lines from the customer's name to the end, around the split table.
    Lines plainText(const std::string& title, const Lines& splitTable, const std::string& vatLine,
                    const std::string& net, const std::string& total)
    {
        const std::string rule = std::string(45, ' ') + "\t" + std::string(12, '_');
        Lines lines = {title, std::string(61, '_'), "", "15/June/2025 ", "", "", "", "",
                       runtime::padRight("Acme Widgets Ltd", 20), runtime::padRight("1 High Street  ", 44),
                       runtime::padRight("Leeds", 44), std::string(44, ' '), "", "", "",
                       runtime::padRight("      Widgets as ordered", 44 + 6 - 18 + 18), "      ", "      ", ""};
        lines.insert(lines.end(), splitTable.begin(), splitTable.end());
        const Lines tail = {"      Net                                 \t\xA3" + net, "", vatLine, "", rule, "",
                            "      Total                               \t\xA3" + total, rule, "", "", "",
                            "Tax Point     : 01/June/2025", "", "E&OE", " "};
        lines.insert(lines.end(), tail.begin(), tail.end());
        return lines;
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
    EXPECT_EQ(reportLines(),
              plainText("INVOICE                                 Invoice Number 000123", {},
                        "      VAT at   17.50%                       \t\xA3      17.50", "     100.00", "     117.50"));
}

TEST_F(DocumentPreviewTest, AMultiLineInvoiceListsItsSplits)
{
    host.output = reports::ReportOutput::Notepad;
    editBox.shown.VAT = "SPL Split";
    editBox.shown.VATAmount = "7.45";
    editBox.shown.Amount = "70.00";
    book.SplitTail = twoSplits();
    preview(core::MultiLineInvoice);
    const Lines table = {"      Item                                   NET VAT Code    VAT       Total",
                         "      ______________________________________________________________________",
                         "      " + runtime::padRight("Paper", 30) + "       42.55 S          7.45       50.00",
                         "      " + runtime::padRight("Books", 30) + "       20.00 Z          0.00       20.00", "", ""};
    EXPECT_EQ(reportLines(), plainText("INVOICE                                 Invoice Number 000123", table,
                                       "      VAT                                   \t\xA3       7.45", "      62.55",
                                       "      70.00"));
}

TEST_F(DocumentPreviewTest, ARemittanceAdviceOfANegativeAmountShowsItsSize)
{
    host.output = reports::ReportOutput::Notepad;
    editBox.shown.Amount = "-117.50";
    editBox.shown.VAT = "SPL Split";
    editBox.shown.VATAmount = "17.50";
    preview(core::RemittanceAdvice);
    EXPECT_EQ(reportLines(),
              plainText("REMITTANCE ADVICE                     Reference Number 000123", {},
                        "      VAT                                   \t\xA3      17.50", "     100.00", "     117.50"));
}

} // namespace
