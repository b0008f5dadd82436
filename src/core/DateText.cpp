#include "core/DateText.h"

#include <array>
#include <chrono>
#include <optional>

#include "core/Messages.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

// Dates before this are refused as typed dates: the book starts its calendar in 1950.
constexpr int FirstDisplayableDay = 18264; // 1 January 1950

constexpr const char* DisplayDatePattern = "dd/Mmm/yyyy";
constexpr std::string_view StoredDatePattern = "yyyymmdd";
constexpr std::array<std::string_view, 12> MonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> MonthNumbers = {"01", "02", "03", "04", "05", "06",
                                                           "07", "08", "09", "10", "11", "12"};

int roundedValue(std::string_view text)
{
    return runtime::toInt32(runtime::val(text));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int twoDigits(std::string_view text)
{
    return (text[0] - '0') * 10 + (text[1] - '0');
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The month of a three-letter name in any case; 0 for none. Only ASCII letters can match a name,
// so only they are folded, without the table of every Windows-1252 letter.
unsigned monthOfName(std::string_view month)
{
    constexpr char LowerCaseBit = 0x20;
    if (month.size() != 3 || !isAsciiLetter(month[0]) || !isAsciiLetter(month[1]) || !isAsciiLetter(month[2]))
        return 0;
    const char first = static_cast<char>(month[0] & ~LowerCaseBit);
    const char second = static_cast<char>(month[1] | LowerCaseBit);
    const char third = static_cast<char>(month[2] | LowerCaseBit);
    for (unsigned number = 1; number <= 12; ++number) {
        const std::string_view name = MonthNames[number - 1];
        if (name[0] == first && name[1] == second && name[2] == third)
            return number;
    }
    return 0;
}

// The month number of a day of two digits, a month's three-letter name in any case and a year of
// four digits from 1000 that make a date, read straight from their characters as the date parser
// reads them; nothing when they make none.
std::optional<unsigned> monthOfDateParts(std::string_view day, std::string_view month, std::string_view year)
{
    if (day.size() != 2 || year.size() != 4 || !isDigit(day[0]) || !isDigit(day[1]) || year[0] < '1' || year[0] > '9'
        || !isDigit(year[1]) || !isDigit(year[2]) || !isDigit(year[3]))
        return std::nullopt;
    const unsigned monthNumber = monthOfName(month);
    if (monthNumber == 0)
        return std::nullopt;
    const int yearNumber = twoDigits(year.substr(0, 2)) * 100 + twoDigits(year.substr(2, 2));
    const std::chrono::year_month_day calendarDate{std::chrono::year{yearNumber}, std::chrono::month{monthNumber},
                                                   std::chrono::day{static_cast<unsigned>(twoDigits(day))}};
    return calendarDate.ok() ? std::optional<unsigned>(monthNumber) : std::nullopt;
}

// A shown date "dd/Mmm/yyyy" (blanks around it aside) of a year from 1000 as stored "yyyymmdd",
// straight from its characters: the result the parse and format give, without either. Nothing for
// any other text, which takes the general way.
std::optional<std::string> shownDateAsYmd(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view date = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    if (date.size() != static_cast<std::size_t>(DisplayDateWidth) || date[2] != '/' || date[6] != '/')
        return std::nullopt;
    const std::string_view day = date.substr(0, 2);
    const std::string_view year = date.substr(7, 4);
    const std::optional<unsigned> month = monthOfDateParts(day, date.substr(3, 3), year);
    if (!month)
        return std::nullopt;
    std::string ymd;
    ymd.reserve(8);
    return ymd.append(year).append(MonthNumbers[*month - 1]).append(day);
}

} // namespace

std::string FormatDisplayDate(Messages& messages, std::string_view text)
{
    const auto date = runtime::parseDate(text, messages.services().now().year());
    if (date && date->days() >= FirstDisplayableDay)
        return runtime::format(*date, DisplayDatePattern);

    const runtime::Date today = messages.services().now();
    messages.ShowErrorBox("'" + std::string(text) + "' is not a valid date - resetting to today's date.\n\n"
                          + "For years you must use the century i.e. " + runtime::signedText(today.year()));
    return runtime::format(today, DisplayDatePattern);
}

std::string FormatYmdAsDisplayDate(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return "";
    const std::string_view date = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    if (date.size() < 6)
        return "";
    // Built in place from the date's own characters: the result is short enough to need no heap.
    std::string shown;
    shown.reserve(DisplayDateWidth);
    if (date.size() < 8) {
        const std::string_view year = date.substr(0, 2);
        shown.append(date.substr(4, 2)).append("/").append(MonthAbbreviation(date.substr(2, 2))).append("/");
        return shown.append(runtime::val(year) < 80 ? "20" : "19").append(year);
    }
    shown.append(date.substr(date.size() - 2)).append("/").append(MonthAbbreviation(date.substr(4, 2))).append("/");
    return shown.append(date.substr(0, 4));
}

std::optional<std::string> ShownDateOfParts(std::string_view day, std::string_view month, std::string_view year)
{
    const std::optional<unsigned> monthNumber = monthOfDateParts(day, month, year);
    if (!monthNumber)
        return std::nullopt;
    std::string shown;
    shown.reserve(DisplayDateWidth);
    return shown.append(day).append("/").append(MonthNames[*monthNumber - 1]).append("/").append(year);
}

std::string FormatShownDateForStorage(std::string_view shownDate, std::string_view pattern)
{
    // Every transaction stored passes here: its shown date takes the short way.
    if (pattern == StoredDatePattern) {
        if (std::optional<std::string> ymd = shownDateAsYmd(shownDate))
            return *std::move(ymd);
    }
    const auto date = runtime::parseDate(shownDate);
    return date ? runtime::format(*date, pattern) : runtime::padRight(shownDate, DisplayDateWidth);
}

bool IsValidDate(std::string_view text)
{
    return runtime::parseDate(text).has_value();
}

std::string_view MonthAbbreviation(std::string_view month)
{
    if (month.size() != 2 || (month[0] != '0' && month[0] != '1') || month[1] < '0' || month[1] > '9')
        return {};
    const int number = (month[0] - '0') * 10 + (month[1] - '0');
    return number >= 1 && number <= 12 ? MonthNames[static_cast<std::size_t>(number - 1)] : std::string_view{};
}

std::string GetMonthAbbreviation(std::string_view month)
{
    return std::string(MonthAbbreviation(month));
}

std::string GetNextMonthText(std::string_view month)
{
    int next = roundedValue(month) + 1;
    if (next > 12)
        next = 1;
    return runtime::format(next, "00");
}

std::string GetPreviousYearText(std::string_view year)
{
    int previous = roundedValue(year) - 1;
    if (previous < 1)
        previous = 99;
    return runtime::format(previous, "0000");
}

} // namespace core
