#include <string>
#include <vector>

#include "ViewerTest.h"
#include "datapeek/ExportForm.h"

namespace {

using datapeek::ExportForm;
using Lines = std::vector<std::string>;

TEST_F(ViewerTest, ExportWritesTheReportOnShowAndOpensIt)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    writeReport("SAVED.EXP", {"ARIAL", "8", "0", "0", "000013", "", "Saved income report", "*** REPORT STARTS ***", "Income\t 10.00\t"});
    ASSERT_TRUE(viewer.LoadReportFile(folder / "SAVED.EXP"));
    services.onModal<ExportForm>("EXPORTFORM", [](ExportForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Export Report");
        EXPECT_EQ(dialog.Frame1.Caption(), "Export As...");
        EXPECT_TRUE(dialog.Option1[0].Value());
        EXPECT_EQ(dialog.Option1[0].Caption(), "&Microsoft Excel");
        EXPECT_EQ(dialog.Option1[1].Caption(), "&Lotus 123");
        dialog.ExpBtn.userClick();
        // The dialog stays open after an export.
        EXPECT_TRUE(dialog.Visible());
        dialog.CancelBtn.userClick();
    });
    viewer.ExportBtn.userClick();

    EXPECT_TRUE(services.messageBoxes().empty());
    ASSERT_EQ(services.openedFiles().size(), 1u);
    EXPECT_EQ(services.openedFiles()[0], folder / "QB.XLS");
    const std::string bytes = readBytes(folder / "QB.XLS");
    EXPECT_EQ(bytes, "ARIAL\r\n8\r\n000000\r\n000000\r\n000013\r\n\r\nSaved income report\r\n*** REPORT STARTS ***\r\nIncome\t 10.00\t" +
                         std::string(15, '\t') + "\r\n");
}

TEST_F(ViewerTest, ExportToLotusReportsAShellFailureByItsNumber)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    services.setShellOpenResult(31);
    services.answerMessageBox(platform::Answer::OK);
    services.onModal<ExportForm>("EXPORTFORM", [](ExportForm& dialog) {
        dialog.Option1[1].userClick();
        dialog.ExpBtn.userClick();
        dialog.CancelBtn.userClick();
    });
    viewer.ExportBtn.userClick();
    EXPECT_TRUE(std::filesystem::exists(folder / "QB.123"));
    ASSERT_EQ(services.messageBoxes().size(), 1u);
    EXPECT_EQ(services.messageBoxes()[0].box.text, "Error Unable to Launch Export File - Error Type UnKnown:  31\r\n\r\n"
                                                   "The report was written to '" + (folder / "QB.123").string() +
                                                   "', but no program is set to open .123 files.");
    EXPECT_EQ(services.messageBoxes()[0].box.buttons, platform::Buttons::OK);
}

TEST(ShellOpenFailureTest, NamesKnownAnswersAndNumbersTheRest)
{
    EXPECT_EQ(datapeek::ShellOpenFailure(0), "Insufficient System Memory or Corrupt Program File");
    EXPECT_EQ(datapeek::ShellOpenFailure(2), "File not Found");
    EXPECT_EQ(datapeek::ShellOpenFailure(21), "Program Requires Windows 32-Bit extensions");
    EXPECT_EQ(datapeek::ShellOpenFailure(1), "Error Unable to Launch Export File - Error Type UnKnown:  1");
    EXPECT_EQ(datapeek::ShellOpenFailure(-4), "Error Unable to Launch Export File - Error Type UnKnown: -4");
}

TEST_F(ViewerTest, AFailedExportWriteIsReported)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    std::filesystem::create_directory(folder / "QB.XLS");
    services.answerMessageBox(platform::Answer::OK);
    services.onModal<ExportForm>("EXPORTFORM", [](ExportForm& dialog) {
        dialog.ExpBtn.userClick();
        dialog.CancelBtn.userClick();
    });
    viewer.ExportBtn.userClick();
    ASSERT_EQ(services.messageBoxes().size(), 1u);
    EXPECT_EQ(services.messageBoxes()[0].box.text.rfind("Error: ", 0), 0u);
    EXPECT_TRUE(services.openedFiles().empty());
}

TEST_F(ViewerTest, ResizeKeepsTheSmallestSizeAndLaysTheControlsOut)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    viewer.Move(0, 0, 4000, 5000);
    EXPECT_EQ(viewer.Width(), 5070);
    EXPECT_EQ(viewer.Height(), 5000);
    viewer.Move(0, 0, 6000, 2000);
    EXPECT_EQ(viewer.Height(), 3090);

    viewer.Move(0, 0, 9000, 6000);
    EXPECT_EQ(viewer.LbLTitle.Width(), 9000 - 390);
    EXPECT_EQ(viewer.ViewGrid.Width(), viewer.LbLTitle.Width());
    EXPECT_EQ(viewer.ViewGrid.Top(), viewer.LbLTitle.Top() + viewer.LbLTitle.Height() + 75);
    EXPECT_EQ(viewer.ViewGrid.Height(), 6000 - viewer.LbLTitle.Height() - viewer.FrameCommand.Height() - 800);
    EXPECT_EQ(viewer.FrameCommand.Width(), viewer.ViewGrid.Width());
    EXPECT_EQ(viewer.CmdSave.Left(), viewer.FrameCommand.Width() / 2 - viewer.CmdSave.Width() / 2);
    EXPECT_EQ(viewer.CmdPrint.Left() + viewer.CmdPrint.Width(), viewer.FrameCommand.Width() + viewer.FrameCommand.Left() - 240);
}

TEST_F(ViewerTest, AClickOrAKeyboardMoveSelectsTheWholeRow)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    viewer.ViewGrid.userClickCell(5, 3);
    EXPECT_EQ(viewer.ViewGrid.SelStartRow(), 5);
    EXPECT_EQ(viewer.ViewGrid.SelEndRow(), 5);
    EXPECT_EQ(viewer.ViewGrid.SelStartCol(), 1);
    EXPECT_EQ(viewer.ViewGrid.SelEndCol(), 17);
    EXPECT_EQ(viewer.ViewGrid.Col(), 1);

    viewer.ViewGrid.userMoveTo(6, 2);
    viewer.userKeyUp(40);
    EXPECT_EQ(viewer.ViewGrid.SelStartRow(), 6);
    EXPECT_EQ(viewer.ViewGrid.SelEndCol(), 17);
    EXPECT_EQ(viewer.ViewGrid.Col(), 1);
}

} // namespace

namespace {

// Escape in the grid closes the viewer as Close does.
TEST_F(ViewerTest, EscapeClosesTheViewerAsCloseDoes)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    viewer.setFocus(viewer.ViewGrid);
    viewer.userKeyDown(platform::KeyEscape);
    EXPECT_TRUE(services.programEnded());
}

} // namespace
