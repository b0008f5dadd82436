#pragma once

#include <string_view>

#include "runtime/Date.h"

namespace reports {

class ReportFile;

// The age bands of outstanding invoices and bills, youngest first.
inline constexpr int AgeBandCount = 4;

// Whole days from a stored date ("yyyymmdd") to `today`, negative for a later date. A date that
// does not read raises "Type mismatch".
int AgeInDays(std::string_view storedDate, runtime::Date today);

// The head of a report as of `today`: the title of `kind`, "As of " and the date, and the marker.
void WriteAsOfHead(ReportFile& file, int kind, runtime::Date today);

// Band 1 up to 30 days (and any later date), 2 up to 60, 3 up to 90, 4 beyond.
int AgeBand(int days);

} // namespace reports
