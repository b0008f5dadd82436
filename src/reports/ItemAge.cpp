#include "reports/ItemAge.h"

#include <optional>

#include "reports/ReportFile.h"
#include "runtime/Error.h"

namespace reports {

namespace {

// The digits of a stored date as a number; -1 when one is not a digit.
int DigitsOf(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int AgeInDays(std::string_view storedDate, runtime::Date today)
{
    std::optional<runtime::Date> date;
    if (storedDate.size() == 8)
        date = runtime::Date::fromYmd(DigitsOf(storedDate.substr(0, 4)), DigitsOf(storedDate.substr(4, 2)),
                                      DigitsOf(storedDate.substr(6, 2)));
    if (!date)
        throw runtime::Error(runtime::TypeMismatch);
    return today.days() - date->days();
}

void WriteAsOfHead(ReportFile& file, int kind, runtime::Date today)
{
    file.WriteHead(kind);
    file.WriteLine();
    file.WriteLine("As of " + runtime::format(today, "dd/Mmm/yyyy"));
    file.WriteLine();
    file.WriteLine(ReportStartMarker);
}

int AgeBand(int days)
{
    if (days > 90)
        return 4;
    if (days > 60)
        return 3;
    if (days > 30)
        return 2;
    return 1;
}

} // namespace reports
