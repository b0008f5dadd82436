#include "qtgui/HelpTopics.h"

#include <QTextDocument>

#include "qtgui/help/HelpPages.h"

namespace qtgui {
namespace {

const QString contentsPage = QStringLiteral("contents.html");

QString sourceOfTopic(long topic)
{
    switch (topic) {
    case 47: return QStringLiteral("start.html#new-company");
    case 60: return QStringLiteral("start.html#bank-accounts");
    case 120: return QStringLiteral("start.html#vat");
    default: return contentsPage;
    }
}

QString plainTextOf(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

HelpRequest helpRequestFor(int command, long topic)
{
    switch (command) {
    case HelpContext: return {false, sourceOfTopic(topic), false};
    case HelpQuit: return {true, {}, false};
    case HelpOnHelp: return {false, QStringLiteral("usinghelp.html"), false};
    case HelpPartialKey: return {false, contentsPage, true};
    case HelpContents:
    case HelpFinder:
    default: return {false, contentsPage, false};
    }
}

QStringList helpPageNames()
{
    QStringList names;
    for (const help::Page& page : help::pages)
        names.append(QString::fromLatin1(page.name));
    return names;
}

QString helpPageHtml(const QString& name)
{
    for (const help::Page& page : help::pages)
        if (name == QLatin1String(page.name))
            return QString::fromUtf8(page.html);
    return {};
}

QString nextPageContaining(const QString& words, const QString& current)
{
    const QString wanted = words.trimmed();
    if (wanted.isEmpty())
        return {};
    const QStringList names = helpPageNames();
    const qsizetype start = names.indexOf(current) + 1;
    for (qsizetype step = 0; step < names.size(); ++step) {
        const QString& name = names[(start + step) % names.size()];
        if (plainTextOf(helpPageHtml(name)).contains(wanted, Qt::CaseInsensitive))
            return name;
    }
    return {};
}

} // namespace qtgui
