#include "core/IndexOperations.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/FilterMatch.h"
#include "core/RecordField.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

bool IsDeleted(std::string_view line)
{
    return RecordFlag(line, RecordColumns::Deleted);
}

bool PassesCurrentFilter(const Book& book, std::string_view line)
{
    return IsTransactionInFilter(line, IndexKind::Query, book.ledger.Filters.CurrentFilter) == FilterPasses;
}

void ClearEditBox(Book& book)
{
    book.ledger.Window().ClearEntryFields(ClearWholeEditBox);
    book.ledger.Window().UpdateMenuState();
}

int ChangeEntries(Book& book, std::string_view oldLine, std::string_view newLine, int recordNumber)
{
    Ledger& ledger = book.ledger;
    if (IndexChange(book, ledger.DateIndex, IndexKind::Date, oldLine, newLine, recordNumber) == 0) {
        book.messages.ShowErrorBox("Unable to change Date index...");
        return 0;
    }
    if (PassesCurrentFilter(book, newLine)) {
        const int position = IndexChange(book, ledger.QueryIndex, IndexKind::Query, oldLine, newLine, recordNumber);
        if (position == 0)
            book.messages.ShowErrorBox("Unable to change Query index...");
        return position;
    }
    if (!IndexDelete(book, ledger.QueryIndex, IndexKind::Query, oldLine, recordNumber)) {
        book.messages.ShowErrorBox("Unable to delete Query Index record");
        return 0;
    }
    ledger.CurrentTransactionIndex = 0;
    ClearEditBox(book);
    return 0;
}

bool SameEntries(const TransactionIndex& a, const TransactionIndex& b)
{
    // Entries have no padding, so equal entries are equal bytes.
    static_assert(std::has_unique_object_representations_v<IndexEntry>);
    return a.UpperBound() == b.UpperBound()
           && (a.empty() || std::memcmp(a.entries().data(), b.entries().data(), a.entries().size_bytes()) == 0);
}

// True when `key` is the key of `kind` of the record whose key of kind Date is `dateKey`.
bool KeyMatchesDateKey(const IndexKey& key, const IndexKey& dateKey, IndexKind kind)
{
    constexpr std::size_t date = RecordColumns::Date.width;
    constexpr std::size_t reference = RecordColumns::Reference.width;
    switch (kind) {
    case IndexKind::Date: return KeyEqual(key, dateKey);
    case IndexKind::Reference:
        // The reference first, then the date; the number stays last.
        return std::memcmp(key.data(), dateKey.data() + date, reference) == 0
               && std::memcmp(key.data() + reference, dateKey.data(), date) == 0
               && std::memcmp(key.data() + date + reference, dateKey.data() + date + reference, key.size() - date - reference) == 0;
    case IndexKind::None:
    case IndexKind::Query: break;
    }
    // The key of any other kind is blank.
    return KeyEqual(key, BuildIndexKey({}, kind));
}

// One walk over the entries: each names a different live record, carries that record's key of
// `kind` and follows the entry before it in key order. Answers the totals of the signed amounts of
// the records named, or nothing when an entry fails.
std::optional<QueryTotals> EntriesMatchRecords(std::span<const IndexEntry> entries,
                                               std::span<const RecordSummary> summaries, IndexKind kind)
{
    // A byte per record and totals of its own: flags packed into words, or totals kept where the
    // caller holds them, make each entry wait for the store of the one before.
    std::vector<char> named(summaries.size() + 1);
    QueryTotals totals;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IndexEntry& entry = entries[i];
        const auto recordNumber = static_cast<std::size_t>(entry.RecordNumber);
        if (entry.RecordNumber < 1 || recordNumber > summaries.size() || named[recordNumber])
            return std::nullopt;
        const RecordSummary& summary = summaries[recordNumber - 1];
        if (!summary.live || (i > 0 && KeyLess(entry.Key, entries[i - 1].Key))
            || !KeyMatchesDateKey(entry.Key, summary.dateKey, kind))
            return std::nullopt;
        named[recordNumber] = 1;
        totals.AddPence(summary.signedPence);
    }
    return totals;
}

std::vector<RecordSummary> SummarizeTable(const TransactionTable& table)
{
    std::vector<RecordSummary> summaries(static_cast<std::size_t>(table.UpperBound()));
    for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber)
        SummarizeRecord(table.Line(recordNumber), summaries[static_cast<std::size_t>(recordNumber - 1)]);
    return summaries;
}

} // namespace

IndexKind ResolveIndexKind(const Book& book, IndexKind kind)
{
    if (kind != IndexKind::Query)
        return kind;
    return QueryKeyKind(book.ledger.Window().SortOrder());
}

int IndexInsert(Book& book, TransactionIndex& index, IndexKind kind, std::string_view line, int recordNumber)
{
    const IndexEntry entry{static_cast<std::int16_t>(recordNumber), BuildIndexKey(line, ResolveIndexKind(book, kind))};
    const int position = index.Insert(entry);
    if (kind == IndexKind::Query)
        book.ledger.Totals.Add(GetSignedAmount(line));
    return position;
}

int IndexChange(Book& book, TransactionIndex& index, IndexKind kind, std::string_view oldLine,
                std::string_view newLine, int recordNumber)
{
    const IndexKind keyKind = ResolveIndexKind(book, kind);
    const int found = index.FindIndexEntry(BuildIndexKey(oldLine, keyKind), recordNumber);
    if (found == 0) {
        book.messages.ShowErrorBox(" Chop - Unable to find key " + std::string(oldLine));
        return 0;
    }
    const IndexKey newKey = BuildIndexKey(newLine, keyKind);
    if (runtime::ltrim(KeyText(newKey)).empty()) {
        book.messages.ShowErrorBox("Unable to extract new key - " + std::string(newLine));
        return 0;
    }
    const int position = index.Rekey(found, newKey);
    if (kind == IndexKind::Query) {
        book.ledger.Totals.Take(GetSignedAmount(oldLine));
        book.ledger.Totals.Add(GetSignedAmount(newLine));
    }
    return position;
}

bool IndexDelete(Book& book, TransactionIndex& index, IndexKind kind, std::string_view line, int recordNumber)
{
    const int found = index.FindIndexEntry(BuildIndexKey(line, ResolveIndexKind(book, kind)), recordNumber);
    if (found == 0) {
        book.messages.ShowErrorBox(" Chop - Unable to find key, index = '" +
                                   runtime::signedText(static_cast<int>(kind)) + "'" + std::string(line));
        return false;
    }
    index.Remove(found);
    if (kind == IndexKind::Query)
        book.ledger.Totals.Take(GetSignedAmount(line));
    return true;
}

bool AddToIndexes(Book& book, std::string_view line)
{
    Ledger& ledger = book.ledger;
    if (IsDeleted(line))
        return false;
    const int recordNumber = ledger.Transactions.UpperBound();
    IndexInsert(book, ledger.DateIndex, IndexKind::Date, line, recordNumber);
    if (!PassesCurrentFilter(book, line)) {
        ClearEditBox(book);
        return false;
    }
    IndexInsert(book, ledger.QueryIndex, IndexKind::Query, line, recordNumber);
    return true;
}

int ChangeInIndexes(Book& book, std::string& oldLine, std::string_view newLine, int recordNumber)
{
    const int position = ChangeEntries(book, oldLine, newLine, recordNumber);
    oldLine = newLine;
    return position;
}

bool DeleteFromIndexes(Book& book, std::string_view line, int recordNumber)
{
    Ledger& ledger = book.ledger;
    if (!IndexDelete(book, ledger.DateIndex, IndexKind::Date, line, recordNumber))
        return false;
    if (!IndexDelete(book, ledger.QueryIndex, IndexKind::Query, line, recordNumber))
        return false;
    ClearEditBox(book);
    return true;
}

void ResetIndexArray(Book& book, TransactionIndex& index)
{
    index.Clear();
    if (&index == &book.ledger.QueryIndex)
        book.ledger.Totals.Reset();
}

void RebuildIndexKeys(Book& book, TransactionIndex& index, IndexKind kind)
{
    const BusyPointer busy(book.services());
    const TransactionTable& table = book.ledger.Transactions;
    const IndexKind keyKind = ResolveIndexKind(book, kind);
    TransactionIndex rekeyed;
    rekeyed.Reserve(index.UpperBound());
    for (const IndexEntry& entry : index.entries())
        if (table.Contains(entry.RecordNumber))
            rekeyed.Append({entry.RecordNumber, BuildIndexKey(table.Line(entry.RecordNumber), keyKind)});
    rekeyed.SortIndex();
    index = std::move(rekeyed);
}

void RebuildDateIndex(Book& book)
{
    Ledger& ledger = book.ledger;
    const TransactionTable& table = ledger.Transactions;
    ResetIndexArray(book, ledger.DateIndex);
    ledger.DateIndex.Reserve(table.UpperBound());
    for (int recordNumber = 1; recordNumber <= table.UpperBound(); ++recordNumber) {
        const std::string_view line = table.Line(recordNumber);
        if (!IsDeleted(line))
            ledger.DateIndex.Append({static_cast<std::int16_t>(recordNumber), BuildIndexKey(line, IndexKind::Date)});
    }
    ledger.DateIndex.SortIndex();
}

int ApplyFilterToIndex(Book& book, IndexKind kind)
{
    const BusyPointer busy(book.services());
    Ledger& ledger = book.ledger;
    const FilterSetup& filter = ledger.Filters.CurrentFilter;
    const TransactionIndex& source = ledger.DateIndex;
    ResetIndexArray(book, ledger.QueryIndex);

    int start = 1;
    if (kind == IndexKind::Date && IsOn(filter.DateOn))
        start = source.FindIndexLowerBound(filter.FromDate.view());
    const IndexKind keyKind = ResolveIndexKind(book, IndexKind::Query);
    // Passing entries are gathered in scan order and ordered once at the end: the same order that
    // inserting them one by one gives, without moving entries on every insert.
    const FilterMatcher matcher(filter);
    const int first = std::max(start, 1);
    ledger.QueryIndex.Reserve(source.UpperBound() - first + 1);
    int count = 0;
    for (int position = first; position <= source.UpperBound(); ++position) {
        const IndexEntry& entry = source.at(position);
        const std::string_view line = ledger.Transactions.Line(entry.RecordNumber);
        const int answer = matcher.Match(line, kind);
        if (answer == FilterPastToDate)
            break;
        if (answer != FilterPasses)
            continue;
        // The date index's key is the query key of a query in date order.
        ledger.QueryIndex.Append({entry.RecordNumber, keyKind == IndexKind::Date ? entry.Key : BuildIndexKey(line, keyKind)});
        ledger.Totals.Add(GetSignedAmount(line));
        ++count;
    }
    ledger.QueryIndex.SortIndex();
    return count;
}

int ApplyFilterInSortOrder(Book& book)
{
    switch (book.ledger.Window().SortOrder()) {
    case QueryOrder::ByDate: return ApplyFilterToIndex(book, IndexKind::Date);
    case QueryOrder::ByReference: {
        const int count = ApplyFilterToIndex(book, IndexKind::Date);
        RebuildIndexKeys(book, book.ledger.QueryIndex, IndexKind::Reference);
        return count;
    }
    case QueryOrder::None: break;
    }
    return 0;
}

void RecalculateQueryTotals(Book& book)
{
    Ledger& ledger = book.ledger;
    ledger.Totals.Reset();
    for (const IndexEntry& entry : ledger.QueryIndex.entries())
        ledger.Totals.Add(GetSignedAmount(ledger.Transactions.Line(entry.RecordNumber)));
}

bool IndexMatchesTable(const Book& book, const TransactionIndex& index, IndexKind kind)
{
    const std::vector<RecordSummary> summaries = SummarizeTable(book.ledger.Transactions);
    return EntriesMatchRecords(index.entries(), summaries, ResolveIndexKind(book, kind)).has_value();
}

void SummarizeRecord(std::string_view line, RecordSummary& summary)
{
    PutIndexKey(line, IndexKind::Date, summary.dateKey);
    summary.live = !IsDeleted(line);
    summary.signedPence = GetSignedPence(line);
}

bool RepairIndexes(Book& book)
{
    return RepairIndexes(book, SummarizeTable(book.ledger.Transactions));
}

bool RepairIndexes(Book& book, std::span<const RecordSummary> summaries)
{
    Ledger& ledger = book.ledger;
    const TransactionTable& table = ledger.Transactions;
    if (summaries.size() != static_cast<std::size_t>(table.UpperBound()))
        throw std::invalid_argument("the record summaries do not match the table");
    const IndexKind queryKind = ResolveIndexKind(book, IndexKind::Query);
    // Where every transaction passes the filter in date order the query index repeats the date
    // index, and one walk checks both.
    const bool queryRepeatsDate = queryKind == IndexKind::Date && SameEntries(ledger.QueryIndex, ledger.DateIndex);
    const auto liveCount = std::count_if(summaries.begin(), summaries.end(), [](const RecordSummary& s) { return s.live; });
    std::optional<QueryTotals> dateTotals;
    if (ledger.DateIndex.UpperBound() == liveCount)
        dateTotals = EntriesMatchRecords(ledger.DateIndex.entries(), summaries, IndexKind::Date);
    const bool dateMatches = dateTotals.has_value();
    std::optional<QueryTotals> queryTotals = queryRepeatsDate ? dateTotals : std::nullopt;
    if (dateMatches && !queryRepeatsDate)
        queryTotals = EntriesMatchRecords(ledger.QueryIndex.entries(), summaries, queryKind);
    if (queryTotals) {
        ledger.Totals = *queryTotals;
        return false;
    }
    if (!dateMatches)
        RebuildDateIndex(book);
    ApplyFilterInSortOrder(book);
    RecalculateQueryTotals(book);
    return true;
}

} // namespace core
