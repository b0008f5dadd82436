#pragma once

#include <QAbstractListModel>
#include <functional>

#include "platform/ListModel.h"

namespace qtgui {

class FormPeer;

// The items of a list's ListModel for a list view or combo box, read from the ListModel as the view
// asks for them. Each change the ListModel names passes on as that change alone, under the form's
// apply guard; once it is done, `itemsChanged` runs (the peer shows its choice again, since the
// list's ListIndex follows its item silently).
class ListItemsModel : public QAbstractListModel, private platform::ListModel::Observer {
public:
    ListItemsModel(FormPeer& form, std::function<void()> itemsChanged, QObject* parent);
    ~ListItemsModel() override;
    ListItemsModel(const ListItemsModel&) = delete;
    ListItemsModel& operator=(const ListItemsModel&) = delete;

    // Shows the items of this ListModel, the one shown so far or another (a list given the book's).
    void follow(platform::ListModel& source);
    // A change of the items is under way: the view must not be asked to show a choice until it ends.
    bool isChanging() const { return changing_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void itemInserting(int index) override;
    void itemInserted(int index) override;
    void itemRemoving(int index) override;
    void itemRemoved(int index) override;
    void itemChanged(int index) override;
    void itemsResetting() override;
    void cleared() override;
    void reordered() override;
    void modelDestroyed() override;
    void begin(const std::function<void()>& announce);
    void end(const std::function<void()>& confirm);

    FormPeer& form_;
    std::function<void()> itemsChanged_;
    platform::ListModel* source_ = nullptr;
    bool changing_ = false;
};

} // namespace qtgui
