#include "qtgui/HelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "qtgui/HelpTopics.h"

namespace qtgui {
namespace {

// Serves the help pages by name, so links between them work without files on disk.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::HtmlResource)
            return helpPageHtml(name.fileName());
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this)), search_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Quillbook Help"));
    resize(640, 520);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(search_);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch();
    bar->addWidget(searchLabel);
    bar->addWidget(search_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);

    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(QUrl(QStringLiteral("contents.html"))); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::searchNext);
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::open(const HelpRequest& request)
{
    browser_->setSource(QUrl(request.source));
    show();
    raise();
    activateWindow();
    if (request.search)
        search_->setFocus();
}

QString HelpWindow::currentSource() const
{
    return browser_->source().toString();
}

// The next place on this page, or else the next page that holds the words.
void HelpWindow::searchNext()
{
    const QString words = search_->text().trimmed();
    if (words.isEmpty() || browser_->find(words))
        return;
    const QString page = nextPageContaining(words, browser_->source().fileName());
    if (page.isEmpty())
        return;
    browser_->setSource(QUrl(page));
    browser_->moveCursor(QTextCursor::Start);
    browser_->find(words);
}

} // namespace qtgui
