#pragma once

#include <optional>
#include <string>
#include <string_view>

// The English month and weekday names the platform writes and reads.
namespace runtime::detail {

// "January" for 1.
std::string monthName(int month);
// "Sunday" for 0.
std::string weekdayName(int weekday);
// The month of a name written in full or as its first three letters, in any case.
std::optional<int> monthFromName(std::string_view name);

} // namespace runtime::detail
