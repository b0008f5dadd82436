#include "DocumentViewerTest.h"

#include "billpane/CancelForm.h"

namespace {

using platform::Stroke;

// The fixture's visible objects as they print: each at its label's place, the hidden note left out.
const Lines AllPrinted = {"1700,720:Quote",           "7200,1440:1,234.50", "720,2000:1 High Street", "720,2240:Leeds",
                          "720,5000:Thank you",       "1000,6000:Please pay within thirty days, thank you"};

class DocumentPrintTest : public DocumentViewerTest {
protected:
    const platform::RecordingPrinter& printer() { return services.recordingPrinter(); }

    void print(int copies = 1)
    {
        services.answerPrinterDialog(copies);
        window->CmdPrint.userClick();
    }
};

TEST_F(DocumentPrintTest, TheDocumentPrintsAsThePageShowsItWithoutAFrame)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    print();
    EXPECT_EQ(onlyPage().lines(), AllPrinted);
    ASSERT_EQ(onlyPage().strokes.size(), 1u) << "the boxed amount only";
    const Stroke& box = onlyPage().strokes[0];
    EXPECT_EQ((std::vector<double>{box.x1, box.y1, box.x2, box.y2}), (std::vector<double>{7200, 1440, 7200 + 900, 1440 + 240}));
    EXPECT_EQ(onlyPage().runs[0].font, (platform::Font{"Arial", 12, true, false, false}));
    EXPECT_EQ(onlyPage().runs[4].font.name, "Times New Roman");

    const platform::PrinterDialog& dialog = services.printerDialogs().at(0);
    EXPECT_EQ(dialog.title, "Quillbook : Set Up Printer");
    EXPECT_EQ(dialog.flags, 524300);
    EXPECT_TRUE(dialog.printerDefault);
    billpane::CancelForm& jobWindow = viewer.PrintJobWindow();
    EXPECT_EQ(jobWindow.LbLReportName.Caption(), "Invoice 000123");
    EXPECT_EQ(jobWindow.LbLRepType.Caption(), "WB_INVOICETEMPLATE");
    EXPECT_FALSE(jobWindow.Visible());
    EXPECT_TRUE(jobWindow.JobPending());
    EXPECT_FALSE(viewer.printing());
    EXPECT_EQ(services.mousePointer(), 0);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DocumentPrintTest, ACopyCountIsPassedOnlyWhenChangedAndARefusalStillPrints)
{
    startOnHandedOverDocument();
    print(3);
    EXPECT_EQ(printer().documents().at(0).copies, 3);

    // Unchanged copies call nothing: a printer that would refuse says nothing.
    services.recordingPrinter().setCopiesAnswer(0);
    print(3);
    EXPECT_TRUE(services.messageBoxes().empty());

    const struct {
        int copiesAnswer;
        int copies;
        std::string message;
    } refusals[] = {
        {0, 2, "Your printer does not appear to be able to print multiple copies : "},
        {-1, 4, "Error while setting number of copies : "},
    };
    for (const auto& refusal : refusals) {
        services.recordingPrinter().setCopiesAnswer(refusal.copiesAnswer);
        services.answerMessageBox(platform::Answer::OK);
        print(refusal.copies);
        EXPECT_EQ(services.messageTexts().back(), refusal.message);
    }
    EXPECT_EQ(printer().endedDocuments(), 4) << "the document prints after either message";

    services.cancelPrinterDialog();
    window->CmdPrint.userClick();
    EXPECT_EQ(printer().endedDocuments(), 4) << "a cancelled printer dialog prints nothing";
    EXPECT_EQ(services.messageTexts().size(), 2u);
}

TEST_F(DocumentPrintTest, CancelAfterTheFirstObjectEndsTheDocumentAndPrintTwicePrintsTwice)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    int yields = 0;
    services.atYield = [&](int) {
        if (++yields == 1)
            viewer.PrintJobWindow().CmdCancel.userClick();
    };
    print();
    EXPECT_EQ(onlyPage().lines(), Lines{"1700,720:Quote"});
    EXPECT_EQ(printer().endedDocuments(), 1);
    EXPECT_FALSE(viewer.PrintJobWindow().Visible());

    services.atYield = nullptr;
    print();
    ASSERT_EQ(printer().documents().size(), 2u);
    EXPECT_EQ(printer().documents()[1].pages.at(0).lines(), AllPrinted);
}

TEST_F(DocumentPrintTest, APaintWhilePrintingStartsNoSecondPrint)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    int yields = 0;
    services.atYield = [&](int) {
        billpane::CancelForm& jobWindow = viewer.PrintJobWindow();
        // The window restored or resized meanwhile, and Cancel pressed before a last repaint.
        jobWindow.Refresh();
        if (++yields == 2) {
            jobWindow.CmdCancel.userClick();
            jobWindow.Refresh();
        }
    };
    print();
    EXPECT_EQ(onlyPage().lines(), (Lines{"1700,720:Quote", "7200,1440:1,234.50"}));
    EXPECT_EQ(printer().endedDocuments(), 1);
    EXPECT_TRUE(viewer.PrintJobWindow().JobPending()) << "armed again once the print has ended";
}

TEST_F(DocumentPrintTest, AFontThePrinterLacksStopsThePrintAndEndsTheDocument)
{
    core::TemplateRecord document = HandedOverDocument();
    document.Objects[2].FontName = "Courier New";
    document.Objects[4].FontName = "Wingdings";
    writeDocument(billpane::HandOverFile, document);
    billpane::InvTemplate& viewer = start();
    services.answerMessageBox(platform::Answer::OK);
    print();
    EXPECT_EQ(services.messageTexts(),
              Lines{"The object 'Thank you' has the following font specified : 'Wingdings'. This is not a suitable font "
                    "for your printer. Choose another font for this object and try again"});
    EXPECT_EQ(services.messageBoxes()[0].box.title, "QB Viewer (32-bit)");
    for (const platform::RecordedDocument& document : printer().documents())
        for (const platform::RecordedPage& page : document.pages)
            EXPECT_TRUE(page.runs.empty()) << "nothing prints";
    EXPECT_TRUE(printer().current().pages.empty()) << "no document is left open";
    EXPECT_FALSE(viewer.PrintJobWindow().Visible());
    EXPECT_FALSE(viewer.printing());
}

} // namespace
