#include <string>
#include <vector>

#include "DocumentTest.h"
#include "documents/DocumentJobs.h"
#include "documents/FieldValues.h"
#include "documents/ObjectLayout.h"
#include "documents/TemplatePrint.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"

namespace {

using platform::Stroke;
using platform::TextRun;

class TemplatePrintTest : public DocumentTest {
protected:
    TemplatePrintTest() { documents::RegisterDocumentJobs(desk, batch); }

    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }
    const platform::RecordedPage& onlyPage()
    {
        EXPECT_EQ(printer().documents().size(), 1u);
        static const platform::RecordedPage none;
        const auto& documents = printer().documents();
        return documents.empty() || documents[0].pages.empty() ? none : documents[0].pages[0];
    }
    const TextRun* run(const std::string& text)
    {
        for (const TextRun& found : onlyPage().runs)
            if (found.text == text)
                return &found;
        ADD_FAILURE() << "not printed: " << text;
        return nullptr;
    }

    documents::BatchInvoiceRun batch;
};

TEST_F(TemplatePrintTest, TheInvoiceOnShowPrintsItsValuesAtTheTemplatesPlaces)
{
    desk.PrintJobWindow().ShowJob("Invoice Ref : 000123", documents::ActualInvoiceTag);

    const TextRun* title = run("INVOICE");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 720);
    EXPECT_EQ(title->y, 720);
    EXPECT_EQ(title->font.name, "Arial");
    EXPECT_EQ(title->font.size, 12.5);
    EXPECT_TRUE(title->font.bold);

    const TextRun* gross = run("     117.50");
    ASSERT_TRUE(gross);
    EXPECT_EQ(gross->x, 6200);
    EXPECT_EQ(gross->y, 1440);
    EXPECT_EQ(gross->font.size, 10);
    EXPECT_FALSE(gross->font.bold);
    ASSERT_EQ(onlyPage().strokes.size(), 1u);
    const Stroke& box = onlyPage().strokes[0];
    EXPECT_EQ(box.kind, Stroke::Kind::Rectangle);
    EXPECT_EQ((std::vector<double>{box.x1, box.y1, box.x2, box.y2}), (std::vector<double>{6190, 1430, 7410, 1690}));

    EXPECT_TRUE(run("     100.00"));
    EXPECT_TRUE(run("      17.50"));
    const TextRun* street = run("2 Low Road");
    const TextRun* town = run("York");
    ASSERT_TRUE(street && town);
    EXPECT_EQ(town->y - street->y, 240);
    EXPECT_EQ(street->x, 720);
    EXPECT_EQ(town->x, 720);

    for (const TextRun& printed : onlyPage().runs)
        EXPECT_NE(printed.text, "Beyond the window") << "an object at the right limit is outside the window";
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_FALSE(desk.PrintingInProgress);
    EXPECT_FALSE(desk.PrintJobWindow().Visible());
    EXPECT_EQ(book.WorkingTemplate.Objects[1].Text, "     117.50") << "the working template keeps the printed values";
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Objects[1].Text, "~TG");
}

TEST_F(TemplatePrintTest, AnObjectOnTheMarginsPrintsAndOneOnTheLimitsDoesNot)
{
    core::TemplateRecord& tmpl = book.Templates[core::SimpleInvoice];
    tmpl.Objects[0] = object("left edge", SideMargin, 360);
    tmpl.Objects[5] = object("bottom limit", 720, 16838 - 2 * 360);
    tmpl.Objects[7] = object("last row", 720, 16838 - 2 * 360 - 1);
    ASSERT_TRUE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    EXPECT_TRUE(run("left edge"));
    EXPECT_TRUE(run("last row"));
    for (const TextRun& printed : onlyPage().runs)
        EXPECT_NE(printed.text, "bottom limit");
}

TEST_F(TemplatePrintTest, AFontThePrinterLacksStopsThePrintBeforeAnything)
{
    services.answerMessageBox(platform::Answer::OK);
    book.Templates[core::SimpleInvoice].Objects[2].FontName = "Wingdings Fancy";
    EXPECT_FALSE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"The object '~TN' has the following font specified : 'Wingdings Fancy'. This is "
                                        "not a suitable font for your printer. Choose another font for this object and "
                                        "try again"}));
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_TRUE(printer().current().pages.empty());
    EXPECT_FALSE(desk.PrintingInProgress);
}

TEST_F(TemplatePrintTest, ATemplateWithNothingVisibleIsRefused)
{
    services.answerMessageBox(platform::Answer::OK);
    for (core::TemplateObject& each : book.Templates[core::SimpleInvoice].Objects)
        each.Visible = 'N';
    EXPECT_FALSE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"This Template has no visible objects - cannot print. Suitable templates can be "
                                        "specified from the Edit Menu."}));
    EXPECT_TRUE(printer().documents().empty());
}

TEST_F(TemplatePrintTest, AnAbsurdMarginGivesThePrintErrorNotAWrappedWindow)
{
    services.answerMessageBox(platform::Answer::OK);
    book.Templates[core::SimpleInvoice].SideMargin = -32000;
    EXPECT_FALSE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0], "Error while printing Invoice, object (), nature of problem : ()  : Overflow");
    EXPECT_FALSE(desk.PrintingInProgress);
}

TEST_F(TemplatePrintTest, AFontSizeThePrinterRefusesNamesItsStep)
{
    services.answerMessageBox(platform::Answer::OK);
    book.Templates[core::SimpleInvoice].Objects[0].FontSize = "big";
    EXPECT_FALSE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Error while printing Invoice, object (INVOICE), nature of "
                                                                 "problem : (Object Font Size)  : Invalid property value"}));
    EXPECT_FALSE(desk.PrintingInProgress);
    EXPECT_FALSE(desk.PrintJobWindow().Visible());
}

TEST_F(TemplatePrintTest, CancelAfterTheFirstObjectStillEndsTheDocument)
{
    services.atYield = [this](int) { desk.PrintJobWindow().CmdCancel_Click(); };
    EXPECT_TRUE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    EXPECT_EQ(onlyPage().runs.size(), 1u);
    EXPECT_EQ(printer().endedDocuments(), 1);
}

TEST(ObjectLayout, LinesSplitAtEachCarriageReturn)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(documents::SplitPrintedLines("A\r\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(documents::SplitPrintedLines("A\r\n"), (Lines{"A", ""}));
    EXPECT_EQ(documents::SplitPrintedLines(""), (Lines{""}));
    EXPECT_EQ(documents::SplitPrintedLines("A\rxB"), (Lines{"A", "B"})) << "the character after a CR is skipped";
}

TEST_F(TemplatePrintTest, ABoxAroundATextEndingInALineBreakIsTwoLinesHigh)
{
    platform::Printer& device = services.printer();
    device.setFontName("Arial");
    device.setFontSize(10);
    device.setCurrentY(1000);
    documents::PrintDocumentText(device, {"A\r\n", 1000, 'L', 500, 1000, true});
    device.EndDoc();
    const Stroke& box = onlyPage().strokes.at(0);
    EXPECT_EQ(box.y2 - box.y1, 2 * 240 + 20);
    EXPECT_EQ(box.x1, 490);
}

TEST_F(TemplatePrintTest, TheSampleFramesThePrintableAreaAndBoxesFromTheShownPlace)
{
    book.WorkingTemplate = book.Templates[core::SimpleInvoice];
    documents::ShownObjects shown;
    shown[1] = {"<GRS9,999.99>", 1300, 1, 6000, 1440};
    shown[0] = {"INVOICE", 2000, 0, 720, 720};
    ASSERT_TRUE(documents::PrintTemplateSample(desk, shown));
    EXPECT_TRUE(run("<GRS9,999.99>"));
    const auto& strokes = onlyPage().strokes;
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].x1, 6000);
    EXPECT_EQ(strokes[0].y1, 1440);
    const Stroke& frame = strokes[1];
    EXPECT_EQ((std::vector<double>{frame.x1, frame.y1, frame.x2, frame.y2}),
              (std::vector<double>{360, 360, PageWidth - 720, 16838 - 720}));
}

} // namespace
