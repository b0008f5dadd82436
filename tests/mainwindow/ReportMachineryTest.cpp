#include <algorithm>

#include "MainTest.h"
#include "reports/FontForm.h"
#include "reports/ReportForm.h"
#include "support/FileBytes.h"

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

// Each balance report's menu item opens the chooser on its frame, whose Report button writes it.
TEST_F(ReportMachineryTest, BalanceReportItemsRunTheirReportsFromTheChooser)
{
    const std::filesystem::path company = folder / "Harbour.QBD";
    std::filesystem::copy_file(std::filesystem::path(QB_TEST_DATA) / "reports.QBD", company);
    writeSettings(fullSettings(company));
    start();
    struct Case {
        platform::Menu& item;
        std::string caption;
        std::string title;
    };
    const Case cases[] = {
        {main.RepBankItem, "Bank Report", " Bank Activity Report  : "},
        {main.RepDebtorsItem, "Aged Debtors Report", " Aged Debtors Report   : "},
        {main.RepCreditorsItem, "Aged Creditors Report", " Aged Creditors Report : "},
        {main.RepProfLossItem, "Income & Expenditure Report", " Income & Expenditure  : "},
        {main.RepAnalItem, "Category Analysis Report", " Category Analysis     : "},
        {main.ItemRepCustState, "Customer Statement", " Customer Statement    : "},
    };
    for (const Case& c : cases) {
        std::string caption;
        services.onModal<reports::ReportForm>("ReportForm", [&](reports::ReportForm& f) {
            caption = f.Caption();
            f.ComboListBanks.userSelect(1);
            for (platform::TextBox* box : {&f.TextBankFrom, &f.TextPLFrom, &f.TextAnalFrom})
                box->setText("01/Mar/2025");
            for (platform::TextBox* box : {&f.TextBankTo, &f.TextPLTo, &f.TextAnalTo})
                box->setText("30/Jun/2025");
            for (platform::ListBox* list : {&f.ListDebCredCust, &f.ListAnalCodes})
                list->userSetSelected(0, true);
            f.ListCustState.userSelect(0);
            f.CmdReport.userClick();
        });
        c.item.userClick();
        EXPECT_EQ(caption, c.caption);
        const std::string report = readBytes(folder / "QB.TXT");
        EXPECT_NE(report.find("Quillbook 2000-32" + c.title + "Harbour Lane Joinery "), std::string::npos) << c.caption;
    }
    EXPECT_EQ(services.startedPrograms().size(), 6u);
    EXPECT_TRUE(services.allScriptsUsed());
}

// The mail merge item opens the chooser on its customer list, its letter button showing.
TEST_F(ReportMachineryTest, MailMergeItemOpensTheChooserOnItsCustomers)
{
    const std::filesystem::path company = folder / "Harbour.QBD";
    std::filesystem::copy_file(std::filesystem::path(QB_TEST_DATA) / "reports.QBD", company);
    writeSettings(fullSettings(company));
    start();
    std::string caption;
    bool letterButtonShown = false;
    int customers = 0;
    services.onModal<reports::ReportForm>("ReportForm", [&](reports::ReportForm& f) {
        caption = f.Caption();
        letterButtonShown = f.CmdWhatLetter.Visible() && f.FrameMailMerge.Visible();
        customers = f.ListMailCusts.ListCount();
        f.CmdCancel.userClick();
    });
    main.ItemMailMerge.userClick();
    EXPECT_EQ(caption, "Mail Merge");
    EXPECT_TRUE(letterButtonShown);
    EXPECT_EQ(customers, 3) << "ALPHA1, BETA02 and GAMMA3";
    EXPECT_TRUE(services.allScriptsUsed());
}

} // namespace
