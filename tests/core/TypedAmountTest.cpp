#include <gtest/gtest.h>

#include <optional>

#include "core/TypedAmount.h"

namespace {

// What a user types into an amount box, and what it is read as.
TEST(TypedAmount, ATypedAmountIsReadWholeAndAnythingElseByItsLeadingNumber)
{
    const struct {
        const char* typed;
        std::optional<double> whole; // ParseTypedAmount
        double read;                 // ReadTypedAmount
    } cases[] = {
        {"1,250.00", 1250, 1250},
        {"-1,250.00", -1250, -1250},
        {" 1250 ", 1250, 1250},
        {"+99,999,999.99", 99999999.99, 99999999.99},
        {"1,234,567.5", 1234567.5, 1234567.5},
        {"abc", std::nullopt, 0},
        {"", std::nullopt, 0},
        {"12abc", std::nullopt, 12},
        {"100N", std::nullopt, 100},
        {"1.2.3", std::nullopt, 1.2},
        {",5", std::nullopt, 0}, // a comma before any digit is no thousands separator
        {"1.000,5", std::nullopt, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(core::ParseTypedAmount(c.typed), c.whole);
        EXPECT_EQ(core::ReadTypedAmount(c.typed), c.read);
    }
}

TEST(TypedAmount, ANetAmountEndsInNAndIsReadWholeBeforeIt)
{
    const struct {
        const char* typed;
        std::optional<double> net;
    } cases[] = {
        {"1,175.00N", 1175}, {"100n", 100}, {"-1,250N", -1250}, {"N", 0}, {"abcN", 0},
        {"1,175.00", std::nullopt}, {"", std::nullopt}, {"N ", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(core::ReadTypedNetAmount(c.typed), c.net);
    }
}

} // namespace
