#include <algorithm>

#include "MainTest.h"
#include "reports/FontForm.h"

namespace {

using ReportMachineryTest = MainTest;

// Print under the grid prints the list on show; with nothing listed it does nothing at all.
TEST_F(ReportMachineryTest, PrintButtonPrintsTheListOnShowAndNothingWhenItIsEmpty)
{
    writeSettings(fullSettings(writeCompany("Shop.QBD", 3)));
    start();
    services.answerPrinterDialog();
    main.CmdPrint.userClick();
    ASSERT_EQ(services.recordingPrinter().documents().size(), 1u);
    const std::vector<std::string> firstPage = services.recordingPrinter().documents()[0].pages.at(0).lines();
    EXPECT_NE(std::find_if(firstPage.begin(), firstPage.end(),
                           [](const std::string& run) { return run.find("3 Records") != std::string::npos; }),
              firstPage.end());

    services.answerMessageBox(platform::Answer::OK); // "No records match the filter criteria..."
    main.ComboMainFilters.userSelect(main.ComboMainFilters.model().ListCount() - 1);
    main.CmdPrint.userClick();
    EXPECT_EQ(services.recordingPrinter().documents().size(), 1u) << "an empty list prints nothing";
    EXPECT_EQ(services.printerDialogs().size(), 1u);
}

// Fonts on the Reports menu opens the report font dialog; its OK keeps the choice for every report.
TEST_F(ReportMachineryTest, FontsItemChoosesTheReportFont)
{
    cancelWizard();
    start();
    services.onModal<reports::FontForm>("FontForm", [](reports::FontForm& dialog) {
        dialog.ComboListFontSizes.userSetText("10");
        dialog.CmdOK.userClick();
    });
    main.FontItem.userClick();
    EXPECT_EQ(main.reportDesk.Settings.FontSize, "10");
    EXPECT_TRUE(services.allScriptsUsed());
}

} // namespace
