#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "OnScreenWindow.h"
#include "reports/CancelForm.h"
#include "reports/FakeReportHost.h"
#include "reports/ReconciliationPrint.h"
#include "reports/ReportDesk.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"

namespace {

// A line of the reconciliation window's list as its window builds it (reports::ReconLine).
std::string ReconcileLine(const std::string& date, const std::string& ref, const std::string& memo,
                          const std::string& payment, const std::string& receipt, const std::string& effect,
                          const std::string& record)
{
    return date + " " + ref + " " + runtime::padRight(memo, 20) + " " + runtime::padRight("Y", 6) + " " +
           runtime::padLeft(payment, 13) + " " + runtime::padLeft(receipt, 13) + " " + runtime::padLeft(effect, 14) +
           runtime::space(6) + record;
}

// The printed reconciliation, by the Qt printer to a PDF file in the proportional report font.
class ReconciliationPdfOnScreen : public OnScreenWindow, public testing::Test {
protected:
    ReconciliationPdfOnScreen()
    {
        desk.Settings.LeftMargin = 720;
        desk.Settings.TopMargin = 720;
        desk.Reconciliation = {"BANK01 Current",
                               "01/Apr/2024",
                               "30/Apr/2024",
                               "1,250.00",
                               "-96249069.99",
                               {ReconcileLine("10/Apr/2024", "BIG001", "Sale of premises", "", "1,000,000.00",
                                              "1,001,250.00", "000001"),
                                ReconcileLine("11/Apr/2024", "BIG002", "Building works", "99,999,999.99", "",
                                              "-98,998,749.99", "000002"),
                                ReconcileLine("12/Apr/2024", "BIG003", "Grant", "", "2,749,680.00", "-96,249,069.99",
                                              "000003")}};
    }

    FakeReportHost host;
    reports::ReportDesk desk{book, host, folder.path()};
};

TEST_F(ReconciliationPdfOnScreen, EveryAmountPrintsWhole)
{
    desk.PrintJobWindow().ShowJob("Reconciliation Report", reports::ReconciliationTag);
    const std::filesystem::path pdf = folder.path() / "out.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::filesystem::path text = folder.path() / "out.txt";
    const std::string command = "pdftotext '" + pdf.string() + "' '" + text.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // Each amount is one word of its own: neither cut short nor run into its neighbour.
    std::istringstream printed(readBytes(text));
    std::vector<std::string> words{std::istream_iterator<std::string>(printed), std::istream_iterator<std::string>()};
    for (const char* amount : {"1,250.00", "1,000,000.00", "1,001,250.00", "99,999,999.99", "-98,998,749.99",
                               "2,749,680.00"})
        EXPECT_EQ(std::ranges::count(words, amount), 1) << amount;
    EXPECT_EQ(std::ranges::count(words, "-96,249,069.99"), 2) << "the last effect and the ending balance";
}

} // namespace
