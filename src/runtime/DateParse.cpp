#include <array>
#include <charconv>

#include "runtime/CalendarNames.h"
#include "runtime/Date.h"

namespace runtime {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool allOf(std::string_view text, bool (*test)(char))
{
    for (char c : text) {
        if (!test(c)) {
            return false;
        }
    }
    return !text.empty();
}

// The parts of a date text; a text of more parts than a date has is no date.
struct DateParts {
    static constexpr std::size_t Most = 3;
    std::array<std::string_view, Most> part;
    std::size_t count = 0;
};

// Splits "12/Mar/2024", "12-3-24", "12.03.2024" or "12 March 2024" into its parts. A part is a
// run of letters or digits; parts are separated by one "/", "-" or "." with optional blanks
// around it, or by blanks alone. Anything else, or more than three parts, gives no parts.
DateParts splitParts(std::string_view text)
{
    DateParts parts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && (isDigit(text[end]) || isLetter(text[end]))) {
            ++end;
        }
        if (end == pos || parts.count == DateParts::Most) {
            return {};
        }
        parts.part[parts.count++] = text.substr(pos, end - pos);
        pos = text.find_first_not_of(' ', end);
        if (pos == std::string_view::npos) {
            break;
        }
        const bool blanks = pos > end;
        if (text[pos] == '/' || text[pos] == '-' || text[pos] == '.') {
            pos = text.find_first_not_of(' ', pos + 1);
            if (pos == std::string_view::npos) {
                return {};
            }
        } else if (!blanks) {
            return {};
        }
    }
    return parts;
}

std::optional<int> number(std::string_view digits, std::size_t maxLength)
{
    if (digits.size() > maxLength || !allOf(digits, isDigit)) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::optional<int> monthOf(std::string_view part)
{
    return allOf(part, isLetter) ? detail::monthFromName(part) : number(part, 2);
}

// Years of one or two digits take their century from a window: below 80 is 20xx, else 19xx.
std::optional<int> yearOf(std::string_view part)
{
    const std::optional<int> year = number(part, 4);
    if (year && part.size() <= 2) {
        return *year + (*year < 80 ? 2000 : 1900);
    }
    return year;
}

// The current year is asked for only by a text without one: reading the clock costs more than
// reading a date.
template <class CurrentYear> std::optional<Date> parseDateWith(std::string_view text, CurrentYear currentYear)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::string_view trimmed =
        first == std::string_view::npos ? std::string_view{} : text.substr(first, text.find_last_not_of(' ') + 1 - first);
    const DateParts parts = splitParts(trimmed);
    const auto& part = parts.part;
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
    if (parts.count == 2) {
        day = number(part[0], 2);
        month = monthOf(part[1]);
        year = currentYear();
    } else if (parts.count == 3 && part[0].size() == 4) {
        year = number(part[0], 4);
        month = monthOf(part[1]);
        day = number(part[2], 2);
    } else if (parts.count == 3) {
        day = number(part[0], 2);
        month = monthOf(part[1]);
        year = yearOf(part[2]);
    }
    if (!day || !month || !year) {
        return std::nullopt;
    }
    return Date::fromYmd(*year, *month, *day);
}

} // namespace

std::optional<Date> parseDate(std::string_view text, int currentYear)
{
    return parseDateWith(text, [currentYear] { return currentYear; });
}

std::optional<Date> parseDate(std::string_view text)
{
    return parseDateWith(text, [] { return Date::now().year(); });
}

} // namespace runtime
