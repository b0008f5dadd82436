#pragma once

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QTextBrowser;

namespace qtgui {

struct HelpRequest;

// The help window: the program's own HTML pages with back, forward, contents and a search box.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window (raised) at the request's page.
    void open(const HelpRequest& request);
    QString currentSource() const;

protected:
    // Escape closes the window, as it closes every window of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void searchNext();

    QTextBrowser* browser_;
    QLineEdit* search_;
};

} // namespace qtgui
