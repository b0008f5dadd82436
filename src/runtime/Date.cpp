#include "runtime/Date.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "runtime/Error.h"

namespace runtime {

namespace {

using namespace std::chrono;

constexpr sys_days Epoch = sys_days{year{1899} / December / 30};
constexpr int SecondsPerDay = 24 * 60 * 60;
constexpr int FirstYear = 100;
constexpr int LastYear = 9999;
constexpr double FirstSerial = (sys_days{year{FirstYear} / January / 1} - Epoch).count();
constexpr double LastSerial = (sys_days{year{LastYear} / December / 31} - Epoch).count() + 1;

// A serial split into its calendar day and the second of that day, the time rounded to the
// nearest second. Before the epoch the platform counts the time forward from the day's start,
// so -1.25 is 29 December 1899 at 06:00.
struct DayAndSecond {
    int day;
    int second;
};

DayAndSecond split(double serial)
{
    if (!(serial >= FirstSerial && serial < LastSerial)) {
        throw Error(Overflow);
    }
    const double whole = std::trunc(serial);
    DayAndSecond result{static_cast<int>(whole), static_cast<int>(std::lround(std::fabs(serial - whole) * SecondsPerDay))};
    if (result.second == SecondsPerDay) {
        result.second = 0;
        ++result.day;
    }
    return result;
}

sys_days calendarDay(double serial)
{
    return Epoch + days{split(serial).day};
}

} // namespace

std::optional<Date> Date::fromYmd(int yearNumber, int monthNumber, int dayNumber)
{
    // The calendar types hold a month or day in one byte, so 257 would wrap round to 1.
    if (yearNumber < FirstYear || yearNumber > LastYear || monthNumber < 1 || monthNumber > 12 || dayNumber < 1
        || dayNumber > 31) {
        return std::nullopt;
    }
    // Member names hide the calendar types here, so they are named in full.
    const year_month_day date{std::chrono::year{yearNumber}, std::chrono::month{static_cast<unsigned>(monthNumber)},
                              std::chrono::day{static_cast<unsigned>(dayNumber)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return Date((sys_days{date} - Epoch).count());
}

Date Date::now()
{
    const std::time_t clock = std::time(nullptr);
    std::tm local{};
    localtime_r(&clock, &local);
    const double timeOfDay = (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec) / SecondsPerDay;
    return Date(fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)->serial() + timeOfDay);
}

int Date::days() const
{
    return split(serial_).day;
}

int Date::year() const
{
    return static_cast<int>(year_month_day{calendarDay(serial_)}.year());
}

int Date::month() const
{
    return static_cast<int>(static_cast<unsigned>(year_month_day{calendarDay(serial_)}.month()));
}

int Date::day() const
{
    return static_cast<int>(static_cast<unsigned>(year_month_day{calendarDay(serial_)}.day()));
}

int Date::weekday() const
{
    return static_cast<int>(std::chrono::weekday{calendarDay(serial_)}.c_encoding());
}

int Date::hour() const
{
    return split(serial_).second / 3600;
}

int Date::minute() const
{
    return split(serial_).second / 60 % 60;
}

int Date::second() const
{
    return split(serial_).second % 60;
}

} // namespace runtime
