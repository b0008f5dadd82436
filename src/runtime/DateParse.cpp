#include <charconv>
#include <vector>

#include "runtime/CalendarNames.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

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

// Splits "12/Mar/2024", "12-3-24", "12.03.2024" or "12 March 2024" into its parts. A part is a
// run of letters or digits; parts are separated by one "/", "-" or "." with optional blanks
// around it, or by blanks alone. Anything else gives no parts.
std::vector<std::string_view> splitParts(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && (isDigit(text[end]) || isLetter(text[end]))) {
            ++end;
        }
        if (end == pos) {
            return {};
        }
        parts.push_back(text.substr(pos, end - pos));
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

} // namespace

std::optional<Date> parseDate(std::string_view text, int currentYear)
{
    const std::string trimmed = trim(text);
    const std::vector<std::string_view> parts = splitParts(trimmed);
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
    if (parts.size() == 2) {
        day = number(parts[0], 2);
        month = monthOf(parts[1]);
        year = currentYear;
    } else if (parts.size() == 3 && parts[0].size() == 4) {
        year = number(parts[0], 4);
        month = monthOf(parts[1]);
        day = number(parts[2], 2);
    } else if (parts.size() == 3) {
        day = number(parts[0], 2);
        month = monthOf(parts[1]);
        year = yearOf(parts[2]);
    }
    if (!day || !month || !year) {
        return std::nullopt;
    }
    return Date::fromYmd(*year, *month, *day);
}

std::optional<Date> parseDate(std::string_view text)
{
    return parseDate(text, Date::now().year());
}

} // namespace runtime
