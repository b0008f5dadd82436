#include "qtgui/ControlPeerGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <utility>

#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetGeometry.h"

namespace qtgui {

namespace {

Qt::Alignment cellAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

GridPeer::GridPeer(platform::Grid& grid, FormPeer& form)
    : WidgetPeer(grid, form), grid_(grid), table_(new QTableWidget(containerArea(grid, form)))
{
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    // Rows and columns take the sizes the grid gives them, however small.
    table_->horizontalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setWordWrap(false);
    adopt(table_, {table_->viewport()});
    QObject::connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0 && !selecting_)
            fromUser([&] { grid_.userMoveTo(row, col); });
    });
    QObject::connect(table_, &QTableWidget::cellPressed, this,
                     [this](int row, int col) { fromUser([&] { grid_.userClickCell(row, col); }); });
    QObject::connect(table_, &QTableWidget::cellEntered, this, [this](int row, int col) {
        if (selecting_)
            fromUser([&] { grid_.userExtendSelection(row, col); });
    });
    QObject::connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int first) {
        fromUser([&] { grid_.setTopRow(first + grid_.FixedRows()); });
    });
    QObject::connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int first) {
        fromUser([&] { grid_.setLeftCol(first + grid_.FixedCols()); });
    });
}

bool GridPeer::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched == table_->viewport() && !isApplying() && (press || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The table's current cell followed the mouse; the model's stayed where the press put it.
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
    if (concerns(property, {"Rows", "Cols", "FixedRows", "FixedCols", "Cells", "ColAlignment"}))
        showCells();
    if (concerns(property, {"Rows", "Cols", "ColWidth", "RowHeight"}))
        showSizes();
    if (concerns(property, {"Rows", "Cols", "Row", "Selection", "HighLight"}))
        showUserState();
    if (concerns(property, {"Rows", "Cols", "TopRow", "LeftCol"}))
        showScrollPosition();
}

void GridPeer::showCells()
{
    const int rows = grid_.Rows();
    const int cols = grid_.Cols();
    table_->setRowCount(rows);
    table_->setColumnCount(cols);
    const QBrush fixedBack = table_->palette().button();
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            QTableWidgetItem* item = table_->item(row, col);
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(row, col, item);
            }
            item->setText(toDisplayText(grid_.TextMatrix(row, col)));
            item->setTextAlignment(cellAlignment(grid_.ColAlignment(col)));
            const bool fixed = row < grid_.FixedRows() || col < grid_.FixedCols();
            item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(fixed ? fixedBack : QBrush());
        }
}

void GridPeer::showSizes()
{
    for (int col = 0; col < grid_.Cols(); ++col)
        table_->setColumnWidth(col, toPixels(grid_.ColWidth(col)));
    for (int row = 0; row < grid_.Rows(); ++row)
        table_->setRowHeight(row, toPixels(grid_.RowHeight(row)));
}

void GridPeer::showUserState()
{
    table_->setCurrentCell(grid_.Row(), grid_.Col(), QItemSelectionModel::NoUpdate);
    table_->clearSelection();
    if (!grid_.HighLight())
        return;
    const int top = std::min(grid_.SelStartRow(), grid_.SelEndRow());
    const int bottom = std::max(grid_.SelStartRow(), grid_.SelEndRow());
    const int left = std::min(grid_.SelStartCol(), grid_.SelEndCol());
    const int right = std::max(grid_.SelStartCol(), grid_.SelEndCol());
    table_->setRangeSelected(QTableWidgetSelectionRange(top, left, bottom, right), true);
}

void GridPeer::showScrollPosition()
{
    table_->verticalScrollBar()->setValue(grid_.TopRow() - grid_.FixedRows());
    table_->horizontalScrollBar()->setValue(grid_.LeftCol() - grid_.FixedCols());
}

} // namespace qtgui
