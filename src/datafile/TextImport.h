#pragma once

#include <string>

#include "core/TransactionRecord.h"
#include "datafile/ImportRecords.h"

namespace core {
class Book;
}

// Adding the records of a delimited text file (every field of the kind, in field-number order) to
// the open book. The file is read and checked whole first (ReadDelimitedRecords): a bad file adds
// nothing.
namespace datafile {

// The 16 items of a transaction into its fields: Number blank, amounts made positive, flags set
// only by "Y", no splits in the tail (the count is kept). A numeric item is read as the number at
// its start: an optional sign, digits and one decimal point, no exponent ("1E5" reads 1); one too
// large raises Overflow.
core::TransactionFields FieldsToTransaction(ImportItems values);
core::TransactionFields FieldsToTransaction(const ImportRecord& values);
// The 5 items of a customer into its 140-character code line.
std::string FieldsToCustomerLine(ImportItems values);
// The 2 items of a category into its 25-character code line.
std::string FieldsToCategoryLine(ImportItems values);

// Each new transaction takes the next number. Records that do not fit the table are refused all
// together, with the table's message, before any is added (false). A numeric item that is not
// wholly such a number raises ExchangeFileError naming its line ("line 2 holds '1E5' in field 9,
// which is not a number"), a count or number too large raises Overflow: either before anything is
// numbered, added or shown. A record that does not assemble is shown and skipped. The records are
// added and indexed together; an import that raises leaves every counter as it was.
bool ImportTransactions(core::Book& book, const ImportRecords& records);
// A code already in the table is shown and skipped; any line added marks the book changed.
bool ImportCustomers(core::Book& book, const ImportRecords& records);
bool ImportCategories(core::Book& book, const ImportRecords& records);

} // namespace datafile
