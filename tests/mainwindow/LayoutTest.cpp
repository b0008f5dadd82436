#include "MainTest.h"

namespace {

using LayoutTest = MainTest;

// A window smaller than 8600 x 5000 twips is brought back to that size; the layout then follows it.
TEST_F(LayoutTest, SmallWindowsSnapBackToTheMinimumSize)
{
    struct Case {
        double width, height;
        double expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {8000, 6000, 8600, 6000},
        {9000, 4000, 9000, 5000},
        {7000, 3000, 8600, 5000},
        {12000, 9000, 12000, 9000},
    };
    cancelWizard();
    start();
    for (const Case& c : cases) {
        main.Move(0, 0, c.width, c.height);
        EXPECT_EQ(main.Width(), c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ(main.Height(), c.expectedHeight) << c.width << " x " << c.height;
        EXPECT_EQ(main.FrameEditBox.Width(), c.expectedWidth - 3125);
        EXPECT_EQ(main.QRYGrid.Width(), c.expectedWidth - 840);
        EXPECT_EQ(main.CmdExit.Left(), c.expectedWidth - 855);
    }
}

TEST_F(LayoutTest, HeightOf8000TwipsGivesNineteenRowsOfGrid)
{
    cancelWizard();
    start();

    main.Move(0, 0, 9600, 8000);

    // 19 rows of 241.25 twips, then the grid's own correction: 4583.75 + (4584 mod 241) + 15.
    EXPECT_DOUBLE_EQ(main.QRYGrid.Height(), 4603.75);
    EXPECT_EQ(main.PageSize, 16); // 4603.75 / 240 - 1, rounded, less the heading and a spare row
    EXPECT_EQ(main.QRYGrid.Rows(), 17);
    EXPECT_EQ(main.QRYScroll.LargeChange(), 16);
    EXPECT_DOUBLE_EQ(main.QRYScroll.Height(), main.QRYGrid.Height());
    EXPECT_DOUBLE_EQ(main.CmdPrint.Top(), main.QRYGrid.Top() + 4603.75 + 60);
    EXPECT_DOUBLE_EQ(main.LblMinusSign.Top(), main.CmdPrint.Top() - 100);
    EXPECT_DOUBLE_EQ(main.LblPlusSign.Top(), main.CmdPrint.Top() - 40);
}

TEST_F(LayoutTest, EditBoxFieldsFollowTheFrameWidth)
{
    cancelWizard();
    start();

    main.Move(0, 0, 10125, 8000); // a frame 7000 twips wide

    EXPECT_DOUBLE_EQ(main.ComboBank.Width(), 2940);
    EXPECT_DOUBLE_EQ(main.ComboToBank.Width(), 2030);
    const double toBankRight = main.ComboToBank.Left() + main.ComboToBank.Width();
    EXPECT_DOUBLE_EQ(main.TextDate.Left() + main.TextDate.Width(), toBankRight);
    EXPECT_DOUBLE_EQ(main.TextAmount.Left() + main.TextAmount.Width(), toBankRight);
    EXPECT_DOUBLE_EQ(main.ComboCustomer.Left() + main.ComboCustomer.Width(), toBankRight);
    EXPECT_DOUBLE_EQ(main.ComboAnal.Left(), main.ComboVAT.Left() + main.ComboVAT.Width() + 200);
    EXPECT_DOUBLE_EQ(main.CmdChange.Left(), 7000 - main.CmdChange.Width() - 100);
    EXPECT_DOUBLE_EQ(main.CheckPaid.Left(), main.CheckReconciled.Left() + main.CheckReconciled.Width() + 300);
}

TEST_F(LayoutTest, MinimisedWindowIsNotLaidOut)
{
    cancelWizard();
    start();
    const double gridHeight = main.QRYGrid.Height();

    main.setWindowState(platform::Minimized);
    main.Move(0, 0, 7000, 3000);

    EXPECT_EQ(main.QRYGrid.Height(), gridHeight);
    EXPECT_EQ(main.Width(), 7000); // not snapped back either
}

} // namespace

namespace {

double rightEdge(const platform::Control& control)
{
    return control.Left() + control.Width();
}

// The totals under the grid read "- payments + receipts": each figure whole in its label, no sign
// over a figure and the receipts clear of the Exit button, from the smallest window to a wide one.
TEST_F(LayoutTest, TotalsShowWholeBesideTheirSignsAtEveryWidth)
{
    cancelWizard();
    start();
    const struct {
        std::int64_t paymentPence, receiptPence;
    } totals[] = {{0, 0}, {385800, 521500}, {1234567890, 987654321}};
    for (const auto& t : totals) {
        main.book.ledger.Totals.Reset();
        main.book.ledger.Totals.AddPence(-t.paymentPence);
        main.book.ledger.Totals.AddPence(t.receiptPence);
        for (double width : {8600.0, 12000.0, 20000.0}) {
            SCOPED_TRACE(std::to_string(t.paymentPence) + " at " + std::to_string(width));
            main.Move(0, 0, width, 8000);
            main.RefreshQueryGrid(1);
            for (const platform::Label* total : {&main.LblPayTotal, &main.LblRcpTotal})
                EXPECT_GE(total->Width(), services.textWidth(total->font(), total->Caption())) << total->Caption();
            EXPECT_LE(rightEdge(main.LblMinusSign), main.LblPayTotal.Left());
            EXPECT_LE(rightEdge(main.LblPayTotal), main.LblPlusSign.Left());
            EXPECT_LE(rightEdge(main.LblPlusSign), main.LblRcpTotal.Left());
            EXPECT_LE(rightEdge(main.LblRcpTotal), main.CmdExit.Left());
        }
    }
}

} // namespace
