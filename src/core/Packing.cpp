#include "core/Packing.h"

#include <exception>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/IndexOperations.h"
#include "core/RecordField.h"

namespace core {

bool PackTransactions(Book& book)
{
    BusyPointer busy(book.services());
    Ledger& ledger = book.ledger;
    TransactionTable packed;
    // The edit box's transaction is renumbered with its line; one packed away leaves it naming none.
    int packedCurrent = 0;
    try {
        packed.Reserve(ledger.Transactions.UpperBound());
        for (int i = 1; i <= ledger.Transactions.UpperBound(); ++i) {
            const std::string_view line = ledger.Transactions.Line(i);
            if (RecordFlag(line, RecordColumns::Deleted))
                continue;
            packed.Append(std::string(line));
            if (i == ledger.CurrentTransactionIndex)
                packedCurrent = packed.UpperBound();
        }
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Error building temporary file: ") + error.what());
        return false;
    }
    if (packed.UpperBound() != ledger.Transactions.UpperBound())
        ledger.FileChanged = true;
    ledger.Transactions = std::move(packed);
    ledger.CurrentTransactionIndex = packedCurrent;

    RebuildDateIndex(book);
    // The filter applied stays: the dialog may hold edits the user cancelled.
    ApplyFilterInSortOrder(book);
    ledger.Window().SyncQueryScrollBar();
    ledger.Window().RefreshQueryGrid();
    return true;
}

} // namespace core
