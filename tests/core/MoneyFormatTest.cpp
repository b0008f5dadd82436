#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/MoneyFormat.h"
#include "core/Vat.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

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

namespace {

// Everyday amounts, half pennies, VAT results, a spread of sizes and the edges of the short way.
std::vector<double> AmountsToCompare()
{
    std::vector<double> amounts;
    for (int pence = -300000; pence <= 300000; pence += 7)
        amounts.push_back(pence / 100.0);
    for (int pence = 0; pence < 20000; ++pence) {
        amounts.push_back(pence / 100.0 + 0.005); // half pennies
        amounts.push_back(-(pence / 100.0 + 0.005));
        amounts.push_back(core::CalcVatOfGross(17.5, pence / 100.0));
        amounts.push_back(core::CalcVatOfGross(20, pence / 100.0) * -3);
    }
    std::uint64_t state = 0x2545F4914F6CDD1Dull;
    for (int i = 0; i < 200000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0; // [0, 1)
        amounts.push_back((unit - 0.5) * std::pow(10.0, static_cast<int>(state % 14) - 3));
    }
    for (const double edge : {0.0, -0.0, -0.004, -0.005, 0.005, 0.0049999999, 999999999.99, 999999999.995, 1e9,
                              -999999999.994, 1e12 + 0.125, 2.675, 1.005, 0.285, 1234567.125})
        amounts.push_back(edge);
    return amounts;
}

} // namespace

// Everyday amounts take a short way into the grouped form; it must agree with the general format
// everywhere, half pennies and amounts that round to zero included.
TEST(MoneyFormat, GroupedFormAgreesWithTheGeneralFormat)
{
    const std::vector<double> amounts = AmountsToCompare();
    int differences = 0;
    for (const double amount : amounts) {
        const std::string general = runtime::padLeft(runtime::format(amount, "##,###,##0.00;-#,###,##0.00"), 11);
        if (core::FormatAmountGrouped(amount) != general && ++differences <= 10)
            ADD_FAILURE() << amount << " gives " << core::FormatAmountGrouped(amount) << ", not " << general;
    }
    EXPECT_EQ(differences, 0);
}

// The stored forms take the same short way.
TEST(MoneyFormat, StoredFormsAgreeWithTheGeneralFormat)
{
    int differences = 0;
    for (const double amount : AmountsToCompare()) {
        const std::string plain = runtime::padLeft(runtime::format(amount, "#######0.00"), 11);
        const std::string zeroFilled = runtime::format(amount, "00000000.00");
        if ((core::FormatAmountPlainUncut(amount) != plain || core::FormatAmountZeroFilled(amount) != zeroFilled)
            && ++differences <= 10)
            ADD_FAILURE() << amount << " gives " << core::FormatAmountPlainUncut(amount) << " and "
                          << core::FormatAmountZeroFilled(amount) << ", not " << plain << " and " << zeroFilled;
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(core::FormatAmountZeroFilled(70), "00000070.00");
    EXPECT_EQ(core::FormatAmountZeroFilled(-0.001), "00000000.00");
    EXPECT_EQ(core::FormatAmountZeroFilled(-3), "-00000003.00");
    EXPECT_EQ(core::FormatAmountZeroFilled(123456789), "123456789.00");
}

TEST(MoneyFormat, AnAmountFitsItsColumnWhenItsStoredFormKeepsToElevenCharacters)
{
    const struct {
        double amount;
        bool signedColumn;   // a code line's amount, the sign stored
        bool unsignedColumn; // a transaction's amount, stored without its sign
    } cases[] = {
        {0, true, true},
        {99999999.99, true, true},
        {99999999.994, true, true},
        {99999999.995, false, false}, // rounds to 100000000.00
        {100000000, false, false},
        {-9999999.99, true, true},
        {-10000000, false, true},
        {-12345678.9, false, true},
        {-99999999.99, false, true},
        {-100000000, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(core::FitsAmountColumn(c.amount), c.signedColumn);
        EXPECT_EQ(core::FitsUnsignedAmountColumn(c.amount), c.unsignedColumn);
    }
}
