#include "datapeek/ColumnFit.h"

#include <algorithm>
#include <unordered_set>

#include "runtime/Text.h"

namespace datapeek {

std::vector<double> WidestCells(const platform::Grid& grid, const ReportLayout* layout, int firstRow, int lastRow,
                                const std::function<double(const std::string& text)>& measure)
{
    std::vector<double> widest(static_cast<std::size_t>(grid.Cols()), 0);
    if (!layout)
        return widest;
    const int sized = std::min<int>(static_cast<int>(layout->widths.size()), grid.Cols() - 1);
    for (int col = 1; col <= sized; ++col) {
        if (layout->widths[static_cast<std::size_t>(col - 1)].unit != ColumnWidth::Unit::Chars)
            continue;
        double& width = widest[static_cast<std::size_t>(col)];
        // Blanks past the text's far end from its alignment show nothing.
        const bool rightAligned = grid.ColAlignment(col) == platform::RightJustify;
        // A report repeats its dates, codes and rulers: each text is measured once.
        std::unordered_set<std::string> measured;
        for (int row = firstRow; row <= lastRow; ++row) {
            std::string text = grid.TextMatrix(row, col);
            text = rightAligned ? runtime::ltrim(text) : runtime::rtrim(text);
            if (text.empty() || measured.count(text))
                continue;
            width = std::max(width, measure(text));
            measured.insert(std::move(text));
        }
    }
    return widest;
}

} // namespace datapeek
