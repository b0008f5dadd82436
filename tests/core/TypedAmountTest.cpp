#include <gtest/gtest.h>

#include <optional>

#include "core/TypedAmount.h"

namespace {

// What a user types into an amount box, and what it is read as: a comma separates thousands only
// before exactly three digits, and any text that is not an amount reads as nothing.
TEST(TypedAmount, ATypedAmountIsReadWholeOrNotAtAll)
{
    const struct {
        const char* typed;
        std::optional<double> whole; // ParseTypedAmount
        std::optional<double> read;  // ReadTypedAmount
    } cases[] = {
        {"1,250.00", 1250, 1250},
        {"-1,250.00", -1250, -1250},
        {" 1250 ", 1250, 1250},
        {"+99,999,999.99", 99999999.99, 99999999.99},
        {"12,345,678.00", 12345678, 12345678},
        {"1,234", 1234, 1234},
        {"1,234,567.5", 1234567.5, 1234567.5},
        {"", std::nullopt, 0},
        {"   ", std::nullopt, 0},
        {"abc", std::nullopt, std::nullopt},
        {"12abc", std::nullopt, std::nullopt},
        {"100N", std::nullopt, std::nullopt},
        {"1.2.3", std::nullopt, std::nullopt},
        {"1e3", std::nullopt, std::nullopt},
        {"12,34", std::nullopt, std::nullopt},
        {"1,2,3", std::nullopt, std::nullopt},
        {"12,5.00", std::nullopt, std::nullopt},
        {"1,234,5", std::nullopt, std::nullopt},
        {"1,2345", std::nullopt, std::nullopt},
        {",5", std::nullopt, std::nullopt},
        {"1.000,5", std::nullopt, std::nullopt},
        {"1 250", std::nullopt, std::nullopt},
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
        {"1,175.00N", 1175}, {"100n", 100}, {"-1,250N", -1250}, {"N", 0}, {"1,000.00N", 1000},
        {"abcN", std::nullopt}, {"12aN", std::nullopt}, {"12,34N", std::nullopt},
        {"1,175.00", std::nullopt}, {"", std::nullopt}, {"N ", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(core::ReadTypedNetAmount(c.typed), c.net);
    }
}

} // namespace
