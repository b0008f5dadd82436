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
#include "reports/ReconciliationPrintout.h"
#include "reports/ReportDesk.h"
#include "support/FileBytes.h"

namespace {

// A ticked row of the reconciliation window's list.
reports::ReconciliationRow ReconcileRow(const std::string& date, const std::string& ref, const std::string& memo,
                                        bool payment, double amount, double effect, int record)
{
    return {date, ref, memo, true, payment, amount, effect, record};
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
                               1250,
                               -96249069.99,
                               {ReconcileRow("10/Apr/2024", "BIG001", "Sale of premises", false, 1000000, 1001250, 1),
                                ReconcileRow("11/Apr/2024", "BIG002", "Building works", true, 99999999.99,
                                             -98998749.99, 2),
                                ReconcileRow("12/Apr/2024", "BIG003", "Grant", false, 2749680, -96249069.99, 3)}};
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
