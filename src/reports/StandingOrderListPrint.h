#pragma once

namespace reports {

class ReportDesk;

// The job tag of the printed standing-order list, which the standing-orders window's Print button runs.
inline constexpr const char* StandingOrdersTag = "WB_STODUMP";

// The print job of the book's standing orders ("WB_STODUMP"), one line each in the list's order,
// then their count and the end line; or, after Cancel, the cancel line. A line of the older layout
// is put into the current one in the list itself before it prints.
void PrintStandingOrderList(ReportDesk& desk);

} // namespace reports
