#include "reports/ReportPeriods.h"

#include "platform/ListControls.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr std::string_view DisplayPattern = "dd/Mmm/yyyy";

std::string shown(runtime::Date date)
{
    return runtime::format(date, DisplayPattern);
}

runtime::Date firstOfMonth(int year, int month)
{
    return *runtime::Date::fromYmd(year, month, 1);
}

runtime::Date daysBefore(runtime::Date date, int days)
{
    return runtime::Date(date.days() - days);
}

// The same day a year earlier; 29 February, which the year before lacks, becomes the 28th.
runtime::Date yearEarlier(runtime::Date date)
{
    if (const auto same = runtime::Date::fromYmd(date.year() - 1, date.month(), date.day()))
        return *same;
    return *runtime::Date::fromYmd(date.year() - 1, date.month(), date.day() - 1);
}

} // namespace

void FillPeriodPresets(platform::ListControl& list)
{
    for (const char* name : PeriodPresetNames)
        list.AddItem(name);
}

std::optional<std::pair<std::string, std::string>> ComputePresetDates(std::string_view presetName, runtime::Date today)
{
    const std::string name = runtime::rtrim(presetName);
    const runtime::Date day = today.dateOnly();
    if (name == "Current Month") {
        const runtime::Date first = firstOfMonth(day.year(), day.month());
        const runtime::Date nextFirst = day.month() == 12 ? firstOfMonth(day.year() + 1, 1)
                                                          : firstOfMonth(day.year(), day.month() + 1);
        return std::pair{shown(first), shown(daysBefore(nextFirst, 1))};
    }
    if (name == "Current Year")
        return std::pair{"01/Jan/" + std::to_string(day.year()), "31/Dec/" + std::to_string(day.year())};
    if (name == "Last Month") {
        const runtime::Date last = daysBefore(firstOfMonth(day.year(), day.month()), 1);
        return std::pair{shown(firstOfMonth(last.year(), last.month())), shown(last)};
    }
    if (name == "Last 6 Months To Date")
        return std::pair{shown(daysBefore(day, 182)), shown(day)};
    if (name == "Month To Date")
        return std::pair{shown(daysBefore(day, 31)), shown(day)};
    if (name == "This Quarter To Date")
        return std::pair{shown(daysBefore(day, 91)), shown(day)};
    if (name == "Today")
        return std::pair{shown(day), shown(day)};
    if (name == "Year To Date")
        return std::pair{shown(yearEarlier(day)), shown(day)};
    return std::nullopt;
}

int CountReportMonths(std::string_view fromYmd, std::string_view toYmd)
{
    constexpr int MostMonths = 13;
    int month = static_cast<int>(runtime::val(runtime::mid(fromYmd, 5, 2)));
    int year = static_cast<int>(runtime::val(runtime::left(fromYmd, 4)));
    const int toMonth = static_cast<int>(runtime::val(runtime::mid(toYmd, 5, 2)));
    const int toYear = static_cast<int>(runtime::val(runtime::left(toYmd, 4)));
    for (int months = 1; months <= MostMonths; ++months) {
        if (year * 100 + month >= toYear * 100 + toMonth)
            return months;
        if (++month == 13) {
            month = 1;
            ++year;
        }
    }
    return 0;
}

} // namespace reports
