#include <functional>
#include <string>
#include <vector>

#include "ViewerTest.h"
#include "reports/FontForm.h"

namespace {

using reports::FontForm;

class ViewerFontsTest : public ViewerTest {
protected:
    void choose(const std::function<void(FontForm&)>& user)
    {
        services.onModal<FontForm>("FontForm", user);
        window->CmdFonts.userClick();
    }
};

TEST_F(ViewerFontsTest, OpensOnTheReportSettingsWithoutThePrinterButton)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    report[0] = "courier new";
    startOn(report);
    window->Settings.FontSize = "";
    choose([](FontForm& dialog) {
        ASSERT_EQ(dialog.ListFonts.ListCount(), 2);
        EXPECT_EQ(dialog.ListFonts.Text(), "Courier New");
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "8.25");
        EXPECT_EQ(dialog.HScrollMargins.Value(), 720);
        EXPECT_EQ(dialog.VScrollTopBottom.Value(), 360);
        EXPECT_FALSE(dialog.CmdSetUpPrt.Visible());
        dialog.CmdClose.userClick();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(window->Settings.FontName, "courier new");
}

TEST_F(ViewerFontsTest, ALargerFontWidensTheCharacterColumnsOnly)
{
    datapeek::ViewerWindow& viewer = startOn({"ARIAL", "8", "0", "0", "000001", "List", "*** REPORT STARTS ***", "a"});
    EXPECT_EQ(viewer.ViewGrid.ColWidth(5), 22 * 80);
    choose([](FontForm& dialog) {
        dialog.ListFonts.setListIndex(0);
        dialog.ComboListFontSizes.userSetText("16");
        dialog.HScrollMargins.setValue(1440);
        dialog.CmdOK.userClick();
    });
    EXPECT_EQ(viewer.Settings.FontSize, "16");
    EXPECT_EQ(viewer.Settings.LeftMargin, 1440);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(5), 22 * 160);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(13), 600);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(14), 100);
    EXPECT_EQ(viewer.ViewGrid.FontSize(), 16);
    EXPECT_FALSE(viewer.ViewGrid.FontBold());
    EXPECT_EQ(viewer.LbLTitle.FontSize(), 16);
    EXPECT_TRUE(viewer.LbLTitle.FontBold());
}

TEST_F(ViewerFontsTest, AFontTheScreenLacksIsReportedAndTheReportStaysAsItWas)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    services.answerMessageBox(platform::Answer::OK);
    // No font chosen: the viewer's copy falls back to "MS Sans Serif", which this screen lacks.
    choose([](FontForm& dialog) {
        dialog.ListFonts.setListIndex(-1);
        dialog.ComboListFontSizes.userSetText("12");
        dialog.CmdOK.userClick();
    });
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Report Viewer Error : Invalid property value"});
    EXPECT_FALSE(services.programEnded());
    EXPECT_EQ(viewer.Settings.FontName, "ARIAL");
    EXPECT_EQ(viewer.Settings.FontSize, "8");
    EXPECT_EQ(viewer.ScreenCharWidth, 80);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(2), 13 * 80);
    EXPECT_EQ(viewer.ViewGrid.FontSize(), 8);
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(ViewerFontsTest, FortyEightPointsLayOutEveryKindWithoutOverflow)
{
    datapeek::ViewerWindow& viewer = startOn({"ARIAL", "8", "0", "0", "000024", "Net", "*** REPORT STARTS ***", "a"});
    choose([](FontForm& dialog) {
        dialog.ListFonts.setListIndex(0);
        dialog.ComboListFontSizes.userSetText("48");
        dialog.CmdOK.userClick();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(viewer.ViewGrid.ColWidth(10), 76 * 480);
}

} // namespace
