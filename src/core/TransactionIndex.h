#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/TableRegion.h"

namespace core {

// How an index key is built from a transaction line.
enum class IndexKind {
    None = 0,      // no order: a blank key
    Date = 1,      // date (record columns 7-14), reference (15-20), number (1-6): the DateIndex
    Reference = 2, // reference, date, number: the query index in reference order
    Query = 3,     // the query index: Date or Reference as the sort-order menu says, else None
};

// The two orders of the query index, as the main window's sort-order menu ticks them.
enum class QueryOrder { None, ByDate, ByReference };

// The key kind the query index uses under `order`.
IndexKind QueryKeyKind(QueryOrder order);

inline constexpr int IndexKeyWidth = 20;
using IndexKey = std::array<char, IndexKeyWidth>;

// One entry of an index: a record number (a position in the TransactionTable) and its key. Entries
// are small fixed-size values moved whole.
struct IndexEntry {
    std::int16_t RecordNumber = 0;
    IndexKey Key{};
};

// The key of a line for kind Date or Reference (any other kind gives 20 blanks). Missing columns of
// a short line are blanks.
IndexKey BuildIndexKey(std::string_view line, IndexKind kind);
// The same key put into `key` where it lies: a key built aside and copied in costs a stall where
// keys are made for every record.
void PutIndexKey(std::string_view line, IndexKind kind, IndexKey& key);
// A text blank-padded or cut to a key (the stored form in the data file, a search key). Inline, as
// the reading of an index makes one for every line.
inline IndexKey MakeIndexKey(std::string_view text)
{
    IndexKey key;
    if (text.size() >= key.size()) {
        std::memcpy(key.data(), text.data(), key.size());
        return key;
    }
    key.fill(' ');
    std::memcpy(key.data(), text.data(), text.size());
    return key;
}
inline std::string_view KeyText(const IndexKey& key) { return {key.data(), key.size()}; }

namespace key_detail {
// Characters of a key read as one number that orders as they do.
inline std::uint64_t OrderedWord64(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}
inline std::uint32_t OrderedWord32(const char* at)
{
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return std::endian::native == std::endian::little ? __builtin_bswap32(word) : word;
}
} // namespace key_detail

// Keys compare character by character by character code. Inline, and eight characters at a time:
// sorting and checking a full book's indexes compares keys by the hundred thousand.
inline bool KeyLess(const IndexKey& a, const IndexKey& b)
{
    using key_detail::OrderedWord32;
    using key_detail::OrderedWord64;
    static_assert(IndexKeyWidth == 8 + 8 + 4);
    const std::uint64_t a0 = OrderedWord64(a.data());
    const std::uint64_t b0 = OrderedWord64(b.data());
    if (a0 != b0)
        return a0 < b0;
    const std::uint64_t a1 = OrderedWord64(a.data() + 8);
    const std::uint64_t b1 = OrderedWord64(b.data() + 8);
    if (a1 != b1)
        return a1 < b1;
    return OrderedWord32(a.data() + 16) < OrderedWord32(b.data() + 16);
}

// Keys are equal when their characters are: compared as words, inline, as a load checks a key for
// every record (a library call per key costs more than the compare).
inline bool KeyEqual(const IndexKey& a, const IndexKey& b)
{
    std::uint64_t a0, a1, b0, b1;
    std::uint32_t a2, b2;
    std::memcpy(&a0, a.data(), 8);
    std::memcpy(&b0, b.data(), 8);
    std::memcpy(&a1, a.data() + 8, 8);
    std::memcpy(&b1, b.data() + 8, 8);
    std::memcpy(&a2, a.data() + 16, 4);
    std::memcpy(&b2, b.data() + 16, 4);
    return ((a0 ^ b0) | (a1 ^ b1) | (a2 ^ b2)) == 0;
}

// An index's entries; a loaded index's come from the region of the file's tables.
using IndexEntries = std::vector<IndexEntry, runtime::RegionAllocator<IndexEntry>>;

// A sorted array of IndexEntry: the DateIndex over the live transactions, or the QueryIndex over
// those that pass the current filter. Positions are 1-based, 1 to UpperBound(), kept in ascending
// key order; an entry equal to existing keys goes after them.
class TransactionIndex {
public:
    int UpperBound() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    // An entry by position; a position outside 1..UpperBound() is error 9 "Subscript out of range".
    const IndexEntry& at(int position) const;
    std::span<const IndexEntry> entries() const { return entries_; }

    void Clear() { entries_.clear(); }
    void Reserve(int count) { entries_.reserve(static_cast<std::size_t>(count)); }
    // Adds an entry at the end without ordering it: for building an index that is sorted afterwards
    // and for reading an index back from its stored form.
    void Append(const IndexEntry& entry) { entries_.push_back(entry); }
    // Takes these entries as the whole index, in their order: for an index read back whole.
    void Assign(IndexEntries entries) { entries_ = std::move(entries); }

    // Adds an entry in its place: after every key that is not greater. Answers its position.
    int Insert(const IndexEntry& entry);
    // Removes the entry at `position`; the following entries move down by one.
    void Remove(int position);
    // Gives the entry at `position` a new key (its record number stays) and moves it to its place.
    int Rekey(int position, const IndexKey& key);
    // Moves the entry at `position` to its place among otherwise ordered entries. Answers the new
    // position; equal keys never pass each other.
    int SiftIndexEntry(int position);
    // Replaces a key where it stands, without moving it: for re-keying every entry and sorting once.
    void setKey(int position, const IndexKey& key);

    // The position of the entry with this key: among equal keys the one naming `recordNumber` when
    // there is one, else the first of them. 0 when no key is equal or the index is empty.
    int FindIndexEntry(const IndexKey& key, int recordNumber = 0) const;
    // The starting point for a scan from `key` (blank-padded or cut to 20): 1 when the first key is
    // not below it, else the first position whose key is greater, else the last position (the caller
    // still tests that entry). 0 for an empty index. An 8-character date finds the first
    // transaction on or after that date.
    int FindIndexLowerBound(std::string_view key) const;

    // Orders the entries first..last (clamped to the index) by key; equal keys keep their order.
    void SortIndex(int first, int last);
    void SortIndex() { SortIndex(1, UpperBound()); }

private:
    IndexEntries entries_;
};

} // namespace core
