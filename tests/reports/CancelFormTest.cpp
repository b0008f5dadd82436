#include <string>
#include <vector>

#include "ReportTest.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"
#include "reports/CurrentListPrint.h"
#include "reports/PrintJob.h"
#include "reports/PrintJobRequest.h"
#include "runtime/Error.h"

namespace {

using Lines = std::vector<std::string>;

// The print-job window over the fixture's book, with a job of the test's own that notes each run.
class CancelFormTest : public ReportTest {
protected:
    CancelFormTest()
    {
        loadCompany();
        book.SplitTail = "001Paper";
        window().RegisterJob("WB_TESTJOB", [this] {
            ++testJobRuns;
            book.SplitTail = "002Stamps";
            reports::StartPrintJob(desk);
            services.printer().print("test page", true);
            reports::EndPrintJob(desk);
        });
    }

    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }
    reports::CancelForm& window() { return desk.PrintJobWindow(); }

    int testJobRuns = 0;
};

TEST_F(CancelFormTest, AnUnknownOrWrongCaseTagRunsNothingAndHidesTheWindow)
{
    for (const std::string tag : {"wb_screendump", "WB_SCREENDUMP ", "WB_NOSUCHJOB", ""}) {
        window().ShowJob("Current Filtered List", tag);
        EXPECT_FALSE(window().Visible()) << tag;
        EXPECT_TRUE(window().JobPending()) << tag;
    }
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_TRUE(services.modalForms().empty());
    EXPECT_FALSE(desk.PrintingInProgress);
    EXPECT_FALSE(desk.CancelRequested);
}

TEST_F(CancelFormTest, TwoJobsInARowBothRunAndTheSplitTailIsKept)
{
    window().ShowJob("Test", "WB_TESTJOB");
    window().ShowJob("Current Filtered List", "WB_SCREENDUMP");
    EXPECT_EQ(testJobRuns, 1);
    EXPECT_EQ(printer().endedDocuments(), 2);
    EXPECT_EQ(book.SplitTail, "001Paper");
    EXPECT_TRUE(window().isLoaded());
    EXPECT_FALSE(window().Visible());
    EXPECT_FALSE(desk.CancelRequested) << "only the user's Cancel asks a run to stop";
}

TEST_F(CancelFormTest, TheWindowShowsTheJobsNameUnderItsOwnCaption)
{
    window().RegisterJob("WB_LOOK", [this] {
        EXPECT_TRUE(window().Visible());
        EXPECT_EQ(window().Caption(), "Quillbook");
        EXPECT_EQ(window().LblPrinting.Caption(), "Printing");
        EXPECT_EQ(window().LbLReportName.Caption(), "Customer Report");
        EXPECT_FALSE(window().LbLRepType.Visible());
        EXPECT_EQ(window().CmdCancel.Caption(), "&Cancel");
        reports::EndPrintJob(desk);
    });
    window().ShowJob("Customer Report", "WB_LOOK");
}

TEST_F(CancelFormTest, AReportFontThePrinterLacksAtJobTimeEndsTheJobWithAPrintError)
{
    desk.Settings.FontName = "Wingdings";
    book.SplitTail = "001Paper";
    services.answerMessageBox(platform::Answer::OK);
    window().ShowJob("Current Filtered List", "WB_SCREENDUMP");

    EXPECT_EQ(services.messageTexts(), Lines{"Print error : Invalid property value"});
    EXPECT_EQ(printer().killedDocuments(), 1);
    EXPECT_EQ(printer().endedDocuments(), 0);
    EXPECT_FALSE(window().Visible());
    EXPECT_FALSE(desk.PrintingInProgress);
    EXPECT_TRUE(desk.ReportTimestamp.empty());
    EXPECT_EQ(services.mousePointer(), 0);
    EXPECT_EQ(book.SplitTail, "001Paper");
    EXPECT_TRUE(window().JobPending());
}

TEST_F(CancelFormTest, AFailureHalfWayAbandonsWhatWasPrintedAndTheNextJobRuns)
{
    window().RegisterJob("WB_FAILING", [this] {
        reports::StartPrintJob(desk);
        book.SplitTail = "002Stamps";
        services.printer().print("half a page", true);
        throw runtime::Error(runtime::DiskFull);
    });
    services.answerMessageBox(platform::Answer::OK);
    window().ShowJob("Failing", "WB_FAILING");
    EXPECT_EQ(services.messageTexts(), Lines{"Print error : Disk full"});
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_TRUE(printer().documents()[0].killed);
    EXPECT_EQ(book.SplitTail, "001Paper");

    window().ShowJob("Test", "WB_TESTJOB");
    EXPECT_EQ(testJobRuns, 1);
    EXPECT_EQ(printer().endedDocuments(), 1);
}

TEST_F(CancelFormTest, ARepaintAfterCancelDoesNotStartTheJobAgain)
{
    services.atYield = [this](int yields) {
        if (yields != 1)
            return;
        window().CmdCancel.userClick();
        window().Refresh();
    };
    window().ShowJob("Current Filtered List", "WB_SCREENDUMP");
    EXPECT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(services.doEventsCalls(), 1);
    EXPECT_TRUE(window().JobPending());
}

TEST_F(CancelFormTest, TheUsersCancelByMouseKeyOrCloseBoxStopsTheJobAndAsksARunToStop)
{
    const struct {
        std::string how;
        std::function<void(reports::CancelForm&)> cancel;
    } cases[] = {
        {"mouse down", [](reports::CancelForm& w) { w.CmdCancel.userMouseDown(1, 0, 10, 10); w.CmdCancel.userClick(); }},
        {"Escape", [](reports::CancelForm& w) { w.userKeyDown(platform::KeyEscape); }},
        {"close box", [](reports::CancelForm& w) { EXPECT_FALSE(w.userClose()); }},
    };
    for (const auto& c : cases) {
        desk.CancelRequested = false;
        services.atYield = [&](int) { c.cancel(window()); };
        const std::size_t before = printer().documents().size();
        window().ShowJob("Current Filtered List", "WB_SCREENDUMP");
        ASSERT_EQ(printer().documents().size(), before + 1) << c.how;
        EXPECT_EQ(printer().documents().back().pages.back().runs.back().text, "*** Report Cancelled ***") << c.how;
        EXPECT_TRUE(desk.CancelRequested) << c.how;
        EXPECT_TRUE(window().isLoaded()) << c.how;
        EXPECT_FALSE(window().Visible()) << c.how;
    }
}

TEST_F(CancelFormTest, AMouseDownOnCancelAloneAsksARunToStopButLetsAListGoOn)
{
    window().RegisterJob("WB_RUN", [this] {
        reports::StartPrintJob(desk);
        window().CmdCancel.userMouseDown(1, 0, 10, 10);
        EXPECT_TRUE(desk.PrintingInProgress);
        reports::EndPrintJob(desk);
    });
    window().ShowJob("Run", "WB_RUN");
    EXPECT_TRUE(desk.CancelRequested);
}

// What every Print button does before the job.
class PrintJobRequestTest : public CancelFormTest {};

TEST_F(PrintJobRequestTest, AFontThePrinterLacksIsRefusedBeforeTheSetUp)
{
    desk.Settings.FontName = "Wingdings";
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(reports::RequestPrintJob(desk, "Test", "WB_TESTJOB"));
    EXPECT_EQ(services.messageTexts(),
              Lines{"'Wingdings' is not a suitable font for your printer. Please choose another font and try again (the "
                    "font selection facility is available as the last item on the Reports menu)."});
    EXPECT_TRUE(services.printerDialogs().empty());
    EXPECT_EQ(testJobRuns, 0);
}

TEST_F(PrintJobRequestTest, ACancelledPrinterSetUpRunsNothing)
{
    services.cancelPrinterDialog();
    EXPECT_FALSE(reports::RequestPrintJob(desk, "Test", "WB_TESTJOB"));
    EXPECT_EQ(testJobRuns, 0);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(PrintJobRequestTest, AConfirmedSetUpRunsTheJobWithTheChosenCopies)
{
    services.answerPrinterDialog(3);
    EXPECT_TRUE(reports::RequestPrintJob(desk, "Test", "WB_TESTJOB"));
    EXPECT_EQ(testJobRuns, 1);
    ASSERT_EQ(printer().endedDocuments(), 1);
    EXPECT_EQ(printer().documents()[0].copies, 3);
}

TEST_F(PrintJobRequestTest, ThePrintButtonDoesNothingForAnEmptyList)
{
    book.ledger.QueryIndex.Clear();
    reports::PrintCurrentFilteredList(desk);
    EXPECT_TRUE(services.printerDialogs().empty());
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace
