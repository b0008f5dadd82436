#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "runtime/Number.h"

using namespace runtime;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct {
        double value;
        double expected;
    } cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},   {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7},    {1e20, 1e20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundHalfEven(c.value), c.expected);
    }
}

TEST(Rounding, IntoSixteenAndThirtyTwoBits)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(toInt16(12.5), 12);
    EXPECT_EQ(toInt16(13.5), 14);
    EXPECT_EQ(toInt32(2147483646.5), 2147483646);
    EXPECT_EQ(toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(Rounding, OutOfRangeIsOverflow)
{
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"16 bits, a half rounding up to 32768", [] { toInt16(32767.5); }},
        {"16 bits, below the range", [] { toInt16(-32768.6); }},
        {"16 bits, NaN", [] { toInt16(std::nan("")); }},
        {"32 bits, a half rounding to 2^31", [] { toInt32(2147483647.5); }},
        {"32 bits, far below", [] { toInt32(-1e12); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(raisedErrorNumber(call), Overflow);
    }
}

TEST(SixteenBitArithmetic, ResultsInRange)
{
    EXPECT_EQ(add16(100, -200), -100);
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(mul16(-256, 128), -32768);
    EXPECT_EQ(mul16(181, 181), 32761);
}

TEST(SixteenBitArithmetic, OverflowInsteadOfWrapping)
{
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"32767 + 1", [] { add16(32767, 1); }},
        {"-32768 + -1", [] { add16(-32768, -1); }},
        {"-32768 - 1", [] { sub16(-32768, 1); }},
        {"0 - -32768", [] { sub16(0, -32768); }},
        {"256 * 128", [] { mul16(256, 128); }},
        {"-32768 * -1", [] { mul16(-32768, -1); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_EQ(error.description(), "Overflow");
        }
    }
}

TEST(SignedText, BlankInTheSignPosition)
{
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {5, " 5"},
        {-5, "-5"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {0, " 0"},
        {-0.0, " 0"},
        {-1.25, "-1.25"},
        {2024, " 2024"},
        {32766, " 32766"},
        {100, " 100"},
        {1234.5, " 1234.5"},
        {0.1 + 0.2, " .3"},
        {0.0001, " .0001"},
        {123456789012345, " 123456789012345"},
        {1e15, " 1E+15"},
        {-1.5e-5, "-1.5E-05"},
        {1e100, " 1E+100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(signedText(c.value), c.expected);
    }
}
