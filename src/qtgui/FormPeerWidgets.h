#pragma once

#include <QWidget>
#include <functional>

class QCloseEvent;
class QMoveEvent;

// The two widgets of a form's window, which tell the form peer what the user did to them.
namespace qtgui {

// The top-level window: the close box, window-state changes and moves.
class FormWindow : public QWidget {
public:
    std::function<void(QCloseEvent&)> closing;
    std::function<void()> windowStateChanged;
    std::function<void()> moved;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
};

// The inside of the window, below the menu bar: the controls' widgets sit on it.
class FormClientArea : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace qtgui
