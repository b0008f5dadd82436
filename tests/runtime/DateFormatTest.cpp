#include <gtest/gtest.h>

#include "runtime/Date.h"

using runtime::Date;
using runtime::format;

TEST(DateFormat, PatternsOfTheSystem)
{
    // Friday 9 February 2024, 13:05:07
    const Date date(Date::fromYmd(2024, 2, 9)->serial() + (13 * 3600 + 5 * 60 + 7) / 86400.0);
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"dd/Mmm/yyyy", "09/Feb/2024"},
        {"yyyymmdd", "20240209"},
        {"dd/mm/yyyy", "09/02/2024"},
        {"Mmm", "Feb"},
        {"Mmmm", "February"},
        {"yyyy", "2024"},
        {"hh:mm:ss", "13:05:07"},
        {"dd/Mmmm/yyyy", "09/February/2024"},
        {"yyyyMMDD", "20240209"},
        {"dd/Mmm/YYYY", "09/Feb/2024"},
        {"Mmm/YYYY", "Feb/2024"},
        {"Mmm-yyyy", "Feb-2024"},
        {"mmmm-yyyy", "February-2024"},
        {"yyyymm", "202402"},
        {"ddd", "Fri"},
        {"dddd", "Friday"},
        {"d/m/yy", "9/2/24"},
        {"hh:nn", "13:05"},
        {"h:m:s", "13:5:7"},
        {"y", "40"},
        {"[dd.mm.yyyy]", "[09.02.2024]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(format(date, c.pattern), c.expected);
    }
}

TEST(DateFormat, WeekdayNamesOfTheFirstSerials)
{
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int serial = 1; serial <= 7; ++serial) {
        SCOPED_TRACE(serial);
        EXPECT_EQ(format(Date(serial), "ddd"), names[serial - 1]);
    }
}

TEST(DateFormat, EarlyYearsKeepFourDigits)
{
    EXPECT_EQ(format(*Date::fromYmd(100, 3, 1), "dd/mm/yyyy"), "01/03/0100");
    EXPECT_EQ(format(*Date::fromYmd(2005, 3, 1), "yy"), "05");
}
