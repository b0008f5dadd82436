#include "datafile/DataFile.h"
#include "datafile/MergeDataFile.h"
#include "mainwindow/main/Main.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* FileFilter = "QB Data Files (*.QBD)|*.QBD|QB Backup Files (*.BAK)|*.BAK|Coinjar (*.CJ?)|*.CJ?|"
                                   "Archive Files (*.ARC)|*.ARC|All Files (*.*)|*.*";
constexpr long AskBeforeOverwriting = 2;

struct DialogSetUp {
    int op;
    int filterIndex;
    const char* defaultExt;
    const char* title;
    platform::FileDialog::Kind kind;
};

constexpr DialogSetUp DialogSetUps[] = {
    {SaveAsOp, 1, "QBD", "Quillbook : Save File As...", platform::FileDialog::Kind::Save},
    {OpenOp, 1, "QBD", "Quillbook : Open File...", platform::FileDialog::Kind::Open},
    {ImportOp, 3, "CJ3", "Quillbook : Import Coinjar File...", platform::FileDialog::Kind::Open},
    {ArchiveOp, 4, "ARC", "Quillbook : Archive File As...", platform::FileDialog::Kind::Save},
    {MergeOp, 1, "QBD", "Quillbook : Merge with File...", platform::FileDialog::Kind::Open},
    {RestoreOp, 4, "ARC", "Quillbook : Restore from File...", platform::FileDialog::Kind::Open},
    {BackupOp, 2, "BAK", "Quillbook : Backup File As...", platform::FileDialog::Kind::Save},
};

bool isBlank(const std::filesystem::path& path)
{
    return runtime::rtrim(runtime::textOfPath(path)).empty();
}

} // namespace

std::string Main::PrepareFileDialog(int op)
{
    platform::FileDialog dialog;
    dialog.filter = FileFilter;
    dialog.cancelError = true;
    dialog.flags = AskBeforeOverwriting;
    LblFileOp.setCaption(runtime::signedText(op));
    const std::filesystem::path* initial[] = {&book.CurrentDataFilePath, &book.FileToOpen, &ImportFilePath,
                                              &ArchiveFilePath, &MergeFilePath, &RestoreFilePath};
    for (const DialogSetUp& setUp : DialogSetUps) {
        if (setUp.op != op)
            continue;
        dialog.kind = setUp.kind;
        dialog.filterIndex = setUp.filterIndex;
        dialog.defaultExt = setUp.defaultExt;
        dialog.title = setUp.title;
        if (op == BackupOp) {
            // No backup made yet: the copy goes beside the data file.
            std::filesystem::path proposed = BackupFilePath;
            if (isBlank(proposed) && !isBlank(book.CurrentDataFilePath))
                proposed = std::filesystem::path(book.CurrentDataFilePath).replace_extension(".BAK");
            dialog.fileName = runtime::textOfPath(proposed);
        } else if (op == MergeOp) {
            dialog.fileName = MergeDialogStart();
        } else {
            dialog.fileName = runtime::textOfPath(*initial[op - 1]);
        }
    }
    return services().fileDialog(dialog);
}

bool Main::FileOp(int op)
{
    if (op == ImportOp || op == ArchiveOp || op == RestoreOp)
        return RunFileOperation(op);
    if (op != SaveAsOp && op != OpenOp && op != MergeOp && op != BackupOp)
        return false;
    try {
        const std::filesystem::path chosen = runtime::pathFromText(PrepareFileDialog(op));
        core::Ledger& ledger = book.ledger;
        switch (op) {
        case SaveAsOp:
            book.CurrentDataFilePath = chosen;
            return datafile::SaveDataFile(chosen, book, *this);
        case OpenOp:
            book.FileToOpen = chosen;
            return datafile::LoadDataFile(chosen, book, *this);
        case MergeOp:
            MergeFilePath = chosen;
            return datafile::MergeDataFile(chosen, book, *this);
        default: {
            BackupFilePath = chosen;
            // A backup is a copy: the book keeps its name and its changes still wait to be saved.
            const bool changed = ledger.FileChanged;
            const bool saved = datafile::SaveDataFile(chosen, book, *this);
            ledger.FileChanged = changed;
            return saved;
        }
        }
    } catch (const runtime::Error& error) {
        if (error.number() != runtime::DialogCancelled)
            book.messages.ShowErrorBox("Error while attempting a file operation : " + error.description());
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Error while attempting a file operation : ") + error.what());
    }
    return false;
}

void Main::SaveTheFile()
{
    if (isBlank(book.CurrentDataFilePath))
        SaveAsItem_Click();
    else
        datafile::SaveDataFile(book.CurrentDataFilePath, book, *this);
}

bool Main::ConfirmSaveBeforeLoad()
{
    if (!book.ledger.FileChanged)
        return true;
    const platform::Answer answer = book.messages.AskYesNoCancel(
        "Current file '" + runtime::textOfPath(book.CurrentDataFilePath) + "' has changed. Save before loading new file?");
    if (answer == platform::Answer::Cancel)
        return false;
    if (answer == platform::Answer::No)
        return true;
    if (isBlank(book.CurrentDataFilePath)) {
        // The changes must not be lost to the file about to load when Save As did not keep them.
        SaveAsItem_Click();
        return !book.ledger.FileChanged;
    }
    return datafile::SaveDataFile(book.CurrentDataFilePath, book, *this);
}

void Main::LoadItem_Click()
{
    if (ConfirmSaveBeforeLoad())
        FileOp(OpenOp);
}

void Main::SaveItem_Click()
{
    SaveTheFile();
}

void Main::SaveAsItem_Click()
{
    FileOp(SaveAsOp);
}

void Main::ItemBackupFile_Click()
{
    FileOp(BackupOp);
}

void Main::ItemAssets_Click()
{
    book.messages.ShowInfoBox("Asset Window not enabled yet");
}

} // namespace mainwindow
