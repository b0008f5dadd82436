#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/RecordField.h"

// The list reports read the few columns they show straight from each stored transaction line:
// unpacking every field of every listed record would take most of their time on a full book,
// and would overwrite the split tail of the transaction in the edit box.
namespace reports {

// A money column of a line as a number.
inline double StoredAmount(std::string_view line, core::RecordColumn column)
{
    return runtime::val(core::RecordField(line, column));
}

// The line's memo on one line, each stored line break shown as two blanks, blank-padded or cut
// to `width` characters.
std::string MemoCell(std::string_view line, int width);

// The dates of one report's lines shown as "dd/Mmm/yyyy". A month's name is looked up once per
// report rather than once per transaction, and not at all while the lines stay in one month.
class ShownDates {
public:
    // The date of the line.
    std::string operator()(std::string_view line);

private:
    std::unordered_map<std::string, std::string> monthAndYear_; // "yyyymm" -> "/Mmm/yyyy"
    std::string lastMonth_;                                     // "yyyymm" of the last line shown
    const std::string* lastMonthAndYear_ = nullptr;
};

} // namespace reports
