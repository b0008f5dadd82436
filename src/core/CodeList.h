#pragma once

#include <string_view>

namespace platform {
class ListModel;
}

namespace core {

// The rate of a VAT code from the VAT code table (lines "CCC RRRRRRRRRRR name": the rate in
// columns 5-15), the code blank-padded to its 3 characters and matched with letter case ignored;
// 0 when the code is not in the table.
double GetCodeListValue(const platform::ListModel& vatCodes, std::string_view code);

} // namespace core
