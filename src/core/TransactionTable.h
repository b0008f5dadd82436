#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/TableRegion.h"

namespace core {

// The transactions of the open company, one stored record line each. A transaction's record number
// is its position, 1 to UpperBound(); a deleted transaction keeps its place (with "Y" in its
// deleted column) until the book is packed.
class TransactionTable {
public:
    // The most transactions a book holds: record numbers are 16-bit.
    static constexpr int MaxTransactions = 32766;

    int UpperBound() const { return static_cast<int>(records_.size()); }
    bool IsFull() const { return UpperBound() >= MaxTransactions; }
    // True for a record number that names a line of the table.
    bool Contains(int recordNumber) const { return recordNumber >= 1 && recordNumber <= UpperBound(); }

    // The line of a record; the empty text for a number outside the table, so a stale or damaged
    // record number never reads outside the table.
    std::string_view Line(int recordNumber) const;

    // Adds a line as the new last record. False, and nothing added, when the table is full.
    bool Append(std::string line);
    // Overwrites a record; false for a number outside the table.
    bool Replace(int recordNumber, std::string line);
    void Clear();
    void Reserve(int count) { records_.reserve(static_cast<std::size_t>(count)); }

    // Makes `lines` the whole table without copying them: they lie in text (a data file as read)
    // that `textKeeper` keeps, which the table holds for as long as one of them is kept. At most
    // MaxTransactions. The table's list of them is carved from `region` where one is given (the
    // region of the file's tables, sized for it).
    void AdoptLines(std::shared_ptr<const void> textKeeper, const std::vector<std::string_view>& lines,
                    std::shared_ptr<runtime::TableRegion> region = nullptr);
    // What AdoptLines takes from a region for `count` lines.
    static std::size_t RegionBytesFor(int count);

private:
    // A line lies either in the adopted text or, once added or replaced, in a string of its own,
    // held where it stays when the table grows.
    struct Record {
        std::string_view line;
        std::unique_ptr<std::string> own;
    };
    static Record Owning(std::string line);

    std::shared_ptr<const void> adoptedText_;
    std::vector<Record, runtime::RegionAllocator<Record>> records_;
};

} // namespace core
