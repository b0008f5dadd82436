#include "core/FilterForm.h"
#include "mainwindow/main/Main.h"

namespace mainwindow {

void Main::wireTextExchange()
{
    ItemAsciiTranExport.Click = [this] { ShowImpExpForm(ExportTransactionsMode); };
    ItemAsciiCustExp.Click = [this] { ShowImpExpForm(ExportCustomersMode); };
    ItemExportCats.Click = [this] { ShowImpExpForm(ExportCategoriesMode); };
    // An import adds to the open book: a changed book is offered for saving first.
    ItemImportTrans.Click = [this] {
        if (ConfirmSaveBeforeLoad())
            ShowImpExpForm(ImportTransactionsMode);
    };
    ItemImportCusts.Click = [this] {
        if (ConfirmSaveBeforeLoad())
            ShowImpExpForm(ImportCustomersMode);
    };
    ItemImportAnals.Click = [this] {
        if (ConfirmSaveBeforeLoad())
            ShowImpExpForm(ImportCategoriesMode);
    };
}

void Main::ShowImpExpForm(const std::string& mode)
{
    impExpForm.LblOpType.setCaption(mode);
    impExpForm.Show(true);
    // Closed by its close box or left hidden: the next use starts from a fresh window either way.
    if (impExpForm.isLoaded())
        impExpForm.Unload();
}

void Main::ShowImportedTransactions()
{
    SelectedMark = 0;
    SyncQueryScrollBar();
    // The scroll bar moves only when its place no longer exists, so the page is drawn here.
    RefreshQueryGrid();
    core::ShowTotalsLabels(book, filter);
}

} // namespace mainwindow
