#include "qtgui/WidgetFonts.h"

#include <QStringList>

#include "qtgui/FontFamilies.h"
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
    for (const FontStandIn& standIn : fontStandIns())
        QFont::insertSubstitutions(toQString(standIn.name), standIn.faces);
}

} // namespace qtgui
