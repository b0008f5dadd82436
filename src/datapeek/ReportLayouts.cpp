#include "datapeek/ReportLayouts.h"

#include <algorithm>
#include <initializer_list>

namespace datapeek {

namespace {

constexpr int Blank = 100; // a column that shows practically nothing

ColumnWidth w(int chars)
{
    return {ColumnWidth::Unit::Chars, chars};
}

ColumnWidth twips(int amount)
{
    return {ColumnWidth::Unit::Twips, amount};
}

std::vector<ColumnWidth> widths(std::initializer_list<int> chars, bool blanksUpTo16, std::vector<ColumnWidth> fixedFirst = {})
{
    std::vector<ColumnWidth> result;
    for (int n : chars)
        result.push_back(w(n));
    result.insert(result.end(), fixedFirst.begin(), fixedFirst.end());
    while (blanksUpTo16 && result.size() < 16)
        result.push_back(twips(Blank));
    return result;
}

std::vector<ColumnWidth> categoryWidths()
{
    std::vector<ColumnWidth> result{w(22)};
    result.resize(17, w(13));
    return result;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> result;
    for (int c = first; c <= last; ++c)
        result.push_back(c);
    return result;
}

const std::vector<ReportLayout>& layouts()
{
    static const std::vector<ReportLayout> table{
        {1, "Current Filtered List", widths({11, 8, 6, 5, 22, 13, 13, 6, 6, 8, 8, 6}, true, {twips(600)}), {6}},
        {2, "VAT Report", widths({11, 8, 22, 13, 5, 13, 13}, true), {}},
        {9, "Bank Activity Report", widths({11, 8, 22, 5, 13, 13, 13}, true), {}},
        {10, "Print Invoice", widths({46, 13}, true), {}},
        {11, "Aged Debtors Report", widths({22, 13, 13, 13, 13, 13}, true), {2, 3, 4, 5}},
        {12, "Aged Creditors Report", widths({22, 13, 13, 13, 13, 13}, true), {2, 3, 4, 5}},
        {13, "Income & Expenditure Report", widths({22, 22, 13}, true), {}},
        {14, "Category Analysis Report", categoryWidths(), range(2, 16)},
        {20, "System Audit Report", widths({8, 11, 8, 6, 5, 22, 13, 13, 6, 6, 8, 8, 6, 13, 5}, true), {7, 8, 14}},
        {21, "Customer Statement", widths({11, 8, 22, 13, 13}, true), {}},
        {22, "EEC Sales List", widths({11, 8, 42, 13}, true), {}},
        {23, "EEC Acquisition List", widths({11, 8, 42, 13}, true), {}},
        {24, "Current Filtered List Net of VAT", widths({11, 8, 6, 8, 9, 6, 13, 13, 13, 76}, false), {7, 8}},
    };
    return table;
}

} // namespace

const ReportLayout* FindReportLayout(int kind)
{
    const auto& table = layouts();
    const auto found = std::ranges::find_if(table, [kind](const ReportLayout& layout) { return layout.kind == kind; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace datapeek
