#include "qtgui/QtText.h"

#include "runtime/Cp1252.h"

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

} // namespace qtgui
