#pragma once

#include <string>
#include <vector>

#include "platform/Control.h"

namespace platform {

// The grid control: Rows x Cols cells of text, the first FixedRows rows and FixedCols columns
// fixed (headers). Row and Col name the current cell, which Text reads and writes; setting either
// collapses the selection block to the current cell, and SelStartRow/Col, SelEndRow/Col then
// stretch it. Indexes are 0-based; one outside the grid is error 381.
//
// Defaults: 2 rows and 2 columns, one fixed of each, columns 600 twips wide, rows 240 twips high,
// alignment 0 (left; 1 right, 2 centre).
class Grid : public Control {
public:
    static constexpr double DefaultColWidth = 600;
    static constexpr double DefaultRowHeight = 240;

    // Told of each change to the cells by the rows it touches, so that a view redraws only those.
    // Rows are named before they are added or removed and the change is confirmed after; anything
    // else that reshapes the grid (its columns, or every cell when the form unloads) is a reset.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void rowsInserting(int first, int count) = 0;
        virtual void rowsInserted() = 0;
        virtual void rowsRemoving(int first, int count) = 0;
        virtual void rowsRemoved() = 0;
        // The text of the cells from (top, left) to (bottom, right) changed.
        virtual void cellsChanged(int top, int left, int bottom, int right) = 0;
        virtual void resetting() = 0;
        virtual void reset() = 0;
    };

    // What a view shows of one cell.
    struct ShownCell {
        const std::string& text;
        int alignment;
        bool fixed;
    };

    Grid(Parent parent, std::string name, int index = -1);

    // One observer at a time (the Qt layer's view); null lets go.
    void setObserver(Observer* observer) { observer_ = observer; }
    // Read by a view, which repaints by itself: these never load the form. Indexes must lie inside.
    int shownRows() const { return state_.rows; }
    int shownCols() const { return state_.cols; }
    ShownCell shownCell(int row, int col) const;

    int Rows() const;
    // Cells of kept rows keep their text; new rows are empty. Fewer rows than FixedRows (or none) is
    // error 380.
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    int FixedRows() const;
    void setFixedRows(int rows);
    int FixedCols() const;
    void setFixedCols(int cols);
    double ColWidth(int col) const;
    void setColWidth(int col, double width);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    double RowHeight(int row) const;
    void setRowHeight(int row, double height);

    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    int SelStartRow() const;
    void setSelStartRow(int row);
    int SelStartCol() const;
    void setSelStartCol(int col);
    int SelEndRow() const;
    void setSelEndRow(int row);
    int SelEndCol() const;
    void setSelEndCol(int col);

    // The current cell's text.
    std::string Text() const;
    void setText(const std::string& text);
    std::string TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const std::string& text);
    // The selection block's text: cells separated by TAB, rows by CR. Setting it fills the block
    // from such a text, from its top left cell; text beyond the block is dropped and cells the text
    // does not reach keep theirs.
    std::string Clip() const;
    void setClip(const std::string& text);
    // Adds a row (at `index`, or at the end) whose cells, from column 0, take the TAB-separated texts.
    void AddItem(const std::string& text, int index = -1);
    // Removes a row; a fixed row, or the last row that is not fixed, cannot go (error 5).
    void RemoveItem(int index);

    // The first scrollable row and column shown; kept within the scrollable ones.
    int TopRow() const;
    void setTopRow(int row);
    int LeftCol() const;
    void setLeftCol(int col);
    bool HighLight() const;
    void setHighLight(bool on);

    // The user clicked a cell: it becomes the current cell (RowColChange, SelChange), then Click. A
    // click on a fixed row's cell selects that column's scrollable cells, on a fixed column's cell
    // that row's, on the corner every scrollable cell; the current cell is the block's top left.
    void userClickCell(int row, int col);
    // The user moved the current cell with the keyboard: RowColChange and SelChange, no Click. A
    // fixed cell cannot be current.
    void userMoveTo(int row, int col);
    // The user dragged a selection from the current cell to this one: SelChange.
    void userExtendSelection(int row, int col);

    Event RowColChange;
    Event SelChange;
    Event Scroll;

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    std::string& cell(int row, int col);
    const std::string& cell(int row, int col) const;
    void moveCurrent(int row, int col);
    void setSelection(int startRow, int startCol, int endRow, int endCol);
    template <class Tell> void tell(Tell tellObserver) const;

    struct State {
        int rows = 2;
        int cols = 2;
        int fixedRows = 1;
        int fixedCols = 1;
        std::vector<std::vector<std::string>> cells; // [row][col]
        std::vector<double> colWidths;
        std::vector<int> colAlignments;
        std::vector<double> rowHeights;
        int row = 1;
        int col = 1;
        int selStartRow = 1;
        int selStartCol = 1;
        int selEndRow = 1;
        int selEndCol = 1;
        int topRow = 1;
        int leftCol = 1;
        bool highLight = true;
    };
    State state_;
    State design_;
    Observer* observer_ = nullptr;
};

} // namespace platform
