#pragma once

#include <QWidget>

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

private:
    void searchNext();

    QTextBrowser* browser_;
    QLineEdit* search_;
};

} // namespace qtgui
