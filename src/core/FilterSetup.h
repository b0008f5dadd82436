#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/FixedText.h"

namespace core {

// Flags of in-memory records: True is -1, False 0, and any non-zero value counts as on.
using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;
inline constexpr bool IsOn(Flag flag) { return flag != 0; }
inline constexpr Flag ToFlag(bool on) { return on ? FlagTrue : FlagFalse; }

// A named set of criteria over the transactions. The members are in the record's own order, the
// order in which the data file writes them as 31 lines. A default-made set-up is "cleared": every
// number 0 and every text holding characters of code 0, so it has no type letters and passes
// nothing until letters are chosen.
struct FilterSetup {
    FixedText<20> Name;
    Flag DateOn = 0;
    FixedText<8> FromDate; // "yyyymmdd" or blank
    FixedText<8> ToDate;
    Flag RefOn = 0;
    std::int16_t RefOp = 0; // never consulted
    FixedText<6> Reference; // the reference must contain it
    Flag BankOn = 0;
    std::int16_t BankOp = 0; // never consulted
    FixedText<6> BankCode;
    Flag CustOn = 0;
    std::int16_t CustOp = 0; // never consulted
    FixedText<6> CustCode;
    Flag VATOn = 0;
    std::int16_t VATOp = 0; // never consulted
    FixedText<3> VATCode;
    Flag CatOn = 0;
    std::int16_t CatOp = 0; // never consulted
    FixedText<4> CatCode;
    // Only shows the type criterion as on (menu tick, description): the matcher always applies Types.
    Flag TypeOn = 0;
    std::int16_t TypeOp = 0; // never consulted
    FixedText<6> Types;      // accepted type letters, see FilterTypeLetter
    Flag CommentOn = 0;
    FixedText<20> Comment; // the memo must contain it, letter case ignored
    Flag AmountOn = 0;
    std::int16_t AmountOp = 0; // an AmountOperator code
    double Amount = 0;
    Flag RecOn = 0;
    Flag RecState = 0; // -1 reconciled only, 0 unreconciled only; other values match nothing
    Flag PaidA = 0;    // written by the dialog mapping, never consulted
    Flag PaidB = 0;

    bool operator==(const FilterSetup&) const = default;
};

// The names no stored set-up may carry.
inline constexpr std::string_view PreviousFilterName = "(PREVIOUS)";
inline constexpr std::string_view CurrentFilterName = "(CURRENT)";
inline constexpr std::string_view CustomisedFilterName = "(CUSTOMISED)";

// The letter a transaction shows to a set-up's Types: "I" unpaid and "Y" paid "INV", "B" unpaid and
// "Z" paid "BIL", otherwise the type's first letter ("P", "R", "X"); nothing for an empty type. A
// view, as a filter asks it of every transaction: a constant or the start of `type`.
std::string_view FilterTypeLetter(std::string_view type, bool paid);

// Amount comparisons: 1 "=", 2 "<>", 3 ">", 4 ">=", 5 "<", 6 "<=". Any other code tests nothing.
enum AmountOperator : std::int16_t { AmountEqual = 1, AmountNotEqual, AmountGreater, AmountGreaterOrEqual, AmountLess, AmountLessOrEqual };

// The code of a caption (trailing blanks ignored); 0 for a caption outside the table.
std::int16_t GetOperatorCode(std::string_view caption);
// The caption of a code; "=" for a code outside the table.
std::string OperatorText(std::int16_t code);
// The operator button's next caption: "=", "<>", "<", "<=", ">", ">=" and back to "=". Any other
// caption is kept.
std::string NextOperatorCaption(std::string_view caption);
// True when `amount` passes `op` against `limit`; codes outside the table pass everything.
bool AmountPasses(std::int16_t op, double amount, double limit);

} // namespace core
