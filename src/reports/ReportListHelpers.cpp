#include "reports/ReportListHelpers.h"

#include <algorithm>

#include "platform/ListControls.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace reports {

int TakeTextLine(std::string& text, int position, std::string& line, int width)
{
    if (position < 1)
        throw runtime::Error(runtime::InvalidProcedureCall);
    const auto start = static_cast<std::size_t>(position - 1);
    const std::size_t end = std::min(text.size(), start + static_cast<std::size_t>(width));
    for (std::size_t at = start; at < end; ++at) {
        if (text[at] != '\r')
            continue;
        const std::size_t pairEnd = std::min(text.size(), at + 2);
        for (std::size_t blank = at; blank < pairEnd; ++blank)
            text[blank] = ' ';
        line = text.substr(start, pairEnd - start);
        return static_cast<int>(at) + 3;
    }
    line = runtime::mid(text, position, width);
    return position + width;
}

int FindPrefixIndex(const std::vector<std::string>& texts, std::string_view key, int length)
{
    const std::string wanted = runtime::left(key, length);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (runtime::left(texts[i], length) == wanted)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> FillMonthKeys(int count, std::string_view start)
{
    int year = static_cast<int>(runtime::val(runtime::mid(start, 1, 4)));
    int month = static_cast<int>(runtime::val(runtime::mid(start, 5, 2)));
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i) {
        keys.push_back(runtime::format(year * 100 + month, "000000"));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return keys;
}

std::vector<std::string> CollectSelectedItems(const platform::ListBox& list, int max)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount() && static_cast<int>(items.size()) < max; ++i)
        if (list.Selected(i))
            items.push_back(list.List(i));
    return items;
}

} // namespace reports
