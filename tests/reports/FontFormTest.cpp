#include <functional>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/FontForm.h"

namespace {

using Lines = std::vector<std::string>;
using reports::FontForm;

// The main program's report font dialog, opened from its Fonts item over a printer with three
// fonts of which the screen shows two.
class FontFormTest : public ReportTest {
protected:
    FontFormTest()
    {
        services.setScreenFonts({"Arial", "Times New Roman"});
        desk.Settings = {"ARIAL", "8", 720, 1440};
    }

    // Opens the dialog and lets `user` act in it.
    void choose(const std::function<void(FontForm&)>& user)
    {
        services.onModal<FontForm>("FontForm", user);
        reports::ChooseReportFont(desk);
    }

    // OK pressed with `size` typed and no font chosen.
    void pressOkWithSize(const std::string& size)
    {
        choose([&](FontForm& dialog) {
            dialog.ListFonts.setListIndex(-1);
            dialog.ComboListFontSizes.userSetText(size);
            dialog.CmdOK.userClick();
        });
    }
};

TEST_F(FontFormTest, OpensOnTheScreenFontsOfThePrinterWithTheStoredSettings)
{
    desk.Settings = {"times new roman  ", "10", 360, 500};
    choose([](FontForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Choose Font");
        ASSERT_EQ(dialog.ListFonts.ListCount(), 2);
        EXPECT_EQ(dialog.ListFonts.List(0), "Arial");
        EXPECT_EQ(dialog.ListFonts.List(1), "Times New Roman");
        EXPECT_EQ(dialog.ListFonts.ListIndex(), 1);
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "10");
        EXPECT_EQ(dialog.ComboListFontSizes.ListCount(), 16);
        EXPECT_EQ(dialog.ComboListFontSizes.List(0), "6");
        EXPECT_EQ(dialog.ComboListFontSizes.List(15), "30");
        EXPECT_EQ(dialog.HScrollMargins.Value(), 360);
        EXPECT_EQ(dialog.VScrollTopBottom.Value(), 500);
        EXPECT_EQ(dialog.HScrollMargins.Max(), 2880);
        EXPECT_EQ(dialog.HScrollMargins.SmallChange(), 20);
        EXPECT_EQ(dialog.VScrollTopBottom.LargeChange(), 144);
        EXPECT_TRUE(dialog.CmdSetUpPrt.Visible());
        EXPECT_EQ(dialog.CmdSetUpPrt.Caption(), "&Set Up Printer...");
    });
    EXPECT_EQ(services.modalForms(), Lines{"FontForm"});
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(FontFormTest, AStoredSizeOfNoValueShowsEightAndAFontTheListLacksChoosesNothing)
{
    desk.Settings.FontSize = "abc";
    desk.Settings.FontName = "Courier New";
    choose([](FontForm& dialog) {
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "8");
        EXPECT_EQ(dialog.ListFonts.ListIndex(), -1);
    });
}

TEST_F(FontFormTest, EachOpeningRefillsTheListAndShowsTheSettingsAgain)
{
    choose([](FontForm& dialog) {
        dialog.ComboListFontSizes.userSetText("12");
        dialog.HScrollMargins.userStep(3);
        dialog.CmdClose.userClick();
    });
    choose([](FontForm& dialog) {
        EXPECT_EQ(dialog.ListFonts.ListCount(), 2);
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "8");
        EXPECT_EQ(dialog.ComboListFontSizes.ListCount(), 16);
        EXPECT_EQ(dialog.HScrollMargins.Value(), 720);
    });
}

TEST_F(FontFormTest, OkStoresTheChosenFontTheSizeAsTypedAndBothMargins)
{
    choose([](FontForm& dialog) {
        dialog.ListFonts.userSelect(1);
        dialog.ComboListFontSizes.userSetText("8.5");
        dialog.HScrollMargins.userStep(2);
        dialog.VScrollTopBottom.userStep(-1, true);
        dialog.CmdOK.userClick();
        EXPECT_FALSE(dialog.Visible());
    });
    EXPECT_EQ(desk.Settings.FontName, "Times New Roman");
    EXPECT_EQ(desk.Settings.FontSize, "8.5");
    EXPECT_EQ(desk.Settings.LeftMargin, 760);
    EXPECT_EQ(desk.Settings.TopMargin, 1296);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(FontFormTest, OkWithNoFontChosenStoresMsSerif)
{
    pressOkWithSize("10");
    EXPECT_EQ(desk.Settings.FontName, "MS SERIF");
    EXPECT_EQ(desk.Settings.FontSize, "10");
}

TEST_F(FontFormTest, SizesFromFourToOneHundredAndTwentyEightPointsPass)
{
    for (const std::string size : {"4", "128"}) {
        pressOkWithSize(size);
        EXPECT_EQ(desk.Settings.FontSize, size);
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(FontFormTest, ASizeOutsideTheRangeIsRefusedStoresNothingAndKeepsTheDialogOpen)
{
    for (const std::string size : {"3.9", "129", "", "abc"}) {
        services.answerMessageBox(platform::Answer::OK);
        choose([&](FontForm& dialog) {
            dialog.ListFonts.userSelect(1);
            dialog.ComboListFontSizes.userSetText(size);
            dialog.HScrollMargins.userStep(5);
            dialog.CmdOK.userClick();
            EXPECT_TRUE(dialog.Visible()) << size;
            dialog.CmdClose.userClick();
        });
        EXPECT_EQ(services.messageTexts().back(), "Font Size must lie between 4 and 128 points") << size;
        EXPECT_EQ(desk.Settings.FontName, "ARIAL") << size;
        EXPECT_EQ(desk.Settings.FontSize, "8") << size;
        EXPECT_EQ(desk.Settings.LeftMargin, 720) << size;
    }
    EXPECT_EQ(services.messageBoxes().size(), 4u);
}

TEST_F(FontFormTest, CancelKeepsAllFourSettings)
{
    choose([](FontForm& dialog) {
        dialog.ListFonts.userSelect(1);
        dialog.ComboListFontSizes.userSetText("12");
        dialog.HScrollMargins.userStep(4);
        dialog.VScrollTopBottom.userStep(4);
        dialog.CmdClose.userClick();
        EXPECT_FALSE(dialog.Visible());
    });
    EXPECT_EQ(desk.Settings.FontName, "ARIAL");
    EXPECT_EQ(desk.Settings.FontSize, "8");
    EXPECT_EQ(desk.Settings.LeftMargin, 720);
    EXPECT_EQ(desk.Settings.TopMargin, 1440);
}

TEST_F(FontFormTest, TheExampleShowsTheChosenFontAndTheSizeThePrinterTakes)
{
    platform::RecordingPrinter& printer = services.recordingPrinter();
    choose([&](FontForm& dialog) {
        EXPECT_EQ(dialog.LblExample.Caption(), "ABC abc 123.00");
        dialog.ComboListFontSizes.userSetText("9");
        dialog.ListFonts.userSelect(1);
        EXPECT_EQ(dialog.LblExample.FontName(), "Times New Roman");
        EXPECT_EQ(dialog.LblExample.FontSize(), 9);
        EXPECT_FALSE(dialog.LblExample.FontBold());

        printer.setFontBold(true);
        dialog.ComboListFontSizes.userSelect(6);
        EXPECT_EQ(printer.FontName(), "Times New Roman");
        EXPECT_EQ(printer.FontSize(), 12);
        EXPECT_FALSE(printer.FontBold());
        EXPECT_EQ(dialog.LblExample.FontSize(), 12);
        dialog.CmdClose.userClick();
    });
}

TEST_F(FontFormTest, ASizeChosenWithNoFontChosenLeavesThePrintersFont)
{
    desk.Settings.FontName = "Wingdings";
    services.recordingPrinter().setFontName("Courier New");
    choose([](FontForm& dialog) {
        dialog.ComboListFontSizes.userSelect(0);
        EXPECT_EQ(dialog.LblExample.FontSize(), 6);
    });
    EXPECT_EQ(services.recordingPrinter().FontName(), "Courier New");
    EXPECT_EQ(services.recordingPrinter().FontSize(), 6);
}

TEST_F(FontFormTest, SetUpPrinterRunsThePrinterDialogAndTheDialogStaysOpen)
{
    services.answerPrinterDialog(2);
    choose([](FontForm& dialog) {
        dialog.CmdSetUpPrt.userClick();
        EXPECT_TRUE(dialog.Visible());
    });
    ASSERT_EQ(services.printerDialogs().size(), 1u);
    EXPECT_EQ(services.printerDialogs()[0].title, "Quillbook : Set Up Printer");
}

// The report viewer's copy: no printer button, no size check, its own font when none is chosen.
TEST_F(FontFormTest, TheReportViewersCopyStoresWhateverIsTyped)
{
    reports::ReportSettings viewerSettings{"Courier New", "8.25", 100, 200};
    FontForm dialog(services, viewerSettings);
    dialog.ShowSettings("8.25");
    services.onModal<FontForm>("FontForm", [](FontForm& shown) {
        EXPECT_FALSE(shown.CmdSetUpPrt.Visible());
        shown.ComboListFontSizes.userSetText("abc");
        shown.HScrollMargins.userStep(1);
        shown.CmdOK.userClick();
    });
    dialog.Show(true);
    EXPECT_EQ(viewerSettings.FontName, "MS Sans Serif");
    EXPECT_EQ(viewerSettings.FontSize, "abc");
    EXPECT_EQ(viewerSettings.LeftMargin, 120);
    EXPECT_EQ(viewerSettings.TopMargin, 200);
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(desk.Settings.FontName, "ARIAL");
}

} // namespace
