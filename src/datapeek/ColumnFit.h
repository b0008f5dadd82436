#pragma once

#include <functional>
#include <string>
#include <vector>

#include "datapeek/ReportLayouts.h"
#include "platform/Decorations.h"
#include "platform/Grid.h"

namespace datapeek {

// The room a grid cell keeps beside its text on the screen: its margins and the grid line.
inline constexpr double CellTextRoom = 90;

// For each column of `grid` (index = column), the width of its widest cell in rows `firstRow` to
// `lastRow` as `measure` gives it (without the blanks on the side away from the column's alignment), for the columns `layout` sizes in characters, which are meant to
// show their cells whole; 0 for the other columns, which a layout keeps narrow on purpose.
std::vector<double> WidestCells(const platform::Grid& grid, const ReportLayout* layout, int firstRow, int lastRow,
                                const std::function<double(const std::string& text)>& measure);

} // namespace datapeek
