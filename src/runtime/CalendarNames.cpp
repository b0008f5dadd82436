#include "runtime/CalendarNames.h"

#include <array>

#include "runtime/Text.h"

namespace runtime::detail {

namespace {

constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

constexpr std::array<std::string_view, 7> WeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

} // namespace

std::string monthName(int month)
{
    return std::string(MonthNames.at(static_cast<std::size_t>(month - 1)));
}

std::string weekdayName(int weekday)
{
    return std::string(WeekdayNames.at(static_cast<std::size_t>(weekday)));
}

std::optional<int> monthFromName(std::string_view name)
{
    // Compared in place: dates are read by the thousand when a file is loaded or imported.
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        const std::string_view full = MonthNames[i];
        if (sameUpperCased(name, full) || sameUpperCased(name, full.substr(0, 3))) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

} // namespace runtime::detail
