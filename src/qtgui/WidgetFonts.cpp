#include "qtgui/WidgetFonts.h"

#include <QStringList>

#include "qtgui/QtText.h"

namespace qtgui {

QFont toQFont(const platform::Font& font)
{
    QFont shown(toQString(font.name));
    if (font.size > 0)
        shown.setPointSizeF(font.size);
    shown.setBold(font.bold);
    shown.setItalic(font.italic);
    shown.setUnderline(font.underline);
    return shown;
}

void installFontSubstitutes()
{
    // Qt compares family names without regard to letter case, so "ARIAL" finds these too.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    // The dialog face is narrow: at its 8 points a date fills a 870-twip grid column, which Arial's
    // widths would overrun.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Nimbus Sans Narrow")} + sans);
    QFont::insertSubstitutions(QStringLiteral("MS Serif"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

} // namespace qtgui
