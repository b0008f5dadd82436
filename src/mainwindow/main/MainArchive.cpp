#include "core/FilterForm.h"
#include "core/IndexOperations.h"
#include "datafile/Archive.h"
#include "mainwindow/main/Main.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"

namespace mainwindow {

void Main::wireArchive()
{
    // The import and the restore add to the open book: a changed book is offered for saving first.
    ImportItem.Click = [this] {
        if (ConfirmSaveBeforeLoad())
            FileOp(ImportOp);
    };
    ArchiveItem.Click = [this] { FileOp(ArchiveOp); };
    RestoreItem.Click = [this] {
        if (ConfirmSaveBeforeLoad())
            FileOp(RestoreOp);
    };
}

bool Main::RunFileOperation(int op)
{
    try {
        const std::filesystem::path chosen = runtime::pathFromText(PrepareFileDialog(op));
        if (op == RestoreOp) {
            RestoreFilePath = chosen;
            return RestoreFromArchive(chosen);
        }
        (op == ImportOp ? ImportFilePath : ArchiveFilePath) = chosen;
        importForm.Show(true);
        // Closed by its close box or left hidden: the next use starts from a fresh window either way.
        if (importForm.isLoaded())
            importForm.Unload();
    } catch (const runtime::Error& error) {
        if (error.number() != runtime::DialogCancelled)
            book.messages.ShowErrorBox("Error while attempting a file operation : " + error.description());
    }
    return false;
}

bool Main::RestoreFromArchive(const std::filesystem::path& path)
{
    const bool restored = datafile::RestoreArchiveFile(path, book);
    ShowArchiveChanges();
    return restored;
}

void Main::ShowArchiveChanges()
{
    core::RecalculateQueryTotals(book);
    SelectedMark = 0;
    SyncQueryScrollBar();
    RefreshQueryGrid();
    core::ShowTotalsLabels(book, filter);
}

} // namespace mainwindow
