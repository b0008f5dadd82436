#pragma once

#include <string>
#include <string_view>

namespace platform {
class ListModel;
}

namespace core {

// One line per split entry of a tail, lines joined by CR LF, for report and document columns:
//   1 memo, 2 net amount, 3 VAT, 4 gross amount, 5 VAT code,
//   6, 7, 8 as 2, 4, 3 followed by a line with their total.
// Amounts are "#######0.00" in 11 characters, a zero amount (and an empty code) a single blank.
// VAT is worked at the rate of the entry's code in `vatCodes`. An empty tail, or a kind outside
// 1-8, gives "".
std::string FormatSplitText(int kind, std::string_view tail, const platform::ListModel& vatCodes);
// One amount of a split line as FormatSplitText writes it.
std::string FormatSplitAmount(double amount);
// One VAT code of a split line as FormatSplitText writes it.
std::string FormatSplitCode(std::string_view code);

} // namespace core
