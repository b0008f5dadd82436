#include "qtgui/FontFamilies.h"

#include <QFontDatabase>
#include <algorithm>

#include "qtgui/QtText.h"

namespace qtgui {

std::vector<std::string> installedFontFamilies()
{
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        std::string name = fromQString(family);
        if (toQString(name) == family)
            families.push_back(std::move(name));
    }
    return families;
}

const std::vector<FontStandIn>& fontStandIns()
{
    // Metric-compatible faces where there are any (Liberation), the nearest free ones otherwise.
    static const std::vector<FontStandIn> standIns{
        {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        // The dialog face is narrow: at its 8 points a date fills a 870-twip grid column, which
        // Arial's widths would overrun.
        {"MS Sans Serif", {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {"MS Serif", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {"System", {QStringLiteral("DejaVu Sans")}},
        {"Small Fonts", {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow")}},
    };
    return standIns;
}

std::vector<std::string> offeredFontNames()
{
    const QStringList installed = QFontDatabase::families();
    std::vector<std::string> names;
    for (const FontStandIn& standIn : fontStandIns())
        if (std::any_of(standIn.faces.begin(), standIn.faces.end(), [&](const QString& face) { return installed.contains(face, Qt::CaseInsensitive); }))
            names.push_back(standIn.name);
    for (std::string& family : installedFontFamilies())
        names.push_back(std::move(family));
    return names;
}

} // namespace qtgui
