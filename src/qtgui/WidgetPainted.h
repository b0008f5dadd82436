#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace qtgui {

// A widget that the system draws on: shapes, lines and picture boxes paint through `paint`.
class PaintedWidget : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> paint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qtgui
