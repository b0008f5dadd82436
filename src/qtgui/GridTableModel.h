#pragma once

#include <QAbstractTableModel>

#include "platform/Grid.h"

namespace qtgui {

class FormPeer;

// The cells of a grid for a table view, read from the grid itself as the view asks for them. The
// grid names each change by the rows it touches and the model passes on that change alone, under
// the form's apply guard: what the view does about it (a current cell that moves off a removed
// row) is no user's action.
class GridTableModel : public QAbstractTableModel, private platform::Grid::Observer {
public:
    GridTableModel(platform::Grid& grid, FormPeer& form, QObject* parent);
    ~GridTableModel() override;
    GridTableModel(const GridTableModel&) = delete;
    GridTableModel& operator=(const GridTableModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Fixed cells can be shown but not chosen.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every cell may look different: the alignment or the fixed rows and columns changed.
    void restyle();
    // The grid is gone; the model shows nothing from now on.
    void release();

private:
    void rowsInserting(int first, int count) override;
    void rowsInserted() override;
    void rowsRemoving(int first, int count) override;
    void rowsRemoved() override;
    void cellsChanged(int top, int left, int bottom, int right) override;
    void resetting() override;
    void reset() override;

    platform::Grid* grid_;
    FormPeer& form_;
};

} // namespace qtgui
