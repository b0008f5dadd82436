#include "MainTest.h"
#include "core/QueryTotals.h"
#include "runtime/Format.h"

namespace {

constexpr int Ctrl = 2;
enum Key : int { PageUp = 33, PageDown = 34, End = 35, Home = 36, Up = 38, Down = 40 };

// The main window started on a book of 100 transactions.
class GridTest : public MainTest {
protected:
    void SetUp() override
    {
        writeSettings(fullSettings(writeCompany("Shop.QBD", 100)));
        start();
        main.setFocus(main.QRYGrid);
    }

    // The page a full refill from the scroll bar's place gives.
    std::vector<std::string> refilledPage()
    {
        main.PreviousTopPosition = -1;
        main.RefreshQueryGrid(main.QRYScroll.Value());
        return gridPage();
    }

    void key(int code, int shift = 0)
    {
        main.userKeyDown(code, shift);
        main.userKeyUp(code, shift);
    }

    // An arrow key as the grid takes it: its own move of the current row comes between the key's
    // going down and its coming up.
    void arrow(int code)
    {
        main.userKeyDown(code);
        const int row = main.QRYGrid.Row() + (code == Down ? 1 : -1);
        if (row >= 1 && row < main.QRYGrid.Rows())
            main.QRYGrid.userMoveTo(row, main.QRYGrid.Col());
        main.userKeyUp(code);
    }

    // The place in the list a grid row shows, from its column 0.
    std::string placeIn(int row) const { return main.QRYGrid.TextMatrix(row, 0); }
};

TEST_F(GridTest, RowShowsTheTransactionInColumns)
{
    EXPECT_EQ(main.QRYScroll.Max(), 100);
    EXPECT_EQ(main.QRYScroll.Value(), 1);
    EXPECT_EQ(gridRow(1), "1\t \t01/Jan/2025\t000100\tPAY\tS  \tItem 1" + std::string(68, ' ') +
                              "\t      10.00\t\t \t \tBANK1 \t      \tSALE");
    EXPECT_EQ(main.QRYGrid.TextMatrix(2, 7), "");
    EXPECT_EQ(main.QRYGrid.TextMatrix(2, 8), "      11.00");
    EXPECT_EQ(main.QRYGrid.TextMatrix(3, 8), "      12.00"); // an invoice is a receipt
    EXPECT_EQ(main.QRYGrid.TextMatrix(4, 7), "      13.00"); // a bill is a payment
    double payments = 0;
    double receipts = 0;
    for (int i = 0; i < 100; ++i)
        (i % 4 == 0 || i % 4 == 3 ? payments : receipts) += 10 + i;
    EXPECT_EQ(main.LblPayTotal.Caption(), core::FormatQueryTotal(payments));
    EXPECT_EQ(main.LblRcpTotal.Caption(), core::FormatQueryTotal(receipts));
}

TEST_F(GridTest, OneLineScrollsGiveTheSamePageAsARefill)
{
    const int steps[] = {1, 1, 1, -1, -1, 1, -1};
    for (int step : steps) {
        main.QRYScroll.userStep(step);
        const std::vector<std::string> scrolled = gridPage();
        EXPECT_EQ(scrolled, refilledPage()) << "at " << main.QRYScroll.Value();
        EXPECT_EQ(placeIn(1), std::to_string(main.QRYScroll.Value()));
    }
}

TEST_F(GridTest, ControlEndShowsTheLastTransactionAloneAndControlHomeGoesBack)
{
    key(End, Ctrl);

    EXPECT_EQ(main.QRYScroll.Value(), 100);
    EXPECT_EQ(placeIn(1), "100");
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 6).substr(0, 8), "Item 100");
    for (int row = 2; row <= main.PageSize; ++row)
        EXPECT_EQ(gridRow(row), std::string(13, '\t')) << row;

    key(Home, Ctrl);

    EXPECT_EQ(main.QRYScroll.Value(), 1);
    EXPECT_EQ(placeIn(1), "1");
}

TEST_F(GridTest, PageKeysMoveByAPageAndStopAtTheEnds)
{
    const int page = main.PageSize;
    key(PageDown);
    EXPECT_EQ(main.QRYScroll.Value(), 1 + page);
    main.QRYScroll.setValue(98);
    key(PageDown);
    EXPECT_EQ(main.QRYScroll.Value(), 100);
    key(PageDown);
    EXPECT_EQ(main.QRYScroll.Value(), 100);
    main.QRYScroll.setValue(3);
    key(PageUp);
    EXPECT_EQ(main.QRYScroll.Value(), 1);
}

TEST_F(GridTest, UpOnTheFirstRowOfTheFirstPageChangesNothing)
{
    main.QRYGrid.userClickCell(1, 3);
    const std::vector<std::string> before = gridPage();

    arrow(Up);

    EXPECT_EQ(main.QRYScroll.Value(), 1);
    EXPECT_EQ(gridPage(), before);
}

TEST_F(GridTest, DownOnTheLastRowScrollsOneLineAndKeepsTheSelection)
{
    main.QRYGrid.userClickCell(main.PageSize, 3);
    EXPECT_EQ(main.SelectedMark, main.PageSize + 1);

    arrow(Down);

    EXPECT_EQ(main.QRYScroll.Value(), 2);
    EXPECT_EQ(main.SelectedMark, main.PageSize + 2);
    EXPECT_EQ(main.QRYGrid.SelStartRow(), main.PageSize);
}

TEST_F(GridTest, SortByReferenceReordersAndStartsAtTheTop)
{
    main.QRYScroll.setValue(40);

    main.ByRefItem.userClick();

    EXPECT_TRUE(main.ByRefItem.Checked());
    EXPECT_FALSE(main.ByDateItem.Checked());
    EXPECT_EQ(main.QRYScroll.Value(), 1);
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 3), "000001");
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 2), "10/Apr/2025");
    const std::vector<std::string> page = gridPage();

    main.ByRefItem.userClick();

    EXPECT_TRUE(main.ByRefItem.Checked());
    EXPECT_EQ(gridPage(), page);

    main.ByDateItem.userClick();

    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 3), "000100");
}

TEST_F(GridTest, NamedFilterThatPassesNothingEmptiesTheGridAndSaysSo)
{
    main.QRYScroll.setValue(10);
    services.answerMessageBox(platform::Answer::OK);
    main.ComboMainFilters.userSelect(main.ComboMainFilters.model().ListCount() - 1);

    EXPECT_EQ(main.ComboMainFilters.Text(), "Nothing             ");
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"No records match the filter criteria..."});
    EXPECT_EQ(main.QRYScroll.Max(), 1);
    EXPECT_EQ(main.QRYScroll.Value(), 1);
    EXPECT_EQ(gridRow(1), std::string(13, '\t'));
    EXPECT_FALSE(main.FrameEditBox.Enabled());

    main.QRYGrid.userClickCell(1, 3);
    main.QRYGrid.userDblClick();
    EXPECT_EQ(main.book.ledger.CurrentTransactionIndex, 0);
}

// A double-click on a row loads its transaction into the edit box, dressed for its type.
TEST_F(GridTest, DoubleClickLoadsEachTypeIntoTheEditBox)
{
    struct Case {
        int row;
        std::string type, caption;
        long colour;
        bool genPay, invoiceItems, remittance;
    };
    const Case cases[] = {
        {1, "PAY", "Payment", 16051437, false, false, true},
        {2, "RCP", "Receipt", 14342634, false, false, false},
        {3, "INV", "Invoice", 0x80000018, true, true, false},
        {4, "BIL", "Bill", 0x8000000F, true, false, true},
    };
    for (const Case& c : cases) {
        main.QRYGrid.userClickCell(c.row, 4);
        EXPECT_TRUE(main.TranItem.Enabled());
        main.QRYGrid.userDblClick();

        EXPECT_EQ(main.book.ledger.CurrentTransactionIndex, c.row) << c.type;
        EXPECT_EQ(main.ComboType.Text(), c.type);
        EXPECT_EQ(main.EditLabel[4].Caption(), c.caption);
        EXPECT_EQ(main.FrameEditBox.BackColor(), c.colour) << c.type;
        EXPECT_EQ(main.CheckPaid.BackColor(), c.colour) << c.type;
        EXPECT_TRUE(main.FrameEditBox.Enabled());
        EXPECT_EQ(main.CmdGenPay.Enabled(), c.genPay) << c.type;
        EXPECT_EQ(main.RepInvItem.Enabled(), c.invoiceItems) << c.type;
        EXPECT_EQ(main.ItemInvQuickPrint.Enabled(), c.invoiceItems) << c.type;
        EXPECT_EQ(main.ItemRemittance.Enabled(), c.remittance) << c.type;
        EXPECT_FALSE(main.ComboToBank.Visible()) << c.type;
        EXPECT_EQ(main.TextRef.Text(), runtime::format(101 - c.row, "000000"));
        EXPECT_EQ(main.TextAmount.Text(), std::to_string(9 + c.row) + ".00");
        EXPECT_EQ(main.ComboBank.Text(), "BANK1");
        EXPECT_TRUE(main.CmdChange.Default());
        EXPECT_EQ(main.book.ledger.CurrentTransactionLine, main.book.ledger.Transactions.Line(c.row));
    }
}

// Enter loads the selected row only when it went down in the grid as well as coming up there.
TEST_F(GridTest, EnterLoadsTheRowOnlyWhenPressedInTheGrid)
{
    for (const bool downInGrid : {false, true}) {
        main.book.ledger.CurrentTransactionIndex = 0;
        main.QRYGrid.userClickCell(2, 3);
        if (downInGrid)
            main.userKeyDown(platform::KeyReturn);
        main.userKeyUp(platform::KeyReturn);

        EXPECT_EQ(main.book.ledger.CurrentTransactionIndex, downInGrid ? 2 : 0) << downInGrid;
        EXPECT_FALSE(main.GridEnterPressed);
    }
}

TEST_F(GridTest, TranItemLoadsTheCurrentRow)
{
    main.QRYGrid.userClickCell(3, 2);

    main.TranItem.userClick();

    EXPECT_EQ(main.book.ledger.CurrentTransactionIndex, 3);
}

TEST_F(GridTest, HeaderDoubleClicksOpenTheirFilterOrNothing)
{
    // The frames the filter window shows for each header; none means the window does not open (an
    // unscripted showing would throw).
    struct Case {
        int col;
        std::vector<std::string> frames;
    };
    const Case cases[] = {
        {7, {"FrameAmount"}},
        {8, {"FrameAmount"}},
        {2, {"FrameDate"}},
        {13, {"FrameAnal"}},
        {10, {}},
        {0, {"FrameDate", "FrameRefNum", "FrameTypes", "FrameVAT", "FrameComment", "FrameAmount", "FrameRecon",
             "FrameBank", "FrameCust", "FrameAnal"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> shown;
        if (!c.frames.empty())
            services.onModal<mainwindow::Filter>("Filter", [&](mainwindow::Filter& filter) {
                for (platform::Frame* frame : filter.criterionFrames())
                    if (frame->Visible())
                        shown.push_back(frame->Name());
                filter.CmdCancel.userClick();
            });
        main.QRYGrid.userClickCell(0, c.col);
        main.QRYGrid.userDblClick();
        EXPECT_EQ(shown, c.frames) << c.col;
    }
    EXPECT_TRUE(services.allScriptsUsed());
}

} // namespace
