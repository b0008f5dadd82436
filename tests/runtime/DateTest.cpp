#include <cmath>
#include <ctime>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "runtime/Date.h"

using runtime::Date;

TEST(Date, SerialNumbersCountDaysFromTheEpoch)
{
    const struct {
        int year, month, day;
        double serial;
        int weekday;
    } cases[] = {
        {1899, 12, 30, 0, 6},
        {1899, 12, 31, 1, 0},
        {1899, 12, 29, -1, 5},
        {1900, 1, 1, 2, 1},
        {1900, 2, 28, 60, 3},
        {1900, 3, 1, 61, 4},
        {1950, 1, 1, 18264, 0},
        {2000, 2, 29, 36585, 2},
        {2024, 2, 29, 45351, 4},
        {100, 1, 1, -657434, 5},
        {9999, 12, 31, 2958465, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        const std::optional<Date> date = Date::fromYmd(c.year, c.month, c.day);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->serial(), c.serial);
        const Date fromSerial(c.serial);
        EXPECT_EQ(fromSerial.year(), c.year);
        EXPECT_EQ(fromSerial.month(), c.month);
        EXPECT_EQ(fromSerial.day(), c.day);
        EXPECT_EQ(fromSerial.weekday(), c.weekday);
    }
}

TEST(Date, ImpossibleDatesAreNotBuilt)
{
    const struct {
        int year, month, day;
    } cases[] = {
        {2023, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1}, {2024, 1, 0},
        {2024, 1, 32}, {99, 12, 31},  {10000, 1, 1}, {2024, -1, 5},
        // The calendar types keep one byte: 257 must not wrap round to 1.
        {2024, 1, 257}, {2024, 257, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        EXPECT_FALSE(Date::fromYmd(c.year, c.month, c.day).has_value());
    }
}

TEST(Date, TimeOfDayIsTheFraction)
{
    const struct {
        double serial;
        int days, day, hour, minute, second;
    } cases[] = {
        {45351.75, 45351, 29, 18, 0, 0},
        {45351 + (13 * 3600 + 5 * 60 + 9) / 86400.0, 45351, 29, 13, 5, 9},
        {45351.9999999, 45352, 1, 0, 0, 0},  // rounds to the next midnight
        {-1.25, -1, 29, 6, 0, 0},            // before the epoch the time still counts forward
        {-0.5, 0, 30, 12, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        const Date date(c.serial);
        EXPECT_EQ(date.days(), c.days);
        EXPECT_EQ(date.day(), c.day);
        EXPECT_EQ(date.hour(), c.hour);
        EXPECT_EQ(date.minute(), c.minute);
        EXPECT_EQ(date.second(), c.second);
    }
    EXPECT_EQ(Date(45351.75).dateOnly(), Date(45351));
    EXPECT_LT(Date(45351.25), Date(45351.75));
}

TEST(Date, SerialsOutsideTheCalendarOverflow)
{
    for (double serial : {1e12, -1e12, 2958466.0, -657435.0, std::nan("")}) {
        SCOPED_TRACE(serial);
        EXPECT_EQ(raisedErrorNumber([&] { Date(serial).year(); }), runtime::Overflow);
    }
}

TEST(Date, NowIsTheLocalDateAndTime)
{
    const auto localDay = [] {
        const std::time_t clock = std::time(nullptr);
        std::tm local{};
        localtime_r(&clock, &local);
        return Date::fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    };
    const std::optional<Date> before = localDay();
    const Date now = Date::now();
    const std::optional<Date> after = localDay();
    ASSERT_TRUE(before && after);
    if (*before != *after) {
        GTEST_SKIP() << "midnight passed during the test";
    }
    EXPECT_EQ(now.dateOnly(), *before);
}
