#include "core/TransactionIndex.h"

#include <algorithm>
#include <cstring>

#include "core/RecordField.h"
#include "runtime/Error.h"

namespace core {

namespace {

// Copies a record column into the key at `offset`, blank-padded to the column's width.
void PutField(IndexKey& key, std::size_t offset, std::string_view line, RecordColumn column)
{
    const std::string_view field = RecordField(line, column);
    std::copy(field.begin(), field.end(), key.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The columns a key is made of all lie within the first KeyedColumns of a line.
constexpr std::size_t KeyedColumns = RecordColumns::Reference.start + RecordColumns::Reference.width - 1;

// The key of a line long enough to hold its three parts, put into `key` where it lies.
template <RecordColumn First, RecordColumn Second>
void PutKeyFromParts(std::string_view line, IndexKey& key)
{
    constexpr RecordColumn Third = RecordColumns::Number;
    char* k = key.data();
    const char* l = line.data();
    std::memcpy(k, l + First.start - 1, First.width);
    std::memcpy(k + First.width, l + Second.start - 1, Second.width);
    std::memcpy(k + First.width + Second.width, l + Third.start - 1, Third.width);
}

struct ByKey {
    bool operator()(const IndexEntry& a, const IndexEntry& b) const { return KeyLess(a.Key, b.Key); }
    bool operator()(const IndexEntry& a, const IndexKey& b) const { return KeyLess(a.Key, b); }
    bool operator()(const IndexKey& a, const IndexEntry& b) const { return KeyLess(a, b.Key); }
};

using EntryIterator = IndexEntries::iterator;

// Sorts by insertion, which suits an index built nearly in key order (the date index of a book
// entered mostly by date): each entry moves past the few greater keys before it, so equal keys
// keep their order. Gives up, answering false, once the entries have moved more places than such
// an index needs; the entries are then still a stable reordering of what they were.
bool SortNearlyOrdered(EntryIterator begin, EntryIterator end)
{
    constexpr std::ptrdiff_t MovesPerEntry = 8;
    constexpr std::ptrdiff_t SpareMoves = 1024;
    std::ptrdiff_t moves = 0;
    for (EntryIterator next = begin; next != end; ++next) {
        if (next == begin || !KeyLess(next->Key, (next - 1)->Key))
            continue;
        const IndexEntry entry = *next;
        EntryIterator hole = next;
        do {
            *hole = *(hole - 1);
            --hole;
            ++moves;
        } while (hole != begin && KeyLess(entry.Key, (hole - 1)->Key));
        *hole = entry;
        if (moves > MovesPerEntry * (next - begin) + SpareMoves)
            return false;
    }
    return true;
}

} // namespace

IndexKind QueryKeyKind(QueryOrder order)
{
    switch (order) {
    case QueryOrder::ByDate: return IndexKind::Date;
    case QueryOrder::ByReference: return IndexKind::Reference;
    case QueryOrder::None: break;
    }
    return IndexKind::None;
}

IndexKey BuildIndexKey(std::string_view line, IndexKind kind)
{
    IndexKey key;
    PutIndexKey(line, kind, key);
    return key;
}

void PutIndexKey(std::string_view line, IndexKind kind, IndexKey& key)
{
    namespace C = RecordColumns;
    // A line that holds every keyed column is copied in parts of known widths.
    if (line.size() >= KeyedColumns && kind == IndexKind::Date)
        return PutKeyFromParts<C::Date, C::Reference>(line, key);
    if (line.size() >= KeyedColumns && kind == IndexKind::Reference)
        return PutKeyFromParts<C::Reference, C::Date>(line, key);
    key.fill(' ');
    const RecordColumn date = RecordColumns::Date;
    const RecordColumn reference = RecordColumns::Reference;
    const auto dateWidth = static_cast<std::size_t>(date.width);
    const auto referenceWidth = static_cast<std::size_t>(reference.width);
    if (kind == IndexKind::Date) {
        PutField(key, 0, line, date);
        PutField(key, dateWidth, line, reference);
    } else if (kind == IndexKind::Reference) {
        PutField(key, 0, line, reference);
        PutField(key, referenceWidth, line, date);
    } else {
        return;
    }
    PutField(key, dateWidth + referenceWidth, line, RecordColumns::Number);
}

const IndexEntry& TransactionIndex::at(int position) const
{
    if (position < 1 || position > UpperBound())
        throw runtime::Error(runtime::SubscriptOutOfRange);
    return entries_[static_cast<std::size_t>(position - 1)];
}

int TransactionIndex::Insert(const IndexEntry& entry)
{
    entries_.push_back(entry);
    return SiftIndexEntry(UpperBound());
}

void TransactionIndex::Remove(int position)
{
    at(position);
    entries_.erase(entries_.begin() + (position - 1));
}

int TransactionIndex::Rekey(int position, const IndexKey& key)
{
    setKey(position, key);
    return SiftIndexEntry(position);
}

void TransactionIndex::setKey(int position, const IndexKey& key)
{
    at(position);
    entries_[static_cast<std::size_t>(position - 1)].Key = key;
}

int TransactionIndex::SiftIndexEntry(int position)
{
    at(position);
    const auto begin = entries_.begin();
    const auto entry = begin + (position - 1);
    const IndexKey key = entry->Key;
    // The entries either side are in order, so the place is found by a binary chop and the entry is
    // moved there in one step, as a run of neighbour swaps would move it.
    if (entry != begin && KeyLess(key, (entry - 1)->Key)) {
        const auto place = std::upper_bound(begin, entry, key, ByKey{});
        std::rotate(place, entry, entry + 1);
        return static_cast<int>(place - begin) + 1;
    }
    if (entry + 1 != entries_.end() && KeyLess((entry + 1)->Key, key)) {
        const auto place = std::lower_bound(entry + 1, entries_.end(), key, ByKey{});
        std::rotate(entry, entry + 1, place);
        return static_cast<int>(place - begin);
    }
    return position;
}

int TransactionIndex::FindIndexEntry(const IndexKey& key, int recordNumber) const
{
    const auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), key, ByKey{});
    if (first == last)
        return 0;
    const auto named = std::find_if(first, last, [recordNumber](const IndexEntry& entry) {
        return entry.RecordNumber == recordNumber;
    });
    return static_cast<int>((named != last ? named : first) - entries_.begin()) + 1;
}

int TransactionIndex::FindIndexLowerBound(std::string_view key) const
{
    if (entries_.empty())
        return 0;
    const IndexKey searched = MakeIndexKey(key);
    if (!KeyLess(entries_.front().Key, searched))
        return 1;
    const auto greater = std::upper_bound(entries_.begin(), entries_.end(), searched, ByKey{});
    if (greater == entries_.end())
        return UpperBound();
    return static_cast<int>(greater - entries_.begin()) + 1;
}

void TransactionIndex::SortIndex(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, UpperBound());
    if (first >= last)
        return;
    const auto begin = entries_.begin() + (first - 1);
    const auto end = entries_.begin() + last;
    if (!SortNearlyOrdered(begin, end))
        std::stable_sort(begin, end, ByKey{});
}

} // namespace core
