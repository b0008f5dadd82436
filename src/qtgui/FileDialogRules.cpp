#include "qtgui/FileDialogRules.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "qtgui/QtText.h"

namespace qtgui {
namespace {

// Flag of the platform's file dialog: ask before replacing an existing file.
constexpr long AskBeforeOverwrite = 2;

QStringList caseInsensitivePatterns(const QString& patterns)
{
    QStringList result;
    const auto addOnce = [&result](const QString& pattern) {
        if (!result.contains(pattern))
            result.append(pattern);
    };
    for (const QString& raw : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = raw.trimmed();
        if (pattern.isEmpty())
            continue;
        if (pattern == u"*.*") {
            addOnce(QStringLiteral("*"));
            continue;
        }
        addOnce(pattern);
        addOnce(pattern.toLower());
        addOnce(pattern.toUpper());
    }
    return result;
}

QString withoutTrailingPatternList(const QString& description)
{
    static const QRegularExpression trailingGroup(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString plain = description;
    plain.remove(trailingGroup);
    return plain.trimmed();
}

// "QBD" and ".QBD" both name the extension QBD.
QString plainExtension(QString extension)
{
    while (extension.startsWith(u'.'))
        extension.remove(0, 1);
    return extension;
}

} // namespace

QStringList qtNameFilters(const QString& platformFilter)
{
    QStringList filters;
    const QStringList parts = platformFilter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = caseInsensitivePatterns(parts[i + 1]);
        if (patterns.isEmpty())
            continue;
        QString description = withoutTrailingPatternList(parts[i]);
        if (!description.isEmpty())
            description += u' ';
        filters.append(description + u'(' + patterns.join(u' ') + u')');
    }
    return filters;
}

QString withDefaultExtension(const QString& path, const QString& defaultExtension)
{
    const QString extension = plainExtension(defaultExtension);
    const QString fileName = path.mid(path.lastIndexOf(u'/') + 1);
    if (extension.isEmpty() || fileName.isEmpty() || fileName.contains(u'.'))
        return path;
    return path + u'.' + extension;
}

void configureFileDialog(QFileDialog& dialog, const platform::FileDialog& settings)
{
    const bool saving = settings.kind == platform::FileDialog::Kind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString title = toQString(settings.title);
    dialog.setWindowTitle(!title.isEmpty() ? title : saving ? QStringLiteral("Save As") : QStringLiteral("Open"));

    const QStringList filters = qtNameFilters(toQString(settings.filter));
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);

    // Set on the dialog as well, so that the overwrite question asks about the name that will be used.
    dialog.setDefaultSuffix(plainExtension(toQString(settings.defaultExt)));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (settings.flags & AskBeforeOverwrite) == 0);
    if (!settings.fileName.empty())
        dialog.selectFile(pathTextToQString(settings.fileName));
}

std::string takeFileDialogChoice(const QFileDialog& dialog, platform::FileDialog& settings)
{
    const QStringList chosen = dialog.selectedFiles();
    const QString path = chosen.isEmpty() ? QString() : withDefaultExtension(chosen.first(), dialog.defaultSuffix());
    settings.fileName = pathTextFromQString(path);
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    if (filter >= 0)
        settings.filterIndex = static_cast<int>(filter) + 1;
    return settings.fileName;
}

} // namespace qtgui
