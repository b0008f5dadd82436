#include <string>
#include <vector>

#include "MainTest.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"
#include "support/FileBytes.h"

namespace {

// The Invoices menu acts on what the edit box shows, through the stored templates.
class DocumentsMenuTest : public MainTest {
protected:
    DocumentsMenuTest()
    {
        cancelWizard();
        start();
        core::TemplateObject& gross = main.book.Templates[core::SimpleInvoice].Objects[0];
        gross.Text = "~TG";
        gross.FontName = "Arial";
        gross.FontSize = "10";
        gross.Alignment = 'L';
        gross.Visible = 'Y';
        gross.Left = 720;
        gross.Top = 720;
        gross.Width = 2000;
        main.TextAmount.setText("117.50");
        main.TextRef.setText("000123");
    }

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

TEST_F(DocumentsMenuTest, PrintInvoicePrintsTheEditBoxsInvoice)
{
    services.answerPrinterDialog();
    main.ItemQuickSimpleInv.Click();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"     117.50"}));
    EXPECT_EQ(main.reportDesk.PrintJobWindow().LbLReportName.Caption(), "Invoice Ref : 000123");
}

TEST_F(DocumentsMenuTest, ACancelledPrinterDialogPrintsNothing)
{
    services.cancelPrinterDialog();
    main.ItemQuickSimpleInv.Click();
    EXPECT_TRUE(services.recordingPrinter().documents().empty());
}

// A template that would print a blank page says so before the printer is set up.
TEST_F(DocumentsMenuTest, ATemplateWithNothingVisibleIsRefusedBeforeThePrinterSetUp)
{
    services.answerMessageBox(platform::Answer::OK);
    main.ItemQuickRemit.Click();
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"This Template has no visible objects - cannot print. Suitable templates can be "
                                        "specified from the Edit Menu."}));
    EXPECT_TRUE(services.printerDialogs().empty());
    EXPECT_TRUE(services.recordingPrinter().documents().empty());
}

TEST_F(DocumentsMenuTest, PreviewHandsTheFilledInvoiceToTheDocumentViewer)
{
    main.RepInvItem.Click();
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "BILLPANE.EXE");
    const std::string handedOver = readBytes(folder.path() / "QB.TXT");
    EXPECT_NE(handedOver.find("Simple Invoice\r\n"), std::string::npos);
    EXPECT_NE(handedOver.find("     117.50"), std::string::npos);
}

} // namespace
