#pragma once

#include <QString>
#include <QStringList>

#include "platform/Services.h"

class QFileDialog;

// How the platform's file-dialog settings become a Qt file dialog and how its answer comes back.
namespace qtgui {

// "Data Files (*.QBD)|*.QBD|All Files (*.*)|*.*" -> {"Data Files (*.QBD *.qbd)", "All Files (*)"}.
// Linux file names are case-sensitive while the system's patterns assume they are not, so every
// pattern also matches its lower- and upper-case spelling; "*.*" (every file there) becomes "*".
QStringList qtNameFilters(const QString& platformFilter);

// Appends "." + extension when the file name (not its folder) has no extension of its own.
QString withDefaultExtension(const QString& path, const QString& defaultExtension);

void configureFileDialog(QFileDialog& dialog, const platform::FileDialog& settings);
// The accepted dialog's path, as the system's text of it (runtime/PathText.h): the file system gets
// back the bytes of the name chosen. Fills settings.fileName and settings.filterIndex with the choice.
std::string takeFileDialogChoice(const QFileDialog& dialog, platform::FileDialog& settings);

} // namespace qtgui
