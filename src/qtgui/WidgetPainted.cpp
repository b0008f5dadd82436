#include "qtgui/WidgetPainted.h"

#include <QPainter>

namespace qtgui {

void PaintedWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!paint)
        return;
    QPainter painter(this);
    paint(painter);
}

} // namespace qtgui
