#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "PrintedListTest.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "reports/CodeListPrint.h"
#include "reports/PrintJobRequest.h"
#include "reports/ReconciliationPrint.h"
#include "reports/ReconciliationPrintout.h"
#include "reports/StandingOrderListPrint.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

std::string At(int x, int y, const std::string& text)
{
    return std::to_string(x) + "," + std::to_string(y) + ":" + text;
}

std::string Blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// The title line of a kind's page on A4 at margins of 720: 131 characters across.
std::string TitleLine(const std::string& title, const std::string& page = "001")
{
    const std::string text = "Quillbook 2000-32 " + title + " : Acme Trading Ltd 15/Jun/2025 09:30:05";
    return At(720, 720, runtime::padRight(text, 122) + " Page " + page);
}

// Column headings at `y` and their rulers a line below, from the columns' x and widths in characters.
Lines Headings(int y, const std::vector<std::pair<std::string, int>>& columns)
{
    Lines headings;
    Lines rulers;
    int x = 720;
    for (const auto& [heading, width] : columns) {
        headings.push_back(At(x, y, heading));
        rulers.push_back(At(x, y + 192, Ruler(width - 1)));
        x += width * 80;
    }
    return Join({headings, rulers});
}

const std::vector<std::pair<std::string, int>> BankColumns{{"Code", 8},   {"Name", 22},      {"Address", 23}, {"Telephone", 17},
                                                          {"Opened", 11}, {"Start Bal", 13}, {"Curr Bal", 13}};
const std::vector<std::pair<std::string, int>> CustomerColumns{
    {"Code", 8}, {"Name", 22}, {"Address", 23}, {"Telephone", 17}, {"Fax", 17}};

// Further address lines in the address column from `y`, a line apart.
Lines AddressLines(int y, const Lines& lines)
{
    Lines runs;
    for (const std::string& line : lines) {
        runs.push_back(At(3120, y, line));
        y += 192;
    }
    return runs;
}

// The printed lists of tests/data/company.QBD, each run as its Print button runs it.
class CodeListPrintTest : public PrintedListTest {
protected:
    CodeListPrintTest() { loadCompany(); }

    void print(const std::string& reportName, const std::string& tag)
    {
        services.answerPrinterDialog();
        ASSERT_TRUE(reports::RequestPrintJob(desk, reportName, tag));
    }

    // The reconciliation of BANK01 in April 2024 as the window shows it, CHQ100 ticked.
    void showReconciliation(const std::vector<reports::ReconciliationRow>& rows)
    {
        desk.Reconciliation = {"BANK01 Barclays Current", "01/Apr/2024", "30/Apr/2024", 1000, 930, rows};
    }

    void addCustomer(const std::string& code, const std::string& address)
    {
        core::CustomerRecord customer;
        customer.Code = code;
        customer.Name = "Corner Shop";
        customer.Address = address;
        const std::string line = core::FormatCustomerLine(customer);
        ASSERT_TRUE(core::AddCodeLine(book.messages, book.codes.ListCustCodes, book.codes.ComboCustomer, line,
                                      line.substr(0, 27), 6));
    }
};

constexpr bool Payment = true;
constexpr bool Receipt = false;

// A row of the reconciliation window's list; the effect is the balance after it was ticked.
reports::ReconciliationRow ReconcileRow(const std::string& date, const std::string& ref, const std::string& memo,
                                        bool ticked, bool payment, double amount, std::optional<double> effect)
{
    return {date, ref, memo, ticked, payment, amount, effect, 11};
}

const reports::ReconciliationRow ChequeRow =
    ReconcileRow("10/Apr/2024", "CHQ100", "Office supplies", true, Payment, 70, 930);

TEST_F(CodeListPrintTest, BankListShowsStartAndReconciledBalancesAndTheirTotal)
{
    print("Bank Account Report", "WB_BCDUMP");

    EXPECT_EQ(page(), Join({{TitleLine("Bank Account Report  ")},
                            Headings(1104, BankColumns),
                            {At(720, 1680, "BANK01"), At(1360, 1680, "Barclays Current    "), At(3120, 1680, "1 Bank St           "),
                             At(4960, 1680, "0113 000 111   "), At(6320, 1680, "01/Apr/2024"), At(7200, 1680, "   1,000.00"),
                             At(8240, 1680, "     930.00")},
                            AddressLines(1872, {"Leeds" + Blanks(15), Blanks(20), Blanks(20), Blanks(20)}),
                            {At(720, 2640, "CASH01"), At(1360, 2640, "Petty Cash          "), At(3120, 2640, Blanks(20)),
                             At(4960, 2640, Blanks(15)), At(6320, 2640, "01/Apr/2024"), At(7200, 2640, "      50.00"),
                             At(8240, 2640, "      50.00")},
                            AddressLines(2832, {Blanks(20), Blanks(20), Blanks(20)}),
                            {At(720, 3600, "Total of all Current balances :      980.00"), At(720, 3984, "2 Bank Codes"),
                             At(720, 4368, "*** End Of Report ***")}}));
    EXPECT_EQ(window().LbLReportName.Caption(), "Bank Account Report");
    EXPECT_EQ(printer().endedDocuments(), 1);
    EXPECT_EQ(services.doEventsCalls(), 2) << "one yield per account, not per line";
    expectJobEnded();
}

TEST_F(CodeListPrintTest, BankColumnsOffThePageArePrintedNeitherInRowsNorAsAddressLines)
{
    // Only "Code" and "Name" end within 5000 - 720; the balances still make the total.
    printer().setPageSize(5000, 16838);
    print("Bank Account Report", "WB_BCDUMP");

    const Lines runs = page();
    EXPECT_EQ(Lines(runs.begin() + 5, runs.end()),
              (Lines{At(720, 1680, "BANK01"), At(1360, 1680, "Barclays Current    "), At(720, 1872, "CASH01"),
                     At(1360, 1872, "Petty Cash          "), At(720, 2256, "Total of all Current balances :      980.00"),
                     At(720, 2640, "2 Bank Codes"), At(720, 3024, "*** End Of Report ***")}));
}

TEST_F(CodeListPrintTest, CustomerListPrintsEachAddressInLinesOfTwentyCharacters)
{
    print("Customer Report", "WB_CCDUMP");

    EXPECT_EQ(page(), Join({{TitleLine("Customer Report      ")},
                            Headings(1104, CustomerColumns),
                            {At(720, 1680, "ACME01"), At(1360, 1680, "Acme Widgets        "), At(3120, 1680, "2 Mill Lane         "),
                             At(4960, 1680, "01904 111222   "), At(6320, 1680, "01904 111333   ")},
                            AddressLines(1872, {"York" + Blanks(16), Blanks(20), Blanks(20), Blanks(20)}),
                            {At(720, 2640, "bolt02"), At(1360, 2640, "Bolt & Co           "), At(3120, 2640, Blanks(20)),
                             At(4960, 2640, Blanks(15)), At(6320, 2640, Blanks(15))},
                            AddressLines(2832, {Blanks(20), Blanks(20), Blanks(20)}),
                            {At(720, 3600, "2 Customer Codes"), At(720, 3984, "*** End Of Report ***")}}));
}

TEST_F(CodeListPrintTest, AddressLineBreaksNearTheEndOfTheAddress)
{
    const struct {
        const char* why;
        std::string address;
        Lines lines; // from the entry's own line on
    } cases[] = {
        {"a break leaving the position at the 80th character ends the address there",
         std::string(60, 'a') + std::string(17, 'b') + "\r\nZ", {std::string(20, 'a'), std::string(20, 'a'), std::string(20, 'a'),
                                                                   std::string(17, 'b') + Blanks(3)}},
        {"a CR in the 80th place is blanked without a character after it",
         std::string(79, 'c') + "\r", {std::string(20, 'c'), std::string(20, 'c'), std::string(20, 'c'), std::string(19, 'c') + " "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        book.codes.ListCustCodes.Clear();
        book.codes.ComboCustomer.Clear();
        addCustomer("CORN03", c.address);
        print("Customer Report", "WB_CCDUMP");
        Lines address;
        for (const std::string& run : page())
            if (run.rfind("3120,", 0) == 0 && run.find(":Address") == std::string::npos && run.find(":_") == std::string::npos)
                address.push_back(run.substr(run.find(':') + 1));
        EXPECT_EQ(address, c.lines);
        services.recordingPrinter() = platform::RecordingPrinter();
    }
}

TEST_F(CodeListPrintTest, AnEntrysFurtherAddressLinesMayRunBelowThePageLimit)
{
    // The limit is 3440 - 2 x 720 = 2000: ACME01 starts above it and keeps its five lines.
    printer().setPageSize(11906, 3440);
    print("Customer Report", "WB_CCDUMP");

    const Lines first = page(0);
    EXPECT_EQ(first.back(), At(3120, 2448, Blanks(20)));
    const Lines second = page(1);
    EXPECT_EQ(second.at(0), TitleLine("Customer Report      ", "002"));
    EXPECT_EQ(Lines(second.begin() + 1, second.begin() + 11), Headings(1104, CustomerColumns));
    EXPECT_EQ(second.at(11), At(720, 1680, "bolt02"));
}

TEST_F(CodeListPrintTest, AtTopMarginZeroNoEntryOrClosingLineRunsPastThePagesEnd)
{
    // ACME01 prints on five lines; the page's end falls inside it, after it and among the closing lines.
    desk.Settings.TopMargin = 0;
    for (const double height : {1950.0, 2150.0, 2300.0, 2500.0, 2700.0}) {
        services.recordingPrinter() = platform::RecordingPrinter();
        printer().setPageSize(11906, height);
        print("Customer Report", "WB_CCDUMP");
        ASSERT_EQ(printer().documents().size(), 1u);
        std::vector<std::string> texts;
        for (const platform::RecordedPage& printed : printer().documents()[0].pages) {
            for (const platform::TextRun& run : printed.runs) {
                EXPECT_LE(run.y + 192, height) << "page height " << height << ": " << run.text;
                if (!run.text.empty())
                    texts.push_back(run.text);
            }
        }
        EXPECT_EQ(std::ranges::count(texts, "ACME01"), 1) << height;
        EXPECT_EQ(std::ranges::count(texts, "bolt02"), 1) << height;
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), "*** End Of Report ***");
    }
}

TEST_F(CodeListPrintTest, CategoryAndVatListsPrintOneLinePerCode)
{
    print("Category Report", "WB_ACDUMP");
    EXPECT_EQ(page(), Join({{TitleLine("Category Report      ")},
                            Headings(1104, {{"Code", 6}, {"Name", 22}}),
                            {At(720, 1680, "SALE"), At(1200, 1680, "Sales               "), At(720, 1872, "STAT"),
                             At(1200, 1872, "Stationery          "), At(720, 2256, "2 Categories"),
                             At(720, 2640, "*** End Of Report ***")}}));

    services.recordingPrinter() = platform::RecordingPrinter();
    print("VAT Code Report", "WB_VCDUMP");
    EXPECT_EQ(page(), Join({{TitleLine("VAT Code Report      ")},
                            Headings(1104, {{"Code", 6}, {"Name", 22}, {"Rate", 13}}),
                            {At(720, 1680, "STD"), At(1200, 1680, "Standard rate       "), At(2960, 1680, "      17.50"),
                             At(720, 1872, "ZER"), At(1200, 1872, "Zero rated          "), At(2960, 1872, "       0.00"),
                             At(720, 2256, "2 VAT Codes"), At(720, 2640, "*** End Of Report ***")}}));
}

TEST_F(CodeListPrintTest, StandingOrderListPrintsTheMemosLineBreakAsTwoBlanks)
{
    print("Standing Order Report", "WB_STODUMP");

    EXPECT_EQ(page(), Join({{TitleLine("Standing Order Report")},
                            Headings(1104, {{"Date", 6}, {"Ref", 8}, {"Type", 6}, {"Amount", 13}, {"Memo", 22}, {"Bank", 8},
                                            {"Cust", 8}, {"VAT", 5}, {"Categ", 6}, {"To Bank", 8}}),
                            {At(720, 1680, "15"), At(1200, 1680, "RENT01"), At(1840, 1680, "PAY"),
                             At(2320, 1680, "     500.00"), At(3360, 1680, "Monthly rent  Unit 4"), At(5120, 1680, "BANK01"),
                             At(5760, 1680, Blanks(6)), At(6400, 1680, "ZER"), At(6800, 1680, "STAT"),
                             At(7280, 1680, Blanks(6))},
                            {At(720, 2064, "1 Standing Orders"), At(720, 2448, "*** End Of Report ***")}}));
}

TEST_F(CodeListPrintTest, AStandingOrderOfTheOlderLayoutIsRealignedInTheListAndPrintedAsTheCurrentOne)
{
    const std::string current = book.codes.ListSTOs.List(0);
    print("Standing Order Report", "WB_STODUMP");
    const Lines fromCurrent = page();

    // The older layout lacks the two blanks after the tenth character.
    book.codes.ListSTOs.setList(0, current.substr(0, 10) + current.substr(12));
    services.recordingPrinter() = platform::RecordingPrinter();
    print("Standing Order Report", "WB_STODUMP");

    EXPECT_EQ(page(), fromCurrent);
    EXPECT_EQ(book.codes.ListSTOs.List(0), current);
}

TEST_F(CodeListPrintTest, ReconciliationPrintsTheWindowsListAndItsBalances)
{
    showReconciliation({ChequeRow});
    print("Reconciliation Report", "WB_RECONDUMP");

    EXPECT_EQ(page(), Join({{TitleLine("Reconciliation Report"),
                             At(720, 912, "Barclays Current     Reconciliation from 01/Apr/2024 to 30/Apr/2024"),
                             At(720, 1296, "Reconciled Starting Balance :   1,000.00")},
                            Headings(1872, {{"Day", 13}, {"Ref", 8}, {"Memo", 17}, {"Recon?", 8}, {"Payment", 13},
                                            {"Receipt", 13}, {"Effect", 13}}),
                            {At(720, 2448, "10/Apr/2024"), At(1760, 2448, "CHQ100"), At(2400, 2448, "Office supplies     "),
                             At(3760, 2448, "    Y"), At(4400, 2448, "      70.00"), At(6480, 2448, "     930.00")},
                            {At(720, 2832, "Ending Reconciled Balance :      930.00"), At(720, 3216, "*** End Of Report ***")}}));
    expectJobEnded();
}

TEST_F(CodeListPrintTest, AReconciliationReceiptFillsOnlyTheReceiptColumnAndABlankEffectPrintsNothing)
{
    showReconciliation({ReconcileRow("05/Apr/2024", "INV001", "Consulting", false, Receipt, 117.5, std::nullopt)});
    desk.Reconciliation.BankText = "NOBANK";
    print("Reconciliation Report", "WB_RECONDUMP");

    const Lines runs = page();
    EXPECT_EQ(runs.at(1), At(720, 912, " Reconciliation from 01/Apr/2024 to 30/Apr/2024")) << "an unknown bank has no name";
    EXPECT_EQ(Lines(runs.begin() + 17, runs.begin() + 22),
              (Lines{At(720, 2448, "05/Apr/2024"), At(1760, 2448, "INV001"), At(2400, 2448, "Consulting          "),
                     At(3760, 2448, Blanks(5)), At(5440, 2448, "     117.50")}));
    EXPECT_EQ(runs.at(22), At(720, 2832, "Ending Reconciled Balance :      930.00"));
}

// Amounts wider than eleven characters print whole, each ending where its column's ruler ends.
TEST_F(CodeListPrintTest, AReconciliationsWidestAmountsPrintWhole)
{
    showReconciliation({ReconcileRow("05/Apr/2024", "BIG001", "Premises", true, Receipt, 2500000, 1501000),
                        ReconcileRow("06/Apr/2024", "BIG002", "Purchase", true, Payment, 99999999.99, -98498999.99),
                        ReconcileRow("07/Apr/2024", "BIG003", "Deposit", true, Receipt, 1000000, -1234567890)});
    print("Reconciliation Report", "WB_RECONDUMP");

    const Lines runs = page();
    // Payment, receipt and effect columns start at 4400, 5440 and 6480; a character is 80 twips.
    EXPECT_EQ(Lines(runs.begin() + 21, runs.begin() + 23),
              (Lines{At(5360, 2448, "2,500,000.00"), At(6400, 2448, "1,501,000.00")}));
    EXPECT_EQ(Lines(runs.begin() + 27, runs.begin() + 29),
              (Lines{At(4240, 2640, "99,999,999.99"), At(6240, 2640, "-98,498,999.99")}));
    EXPECT_EQ(Lines(runs.begin() + 33, runs.begin() + 35),
              (Lines{At(5360, 2832, "1,000,000.00"), At(6000, 2832, "-1,234,567,890.00")}));
}

TEST_F(CodeListPrintTest, CancelAfterTheFirstEntryEndsEachListWithTheCancelLineAlone)
{
    const struct {
        const char* name;
        const char* tag;
        int cancelY;
    } cases[] = {
        {"Bank Account Report", "WB_BCDUMP", 2640}, {"Customer Report", "WB_CCDUMP", 2640},
        {"Category Report", "WB_ACDUMP", 1872},     {"VAT Code Report", "WB_VCDUMP", 1872},
        {"Standing Order Report", "WB_STODUMP", 1872}, {"Reconciliation Report", "WB_RECONDUMP", 2640},
    };
    // Two lines, so that a second one would follow.
    showReconciliation({ChequeRow, ChequeRow});
    book.codes.ListSTOs.AddItem(book.codes.ListSTOs.List(0));
    int firstYield = 0;
    services.atYield = [&](int yields) {
        if (yields == firstYield)
            window().CmdCancel.userClick();
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        firstYield = services.doEventsCalls() + 1;
        print(c.name, c.tag);
        const Lines runs = page();
        EXPECT_EQ(runs.back(), At(720, c.cancelY, "*** Report Cancelled ***"));
        EXPECT_EQ(printer().endedDocuments(), 1);
        expectJobEnded();
        services.recordingPrinter() = platform::RecordingPrinter();
    }
}

} // namespace
