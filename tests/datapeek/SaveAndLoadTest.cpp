#include <string>
#include <vector>

#include "ViewerTest.h"
#include "runtime/PathText.h"

namespace {

TEST_F(ViewerTest, SavesAReportThatLoadsBackWithTheSameTitleAndCells)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    const std::string saved = (folder / "MARCH.EXP").string();
    services.answerFileDialog(saved);
    EXPECT_TRUE(viewer.LoadOrSaveReport(2));

    const std::string bytes = readBytes(saved);
    EXPECT_TRUE(bytes.starts_with(
              "ARIAL\r\n8\r\n000720\r\n000360\r\n000014\r\n\r\n"
              "Quillbook 2000-32 Category Analysis     : Fixture Trading Ltd  05/Mar/2026 10:15:00\rFrom 01/Jan/2026 To 31/Mar/2026\r\n"
              "*** REPORT STARTS ***\r\n"));
    // Every cell is followed by a TAB, the last of the 17 included.
    EXPECT_NE(bytes.find("\r\nSALES  Sales          \t   1,200.00\t     850.50\t   2,000.00\t   4,050.50\t" + std::string(12, '\t') + "\r\n"),
              std::string::npos);

    const std::string title = viewer.LbLTitle.Caption();
    std::vector<std::vector<std::string>> cells;
    for (int r = 1; r < viewer.ViewGrid.Rows(); ++r)
        cells.push_back(row(r));
    writeReport("OTHER.TXT", {"ARIAL", "8", "0", "0", "000024", "Other", "*** REPORT STARTS ***", "x"});
    ASSERT_TRUE(viewer.LoadReportFile(folder / "OTHER.TXT"));

    services.answerFileDialog(saved);
    EXPECT_TRUE(viewer.LoadOrSaveReport(1));
    EXPECT_EQ(viewer.LbLTitle.Caption(), title);
    EXPECT_EQ(viewer.CurrentReportKind, 14);
    ASSERT_EQ(viewer.ViewGrid.Rows(), static_cast<int>(cells.size()) + 1);
    for (int r = 1; r < viewer.ViewGrid.Rows(); ++r)
        EXPECT_EQ(row(r), cells[static_cast<std::size_t>(r - 1)]) << "row " << r;
    EXPECT_TRUE(services.messageBoxes().empty());
}

// The dialog's answer is the text of the path chosen; the file system gets the bytes of its name,
// and the messages name it as the dialog did.
TEST_F(ViewerTest, AReportIsSavedAndLoadedUnderANameOfAnyCharacters)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    for (const std::string name : {"Caf\xC3\xA9", "\xE5\xB8\xB3\xE7\xB0\xBF"}) {
        SCOPED_TRACE(name);
        std::filesystem::create_directories(folder / name);
        const std::filesystem::path saved = folder / name / "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87.EXP";
        services.answerFileDialog(runtime::textOfPath(saved));
        EXPECT_TRUE(viewer.LoadOrSaveReport(2));
        EXPECT_TRUE(std::filesystem::exists(saved));
        services.answerFileDialog(runtime::textOfPath(saved));
        EXPECT_TRUE(viewer.LoadOrSaveReport(1));
    }
    EXPECT_TRUE(services.messageBoxes().empty());

    const std::string missing = runtime::textOfPath(folder / "Caf\xC3\xA9" / "GONE.EXP");
    services.answerFileDialog(missing);
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(viewer.LoadOrSaveReport(1));
    EXPECT_EQ(services.messageTexts().front(), "Error while loading '" + missing + "' : File not found");
}

TEST_F(ViewerTest, LoadAndSaveAskThroughTheirDialogs)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    services.cancelFileDialog();
    viewer.CmdLoad.userClick();
    services.cancelFileDialog();
    viewer.CmdSave.userClick();
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(viewer.ViewGrid.Rows(), 11);

    ASSERT_EQ(services.fileDialogs().size(), 2u);
    const platform::FileDialog& load = services.fileDialogs()[0];
    const platform::FileDialog& save = services.fileDialogs()[1];
    EXPECT_EQ(load.kind, platform::FileDialog::Kind::Open);
    EXPECT_EQ(load.title, "Quillbook : Load Report...");
    EXPECT_EQ(save.kind, platform::FileDialog::Kind::Save);
    EXPECT_EQ(save.title, "Quillbook : Save Report As...");
    for (const platform::FileDialog& dialog : services.fileDialogs()) {
        EXPECT_EQ(dialog.filter, "QB Export (*.EXP)|*.EXP|Text (*.TXT)|*.TXT|All Files (*.*)|*.*");
        EXPECT_EQ(dialog.defaultExt, "EXP");
        EXPECT_EQ(dialog.flags, 2);
        EXPECT_TRUE(dialog.cancelError);
    }
}

TEST_F(ViewerTest, AFailingLoadShowsBothBoxes)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    const std::string missing = (folder / "GONE.EXP").string();
    services.answerFileDialog(missing);
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(viewer.LoadOrSaveReport(1));
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Error while loading '" + missing + "' : File not found",
                                                                 "Unable to Load file '" + missing + "' : File not found"}));
    EXPECT_EQ(services.mousePointer(), 0);
    EXPECT_EQ(viewer.ViewGrid.Rows(), 11);
}

TEST_F(ViewerTest, AFailingSaveShowsBothBoxesAndLeavesNoFile)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    const std::string target = (folder / "NO-SUCH-FOLDER" / "R.EXP").string();
    services.answerFileDialog(target);
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(viewer.LoadOrSaveReport(2));
    const std::vector<std::string> texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("Error while Saving '" + target + "' : ", 0), 0u);
    EXPECT_EQ(texts[1].rfind("Unable to Save File As '" + target + "' : ", 0), 0u);
}

TEST_F(ViewerTest, ReadsSettingsNumbersAsThePlatformReadsThem)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    report[2] = "000720";
    report[3] = "margin";
    datapeek::ViewerWindow& viewer = startOn(report);
    EXPECT_EQ(viewer.Settings.LeftMargin, 720);
    EXPECT_EQ(viewer.Settings.TopMargin, 0);

    services.answerMessageBox(platform::Answer::OK);
    writeReport("BIG.EXP", {"ARIAL", "8", "40000", "0", "000014", "Big", "*** REPORT STARTS ***", "a"});
    EXPECT_FALSE(viewer.LoadReportFile(folder / "BIG.EXP"));
    EXPECT_EQ(services.messageTexts().back(), "Error while loading '" + (folder / "BIG.EXP").string() + "' : Overflow");
}

} // namespace
