#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SplitEntry.h"
#include "core/SplitText.h"
#include "platform/ListModel.h"

namespace {

// One 51-character split entry, laid out by hand: number, memo (30), gross (11), VAT code (3), filler.
std::string entry(const char* number, const char* memo, const char* gross, const char* code)
{
    std::string text = number;
    text += std::string(memo) + std::string(30 - std::string(memo).size(), ' ');
    text += std::string(11 - std::string(gross).size(), ' ') + gross;
    text += std::string(code) + std::string(3 - std::string(code).size(), ' ');
    text += "    ";
    return text;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

class SplitText : public testing::Test {
protected:
    void SetUp() override
    {
        vatCodes_.AddItem("S        17.50 Standard");
        vatCodes_.AddItem("Z         0.00 Zero rated");
    }
    platform::ListModel vatCodes_;
};

TEST_F(SplitText, EveryKindOverThreeEntries)
{
    const std::string tail = entry("001", "Fuel", "117.50", "S") + entry("002", "Stamps", "10.00", "")
                             + entry("003", "Refund", "-23.50", "S");
    const std::string fuel = "Fuel" + std::string(26, ' ');
    const std::string stamps = "Stamps" + std::string(24, ' ');
    const std::string refund = "Refund" + std::string(24, ' ');
    const std::pair<int, std::string> cases[] = {
        {1, joined({fuel, stamps, refund})},
        {2, joined({"     100.00", "      10.00", "     -20.00"})},
        {3, joined({"      17.50", " ", "      -3.50"})},
        {4, joined({"     117.50", "      10.00", "     -23.50"})},
        {5, joined({"S", " ", "S"})},
        {6, joined({"     100.00", "      10.00", "     -20.00", "      90.00"})},
        {7, joined({"     117.50", "      10.00", "     -23.50", "     104.00"})},
        {8, joined({"      17.50", " ", "      -3.50", "      14.00"})},
        {0, ""},
        {9, ""},
    };
    for (const auto& [kind, text] : cases) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(core::FormatSplitText(kind, tail, vatCodes_), text);
    }
}

TEST_F(SplitText, TotalsAddTheAmountsAsShown)
{
    // Each VAT is 0.0149 and shows as 0.01; the total agrees with the column, not with 0.0447.
    const std::string tail = entry("001", "A", "0.10", "S") + entry("002", "B", "0.10", "S") + entry("003", "C", "0.10", "S");
    EXPECT_EQ(core::FormatSplitText(8, tail, vatCodes_),
              joined({"       0.01", "       0.01", "       0.01", "       0.03"}));
    // Lines that are zero show a blank, and so does a zero total.
    const std::string zero = entry("001", "Nothing", "0.00", "Z");
    EXPECT_EQ(core::FormatSplitText(7, zero, vatCodes_), " \r\n ");
    EXPECT_EQ(core::FormatSplitText(8, zero + entry("002", "Zero", "5.00", "Z"), vatCodes_), " \r\n \r\n ");
}

TEST_F(SplitText, EmptyAndShortTails)
{
    for (int kind = 1; kind <= 8; ++kind)
        EXPECT_EQ(core::FormatSplitText(kind, "", vatCodes_), "") << kind;
    // A tail that lost its last filler (as converted older records have) still counts its last entry.
    const std::string tail = entry("001", "Fuel", "117.50", "S") + entry("002", "Oil", "23.50", "S");
    const std::string cut = tail.substr(0, tail.size() - 4);
    EXPECT_EQ(core::SplitEntryCount(cut), 2);
    EXPECT_EQ(core::FormatSplitText(5, cut, vatCodes_), "S\r\nS");
    EXPECT_EQ(core::FormatSplitText(7, cut, vatCodes_), joined({"     117.50", "      23.50", "     141.00"}));
}

TEST(SplitEntry, ReadsTheFieldsOfAnEntry)
{
    const std::string tail = entry("007", "First", "1.00", "S") + entry("012", "Second item", "-2345.67", "Z");
    const core::SplitEntry second = core::ReadSplitEntry(tail, 1);
    EXPECT_EQ(second.Number, "012");
    EXPECT_EQ(second.Memo, "Second item" + std::string(19, ' '));
    EXPECT_DOUBLE_EQ(second.Amount, -2345.67);
    EXPECT_EQ(second.VatCode, "Z  ");
    const core::SplitEntry beyond = core::ReadSplitEntry(tail, 2);
    EXPECT_EQ(beyond.Number, "");
    EXPECT_EQ(beyond.Amount, 0);
}

} // namespace
