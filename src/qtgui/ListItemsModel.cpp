#include "qtgui/ListItemsModel.h"

#include <utility>

#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"

namespace qtgui {

ListItemsModel::ListItemsModel(FormPeer& form, std::function<void()> itemsChanged, QObject* parent)
    : QAbstractListModel(parent), form_(form), itemsChanged_(std::move(itemsChanged))
{
}

ListItemsModel::~ListItemsModel()
{
    if (source_)
        source_->removeObserver(*this);
}

void ListItemsModel::follow(platform::ListModel& source)
{
    if (&source == source_)
        return;
    form_.applying([&] {
        beginResetModel();
        if (source_)
            source_->removeObserver(*this);
        source_ = &source;
        source_->addObserver(*this);
        endResetModel();
    });
}

int ListItemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !source_ ? 0 : source_->ListCount();
}

QVariant ListItemsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !source_)
        return {};
    return toQString(source_->List(index.row()));
}

void ListItemsModel::begin(const std::function<void()>& announce)
{
    changing_ = true;
    form_.applying(announce);
}

void ListItemsModel::end(const std::function<void()>& confirm)
{
    form_.applying(confirm);
    changing_ = false;
    itemsChanged_();
}

void ListItemsModel::itemInserting(int index)
{
    begin([&] { beginInsertRows({}, index, index); });
}

void ListItemsModel::itemInserted(int /*index*/)
{
    end([this] { endInsertRows(); });
}

void ListItemsModel::itemRemoving(int index)
{
    begin([&] { beginRemoveRows({}, index, index); });
}

void ListItemsModel::itemRemoved(int /*index*/)
{
    end([this] { endRemoveRows(); });
}

void ListItemsModel::itemChanged(int index)
{
    form_.applying([&] { emit dataChanged(this->index(index), this->index(index)); });
}

void ListItemsModel::itemsResetting()
{
    begin([this] { beginResetModel(); });
}

void ListItemsModel::cleared()
{
    end([this] { endResetModel(); });
}

void ListItemsModel::reordered()
{
    end([this] { endResetModel(); });
}

void ListItemsModel::modelDestroyed()
{
    // The list's own items go with the list, whose peer is about to be let go: nothing is shown again.
    form_.applying([this] {
        beginResetModel();
        source_ = nullptr;
        endResetModel();
    });
}

} // namespace qtgui
