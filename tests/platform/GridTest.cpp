#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace platform {
namespace {

class GridTest : public ::testing::Test {
protected:
    GridTest()
    {
        grid.setRows(4);
        grid.setCols(4);
        form.endDesign();
    }

    std::vector<std::string> rows() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid.Rows(); ++r) {
            std::string line;
            for (int c = 0; c < grid.Cols(); ++c)
                line += (c ? "|" : "") + grid.TextMatrix(r, c);
            texts.push_back(line);
        }
        return texts;
    }

    ScriptedServices services;
    Form form{services, "Form"};
    Grid grid{form, "QRYGrid"};
};

TEST_F(GridTest, ClipFillsTheSelectionBlockFromItsTopLeftCell)
{
    struct Case {
        const char* name;
        int startRow, startCol, endRow, endCol;
        std::string clip;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"exact block", 1, 1, 2, 2, "a\tb\rc\td", {"|||", "|a|b|", "|c|d|", "|||"}},
        {"reversed corners", 2, 2, 1, 1, "a\tb\rc\td", {"|||", "|a|b|", "|c|d|", "|||"}},
        {"text beyond the block is dropped", 1, 1, 1, 2, "a\tb\tc\rd", {"|||", "|a|b|", "|||", "|||"}},
        {"short text leaves the rest", 1, 0, 3, 3, "x\ry\tz", {"|||", "x|||", "y|z||", "|||"}},
        {"one cell", 3, 3, 3, 3, "only", {"|||", "|||", "|||", "|||only"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < 4; ++col)
                grid.setTextMatrix(r, col, "");
        grid.setRow(c.startRow);
        grid.setCol(c.startCol);
        grid.setSelStartRow(c.startRow);
        grid.setSelStartCol(c.startCol);
        grid.setSelEndRow(c.endRow);
        grid.setSelEndCol(c.endCol);
        grid.setClip(c.clip);
        EXPECT_EQ(rows(), c.expected);
    }
    // Reading gives the block back in the same form.
    grid.setRow(1);
    grid.setCol(1);
    grid.setSelEndRow(2);
    grid.setSelEndCol(2);
    grid.setClip("a\tb\rc\td");
    EXPECT_EQ(grid.Clip(), "a\tb\rc\td");
}

TEST_F(GridTest, AddItemSplitsAtTabsAndRemoveItemTakesTheRowAway)
{
    grid.AddItem("1\tone\ttoo\tmany\tcells");
    grid.AddItem("0\tzero", 1);
    EXPECT_EQ(rows(), (std::vector<std::string>{"|||", "0|zero||", "|||", "|||", "|||", "1|one|too|many"}));
    grid.setRow(5);
    grid.RemoveItem(2);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.TextMatrix(4, 1), "one");
    grid.RemoveItem(4);
    EXPECT_EQ(grid.Row(), 3) << "the current row stays within the grid";

    struct Bad {
        const char* name;
        std::function<void()> action;
        int error;
    };
    const Bad bad[] = {
        {"remove a fixed row", [&] { grid.RemoveItem(0); }, 5},
        {"remove past the end", [&] { grid.RemoveItem(4); }, 5},
        {"add into the fixed rows", [&] { grid.AddItem("x", 0); }, 5},
        {"cell outside", [&] { grid.TextMatrix(0, 4); }, 381},
        {"row outside", [&] { grid.setRow(4); }, 381},
        {"rows below the fixed rows", [&] { grid.setRows(0); }, 380},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(raisedErrorNumber(b.action), b.error);
    }
    grid.RemoveItem(3);
    grid.RemoveItem(2);
    EXPECT_THROW(grid.RemoveItem(1), runtime::Error) << "the last row that is not fixed stays";
}

TEST_F(GridTest, CurrentCellSelectionAndScrollingEvents)
{
    std::vector<std::string> log;
    grid.RowColChange = [&] { log.push_back("RowColChange"); };
    grid.SelChange = [&] { log.push_back("SelChange"); };
    grid.Click = [&] { log.push_back("Click"); };
    grid.Scroll = [&] { log.push_back("Scroll"); };

    grid.setRow(1); // already the current row
    EXPECT_TRUE(log.empty());
    grid.userClickCell(2, 3);
    EXPECT_EQ(log, (std::vector<std::string>{"RowColChange", "SelChange", "Click"}));
    grid.setText("here");
    EXPECT_EQ(grid.TextMatrix(2, 3), "here");

    log.clear();
    grid.userMoveTo(0, 2); // the keyboard never makes a fixed cell current
    grid.setTopRow(99);
    EXPECT_EQ(grid.TopRow(), 3);
    grid.setTopRow(0);
    EXPECT_EQ(grid.TopRow(), 1) << "fixed rows never scroll";
    EXPECT_EQ(log, (std::vector<std::string>{"Scroll", "Scroll"}));
    EXPECT_EQ(grid.Row(), 2);

    grid.setColWidth(1, 1);
    grid.setColAlignment(2, 1);
    grid.setCols(6);
    EXPECT_DOUBLE_EQ(grid.ColWidth(1), 1);
    EXPECT_EQ(grid.ColAlignment(2), 1);
    EXPECT_DOUBLE_EQ(grid.ColWidth(5), 600);
    EXPECT_EQ(grid.TextMatrix(2, 3), "here") << "cells survive a new column count";
}

TEST_F(GridTest, AClickOnAHeaderSelectsWhatItHeads)
{
    struct Case {
        const char* name;
        int row, col;
        int currentRow, currentCol;
        int selStartRow, selStartCol, selEndRow, selEndCol;
    };
    const Case cases[] = {
        {"column header", 0, 2, 1, 2, 1, 2, 3, 2},
        {"row header", 2, 0, 2, 1, 2, 1, 2, 3},
        {"corner", 0, 0, 1, 1, 1, 1, 3, 3},
        {"plain cell", 2, 3, 2, 3, 2, 3, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.setRow(3);
        grid.setCol(3);
        int clicks = 0;
        grid.Click = [&] {
            ++clicks;
            EXPECT_EQ(grid.Row(), c.currentRow) << "the block is in place before Click";
        };
        grid.userClickCell(c.row, c.col);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(grid.Col(), c.currentCol);
        EXPECT_EQ((std::vector<int>{grid.SelStartRow(), grid.SelStartCol(), grid.SelEndRow(), grid.SelEndCol()}),
                  (std::vector<int>{c.selStartRow, c.selStartCol, c.selEndRow, c.selEndCol}));
    }
}

TEST_F(GridTest, AGridEmptiedToItsFixedRowGrowsRowByRowThroughClip)
{
    grid.setTextMatrix(2, 1, "old");
    grid.setSelStartCol(1);
    grid.setSelEndCol(3);
    grid.setRows(1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0) << "only the fixed row is left to be current";
    int clicks = 0;
    grid.Click = [&] { ++clicks; };
    grid.userClickCell(0, 2);
    EXPECT_EQ(clicks, 1) << "a header with nothing under it selects nothing";
    for (const char* line : {"a\tb", "c\td\te\tdropped"}) {
        const int row = grid.Rows();
        grid.setRows(row + 1);
        grid.setSelStartRow(row);
        grid.setSelEndRow(row);
        grid.setSelStartCol(1);
        grid.setSelEndCol(3);
        grid.setClip(line);
    }
    EXPECT_EQ(rows(), (std::vector<std::string>{"|||", "|a|b|", "|c|d|e"}));
}

// Writes down what the grid tells, with the row count it has at that moment: a view reads the grid
// while it is told, so rows must be named before they change.
class RowLog : public Grid::Observer {
public:
    explicit RowLog(const Grid& grid) : grid_(grid) {}
    std::vector<std::string> told;

private:
    void note(const std::string& what) { told.push_back(what + " @" + std::to_string(grid_.shownRows())); }
    void rowsInserting(int first, int count) override { note("inserting " + std::to_string(first) + "+" + std::to_string(count)); }
    void rowsInserted() override { note("inserted"); }
    void rowsRemoving(int first, int count) override { note("removing " + std::to_string(first) + "+" + std::to_string(count)); }
    void rowsRemoved() override { note("removed"); }
    void cellsChanged(int top, int left, int bottom, int right) override
    {
        note("cells " + std::to_string(top) + "," + std::to_string(left) + "-" + std::to_string(bottom) + "," +
             std::to_string(right));
    }
    void resetting() override { note("resetting"); }
    void reset() override { note("reset"); }

    const Grid& grid_;
};

TEST_F(GridTest, AnObserverIsToldTheRowsEachChangeTouchesBeforeAndAfter)
{
    RowLog log(grid);
    grid.setObserver(&log);
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"a row added at the end", [&] { grid.AddItem("a\tb"); }, {"inserting 4+1 @4", "inserted @5"}},
        {"a row added between", [&] { grid.AddItem("c", 2); }, {"inserting 2+1 @5", "inserted @6"}},
        {"a row removed", [&] { grid.RemoveItem(1); }, {"removing 1+1 @6", "removed @5"}},
        {"rows added by count", [&] { grid.setRows(8); }, {"inserting 5+3 @5", "inserted @8"}},
        {"rows cut by count", [&] { grid.setRows(3); }, {"removing 3+5 @8", "removed @3"}},
        {"one cell", [&] { grid.setTextMatrix(2, 3, "x"); }, {"cells 2,3-2,3 @3"}},
        {"the same text again", [&] { grid.setTextMatrix(2, 3, "x"); }, {}},
        {"a block through Clip",
         [&] {
             grid.setRow(1);
             grid.setCol(1);
             grid.setSelEndRow(2);
             grid.setSelEndCol(2);
             grid.setClip("1\t2\r3\t4");
         },
         {"cells 1,1-2,2 @3"}},
        {"the columns", [&] { grid.setCols(6); }, {"resetting @3", "reset @3"}},
        {"an unload", [&] { form.Unload(); }, {"resetting @3", "reset @4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.told.clear();
        c.change();
        EXPECT_EQ(log.told, c.told);
    }
    grid.setObserver(nullptr);
    log.told.clear();
    grid.AddItem("unobserved");
    EXPECT_TRUE(log.told.empty());
}

TEST_F(GridTest, AShownCellIsReadWithoutLoadingTheForm)
{
    grid.setTextMatrix(1, 2, "kept");
    grid.setColAlignment(2, 1);
    form.Unload();
    ASSERT_FALSE(form.isLoaded());
    const Grid::ShownCell header = grid.shownCell(0, 2);
    const Grid::ShownCell cell = grid.shownCell(2, 2);
    EXPECT_TRUE(header.fixed);
    EXPECT_FALSE(cell.fixed);
    EXPECT_TRUE(grid.shownCell(2, 0).fixed);
    EXPECT_EQ(cell.alignment, 0) << "the design-time alignment is back";
    EXPECT_EQ(grid.shownCell(1, 2).text, "");
    EXPECT_EQ(grid.shownRows(), 4);
    EXPECT_FALSE(form.isLoaded());
}

} // namespace
} // namespace platform
