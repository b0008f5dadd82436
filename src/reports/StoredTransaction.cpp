#include "reports/StoredTransaction.h"

#include <algorithm>

#include "core/DateText.h"
#include "datafile/LineBreakEscape.h"
#include "runtime/Text.h"

namespace reports {

namespace {

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string MemoCell(std::string_view line, int width)
{
    // The cell's characters with each stored line break (bytes 252 253) shown as two blanks. One
    // character more is flattened than the cell shows, so a break cut in half by the cell's end
    // still shows as a blank rather than a lone byte 252.
    std::string memo(core::RecordField(line, core::RecordColumns::Memo).substr(0, static_cast<std::size_t>(width) + 1));
    datafile::FlattenLineBreaks(memo);
    memo.resize(static_cast<std::size_t>(width), ' ');
    return memo;
}

std::string ShownDates::operator()(std::string_view line)
{
    const std::string_view stored = core::RecordField(line, core::RecordColumns::Date);
    if (stored.size() != 8 || !AllDigits(stored))
        return runtime::padRight(core::FormatYmdAsDisplayDate(stored), core::DisplayDateWidth);
    const std::string_view month = stored.substr(0, 6);
    if (lastMonthAndYear_ == nullptr || month != lastMonth_) {
        lastMonth_ = month;
        auto found = monthAndYear_.find(lastMonth_);
        if (found == monthAndYear_.end())
            found = monthAndYear_.emplace(lastMonth_, core::FormatYmdAsDisplayDate(lastMonth_ + "01").substr(2)).first;
        lastMonthAndYear_ = &found->second;
    }
    std::string shown(stored.substr(6, 2));
    shown += *lastMonthAndYear_;
    return shown;
}

} // namespace reports
