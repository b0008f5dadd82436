#include "qtgui/PrinterDialogRules.h"

#include <QPrintDialog>
#include <QPrinter>

#include "qtgui/QtText.h"

namespace qtgui {

void configurePrintDialog(QPrintDialog& dialog, const platform::PrinterDialog& settings)
{
    const QString title = toQString(settings.title);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    // Printing to a PDF file is always offered, whatever the flags ask: on a desktop with no
    // printer it is the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintToFile);
    if (dialog.printer() != nullptr && settings.copies > 0)
        dialog.printer()->setCopyCount(settings.copies);
}

} // namespace qtgui
