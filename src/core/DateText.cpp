#include "core/DateText.h"

#include <array>

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

int roundedValue(std::string_view text)
{
    return runtime::toInt32(runtime::val(text));
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
    const std::string date = runtime::trim(text);
    if (date.size() < 6)
        return "";
    if (date.size() < 8) {
        const std::string century = runtime::val(runtime::left(date, 2)) < 80 ? "20" : "19";
        return runtime::mid(date, 5, 2) + "/" + GetMonthAbbreviation(runtime::mid(date, 3, 2)) + "/" + century
               + runtime::left(date, 2);
    }
    return runtime::right(date, 2) + "/" + GetMonthAbbreviation(runtime::mid(date, 5, 2)) + "/"
           + runtime::left(date, 4);
}

std::string FormatShownDateForStorage(std::string_view shownDate, std::string_view pattern)
{
    const auto date = runtime::parseDate(shownDate);
    return date ? runtime::format(*date, pattern) : runtime::padRight(shownDate, DisplayDateWidth);
}

bool IsValidDate(std::string_view text)
{
    return runtime::parseDate(text).has_value();
}

std::string GetMonthAbbreviation(std::string_view month)
{
    static constexpr std::array<const char*, 12> names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (month == runtime::format(static_cast<double>(i + 1), "00"))
            return names[i];
    }
    return "";
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
