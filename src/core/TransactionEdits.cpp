#include "core/TransactionEdits.h"

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/IndexOperations.h"
#include "core/TransactionRecord.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

std::string MarkedDeleted(std::string_view line)
{
    std::string marked(line);
    if (marked.size() < static_cast<std::size_t>(RecordFixedLength))
        marked.resize(static_cast<std::size_t>(RecordFixedLength), ' ');
    marked[static_cast<std::size_t>(RecordColumns::Deleted.start - 1)] = 'Y';
    return marked;
}

void ShowTransactionTableFull(Book& book)
{
    book.messages.ShowErrorBox(
        "You have " + runtime::signedText(TransactionTable::MaxTransactions) +
        " transactions in this file. Any more than this and the system will become unwieldy. Create a new "
        "file or try archiving part of this one. Do NOT attempt to add any more transactions to this file.");
}

bool AddTransaction(Book& book, TransactionFields& fields)
{
    Ledger& ledger = book.ledger;
    if (ledger.Transactions.IsFull()) {
        ShowTransactionTableFull(book);
        return false;
    }
    const BusyPointer busy(book.services());
    const SequenceCounters countersBefore = book.counters;
    const std::string numberBefore = fields.Number;
    if (runtime::rtrim(fields.Number).empty()) {
        fields.Number = book.counters.TakeNextTransactionNumber();
        if (fields.Type == "INV")
            book.counters.AdvanceInvoiceNumber();
    }
    std::optional<std::string> line = AssembleTransactionRecord(book, fields);
    if (!line) {
        // Nothing was stored, so no number was given out: a retry must not skip one, nor keep a
        // number the counter would give out again.
        book.counters = countersBefore;
        fields.Number = numberBefore;
        return false;
    }
    ledger.Transactions.Append(*line);
    ledger.FileChanged = true;
    return AddToIndexes(book, *line);
}

int ReplaceTransaction(Book& book, int recordNumber, TransactionFields& fields)
{
    const BusyPointer busy(book.services());
    Ledger& ledger = book.ledger;
    if (!ledger.Transactions.Contains(recordNumber))
        return 0;
    std::optional<std::string> line = AssembleTransactionRecord(book, fields);
    if (!line)
        return 0;
    ledger.Transactions.Replace(recordNumber, *line);
    ledger.FileChanged = true;
    return ChangeInIndexes(book, ledger.CurrentTransactionLine, *line, recordNumber);
}

bool DeleteTransaction(Book& book, int recordNumber)
{
    const BusyPointer busy(book.services());
    Ledger& ledger = book.ledger;
    if (!ledger.Transactions.Contains(recordNumber))
        return false;
    // The entries are found by the line as stored, which is what their keys were built from.
    const std::string stored(ledger.Transactions.Line(recordNumber));
    ledger.Transactions.Replace(recordNumber, MarkedDeleted(stored));
    ledger.FileChanged = true;
    if (!DeleteFromIndexes(book, stored, recordNumber))
        return false;
    ledger.CurrentTransactionIndex = 0;
    ledger.CurrentTransactionLine.clear();
    return true;
}

void ClearTransactions(Book& book)
{
    book.ledger.Transactions.Clear();
}

} // namespace core
