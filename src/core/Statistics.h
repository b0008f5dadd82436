#pragma once

#include <string>

namespace core {

class Book;
class TransactionIndex;

// What the book holds, one fact a line, lines ended by CR: its file, creation and use, its
// transactions live and deleted, its code tables, standing orders and `namedFilters` filters.
std::string DescribeBookStatistics(const Book& book, int namedFilters);

// The first position (from 1) whose key is not greater than the key before it, by character codes
// (the first key is compared with NULs); 0 when the index is strictly in key order.
int FindKeyOutOfOrder(const TransactionIndex& index);

// The share of stored transactions marked deleted, as the pack question names it ("33.33",
// "100" when none is live).
std::string DeletedShare(const Book& book);

} // namespace core
