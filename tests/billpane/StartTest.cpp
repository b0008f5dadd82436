#include "DocumentViewerTest.h"

#include "documents/TemplateCanvas.h"
#include "runtime/PathText.h"
#include "support/FileBytes.h"

namespace {

using documents::BoxedShade;
using documents::HiddenGrey;
using documents::PageWhite;

TEST_F(DocumentViewerTest, TheHandedOverDocumentShowsWhereItsTextsPrint)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    EXPECT_EQ(viewer.Caption(), "QB : Preview Invoice 000123");
    EXPECT_TRUE(services.messageBoxes().empty());

    struct Shown {
        int index;
        std::string caption;
        std::string font;
        long fore;
        long back;
        double left;
        double top;
    };
    const Shown expected[] = {
        // centred: 1000 + 2000 / 2 - 600 / 2
        {0, "Quote", "Arial", platform::Black, PageWhite, 1700, 720},
        // right-aligned: 6000 + 2000 - 8 characters of 100
        {1, "1,234.50", "Arial", platform::Black, BoxedShade, 7200, 1440},
        {2, "1 High Street\r\nLeeds", "Arial", platform::Black, PageWhite, 720, 2000},
        {3, "Internal note", "Arial", HiddenGrey, PageWhite, 720, 4000},
        {4, "Thank you", "SYSTEM", platform::Black, PageWhite, 720, 5000},
        // 4000 twips of text would start at 0: the label stays at the object's left
        {5, "Please pay within thirty days, thank you", "Arial", platform::Black, PageWhite, 1000, 6000},
        {6, "", "SYSTEM", HiddenGrey, PageWhite, 0, 0},
    };
    for (const Shown& want : expected) {
        const platform::Label& label = viewer.ScrnObj[want.index];
        SCOPED_TRACE("object " + std::to_string(want.index));
        EXPECT_EQ(label.Caption(), want.caption);
        EXPECT_EQ(label.FontName(), want.font);
        EXPECT_EQ(label.ForeColor(), want.fore);
        EXPECT_EQ(label.BackColor(), want.back);
        EXPECT_EQ(label.Left(), want.left);
        EXPECT_EQ(label.Top(), want.top);
    }
    EXPECT_TRUE(viewer.ScrnObj[0].FontBold());
    EXPECT_EQ(viewer.ScrnObj[0].FontSize(), 12);
    EXPECT_EQ(viewer.ScrnObj[6].FontSize(), 8) << "no size gives 8";
    EXPECT_EQ(viewer.ScrnObj[1].Alignment(), platform::RightJustify);
    EXPECT_EQ(viewer.document().Objects[4].FontName, "Times New Roman") << "the document keeps its font";
    EXPECT_EQ(viewer.document().Objects[0].Left, 1000) << "showing moves no object";
    EXPECT_EQ(viewer.BoxMargins.Left(), 360);
    EXPECT_EQ(viewer.BoxMargins.Width(), 11906 - 720);
    EXPECT_EQ(viewer.ScrollSide.Value(), 360);
    EXPECT_EQ(viewer.ScrollTop.Max(), 4210);
    EXPECT_TRUE(viewer.showErrors()) << "every failure after start-up is shown";
}

TEST_F(DocumentViewerTest, WithoutAHandedOverDocumentThePageIsEmptyAndNothingIsSaid)
{
    billpane::InvTemplate& viewer = start();
    EXPECT_EQ(viewer.Caption(), "QB : Preview ");
    EXPECT_TRUE(services.messageBoxes().empty());
    for (const platform::Label& label : viewer.ScrnObj.elements())
        EXPECT_EQ(label.Caption(), "") << "no placeholder captions: " << label.Index();
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(DocumentViewerTest, ACutHandOverFileIsSilentAtStartAndShowsAnEmptyPage)
{
    writeDocument(billpane::HandOverFile, HandedOverDocument());
    const std::string bytes = readBytes(folder / billpane::HandOverFile);
    writeBytes(folder / billpane::HandOverFile, bytes.substr(0, bytes.size() / 2));
    billpane::InvTemplate& viewer = start();
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(viewer.Caption(), "QB : Preview ");
    EXPECT_EQ(viewer.ScrnObj[0].Caption(), "") << "half a document is not taken";
}

// Started in a folder whose name Windows-1252 may or may not hold, the viewer finds the document
// handed over there and saves and loads document files of any name beside it.
TEST_F(DocumentViewerTest, TheHandedOverDocumentIsFoundInAFolderOfAnyName)
{
    for (const std::string name : {"Caf\xC3\xA9", "\xE5\xB8\xB3\xE7\xB0\xBF"}) {
        SCOPED_TRACE(name);
        std::filesystem::create_directories(folder / name);
        writeDocument(name + "/" + billpane::HandOverFile, HandedOverDocument());
        billpane::InvTemplate viewer(services, folder / name);
        viewer.Show();
        EXPECT_EQ(viewer.Caption(), "QB : Preview Invoice 000123");

        const std::filesystem::path copy = folder / name / "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87.INV";
        services.answerFileDialog(runtime::textOfPath(copy));
        viewer.CmdSaveAs.userClick();
        EXPECT_TRUE(std::filesystem::exists(copy));
        services.answerFileDialog(runtime::textOfPath(copy));
        viewer.CmdLoad.userClick();
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DocumentViewerTest, ThePageTakesThePrintersSize)
{
    services.recordingPrinter().setPageSize(40000, 16838);
    billpane::InvTemplate& viewer = start();
    EXPECT_EQ(viewer.ScrollFrame.Width(), 32000);
    EXPECT_EQ(viewer.HScroll.SmallChange(), 160);
    EXPECT_EQ(viewer.HScroll.LargeChange(), 1600);
    EXPECT_EQ(viewer.ScrollFrame.Height(), 16838);
    EXPECT_EQ(viewer.VScroll.SmallChange(), 84);
    EXPECT_EQ(viewer.VScroll.LargeChange(), 842);
}

TEST_F(DocumentViewerTest, CloseEndsTheProgramWithoutAskingOrSaving)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    viewer.ScrnObj[2].userMouseDown(1, 0, 10, 10);
    viewer.ScrollFrame.userDrop(viewer.ScrnObj[2], 3010, 3010);
    const std::string before = readBytes(folder / billpane::HandOverFile);
    viewer.CmdClose.userClick();
    EXPECT_TRUE(services.programEnded());
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(readBytes(folder / billpane::HandOverFile), before);
}

} // namespace
