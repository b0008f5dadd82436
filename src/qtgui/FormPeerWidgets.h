#pragma once

#include <QWidget>
#include <functional>

class QCloseEvent;

// The two widgets of a form's window, which tell the form peer what the user did to them.
namespace qtgui {

// The top-level window: the close box and window-state changes.
class FormWindow : public QWidget {
public:
    std::function<void(QCloseEvent&)> closing;
    std::function<void()> windowStateChanged;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
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
