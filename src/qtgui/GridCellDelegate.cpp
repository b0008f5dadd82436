#include "qtgui/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QPainter>

namespace qtgui {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QPalette& palette = cell.palette;
    const bool fixed = !(index.flags() & Qt::ItemIsSelectable);
    const bool selected = !fixed && (cell.state & QStyle::State_Selected);
    QPalette::ColorRole back = QPalette::Base;
    QPalette::ColorRole fore = QPalette::Text;
    if (fixed) {
        back = QPalette::Button;
        fore = QPalette::ButtonText;
    } else if (selected) {
        back = QPalette::Highlight;
        fore = QPalette::HighlightedText;
    }
    const QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;

    painter->save();
    painter->fillRect(cell.rect, palette.brush(group, back));
    painter->setClipRect(cell.rect);
    painter->setFont(cell.font);
    painter->setPen(palette.color(group, fore));
    painter->drawText(cell.rect.adjusted(TextMargin, 0, -TextMargin, 0), int(cell.displayAlignment | Qt::TextSingleLine | Qt::TextDontClip),
                      cell.text);
    const auto* view = qobject_cast<const QAbstractItemView*>(cell.widget);
    if (view && view->currentIndex() == index) {
        painter->setPen(QPen(palette.color(group, fore), 1, Qt::DotLine));
        painter->drawRect(cell.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace qtgui
