#include "qtgui/FrameBox.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace qtgui {

void FrameBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect outline = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    painter.save();
    if (!title().isEmpty()) {
        // The outline runs through the middle of the caption, which breaks it.
        const QRect caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        outline.setTop(caption.center().y());
        painter.setClipRegion(QRegion(rect()).subtracted(caption.adjusted(-2, 0, 2, 0)));
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.restore();
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace qtgui
