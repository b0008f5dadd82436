#include <string>
#include <vector>

#include "DesignerTest.h"

namespace {

using documents::InvTemplate;

class TemplateCanvasTest : public DesignerTest {};

TEST_F(TemplateCanvasTest, OpeningATemplateDrawsItsObjectsMarginsAndBarsOnAPrinterSizedPage)
{
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_EQ(d.Caption(), "Edit Simple Invoice template");
        EXPECT_EQ(d.LblWhatTemplate.Caption(), "1");
        EXPECT_EQ(d.ScrollFrame.Width(), 11906);
        EXPECT_EQ(d.ScrollFrame.Height(), 16838);
        EXPECT_EQ(d.HScroll.SmallChange(), 60);
        EXPECT_EQ(d.HScroll.LargeChange(), 595);
        EXPECT_EQ(d.VScroll.SmallChange(), 84);
        EXPECT_EQ(d.VScroll.LargeChange(), 842);
        EXPECT_EQ(d.HScroll.Max(), 11906);
        EXPECT_EQ(d.VScroll.Max(), 16838);
        EXPECT_EQ(d.ScrollSide.Max(), 2976);
        EXPECT_EQ(d.ScrollTop.Max(), 4210);
        EXPECT_EQ(d.ScrollSide.Value(), 360);
        EXPECT_EQ(d.ScrollTop.Value(), 360);
        EXPECT_EQ((std::vector<double>{d.BoxMargins.Left(), d.BoxMargins.Top(), d.BoxMargins.Width(), d.BoxMargins.Height()}),
                  (std::vector<double>{360, 360, 11186, 16118}));

        const platform::Label& title = d.ScrnObj[0];
        EXPECT_EQ(title.Caption(), "Smith & Sons");
        EXPECT_FALSE(title.UseMnemonic()) << "an & shows as it prints";
        EXPECT_EQ(title.FontName(), "Arial");
        EXPECT_EQ(title.FontSize(), 12);
        EXPECT_EQ(title.Alignment(), platform::LeftJustify);
        EXPECT_EQ(title.ForeColor(), platform::Black);
        EXPECT_EQ(title.BackColor(), documents::PageWhite);
        EXPECT_EQ(title.Left(), 720);
        EXPECT_EQ(title.Top(), 720);
        EXPECT_EQ(title.Width(), 12 * 10 * 12) << "the label sizes itself to its caption";

        EXPECT_EQ(d.ScrnObj[1].Caption(), "<GRS9,999.99>") << "a special field shows its sample";
        EXPECT_EQ(d.ScrnObj[1].Alignment(), platform::RightJustify);
        EXPECT_EQ(d.ScrnObj[1].BackColor(), documents::BoxedShade);
        EXPECT_EQ(d.ScrnObj[2].ForeColor(), platform::ButtonFaceColour) << "a hidden object is greyed";
        EXPECT_EQ(d.ScrnObj[4].FontName(), "Arial") << "a font the screen lacks gives the last one it took";
        EXPECT_EQ(d.ScrnObj[5].Caption(), "Screen Object 05");
        EXPECT_EQ(d.ScrnObj[29].Caption(), "Screen Object 29");
        d.Unload();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TemplateCanvasTest, PrintersOfNoOrHugePagesGiveTheLargestPage)
{
    services.recordingPrinter().setPageSize(40000, 0);
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_EQ(d.ScrollFrame.Width(), 32000);
        EXPECT_EQ(d.ScrollFrame.Height(), 32000);
        for (const platform::ScrollBar* bar : {&d.HScroll, &d.VScroll}) {
            EXPECT_EQ(bar->SmallChange(), 160);
            EXPECT_EQ(bar->LargeChange(), 1600);
        }
        d.Unload();
    });
}

TEST_F(TemplateCanvasTest, AWindowTooSmallGrowsToItsLeastHeightThenWidthAndLaysOutItsParts)
{
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.Move(0, 0, 4000, 3000);
        EXPECT_EQ(d.Height(), 3600);
        EXPECT_EQ(d.Width(), 5100);
        EXPECT_EQ(d.MainFrame.Width(), 4100);
        EXPECT_EQ(d.MainFrame.Height(), 3600 - d.MainFrame.Top() - 1050);
        EXPECT_EQ(d.VScroll.Left(), d.MainFrame.Left() + 4100);
        EXPECT_EQ(d.HScroll.Top(), d.MainFrame.Top() + d.MainFrame.Height());
        EXPECT_EQ(d.ScrollSide.Top(), d.HScroll.Top() + 50 + d.HScroll.Height());
        EXPECT_EQ(d.Label1[1].Top(), d.ScrollSide.Top());
        EXPECT_EQ(d.FrameCmdBar.Width(), d.VScroll.Width() + 4100 + 350);
        EXPECT_EQ(d.CmdPrint.Left(), d.FrameCmdBar.Width() - d.CmdClose.Width() - d.CmdClose.Left());
        const double closeRight = d.CmdClose.Left() + d.CmdClose.Width();
        EXPECT_EQ(d.CmdSaveAs.Left() + d.CmdSaveAs.Width(), (d.CmdPrint.Left() + closeRight) / 2 - 50);
        EXPECT_EQ(d.CmdLoad.Left(), d.CmdSaveAs.Left() + d.CmdSaveAs.Width() + 100);
        EXPECT_EQ(d.ActiveControl(), &d.CmdClose);
        d.Unload();
    });
}

TEST_F(TemplateCanvasTest, ScrollBarsMoveThePageAndMarginBarsSetTheMargins)
{
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.HScroll.userStep(10, true);
        EXPECT_EQ(d.ScrollFrame.Left(), 120 - 5950);
        d.VScroll.userDrag(16838);
        d.VScroll.userRelease();
        EXPECT_EQ(d.ScrollFrame.Top(), 120 - 16838) << "the page's bottom can be brought into view";

        d.ScrollTop.userDrag(720);
        d.ScrollTop.userRelease();
        d.ScrollSide.userStep(2);
        EXPECT_EQ(d.record().TopMargin, 720);
        EXPECT_EQ(d.record().SideMargin, 400);
        EXPECT_EQ((std::vector<double>{d.BoxMargins.Left(), d.BoxMargins.Top(), d.BoxMargins.Width(), d.BoxMargins.Height()}),
                  (std::vector<double>{400, 720, 11906 - 800, 16838 - 1440}));
    });
}

TEST_F(TemplateCanvasTest, ADraggedObjectLandsWhereItsGrabPointIsDroppedOnThePageOrOnAnotherObject)
{
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        platform::Label& title = d.ScrnObj[0];
        title.userMouseDown(1, 0, 100, 50);
        EXPECT_TRUE(title.isDragging());
        EXPECT_EQ(d.DraggedObject(), 0);
        EXPECT_GT(title.stackLevel(), d.ScrnObj[1].stackLevel()) << "the dragged object comes to the front";
        d.ScrollFrame.userDrop(title, 4100, 3050);
        EXPECT_FALSE(title.isDragging());
        EXPECT_EQ(title.Left(), 4000);
        EXPECT_EQ(title.Top(), 3000);
        EXPECT_EQ(d.record().Objects[0].Left, 4000);
        EXPECT_EQ(d.record().Objects[0].Top, 3000);
        EXPECT_EQ(d.DraggedObject(), -1);

        // The same screen point over object 3 (at 720, 1080) gives the same place.
        platform::Label& second = d.ScrnObj[3];
        title.userMouseDown(1, 0, 100, 50);
        second.userDrop(title, 6100 - 720, 5050 - 1080);
        EXPECT_EQ(d.record().Objects[0].Left, 6000);
        EXPECT_EQ(d.record().Objects[0].Top, 5000);
        EXPECT_EQ(second.Left(), 720) << "the target only gives the place";
        EXPECT_EQ(d.record().Objects[3].Left, 720);
    });
}

TEST_F(TemplateCanvasTest, GuideLinesFollowThePressedMouseOnTheBarePageAndStayWhereLeft)
{
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_FALSE(d.LineVert.Visible());
        d.ScrollFrame.userMouseDown(1, 0, 2000, 3000);
        EXPECT_TRUE(d.GuideLinesActive());
        EXPECT_TRUE(d.LineVert.Visible() && d.LineHoriz.Visible());
        d.ScrollFrame.userMouseMove(1, 0, 2500, 3500);
        d.ScrollFrame.userMouseUp(1, 0, 2600, 3600);
        EXPECT_FALSE(d.GuideLinesActive());
        d.ScrollFrame.userMouseMove(0, 0, 9000, 9000);
        EXPECT_EQ((std::vector<double>{d.LineVert.X1(), d.LineVert.X2(), d.LineVert.Y1(), d.LineVert.Y2()}),
                  (std::vector<double>{2600, 2600, 0, 16838}));
        EXPECT_EQ((std::vector<double>{d.LineHoriz.X1(), d.LineHoriz.X2(), d.LineHoriz.Y1(), d.LineHoriz.Y2()}),
                  (std::vector<double>{0, 11906, 3600, 3600}));
        EXPECT_TRUE(d.LineVert.Visible());
        d.Unload();
    });
}

TEST_F(TemplateCanvasTest, ObjectsAtOrBeyondThePageEdgeShowAtOneTwipUntilDragged)
{
    book.Templates[core::SimpleInvoice].Objects[3].Left = 11906;
    book.Templates[core::SimpleInvoice].Objects[3].Top = 20000;
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_EQ(d.ScrnObj[3].Left(), 1);
        EXPECT_EQ(d.ScrnObj[3].Top(), 1);
        EXPECT_EQ(d.record().Objects[3].Left, 11906);
        d.Unload();
    });
}

TEST_F(TemplateCanvasTest, DoubleClickingAnObjectEndsTheDragItsPressBeganAndFillsTheDialogFromTheObject)
{
    onObjectDialog([](documents::ScrnObjForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Set Up Screen Object 1");
        EXPECT_EQ(dialog.LblObjNum.Caption(), "1");
        EXPECT_EQ(dialog.LblTemplateNum.Caption(), "1");
        EXPECT_EQ(dialog.ListFonts.Text(), "Arial");
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "10");
        EXPECT_EQ(dialog.ChkBold.Value(), 0);
        EXPECT_EQ(dialog.ChkVisible.Value(), 1);
        EXPECT_EQ(dialog.ChkBoxed.Value(), 1);
        EXPECT_EQ(dialog.LabelExample.BorderStyle(), 1);
        EXPECT_TRUE(dialog.OptRight.Value());
        EXPECT_EQ(dialog.LabelExample.Alignment(), platform::RightJustify);
        EXPECT_FALSE(dialog.LabelExample.UseMnemonic());
    });
    onObjectDialog([](documents::ScrnObjForm& dialog) {
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "8") << "an object without a size shows 8";
        EXPECT_EQ(dialog.ListFonts.ListIndex(), -1) << "an object without a font has none chosen";
        EXPECT_EQ(dialog.ChkBoxed.Value(), 0);
        EXPECT_TRUE(dialog.OptLeft.Value());
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrnObj[1].userMouseDown(1, 0, 10, 10);
        d.ScrnObj[1].userDblClick();
        EXPECT_FALSE(d.ScrnObj[1].isDragging());
        d.ScrnObj[5].userDblClick();
        d.Unload();
    });
    EXPECT_EQ(services.modalForms(), (std::vector<std::string>{"InvTemplate", "ScrnObjForm", "ScrnObjForm"}));
}

} // namespace
