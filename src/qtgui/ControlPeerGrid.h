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
// and LeftCol.
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
    void showScrollPosition();

    platform::Grid& grid_;
    QTableView* table_;
    GridTableModel* cells_;
    // The left button is down on the cells: the press chose the current cell, and dragging only
    // extends the selection from it, though the view moves its own current cell along.
    bool selecting_ = false;
};

} // namespace qtgui
