#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/Date.h"

namespace platform {
class ListControl;
}

namespace reports {

// The standard periods the chooser offers beside its date boxes, in the order they are listed.
inline constexpr const char* PeriodPresetNames[] = {"Current Month", "Current Year", "Last Month",
                                                     "Last 6 Months To Date", "Month To Date",
                                                     "This Quarter To Date", "Today", "Year To Date"};

void FillPeriodPresets(platform::ListControl& list);

// The From and To dates ("dd/Mmm/yyyy") of a preset on `today`; none for a name that is no preset
// (trailing blanks ignored). The "... To Date" presets count back in days from today.
std::optional<std::pair<std::string, std::string>> ComputePresetDates(std::string_view presetName, runtime::Date today);

// The calendar months from the From month to the To month ("yyyymmdd" each), both counted; 1 when
// the To month is not after the From month, 0 when there would be more than 13.
int CountReportMonths(std::string_view fromYmd, std::string_view toYmd);

} // namespace reports
