#include <gtest/gtest.h>

#include "core/MoneyFormat.h"

namespace {

struct AmountCase {
    double amount;
    const char* plain;
    const char* grouped;
};

TEST(MoneyFormat, PlainAndGroupedForms)
{
    const AmountCase cases[] = {
        {0, "       0.00", "       0.00"},
        {-5, "      -5.00", "      -5.00"},
        {-12.5, "     -12.50", "     -12.50"},
        {2.675, "       2.68", "       2.68"},
        {999.999, "    1000.00", "   1,000.00"},
        {1234567.8, " 1234567.80", "1,234,567.80"},
        {12345678.9, "12345678.90", "12,345,678.90"},
        {-1234567.8, "-1234567.80", "-1,234,567.80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(core::FormatAmountPlain(c.amount), c.plain);
        EXPECT_EQ(core::FormatAmountGrouped(c.amount), c.grouped);
    }
}

TEST(MoneyFormat, PlainKeepsTheRightmostElevenCharactersButTheUncutFormKeepsAll)
{
    EXPECT_EQ(core::FormatAmountPlain(123456789.5), "23456789.50");
    EXPECT_EQ(core::FormatAmountPlainUncut(123456789.5), "123456789.50");
    EXPECT_EQ(core::FormatAmountPlain(-12345678.9), "12345678.90");
    EXPECT_EQ(core::FormatAmountPlainUncut(-12345678.9), "-12345678.90");
    EXPECT_EQ(core::FormatAmountPlainUncut(-5), "      -5.00");
}

} // namespace
