#include "qtgui/ControlPeerGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <utility>

#include "qtgui/FormPeer.h"
#include "qtgui/GridCellDelegate.h"
#include "qtgui/GridTableModel.h"
#include "qtgui/WidgetGeometry.h"

namespace qtgui {

GridPeer::GridPeer(platform::Grid& grid, FormPeer& form)
    : WidgetPeer(grid, form), grid_(grid), table_(new QTableView(containerArea(grid, form)))
{
    cells_ = new GridTableModel(grid, form, table_);
    table_->setModel(cells_);
    table_->setItemDelegate(new GridCellDelegate(table_));
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->hide();
        // Rows and columns take the sizes the grid gives them, however small.
        header->setMinimumSectionSize(1);
    }
    // Rows the grid adds come at its default height without being sized one by one.
    table_->horizontalHeader()->setDefaultSectionSize(toPixels(platform::Grid::DefaultColWidth));
    table_->verticalHeader()->setDefaultSectionSize(toPixels(platform::Grid::DefaultRowHeight));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideNone);
    adopt(table_, {table_->viewport()});
    QObject::connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && !selecting_)
            fromUser([&] { grid_.userMoveTo(current.row(), current.column()); });
    });
    QObject::connect(table_, &QTableView::pressed, this, [this](const QModelIndex& cell) {
        fromUser([&] { grid_.userClickCell(cell.row(), cell.column()); });
    });
    QObject::connect(table_, &QTableView::entered, this, [this](const QModelIndex& cell) {
        if (selecting_)
            fromUser([&] { grid_.userExtendSelection(cell.row(), cell.column()); });
    });
    // The view also scrolls by itself when it lays out rows again, later, after the form may have unloaded.
    QObject::connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int first) {
        if (formLoaded())
            fromUser([&] { grid_.setTopRow(first + grid_.FixedRows()); });
    });
    QObject::connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int first) {
        if (formLoaded())
            fromUser([&] { grid_.setLeftCol(first + grid_.FixedCols()); });
    });
}

void GridPeer::released()
{
    cells_->release();
    WidgetPeer::released();
}

bool GridPeer::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched == table_->viewport() && !isApplying() && (press || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The view's current cell followed the mouse; the model's stayed where the press put it.
        if (press)
            selecting_ = true;
        else if (std::exchange(selecting_, false))
            formPeer().applying([this] { showUserState(); });
    }
    return WidgetPeer::eventFilter(watched, event);
}

void GridPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    // The cells and rows themselves reach the view as the grid names them.
    if (concerns(property, {"FixedRows", "FixedCols", "ColAlignment"}))
        cells_->restyle();
    if (concerns(property, {"Cols", "ColWidth"}))
        showColumnWidths();
    if (concerns(property, {"Cols", "RowHeight"}))
        showRowHeights();
    if (concerns(property, {"Rows", "Cols", "Row", "Selection", "HighLight"}))
        showUserState();
    if (concerns(property, {"Rows", "Cols", "TopRow", "LeftCol"}))
        showScrollPosition();
}

void GridPeer::showColumnWidths()
{
    for (int col = 0; col < grid_.Cols(); ++col)
        table_->setColumnWidth(col, toPixels(grid_.ColWidth(col)));
}

void GridPeer::showRowHeights()
{
    for (int row = 0; row < grid_.Rows(); ++row) {
        const int height = toPixels(grid_.RowHeight(row));
        if (table_->rowHeight(row) != height)
            table_->setRowHeight(row, height);
    }
}

void GridPeer::showUserState()
{
    // A handler may have unloaded the form; reading its grid would load it again.
    if (!formLoaded())
        return;
    QItemSelectionModel& selection = *table_->selectionModel();
    selection.setCurrentIndex(cells_->index(grid_.Row(), grid_.Col()), QItemSelectionModel::NoUpdate);
    if (!grid_.HighLight()) {
        selection.clearSelection();
        return;
    }
    const int top = std::min(grid_.SelStartRow(), grid_.SelEndRow());
    const int bottom = std::max(grid_.SelStartRow(), grid_.SelEndRow());
    const int left = std::min(grid_.SelStartCol(), grid_.SelEndCol());
    const int right = std::max(grid_.SelStartCol(), grid_.SelEndCol());
    selection.select(QItemSelection(cells_->index(top, left), cells_->index(bottom, right)), QItemSelectionModel::ClearAndSelect);
}

void GridPeer::showScrollPosition()
{
    table_->verticalScrollBar()->setValue(grid_.TopRow() - grid_.FixedRows());
    table_->horizontalScrollBar()->setValue(grid_.LeftCol() - grid_.FixedCols());
}

} // namespace qtgui
