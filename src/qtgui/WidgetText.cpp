#include "qtgui/WidgetText.h"

#include <algorithm>

namespace qtgui {

namespace {

// The length of the line break that starts at `at`, 0 if none: CR LF, CR or LF.
std::size_t lineBreakAt(const std::string& text, std::size_t at)
{
    if (text[at] == '\r')
        return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return text[at] == '\n' ? 1 : 0;
}

} // namespace

std::string fromMultiLineText(const QString& shown)
{
    QString text = shown;
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return fromQString(text);
}

int toShownPosition(const std::string& text, int position)
{
    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(std::max(0, position)));
    int shown = 0;
    for (std::size_t at = 0; at < end; ++shown)
        at += std::max<std::size_t>(1, lineBreakAt(text, at));
    return shown;
}

int toModelPosition(const std::string& text, int shownPosition)
{
    std::size_t at = 0;
    for (int shown = 0; shown < shownPosition && at < text.size(); ++shown)
        at += std::max<std::size_t>(1, lineBreakAt(text, at));
    return static_cast<int>(std::min(at, text.size()));
}

} // namespace qtgui
