#pragma once

#include <QStyledItemDelegate>

namespace qtgui {

// Paints a grid's cell as the platform's grid does: the text cut off at the cell's edge, a narrow
// margin in from it and no ellipsis; fixed cells (those that cannot be chosen) in the button
// colours, like headers; and a dotted focus rectangle around the current cell.
class GridCellDelegate : public QStyledItemDelegate {
public:
    // Pixels between a cell's edge and its text.
    static constexpr int TextMargin = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace qtgui
