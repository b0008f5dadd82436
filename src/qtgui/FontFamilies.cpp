#include "qtgui/FontFamilies.h"

#include <QFontDatabase>
#include <QStringList>

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

} // namespace qtgui
