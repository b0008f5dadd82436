#include "core/RowSums.h"

#include <cstddef>

#include "runtime/Error.h"

namespace core {

namespace {

template <class Counts>
double sumRow(const NumberTable& table, int row, int columns, Counts counts)
{
    if (columns < 1)
        return 0;
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()
        || static_cast<std::size_t>(columns) >= table[static_cast<std::size_t>(row)].size())
        throw runtime::Error(runtime::SubscriptOutOfRange);
    const auto& values = table[static_cast<std::size_t>(row)];
    double sum = 0;
    for (std::size_t column = 1; column <= static_cast<std::size_t>(columns); ++column) {
        if (counts(values[column]))
            sum += values[column];
    }
    return sum;
}

} // namespace

double SumArrayRow(const NumberTable& table, int row, int columns)
{
    return sumRow(table, row, columns, [](double) { return true; });
}

double SumArrayRowPositive(const NumberTable& table, int row, int columns)
{
    return sumRow(table, row, columns, [](double value) { return value > 0; });
}

} // namespace core
