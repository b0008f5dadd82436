#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields a delimited text file exchanges, one table per kind of record. The window lists each
// field as one literal item: its item text, a TAB and an example; the field number stands in
// characters 3-5 of the item.
namespace datafile {

enum class ExchangeKind { Transactions, Customers, Categories };

// The list items of a kind in field-number order: the export texts, or the import texts where
// "* " marks a field that must not be empty.
std::vector<std::string> AsciiFieldItems(ExchangeKind kind, bool forImport);
// How many fields a record of the kind has: 16, 5 or 2.
int AsciiFieldCount(ExchangeKind kind);
// The field number of a list item (characters 3-5); 0 when they hold no number.
int FieldNumberOfItem(std::string_view item);

} // namespace datafile
