#pragma once

#include <string>
#include <string_view>

#include "core/TransactionRecord.h"
#include "runtime/Error.h"

namespace core {
class Book;
class NewTransactionLines;
}

// One entry line of a Coinjar file (a standing order or a transaction) into transaction fields.
// The entry string is the block's 6-character heading ("Jan-90"), one blank and the line.
namespace datafile {

// The markers that end the reference, the memo and the amount of an entry line.
inline constexpr char ReferenceEnd = '\xFB';
inline constexpr char MemoEnd = '\xFC';
inline constexpr char AmountEnd = '\xFD';

// What ParseCoinjar4Line answers.
enum CoinjarEntryKind : int { RefusedEntry = 0, StandingOrderEntry = 99, TransactionEntry = 100 };

// The import cannot go on and has said why (or the user gave no date): it is abandoned whole.
class CoinjarImportStopped : public runtime::Error {
public:
    CoinjarImportStopped() : Error(runtime::InvalidProcedureCall, "import stopped") {}
};

// True unless the line holds both the reference and the memo markers.
bool LacksEntryMarkers(std::string_view line);
// Decode one entry string; a refused entry (a missing marker) is shown and takes no number. An
// entry whose date is no date asks for one until it reads; an empty answer raises
// CoinjarImportAbandoned.
bool ParseCoinjar43Line(core::Book& book, std::string_view entry, core::TransactionFields& fields);
CoinjarEntryKind ParseCoinjar4Line(core::Book& book, std::string entry, core::TransactionFields& fields);
// A decoded entry into the book: a standing order (no second bank) at once, or a transaction's line
// into `added`, which the import adds to the book at its end. A transaction table that the lines
// would overfill raises CoinjarImportStopped after its message; other refusals pass.
void AddCoinjarEntry(core::Book& book, core::TransactionFields& fields, bool standingOrder,
                     core::NewTransactionLines& added);

} // namespace datafile
