#include <gtest/gtest.h>

#include <cmath>

#include "core/Vat.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace {

TEST(Vat, VatOfGrossIsUnrounded)
{
    EXPECT_DOUBLE_EQ(core::CalcVatOfGross(17.5, 117.5), 17.5);
    EXPECT_NEAR(core::CalcVatOfGross(17.5, 10), 1.4893617, 1e-7);
    EXPECT_DOUBLE_EQ(core::CalcVatOfGross(0, 10), 0);
    EXPECT_DOUBLE_EQ(core::CalcVatOfGross(20, -120), -20);
}

struct PenceCase {
    double rate;
    double gross;
    double vat;
};

TEST(Vat, VatInPenceLeavesTheNetRoundedDownAndAddsBackToTheGross)
{
    const PenceCase cases[] = {
        {17.5, 10.00, 1.49},
        {17.5, 117.50, 17.50},
        {17.5, 0.29, 0.05}, // 0.29 x 100 is 28.999... in binary: still 29 pence
        {8.2, 0.66, 0.06},  // 8.2 x 100 is 819.999... in binary: still 8.20 %
        {17.5, 0.57, 0.09},
        {20, 1.15, 0.20},
        {0, 10.00, 0},
        {17.5, 214748.37, 31983.80}, // beyond a 32-bit count of pence x 100
        {17.5, -10.00, -1.48},       // the net rounds towards minus infinity
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << "% of " << c.gross);
        const double vat = core::CalcVatOfGrossPence(c.rate, c.gross);
        EXPECT_NEAR(vat, c.vat, 1e-9);
        const long long vatPence = std::llround(vat * 100);
        EXPECT_NEAR(vat * 100, static_cast<double>(vatPence), 1e-6) << "VAT is whole pence";
        const long long netPence = std::llround(c.gross * 100) - vatPence;
        const double exactNet = c.gross / (1 + c.rate / 100);
        EXPECT_LE(static_cast<double>(netPence) / 100, exactNet + 1e-9);
        EXPECT_GT(static_cast<double>(netPence) / 100, exactNet - 0.01);
    }
}

TEST(Vat, VatInPenceRefusesWhatItCannotWork)
{
    EXPECT_EQ(raisedErrorNumber([] { core::CalcVatOfGrossPence(17.5, 1e13); }), runtime::Overflow);
    EXPECT_EQ(raisedErrorNumber([] { core::CalcVatOfGrossPence(-100, 10); }), 11);
}

} // namespace
