#include "core/BusyPointer.h"
#include "core/IndexOperations.h"
#include "core/RecordField.h"
#include "mainwindow/main/Main.h"
#include "mainwindow/dialogs/Splits.h"

namespace mainwindow {

void Main::wireSplits()
{
    ItemSplits.Click = [this] { ItemSplits_Click(); };
    STOItem.Click = [this] { STOItem_Click(); };
    RepReconItem.Click = [this] { RepReconItem_Click(); };
}

void Main::ItemSplits_Click()
{
    const std::string before = book.SplitTail;
    {
        Splits splits(book, *this);
        splits.LblOrigVATCode.setCaption(ComboVAT.Text());
        splits.Show(true);
    }
    if (book.SplitTail != before)
        CmdChange_Click();
}

void Main::STOItem_Click()
{
    ClearEntryFields(core::ClearWholeEditBox);
    UpdateMenuState();
    stoForm.ShowStandingOrders();
    stoForm.Show(true);
    core::ApplyFilterInSortOrder(book);
    ShowArchiveChanges();
}

void Main::RepReconItem_Click()
{
    if (ComboBank.ListCount() == 0) {
        book.messages.ShowErrorBox("There are no Bank Accounts on the system yet");
        return;
    }
    core::SetMousePointer(services(), core::HourglassPointer);
    const std::string tail = book.SplitTail;
    reconform.Show(true);
    book.SplitTail = tail;
    TakeStoredReconciledMark();
}

void Main::TakeStoredReconciledMark()
{
    core::Ledger& ledger = book.ledger;
    if (ledger.CurrentTransactionLine.empty())
        return;
    const std::string_view stored = ledger.Transactions.Line(ledger.CurrentTransactionIndex);
    const bool reconciled = core::RecordFlag(stored, core::RecordColumns::Reconciled);
    // Only the mark can have changed: a later Change must not write the old one back.
    if (reconciled == core::RecordFlag(ledger.CurrentTransactionLine, core::RecordColumns::Reconciled))
        return;
    ledger.CurrentTransactionLine = stored;
    CheckReconciled.setValue(reconciled ? 1 : 0);
}

} // namespace mainwindow
