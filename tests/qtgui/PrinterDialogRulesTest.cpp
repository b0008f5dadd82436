#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/PrinterDialogRules.h"

namespace {

TEST(PrinterDialogRules, OffersWholeDocumentsWithTheCopiesAndTitleAsked)
{
    qtTestApplication();
    // Printing to a file stays on even when the flags ask to hide it (0x80000 in 524300).
    for (const long flags : {0L, 524300L}) {
        SCOPED_TRACE(flags);
        QPrinter printer;
        QPrintDialog dialog(&printer);
        platform::PrinterDialog settings;
        settings.title = "Print Invoices";
        settings.flags = flags;
        settings.copies = 3;
        qtgui::configurePrintDialog(dialog, settings);

        EXPECT_EQ(dialog.windowTitle(), "Print Invoices");
        EXPECT_EQ(printer.copyCount(), 3);
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
    }
}

} // namespace
