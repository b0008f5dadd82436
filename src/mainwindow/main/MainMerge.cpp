#include "mainwindow/main/Main.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

void Main::wireMerge()
{
    MergeItem.Click = [this] { MergeItem_Click(); };
}

void Main::MergeItem_Click()
{
    if (ConfirmSaveBeforeLoad())
        FileOp(MergeOp);
}

std::string Main::MergeDialogStart() const
{
    if (!runtime::rtrim(runtime::textOfPath(MergeFilePath)).empty())
        return runtime::textOfPath(MergeFilePath);
    const std::filesystem::path& dataFile = book.CurrentDataFilePath;
    const std::filesystem::path folder = dataFile.has_parent_path() ? dataFile.parent_path() : workingFolder_;
    return runtime::textOfPath(folder) + "/*.QBD";
}

} // namespace mainwindow
