#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportFile.h"
#include "support/FileSizeLimit.h"

namespace {

using reports::ReportOutput;

class FinishTextReportTest : public ReportTest {
protected:
    // Writes one body line and finishes a report of `kind`.
    bool finish(int kind)
    {
        reports::ReportFile file(desk);
        file.WriteLine("row");
        return reports::FinishTextReport(desk, file, kind);
    }
};

TEST_F(FinishTextReportTest, EachOutputChoiceStartsItsProgram)
{
    const struct {
        ReportOutput output;
        bool useWordPad;
        int kind;
        std::string commandLine;
        std::vector<std::string> keys;
    } cases[] = {
        {ReportOutput::Notepad, false, 1, "Notepad.exe QB.TXT", {}},
        {ReportOutput::Write, false, 1, "Write.exe QB.TXT", {"%C"}},
        {ReportOutput::Write, true, 1, "C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE QB.TXT", {}},
        {ReportOutput::Datapeek, false, 1, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH", {}},
        {ReportOutput::Datapeek, false, 22, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH", {}},
        {ReportOutput::Datapeek, false, 10, "/opt/quillbook\\BILLPANE.EXE QBLAUNCH", {}},
        {ReportOutput::Notepad, false, 10, "Notepad.exe QB.TXT", {}},
    };
    for (const auto& c : cases) {
        platform::ScriptedServices caseServices;
        caseServices.setProgramFolder(" /opt/quillbook ");
        core::Book caseBook(caseServices);
        FakeReportHost caseHost;
        caseHost.output = c.output;
        caseHost.useWordPad = c.useWordPad;
        caseHost.wordPadPath = "C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE";
        reports::ReportDesk caseDesk(caseBook, caseHost, folder.path());
        reports::ReportFile file(caseDesk);

        EXPECT_TRUE(reports::FinishTextReport(caseDesk, file, c.kind)) << c.commandLine;
        ASSERT_EQ(caseServices.startedPrograms().size(), 1u) << c.commandLine;
        EXPECT_EQ(caseServices.startedPrograms()[0].commandLine, c.commandLine);
        EXPECT_EQ(caseServices.startedPrograms()[0].style, platform::WindowStyle::NormalFocus);
        EXPECT_EQ(caseServices.sentKeys(), c.keys) << c.commandLine;
    }
}

TEST_F(FinishTextReportTest, ClosingLinesEndTheFileBeforeTheViewerStarts)
{
    EXPECT_TRUE(finish(1));
    EXPECT_EQ(reportLines(), (std::vector<std::string>{"row", " ", "*** End Of\t Report ***"}));
    EXPECT_FALSE(IsOpenInThisProcess(reportPath()));

    EXPECT_TRUE(finish(10));
    EXPECT_EQ(reportLines(), (std::vector<std::string>{"row", " "})) << "a document has no end line";
}

TEST_F(FinishTextReportTest, ReportStampIsDropped)
{
    desk.ReportTimestamp = "15/Jun/2025 09:30:05";
    finish(1);
    EXPECT_EQ(desk.ReportTimestamp, "");
}

TEST_F(FinishTextReportTest, MissingViewerIsReportedWithTheFileWrittenAndClosed)
{
    for (const ReportOutput output : {ReportOutput::Datapeek, ReportOutput::Write}) {
        ReportServices caseServices;
        caseServices.reportFile = reportPath();
        caseServices.setStartProgramResult(false);
        caseServices.answerMessageBox(platform::Answer::OK);
        core::Book caseBook(caseServices);
        FakeReportHost caseHost;
        caseHost.output = output;
        reports::ReportDesk caseDesk(caseBook, caseHost, folder.path());
        reports::ReportFile file(caseDesk);
        file.WriteLine("row");

        EXPECT_FALSE(reports::FinishTextReport(caseDesk, file, 1));
        EXPECT_EQ(caseServices.reportOpenAtBox, std::vector<bool>{false});
        EXPECT_EQ(reportLines(), (std::vector<std::string>{"row", " ", "*** End Of\t Report ***"}));
        EXPECT_EQ(caseServices.beeps(), std::vector<platform::Beep>{platform::Beep::Exclamation});
        ASSERT_EQ(caseServices.messageBoxes().size(), 1u);
        const platform::MessageBox& box = caseServices.messageBoxes()[0].box;
        EXPECT_EQ(box.text, "Cannot find your Viewer\r\rIf you are using DATAPEEK.EXE or BILLPANE.EXE please make sure "
                            "they are in the same Directory as the Quillbook EXE file");
        EXPECT_EQ(box.title, "Quillbook 2000-32");
        EXPECT_EQ(box.icon, platform::Icon::Exclamation);
        EXPECT_EQ(box.buttons, platform::Buttons::OK);
        EXPECT_TRUE(caseServices.sentKeys().empty()) << "no keys for a program that did not start";
    }
}

TEST_F(FinishTextReportTest, FileThatCannotBeFinishedIsReportedClosedAndNotShown)
{
    services.answerMessageBox(platform::Answer::OK);
    bool finished = true;
    {
        const FileSizeLimit limit(8);
        finished = finish(1);
    }

    EXPECT_FALSE(finished);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Attempting to end report : Disk full"});
    EXPECT_EQ(services.reportOpenAtBox, std::vector<bool>{false});
    expectNothingStarted();
}

TEST_F(FinishTextReportTest, WithViewerChosenTheFileStartsWithTheSettingsLines)
{
    book.company.CompanyName = "Abc";
    desk.Settings.FontName = "Courier New";
    desk.Settings.FontSize = "8.25";
    desk.Settings.LeftMargin = 1440;
    desk.Settings.TopMargin = 5;
    {
        reports::ReportFile file(desk);
        file.WriteHead(22);
        reports::FinishTextReport(desk, file, 22);
    }
    const std::vector<std::string> lines = reportLines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ((std::vector<std::string>(lines.begin(), lines.begin() + 6)),
              (std::vector<std::string>{"Courier New", "8.25", "001440", "000005", "000022",
                                        "Quillbook 2000-32 EEC Sales List        : Abc 15/Jun/2025 09:30:05"}));

    host.output = ReportOutput::Notepad;
    {
        reports::ReportFile file(desk);
        file.WriteHead(22);
        reports::FinishTextReport(desk, file, 22);
    }
    EXPECT_EQ(reportLines().front(), "Quillbook 2000-32 EEC Sales List        : Abc 15/Jun/2025 09:30:05");
}

} // namespace
