#include <algorithm>
#include <string>
#include <vector>

#include "ViewerTest.h"
#include "platform/RecordingPrinter.h"

namespace {

// A system audit (kind 20) in Courier New 8.5, as the main program writes it: every cell of the
// Date column is as long as the column is wide in characters.
std::vector<std::string> SystemAuditReport()
{
    return {
        "Courier New", "8.5", "000720", "000360", "000020", "Quillbook 2000-32 System Audit : Fixture Trading Ltd",
        "*** REPORT STARTS ***", "", "",
        "Sys ID\tDate     \tRef \tType \tVAT \tMemo            \tPayment \tReceipt ",
        "______\t_________\t______\t___\t___\t____________________\t___________\t___________",
        "000001\t02/Jan/2003\tCHQ100\tPAY\tSTD\tOffice supplies     \t     70.00\t",
        "000002\t28/Feb/2003\tINV001\tINV\tSTD\tConsulting          \t\t  1,117.50\t\t\t\t\t\t\t\t\thidden",
    };
}

// A printer whose figures are half as wide again as its other characters, as a proportional
// font's may be wider than its average character.
class WideFiguresPrinter : public platform::RecordingPrinter {
public:
    double TextWidth(const std::string& text) const override
    {
        const auto figures = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        return RecordingPrinter::TextWidth(text) + static_cast<double>(figures) * FontSize() * 5;
    }
};

TEST_F(ViewerTest, EveryColumnSizedInCharactersShowsItsWidestCellWhole)
{
    datapeek::ViewerWindow& viewer = startOn(SystemAuditReport());
    const platform::Font& font = viewer.ViewGrid.font();
    // A cell fills its column only with room for the grid's margins beside it.
    EXPECT_GT(viewer.ViewGrid.ColWidth(2), services.textWidth(font, "02/Jan/2003"));
    EXPECT_GT(viewer.ViewGrid.ColWidth(8), services.textWidth(font, "1,117.50"));
    // Columns wide enough already, and the column the layout keeps narrow on purpose, stay.
    EXPECT_EQ(viewer.ViewGrid.ColWidth(6), 22 * 85);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(16), 100);
}

TEST_F(ViewerTest, PrintedColumnsAreWideEnoughForTheirCellsInThePrintersFont)
{
    WideFiguresPrinter printer;
    services.otherPrinter = &printer;
    startOn(SystemAuditReport());
    services.answerPrinterDialog(1);
    window->CmdPrint.userClick();

    ASSERT_EQ(printer.documents().size(), 1u);
    const std::vector<platform::TextRun>& runs = printer.documents()[0].pages[0].runs;
    const auto at = [&runs](const std::string& text) {
        const auto found = std::find_if(runs.begin(), runs.end(), [&text](const platform::TextRun& run) { return run.text == text; });
        EXPECT_NE(found, runs.end()) << text;
        return found == runs.end() ? platform::TextRun{} : *found;
    };
    const platform::TextRun date = at("02/Jan/2003");
    printer.setFontName(date.font.name);
    printer.setFontSize(date.font.size);
    printer.setFontBold(date.font.bold);
    EXPECT_LE(date.x + printer.TextWidth(date.text), at("CHQ100").x);
    const platform::TextRun number = at("000002");
    EXPECT_LE(number.x + printer.TextWidth(number.text), at("28/Feb/2003").x);
}

} // namespace
