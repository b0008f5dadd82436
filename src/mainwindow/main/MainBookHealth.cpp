#include <exception>

#include "core/BusyPointer.h"
#include "core/Packing.h"
#include "core/Statistics.h"
#include "mainwindow/main/Main.h"
#include "runtime/Number.h"

namespace mainwindow {

void Main::wireBookHealth()
{
    IntegrityItem.Click = [this] { IntegrityItem_Click(); };
    OptionPackItem.Click = [this] { OptionPackItem_Click(); };
}

void Main::IntegrityItem_Click()
{
    core::BusyPointer busy(services());
    try {
        const std::string statistics = core::DescribeBookStatistics(book, ComboMainFilters.ListCount());
        const int fault = core::FindKeyOutOfOrder(book.ledger.DateIndex);
        if (fault == 0) {
            book.messages.ShowInfoBox(statistics);
            return;
        }
        if (book.messages.AskYesNo("Duplicate record key at position " + runtime::signedText(fault) +
                                   ". Do you wish to rebuild the indexes?") != platform::Answer::Yes)
            return;
        if (core::PackTransactions(book))
            book.ledger.FileChanged = true;
        else
            book.messages.ShowErrorBox("Rebuild failed. Suggest you reload the original file");
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Error while statistically analysing file : ") + error.what());
    }
}

void Main::OptionPackItem_Click()
{
    const int stored = book.ledger.Transactions.UpperBound();
    if (stored == 0 || stored == book.ledger.DateIndex.UpperBound()) {
        book.messages.ShowInfoBox("No records to pack...");
        return;
    }
    if (book.messages.AskYesNo("Approximate proportion of deleted records in current file = " +
                               core::DeletedShare(book) + "%. Do you wish to Pack the database?") !=
        platform::Answer::Yes)
        return;
    const std::string splitTail = book.SplitTail;
    if (core::PackTransactions(book))
        book.ledger.FileChanged = true;
    else
        book.messages.ShowErrorBox("Pack failed. Suggest you reload the original file");
    book.SplitTail = splitTail;
}

} // namespace mainwindow
