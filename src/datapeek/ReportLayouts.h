#pragma once

#include <string>
#include <vector>

namespace datapeek {

// One grid column's width: a number of average characters of the report font, or fixed twips.
struct ColumnWidth {
    enum class Unit { Chars, Twips };
    Unit unit;
    int amount;
};

// What the viewer knows of a report kind: the name in its caption, the widths of columns 1, 2, ...
// (later columns keep theirs) and the right-aligned columns.
struct ReportLayout {
    int kind;
    std::string name;
    std::vector<ColumnWidth> widths;
    std::vector<int> rightAligned;
};

// The layout of a kind; null for a kind the viewer has none for.
const ReportLayout* FindReportLayout(int kind);

} // namespace datapeek
