#include "core/TransactionLinesAdd.h"

#include <algorithm>
#include <cstdint>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/FilterMatch.h"
#include "core/IndexOperations.h"
#include "core/RecordField.h"
#include "core/TransactionRecord.h"

namespace core {

namespace {

// Orders an index whose entries from `firstAdded` on were appended after ordered ones. Inserting
// them one by one puts each after every key not greater: the stable order of the whole, which is
// already there when the added keys are in order and none is below the last earlier one.
void OrderAddedEntries(TransactionIndex& index, int firstAdded)
{
    const auto entries = index.entries();
    const auto from = entries.begin() + std::max(firstAdded - 2, 0);
    const auto ordered = [](const IndexEntry& a, const IndexEntry& b) { return KeyLess(a.Key, b.Key); };
    if (!std::is_sorted(from, entries.end(), ordered))
        index.SortIndex();
}

} // namespace

bool AddTransactionLines(Book& book, std::shared_ptr<const void> textKeeper, const std::vector<std::string_view>& lines)
{
    Ledger& ledger = book.ledger;
    const int firstRecord = ledger.Transactions.UpperBound() + 1;
    if (lines.size() > static_cast<std::size_t>(TransactionTable::MaxTransactions - firstRecord + 1))
        return false;
    if (lines.empty())
        return true;
    const BusyPointer busy(book.services());
    if (firstRecord == 1) {
        ledger.Transactions.AdoptLines(std::move(textKeeper), lines);
    } else {
        ledger.Transactions.Reserve(firstRecord - 1 + static_cast<int>(lines.size()));
        for (const std::string_view line : lines)
            ledger.Transactions.Append(std::string(line));
    }
    ledger.FileChanged = true;

    const int firstDateEntry = ledger.DateIndex.UpperBound() + 1;
    const int firstQueryEntry = ledger.QueryIndex.UpperBound() + 1;
    // Grown once: a large index grown entry by entry leaves behind every smaller copy.
    ledger.DateIndex.Reserve(firstDateEntry - 1 + static_cast<int>(lines.size()));
    ledger.QueryIndex.Reserve(firstQueryEntry - 1 + static_cast<int>(lines.size()));
    const IndexKind queryKind = ResolveIndexKind(book, IndexKind::Query);
    const FilterMatcher matcher(ledger.Filters.CurrentFilter);
    bool leftOutOfGrid = false;
    for (int recordNumber = firstRecord; recordNumber <= ledger.Transactions.UpperBound(); ++recordNumber) {
        const std::string_view line = ledger.Transactions.Line(recordNumber);
        if (RecordFlag(line, RecordColumns::Deleted))
            continue;
        const auto number = static_cast<std::int16_t>(recordNumber);
        ledger.DateIndex.Append({number, BuildIndexKey(line, IndexKind::Date)});
        if (matcher.Match(line, IndexKind::Query) != FilterPasses) {
            leftOutOfGrid = true;
            continue;
        }
        ledger.QueryIndex.Append({number, BuildIndexKey(line, queryKind)});
        ledger.Totals.Add(GetSignedAmount(line));
    }
    OrderAddedEntries(ledger.DateIndex, firstDateEntry);
    OrderAddedEntries(ledger.QueryIndex, firstQueryEntry);
    // A transaction the filter leaves out clears the edit box, as adding it alone does.
    if (leftOutOfGrid) {
        ledger.Window().ClearEntryFields(ClearWholeEditBox);
        ledger.Window().UpdateMenuState();
    }
    return true;
}

void NewTransactionLines::Reserve(std::size_t lines)
{
    lines_.Reserve(lines * RecordFixedLength, lines);
}

void NewTransactionLines::Add(std::string_view line)
{
    lines_.text() += line;
    lines_.EndLine();
}

bool NewTransactionLines::AddRecord(Book& book, TransactionFields& fields)
{
    if (!AppendTransactionRecord(book, fields, lines_.text()))
        return false;
    lines_.EndLine();
    return true;
}

bool NewTransactionLines::AddTo(Book& book)
{
    GatheredLines::Lines lines = lines_.Take();
    return AddTransactionLines(book, std::move(lines.keeper), lines.views);
}

} // namespace core
