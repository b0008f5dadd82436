#pragma once

#include <vector>

namespace core {

// A table of numbers as the reports keep their totals: rows of columns counted from 1 (column 0
// of each row is not used).
using NumberTable = std::vector<std::vector<double>>;

// The sum of columns 1 to `columns` of a row; 0 when `columns` is below 1. A row or column outside
// the table raises error 9.
double SumArrayRow(const NumberTable& table, int row, int columns);
// The same, counting only values above 0.
double SumArrayRowPositive(const NumberTable& table, int row, int columns);

} // namespace core
