#pragma once

#include <QString>
#include <QStringList>

// The program's own help: what a help call (command and topic, as the platform's help call numbers
// them) shows, and the pages themselves.
namespace qtgui {

// The commands of the platform's help call.
enum HelpCommand : int { HelpContext = 1, HelpQuit = 2, HelpContents = 3, HelpOnHelp = 4, HelpFinder = 0x0B, HelpPartialKey = 0x105 };

struct HelpRequest {
    bool close = false;      // the call asks to close the help
    QString source;          // the page, with an anchor for a topic inside a page
    bool search = false;     // the search box takes the focus
};

HelpRequest helpRequestFor(int command, long topic);

QStringList helpPageNames();
// The page's HTML; the empty text for a page that does not exist.
QString helpPageHtml(const QString& name);
// The first page, after `current` in contents order and wrapping round to it, whose text holds
// `words` (any letter case); the empty text when no page does.
QString nextPageContaining(const QString& words, const QString& current);

} // namespace qtgui
