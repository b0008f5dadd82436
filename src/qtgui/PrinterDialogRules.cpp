#include "qtgui/PrinterDialogRules.h"

#include <QPrintDialog>
#include <QPrinter>

#include "qtgui/QtText.h"

namespace qtgui {
namespace {

constexpr long DisablePrintToFile = 0x80000;

} // namespace

void configurePrintDialog(QPrintDialog& dialog, const platform::PrinterDialog& settings)
{
    const QString title = toQString(settings.title);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if ((settings.flags & DisablePrintToFile) == 0)
        options |= QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    if (dialog.printer() != nullptr && settings.copies > 0)
        dialog.printer()->setCopyCount(settings.copies);
}

} // namespace qtgui
