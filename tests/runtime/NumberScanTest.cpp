#include <gtest/gtest.h>

#include <string>

#include "runtime/NumberScan.h"

namespace {

using runtime::NumberSpan;
using runtime::scanNumber;

// The one scanner behind val, the typed amounts and the text import: where a plain number ends.
TEST(ScanNumber, ASignDigitsAndOnePointAndThousandsCommasOnlyBeforeThreeDigits)
{
    const struct {
        const char* text;
        std::size_t start;
        bool commas;
        std::size_t end;
        bool digits;
        bool negative;
    } cases[] = {
        {"-12.50abc", 0, false, 6, true, true},
        {"1.2.3", 0, false, 3, true, false},
        {"+", 0, false, 1, false, false},
        {"x+5 ", 1, false, 3, true, false},
        {"1e3", 0, false, 1, true, false},
        {"1,234.50", 0, false, 1, true, false},
        {"1,234.50", 0, true, 8, true, false},
        {"-12,345,678", 0, true, 11, true, true},
        {"1,234abc", 0, true, 5, true, false},
        {"12,34", 0, true, 2, true, false},
        {"1,2345", 0, true, 1, true, false},
        {"1,234,5", 0, true, 5, true, false},
        {"12,5.00", 0, true, 2, true, false},
        {"1.000,5", 0, true, 5, true, false},
        {",500", 0, true, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.commas ? " with commas" : ""));
        const NumberSpan number = scanNumber(c.text, c.start, c.commas);
        EXPECT_EQ(number.end, c.end);
        EXPECT_EQ(number.hasDigits, c.digits);
        EXPECT_EQ(number.negative, c.negative);
    }
}

} // namespace
