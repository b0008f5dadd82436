#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// A date (and time of day) as the platform holds it: days counted from 30 December 1899, the
// fraction being the time of day. 1 January 1950 is 18264. The parts of a serial outside the
// years 100 to 9999 raise Overflow.
class Date {
public:
    Date() = default;
    explicit Date(double serial) : serial_(serial) {}

    static std::optional<Date> fromYmd(int year, int month, int day);
    // The local date and time from the system clock.
    static Date now();

    double serial() const { return serial_; }
    int days() const;  // the whole days of the serial, its time rounded to the second
    int year() const;
    int month() const;
    int day() const;
    int weekday() const;  // 0 for Sunday to 6 for Saturday
    int hour() const;
    int minute() const;
    int second() const;
    Date dateOnly() const { return Date(days()); }

    auto operator<=>(const Date&) const = default;

private:
    double serial_ = 0;
};

// The one date parser: day, month, year in that order, separated by "/", "-", "." or blanks; the
// month as a number or an English name (three letters or in full); two-digit years below 80 are
// 20xx, others 19xx; three or four digits are the year itself (100 to 9999). A day and month alone
// ("15/3", "15 Mar") take `currentYear`; a four-digit year first is read year, month, day
// ("2025-03-15"). Surrounding blanks are ignored; a missing or extra part, other characters and
// impossible dates give nothing.
std::optional<Date> parseDate(std::string_view text, int currentYear);
// The same with the year of the system clock, for texts that carry their year.
std::optional<Date> parseDate(std::string_view text);

// Formats with a pattern made of "dd", "d", "ddd" (Fri), "dddd" (Friday), "mm", "m", "Mmm" (Jan),
// "Mmmm" (January), "yyyy", "yy", "y" (day of the year), "hh", "nn"/"mm" after "hh" (minutes),
// "ss" and literal characters. Letters are read without regard to case ("yyyyMMDD").
std::string format(Date date, std::string_view pattern);

} // namespace runtime
