#include "qtgui/GridTableModel.h"

#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"

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

GridTableModel::GridTableModel(platform::Grid& grid, FormPeer& form, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid), form_(form)
{
    grid.setObserver(this);
}

GridTableModel::~GridTableModel()
{
    if (grid_)
        grid_->setObserver(nullptr);
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !grid_ ? 0 : grid_->shownRows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !grid_ ? 0 : grid_->shownCols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !grid_)
        return {};
    const platform::Grid::ShownCell cell = grid_->shownCell(index.row(), index.column());
    if (role == Qt::DisplayRole)
        return toDisplayText(cell.text);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(cellAlignment(cell.alignment));
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !grid_)
        return Qt::NoItemFlags;
    if (grid_->shownCell(index.row(), index.column()).fixed)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridTableModel::restyle()
{
    if (rowCount() > 0 && columnCount() > 0)
        form_.applying([this] { emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1)); });
}

void GridTableModel::release()
{
    form_.applying([this] {
        beginResetModel();
        grid_ = nullptr;
        endResetModel();
    });
}

void GridTableModel::rowsInserting(int first, int count)
{
    form_.applying([&] { beginInsertRows({}, first, first + count - 1); });
}

void GridTableModel::rowsInserted()
{
    form_.applying([this] { endInsertRows(); });
}

void GridTableModel::rowsRemoving(int first, int count)
{
    form_.applying([&] { beginRemoveRows({}, first, first + count - 1); });
}

void GridTableModel::rowsRemoved()
{
    form_.applying([this] { endRemoveRows(); });
}

void GridTableModel::cellsChanged(int top, int left, int bottom, int right)
{
    form_.applying([&] { emit dataChanged(index(top, left), index(bottom, right)); });
}

void GridTableModel::resetting()
{
    form_.applying([this] { beginResetModel(); });
}

void GridTableModel::reset()
{
    form_.applying([this] { endResetModel(); });
}

} // namespace qtgui
