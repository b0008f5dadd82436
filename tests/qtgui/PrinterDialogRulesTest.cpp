#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/PrinterDialogRules.h"

namespace {

TEST(PrinterDialogRules, OffersWholeDocumentsWithTheCopiesAndTitleAsked)
{
    qtTestApplication();
    const struct {
        long flags;
        bool printToFile;
    } cases[] = {{0, true}, {524300, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        QPrinter printer;
        QPrintDialog dialog(&printer);
        platform::PrinterDialog settings;
        settings.title = "Print Invoices";
        settings.flags = c.flags;
        settings.copies = 3;
        qtgui::configurePrintDialog(dialog, settings);

        EXPECT_EQ(dialog.windowTitle(), "Print Invoices");
        EXPECT_EQ(printer.copyCount(), 3);
        EXPECT_EQ(dialog.testOption(QAbstractPrintDialog::PrintToFile), c.printToFile);
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
    }
}

} // namespace
