#include "qtgui/FormPeerWidgets.h"

#include <QCloseEvent>
#include <QMoveEvent>

namespace qtgui {

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (closing)
        closing(*event);
    else
        QWidget::closeEvent(event);
}

void FormWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && windowStateChanged)
        windowStateChanged();
}

void FormWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (moved)
        moved();
}

void FormClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (resized)
        resized();
}

} // namespace qtgui
