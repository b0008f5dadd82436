#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/SequenceCounters.h"

namespace core {
class Book;
}

namespace datafile {

// A copy of what an import, archive or restore can change: the transactions, the counters, the
// code tables with their mirrors, the standing orders, the change flags. Putting it back makes a
// failed run leave the book as it was.
class BookSnapshot {
public:
    explicit BookSnapshot(const core::Book& book);
    // Puts the copy back and rebuilds both indexes and the query totals from it.
    void Restore(core::Book& book) const;

private:
    std::vector<std::string> transactions_;
    core::SequenceCounters counters_;
    // The four tables, their four mirrors and the standing orders, in CodeTables order.
    std::array<std::vector<std::string>, 9> lists_;
    std::array<bool, 5> listChanged_{};
    bool fileChanged_ = false;
};

} // namespace datafile
