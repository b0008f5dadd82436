#include "qtgui/ControlPeerGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "platform/WheelScrolling.h"
#include "qtgui/FormPeer.h"
#include "qtgui/GridCellDelegate.h"
#include "qtgui/GridTableModel.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WidgetKeys.h"

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
    table_->horizontalHeader()->setDefaultSectionSize(toPixels(platform::Grid::DefaultColWidth));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideNone);
    adopt(table_, {table_->viewport()});
    // New row numbers may need a wider fixed column.
    QObject::connect(cells_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (canReadControl() && topLeft.column() < grid_.FixedCols())
            showColumnWidths();
    });
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
        if (canReadControl())
            fromUser([&] { grid_.setTopRow(first + grid_.FixedRows()); });
    });
    QObject::connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int first) {
        if (canReadControl())
            fromUser([&] { grid_.setLeftCol(first + grid_.FixedCols()); });
    });
}

void GridPeer::released()
{
    // Emptying the view scrolls it, and its scroll bars' signals must find the grid let go of.
    WidgetPeer::released();
    cells_->release();
}

bool GridPeer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched == table_->viewport() && !isApplying() && canReadControl()) {
        const int notches = wheelNotches(static_cast<const QWheelEvent*>(event)->angleDelta().y(), wheelRest_);
        bool taken = false;
        fromUser([&] { taken = platform::userWheel(grid_, notches); });
        return taken;
    }
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
    if (concerns(property, {"Cols", "ColWidth", "FixedCols", "Font"}))
        showColumnWidths();
    if (concerns(property, {"Rows", "Cols", "RowHeight", "Font"}))
        showRowHeights();
    if (concerns(property, {"Rows", "Cols", "Row", "Selection", "HighLight"}))
        showUserState();
    if (concerns(property, {"Rows", "Cols", "TopRow", "LeftCol"}))
        showScrollPosition();
}

void GridPeer::showColumnWidths()
{
    for (int col = 0; col < grid_.Cols(); ++col) {
        const int width = shownColumnWidth(col);
        if (table_->columnWidth(col) != width)
            table_->setColumnWidth(col, width);
    }
}

int GridPeer::shownColumnWidth(int col) const
{
    const int width = toPixels(grid_.ColWidth(col));
    if (col >= grid_.FixedCols())
        return width;
    int widest = 0;
    for (int row = 0; row < grid_.shownRows(); ++row)
        if (const std::string& text = grid_.shownCell(row, col).text; !text.empty())
            widest = std::max(widest, table_->fontMetrics().horizontalAdvance(toDisplayText(text)));
    // The text's margins and the grid line.
    return widest > 0 ? std::max(width, widest + 2 * GridCellDelegate::TextMargin + 1) : width;
}

void GridPeer::showRowHeights()
{
    // Rows the grid adds come at its default height, grown with the font, without being sized one by one.
    table_->verticalHeader()->setDefaultSectionSize(std::max(toPixels(platform::Grid::DefaultRowHeight), fontLineHeight()));
    for (int row = 0; row < grid_.Rows(); ++row) {
        const int height = shownRowHeight(row);
        if (table_->rowHeight(row) != height)
            table_->setRowHeight(row, height);
    }
}

int GridPeer::shownRowHeight(int row) const
{
    return std::max(toPixels(grid_.RowHeight(row)), fontLineHeight());
}

int GridPeer::fontLineHeight() const
{
    return table_->fontMetrics().height();
}

void GridPeer::showUserState()
{
    // A handler may have unloaded the form; reading its grid would load it again.
    if (!canReadControl())
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
