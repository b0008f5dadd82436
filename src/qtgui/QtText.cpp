#include "qtgui/QtText.h"

#include <QFile>

#include "runtime/Cp1252.h"
#include "runtime/PathText.h"

namespace qtgui {

QString toQString(const std::string& text)
{
    return QString::fromStdU16String(runtime::cp1252ToUtf16(text));
}

std::string fromQString(const QString& text)
{
    return runtime::utf16ToCp1252(text.toStdU16String());
}

QString toDisplayText(const std::string& text)
{
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

QString toQPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.c_str());
}

std::filesystem::path fromQPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::string pathTextFromQString(const QString& path)
{
    return runtime::textOfPath(fromQPath(path));
}

QString pathTextToQString(const std::string& text)
{
    return toQPath(runtime::pathFromText(text));
}

} // namespace qtgui
