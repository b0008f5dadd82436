#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace datafile {

// The note the delimited export and import show once, when transactions with splits pass through a
// file that carries no split lines: "Split lines are not carried by a delimited file : 2
// transactions with splits were exported without them." `done` is "exported" or "imported".
std::string SplitLinesNotCarried(std::string_view done, std::size_t transactions);

} // namespace datafile
