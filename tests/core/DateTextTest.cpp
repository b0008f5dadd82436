#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/DateText.h"
#include "runtime/Date.h"

namespace {

TEST(DateText, StoredDatesShowAsDayMonthYear)
{
    const std::pair<const char*, const char*> cases[] = {
        {"791231", "31/Dec/2079"},   // two-digit years below 80 are this century
        {"801231", "31/Dec/1980"},
        {"000101", "01/Jan/2000"},
        {"20240229", "29/Feb/2024"},
        {"  19500101  ", "01/Jan/1950"},
        {"12345", ""},
        {"", ""},
        {"20241301", "01//2024"}, // an unreadable month gives what its characters make
    };
    for (const auto& [stored, shown] : cases) {
        SCOPED_TRACE(stored);
        EXPECT_EQ(core::FormatYmdAsDisplayDate(stored), shown);
    }
}

TEST(DateText, MonthNamesAndNeighbours)
{
    const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month) {
        const std::string number = (month < 10 ? "0" : "") + std::to_string(month);
        EXPECT_EQ(core::GetMonthAbbreviation(number), names[month - 1]) << number;
    }
    for (const char* other : {"1", "00", "13", " 1", "Jan", ""})
        EXPECT_EQ(core::GetMonthAbbreviation(other), "") << other;

    const std::pair<const char*, const char*> nextMonths[] = {{"01", "02"}, {"09", "10"}, {"12", "01"}, {"", "01"}};
    for (const auto& [month, next] : nextMonths)
        EXPECT_EQ(core::GetNextMonthText(month), next) << month;

    const std::pair<const char*, const char*> previousYears[] = {
        {"2000", "1999"}, {"1950", "1949"}, {"0001", "0099"}, {"0000", "0099"}, {"0100", "0099"}};
    for (const auto& [year, previous] : previousYears)
        EXPECT_EQ(core::GetPreviousYearText(year), previous) << year;
}

// Shown dates are stored as the general parse and format make them; those that do not read come
// back whole, padded to the shown width.
TEST(DateText, ShownDatesForStorage)
{
    for (const char* shown : {"01/Jan/1950", "29/Feb/2024", "31/Dec/9999", "  15/Jun/2001  ", "30/Apr/1000",
                              "01/JAN/2024", "1/Mar/2024", "01/Mar/24", "01-Mar-2024", "05/Sep/0999"}) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(core::FormatShownDateForStorage(shown, "yyyymmdd"),
                  runtime::format(*runtime::parseDate(shown), "yyyymmdd"));
    }
    const std::pair<const char*, const char*> cases[] = {
        {"29/Feb/2024", "20240229"},
        {"01/Jan/1950", "19500101"},
        {"31/Dec/9999", "99991231"},
        {"29/Feb/2023", "29/Feb/2023"}, // no such day
        {"31/Apr/2024", "31/Apr/2024"},
        {"00/Jan/2024", "00/Jan/2024"},
        {"01/Jab/2024", "01/Jab/2024"},
        {"", "           "},
    };
    for (const auto& [shown, stored] : cases) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(core::FormatShownDateForStorage(shown, "yyyymmdd"), stored);
    }
    EXPECT_EQ(core::FormatShownDateForStorage("07/Mar/2024", "dd"), "07");
}

// Parts that make a date show as the general parse and format show them; any others make none.
TEST(DateText, DatePartsShowAsTheParserReadsThem)
{
    const std::array<std::string_view, 3> dates[] = {
        {"05", "Jan", "1990"}, {"29", "feb", "2024"}, {"31", "DEC", "2079"}, {"30", "Apr", "1000"},
        {"01", "sEp", "9999"}, {"09", "May", "1950"},
    };
    for (const auto& [day, month, year] : dates) {
        const std::string text = std::string(day) + "/" + std::string(month) + "/" + std::string(year);
        SCOPED_TRACE(text);
        EXPECT_EQ(core::ShownDateOfParts(day, month, year), runtime::format(*runtime::parseDate(text), "dd/Mmm/yyyy"));
    }
    const std::array<std::string_view, 3> others[] = {
        {"29", "Feb", "2023"}, {"31", "Apr", "2024"}, {"00", "Jan", "2024"}, {"32", "Jan", "2024"},
        {"01", "Jab", "2024"}, {"01", "Sept", "2024"}, {"01", "Ja ", "2024"}, {" 1", "Jan", "2024"},
        {"1", "Jan", "2024"}, {"01", "Jan", "0999"}, {"01", "Jan", "24"}, {"01", "Jan", "20 4"},
    };
    for (const auto& [day, month, year] : others) {
        SCOPED_TRACE(std::string(day) + "/" + std::string(month) + "/" + std::string(year));
        EXPECT_EQ(core::ShownDateOfParts(day, month, year), std::nullopt);
    }
}

TEST(DateText, ValidDatesHaveNoYearFloor)
{
    EXPECT_TRUE(core::IsValidDate("31/12/1949"));
    EXPECT_TRUE(core::IsValidDate("29 Feb 2024"));
    EXPECT_FALSE(core::IsValidDate("29/02/2023"));
    EXPECT_FALSE(core::IsValidDate(""));
    EXPECT_FALSE(core::IsValidDate("tomorrow"));
}

} // namespace
