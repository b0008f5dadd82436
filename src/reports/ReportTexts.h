#pragma once

#include <string>
#include <string_view>

namespace core {
struct FilterSetup;
}

namespace reports {

// The ruler under an amount column: as wide as an amount cell.
inline constexpr std::string_view AmountRuler = "___________";

// Payments and bills take money out: the reports list them as payments, every other type as a receipt.
bool IsPaymentType(std::string_view type);

// The line under a filtered list's title: "Filter : " and the set-up's 20-character name, or the
// empty text when the name is blank. A cleared set-up's name of NUL characters counts as blank.
std::string FilterSubtitle(const core::FilterSetup& filter);

// True when an amount shows as "0.00": sums of pence that cancel leave binary residue.
bool ShowsAsZero(double amount);

// The count line that ends a list: "2 Records".
std::string RecordCountLine(int count);

} // namespace reports
