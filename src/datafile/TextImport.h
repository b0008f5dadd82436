#pragma once

#include <array>
#include <cstddef>
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

// The items of a transaction read as numbers, by field number; the import checks each of them.
inline constexpr std::size_t AmountItem = 9;
inline constexpr std::size_t AmountPaidItem = 12;
inline constexpr std::size_t VatAmountItem = 13;
inline constexpr std::size_t SplitCountItem = 14;
inline constexpr std::array<std::size_t, 4> NumericTransactionItems{AmountItem, AmountPaidItem, VatAmountItem,
                                                                    SplitCountItem};

// The 16 items of a transaction into its fields: Number blank, amounts made positive, flags set
// only by "Y". The file carries no split lines, so the split tail is empty and the split count 0,
// whatever the count item says. A numeric item is read as the number at its start: an optional
// sign, digits and one decimal point, no exponent ("1E5" reads 1); one too large raises Overflow.
core::TransactionFields FieldsToTransaction(ImportItems values);
core::TransactionFields FieldsToTransaction(const ImportRecord& values);
// The 5 items of a customer into its 140-character code line.
std::string FieldsToCustomerLine(ImportItems values);
// The 2 items of a category into its 25-character code line.
std::string FieldsToCategoryLine(ImportItems values);

// Each new transaction takes the next number. Records that do not fit the table are refused all
// together, with the table's message, before any is added (false). A numeric item that is not
// wholly such a number raises ExchangeFileError naming its line ("line 2 holds '1E5' in field 9,
// which is not a number"), and so does a code holding the bytes 252 253, which a data file reads
// back as a line break; a count or number too large raises Overflow: each before anything is
// numbered, added or shown. A record that does not assemble is shown and skipped. The records are
// added and indexed together; an import that raises leaves every counter as it was. When records
// whose count item named splits were added, one note says they came without their split lines.
bool ImportTransactions(core::Book& book, const ImportRecords& records);
// A code already in the table is shown and skipped; any line added marks the book changed. A code
// holding the bytes 252 253 raises ExchangeFileError before anything is added.
bool ImportCustomers(core::Book& book, const ImportRecords& records);
bool ImportCategories(core::Book& book, const ImportRecords& records);

} // namespace datafile
