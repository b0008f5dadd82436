#pragma once

#include <string>
#include <string_view>

namespace core {

// One split of a transaction, 51 characters, stored one after another in the record's split tail:
// number "000" (1-3), memo (4-33), gross amount "#######0.00" right-aligned (34-44), VAT code
// (45-47), four blanks. Only the gross is stored; net and VAT come from the code's rate.
inline constexpr int SplitEntryWidth = 51;

struct SplitEntry {
    std::string Number;
    std::string Memo;
    double Amount = 0;
    std::string VatCode;
};

// The number of entries in a tail: its length / 51 rounded to the nearest whole number (halves to
// even), so a tail that lost its last filler still counts its last entry.
int SplitEntryCount(std::string_view tail);

// Entry `index` (from 0) of a tail; characters missing at the end read as empty text or zero.
SplitEntry ReadSplitEntry(std::string_view tail, int index);

} // namespace core
