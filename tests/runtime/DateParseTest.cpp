#include <gtest/gtest.h>

#include "runtime/Date.h"

using runtime::Date;
using runtime::parseDate;

TEST(DateParse, AcceptedTexts)
{
    const struct {
        const char* text;
        int year, month, day;
    } cases[] = {
        {"31/12/2024", 2024, 12, 31},
        {"01/01/1950", 1950, 1, 1},
        {"29/02/2024", 2024, 2, 29},
        {"1/1/50", 2050, 1, 1},
        {"1/1/79", 2079, 1, 1},
        {"31/12/80", 1980, 12, 31},
        {"31/12/00", 2000, 12, 31},
        {"5/6/7", 2007, 6, 5},
        {"09/Feb/2024", 2024, 2, 9},
        {"9-feb-2024", 2024, 2, 9},
        {"9.FEBRUARY.2024", 2024, 2, 9},
        {"9 February 2024", 2024, 2, 9},
        {"01-Sep-1999", 1999, 9, 1},
        {"12 3 2024", 2024, 3, 12},
        {"9 / 2 / 2024", 2024, 2, 9},
        {"12  3   2024", 2024, 3, 12},
        {"  09/02/2024  ", 2024, 2, 9},
        {"1/1/100", 100, 1, 1},
        {"1/1/0100", 100, 1, 1},
        {"31/12/9999", 9999, 12, 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Date> date = parseDate(c.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, *Date::fromYmd(c.year, c.month, c.day));
    }
}

TEST(DateParse, RejectedTexts)
{
    const char* cases[] = {
        "",
        "   ",
        "31/02/2024",
        "29/02/2023",
        "32/01/2024",
        "00/01/2024",
        "01/13/2024",
        "01/00/2024",
        "01/2024",
        "01/01/2024/5",
        "abc",
        "01/Foo/2024",
        "01/Janu/2024",
        "1st/1/2024",
        "01//01/2024",
        "01/01/2024x",
        "01/01/10000",
        "01/01/0099",
        "001/01/2024",
        "/01/01/2024",
        "01/01/2024/",
        "2024-13-01",
        "24-01-01-01",
        "20240101",
        "1/1/-5",
        "01/01/24 13:00",
        "01/01/2024.",
        "Jan/01/2024",
        "01,01,2024",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDate(text).has_value());
    }
}

TEST(DateParse, ADayAndMonthTakeTheCurrentYearAndAYearMayComeFirst)
{
    const struct {
        const char* text;
        int year, month, day;
    } cases[] = {
        {"15/3", 2023, 3, 15},
        {"15 Mar", 2023, 3, 15},
        {"1-1", 2023, 1, 1},
        {"2025-03-15", 2025, 3, 15},
        {"2024/Feb/29", 2024, 2, 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Date> date = parseDate(c.text, 2023);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, *Date::fromYmd(c.year, c.month, c.day));
    }
    EXPECT_FALSE(parseDate("29/2", 2023).has_value());
    EXPECT_TRUE(parseDate("29/2", 2024).has_value());
    EXPECT_FALSE(parseDate("15/13", 2023).has_value());
}

TEST(DateParse, ReadsWhatTheDisplayFormatWrites)
{
    for (double serial : {18264.0, 36585.0, 45351.0, 2958465.0}) {
        SCOPED_TRACE(serial);
        const std::optional<Date> date = parseDate(format(Date(serial), "dd/Mmm/yyyy"));
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->serial(), serial);
    }
}
