#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "runtime/Format.h"

using runtime::format;

namespace {

constexpr const char* Plain = "#######0.00";
constexpr const char* Grouped = "##,###,##0.00;-#,###,##0.00";

} // namespace

TEST(NumberFormat, PatternsOfTheSystem)
{
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {0, Plain, "0.00"},
        {-5, Plain, "-5.00"},
        {1234567.8, Plain, "1234567.80"},
        {123456789.129, Plain, "123456789.13"},
        {0.1 + 0.2, Plain, "0.30"},
        {1234567.8, Grouped, "1,234,567.80"},
        {-12.5, Grouped, "-12.50"},
        {0, Grouped, "0.00"},
        {-1234.5, Grouped, "-1,234.50"},
        {999.995, Grouped, "1,000.00"},
        {123456789, Grouped, "123,456,789.00"},
        {1e9, Grouped, "1,000,000,000.00"},
        {5.5, "00000000.00", "00000005.50"},
        {-5.5, "00000000.00", "-00000005.50"},
        {1, "000000000.00", "000000001.00"},
        {5, "000000", "000005"},
        {-5, "000000", "-000005"},
        {0, "000000", "000000"},
        {1234567, "000000", "1234567"},
        {7, "000", "007"},
        {1, "00", "01"},
        {12, "00", "12"},
        {99, "0000", "0099"},
        {1999, "0000", "1999"},
        {0, "###", ""},
        {5, "###", "5"},
        {1234, "###", "1234"},
        {0.5, "0.00", "0.50"},
        {-0.5, "0.00", "-0.50"},
        {-3, "0.00;-0.00", "-3.00"},
        {-9999999.99, "#######0.00;-######0.00", "-9999999.99"},
        {0.49, "0", "0"},
        {1e20, "0", "100000000000000000000"},
        {1.5, "0.0#", "1.5"},
        {1.25, "0.0#", "1.25"},
        {1, "0.0#", "1.0"},
        {0.25, "#.00", ".25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " of " + std::to_string(c.value));
        EXPECT_EQ(format(c.value, c.pattern), c.expected);
    }
}

// The value is taken to 15 significant digits first, so a money value that is a binary
// fraction just below a half still rounds as the decimal it stands for.
TEST(NumberFormat, HalvesRoundAwayFromZeroAfterFifteenDigits)
{
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {2.675, "0.00", "2.68"},
        {1.005, "0.00", "1.01"},
        {-0.125, "0.00", "-0.13"},
        {0.005, "0.00", "0.01"},
        {1.115, "0.00", "1.12"},
        {2.5, "000000", "000003"},
        {4.5, "000000", "000005"},
        {0.5, "0", "1"},
        {-0.5, "0", "-1"},
        {1.0049999999, "0.00", "1.00"},
        {123456.789012345678, "0.0000000000", "123456.7890123460"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " of " + std::to_string(c.value));
        EXPECT_EQ(format(c.value, c.pattern), c.expected);
    }
}

TEST(NumberFormat, NegativeRoundingToZeroHasNoMinusSign)
{
    EXPECT_EQ(format(-0.004, Plain), "0.00");
    EXPECT_EQ(format(-0.001, Grouped), "0.00");
    EXPECT_EQ(format(-0.4, "000000"), "000000");
    EXPECT_EQ(format(-0.0, "0.00"), "0.00");
}

TEST(NumberFormat, UnsupportedPatternsAreRefused)
{
    for (const char* pattern : {"abc", "", "0;0;0", "0x0", "0.0,0"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(format(1, pattern), std::invalid_argument);
    }
}

TEST(NumberFormat, NonFiniteValuesOverflow)
{
    EXPECT_EQ(raisedErrorNumber([] { format(std::nan(""), Plain); }), runtime::Overflow);
    EXPECT_EQ(raisedErrorNumber([] { format(-INFINITY, Plain); }), runtime::Overflow);
}
