#include "mainwindow/Main.h"

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

} // namespace mainwindow
