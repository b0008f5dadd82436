#include <algorithm>
#include <cctype>

#include "runtime/CalendarNames.h"
#include "runtime/Date.h"

namespace runtime {

namespace {

std::string twoDigits(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string fourDigits(int number)
{
    std::string text = std::to_string(number);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

int dayOfYear(const Date& date)
{
    return date.days() - Date::fromYmd(date.year(), 1, 1)->days() + 1;
}

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

// Letters are read without regard to case, as the platform does: "Mmm", "mmm" and "MMM" are all
// the month abbreviation. "m" and "mm" right after an hour are minutes.
std::string format(Date date, std::string_view pattern)
{
    std::string text;
    bool afterHour = false;
    for (std::size_t i = 0; i < pattern.size();) {
        const char letter = lower(pattern[i]);
        std::size_t run = 1;
        while (i + run < pattern.size() && lower(pattern[i + run]) == letter) {
            ++run;
        }
        const bool minuteAfterHour = letter == 'm' && afterHour;
        std::size_t used = run;
        switch (letter) {
        case 'd':
            used = std::min<std::size_t>(run, 4);
            text += used == 1 ? std::to_string(date.day())
                : used == 2   ? twoDigits(date.day())
                : used == 3   ? detail::weekdayName(date.weekday()).substr(0, 3)
                              : detail::weekdayName(date.weekday());
            break;
        case 'm':
            if (minuteAfterHour) {
                used = std::min<std::size_t>(run, 2);
                text += used == 1 ? std::to_string(date.minute()) : twoDigits(date.minute());
                break;
            }
            used = std::min<std::size_t>(run, 4);
            text += used == 1 ? std::to_string(date.month())
                : used == 2   ? twoDigits(date.month())
                : used == 3   ? detail::monthName(date.month()).substr(0, 3)
                              : detail::monthName(date.month());
            break;
        case 'y':
            used = std::min<std::size_t>(run, 4);
            text += used == 1 ? std::to_string(dayOfYear(date))
                : used == 2   ? twoDigits(date.year() % 100)
                              : fourDigits(date.year());
            break;
        case 'h':
        case 'n':
        case 's': {
            used = std::min<std::size_t>(run, 2);
            const int value = letter == 'h' ? date.hour() : letter == 'n' ? date.minute() : date.second();
            text += used == 1 ? std::to_string(value) : twoDigits(value);
            break;
        }
        default:
            text.append(pattern.substr(i, run));
            break;
        }
        if (letter == 'h') {
            afterHour = true;
        } else if (letter == 'd' || letter == 'm' || letter == 'y' || letter == 'n' || letter == 's') {
            afterHour = false;
        }
        i += used;
    }
    return text;
}

} // namespace runtime
