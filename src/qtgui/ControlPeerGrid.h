#pragma once

#include "platform/Grid.h"
#include "qtgui/ControlPeer.h"

class QTableView;

namespace qtgui {

class GridTableModel;

// The grid on a table view over the grid's own cells (GridTableModel). The fixed rows and columns
// are cells drawn like headers (the view's own headers stay hidden), so the grid's indexes are the
// view's. The current cell and selection block are the model's: a press on a cell is
// userClickCell, a keyboard move userMoveTo, a drag userExtendSelection; scrolling sets TopRow
// and LeftCol. What the grid's sizes would cut is shown whole: rows as high as the font's line,
// fixed columns as wide as their texts; RowHeight and ColWidth stay what the code set. A grid with
// a scroll bar beside it (one that holds a single page of a longer list) hands the wheel to that
// bar (platform::userWheel); any other scrolls its own rows.
class GridPeer : public WidgetPeer {
public:
    GridPeer(platform::Grid& grid, FormPeer& form);

    void released() override;

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showColumnWidths();
    void showRowHeights();
    // A fixed column (row numbers) is shown wide enough for its widest text, however narrow the
    // grid made it, so a five-digit row number is never cut.
    int shownColumnWidth(int col) const;
    // Rows grow with the grid's font: a row is never lower than the font's line.
    int shownRowHeight(int row) const;
    int fontLineHeight() const;
    void showScrollPosition();

    platform::Grid& grid_;
    QTableView* table_;
    GridTableModel* cells_;
    // The left button is down on the cells: the press chose the current cell, and dragging only
    // extends the selection from it, though the view moves its own current cell along.
    bool selecting_ = false;
    int wheelRest_ = 0;
};

} // namespace qtgui
