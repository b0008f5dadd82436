#include "BookTest.h"

#include <string>

#include "core/StandingOrderLine.h"
#include "core/TransactionRecord.h"

namespace {

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

core::TransactionFields transfer()
{
    core::TransactionFields fields;
    fields.Date = "07/Apr/2025";
    fields.Reference = "SO1";
    fields.Type = "XFR";
    fields.Amount = -250;
    fields.Memo = "Monthly savings";
    fields.Bank = "CURR";
    fields.Customer = "";
    fields.VAT = "Z";
    fields.Category = "SAVE";
    fields.VATAmount = -1.25;
    fields.EEC = true;
    return fields;
}

class StandingOrderLine : public BookTest {};

TEST_F(StandingOrderLine, LaysOutTheOrderDayFirst)
{
    struct Case {
        const char* name;
        std::string secondBank;
        std::string secondBankAfter;
        std::string columns136to141;
    };
    const Case cases[] = {
        {"with a receiving bank", "SAVING", "SAVING", "SAVING"},
        {"a short receiving bank is padded", "SAV", "SAV", "SAV   "},
        {"no receiving bank", "  ", "      ", "      "},
        {"empty receiving bank", "", "      ", "      "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::TransactionFields fields = transfer();
        std::string secondBank = c.secondBank;
        const auto line = core::AssembleStandingOrderLine(book, fields, secondBank);
        ASSERT_TRUE(line.has_value());
        const std::string expected = "07 SO1    " + std::string(12, ' ') + "XFR      250.00 " + padded("Monthly savings", 74)
                                     + " CURR          Z   SAVE" + c.columns136to141 + "       -1.25Y";
        EXPECT_EQ(*line, expected);
        EXPECT_EQ(line->size(), 154u);
        EXPECT_EQ(line->substr(135, 6), c.columns136to141);
        EXPECT_EQ(line->substr(142, 11), "      -1.25");
        EXPECT_EQ(secondBank, c.secondBankAfter);
        EXPECT_EQ(fields.Amount, 250) << "the caller's amount is made positive";
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(StandingOrderLine, ATabInItsTextIsStoredAsABlank)
{
    core::TransactionFields fields = transfer();
    fields.Reference = "S\tO";
    fields.Memo = "Monthly\tsavings";
    std::string secondBank = "SAVING";
    const auto line = core::AssembleStandingOrderLine(book, fields, secondBank);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->find('\t'), std::string::npos) << *line;
    EXPECT_EQ(line->substr(3, 3), "S O");
    EXPECT_EQ(line->substr(38, 15), "Monthly savings");
}

TEST_F(StandingOrderLine, AnOverLongLineIsReportedAndNotHandedBack)
{
    const std::pair<const char*, void (*)(core::TransactionFields&)> cases[] = {
        {"amount of 100,000,000", [](core::TransactionFields& f) { f.Amount = 100000000; }},
        {"VAT amount of -10,000,000", [](core::TransactionFields& f) { f.VATAmount = -10000000; }},
        {"date that does not read", [](core::TransactionFields& f) { f.Date = "32/Jan/2025"; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        services.answerMessageBox(platform::Answer::OK);
        core::TransactionFields fields = transfer();
        change(fields);
        std::string secondBank;
        EXPECT_FALSE(core::AssembleStandingOrderLine(book, fields, secondBank).has_value());
        ASSERT_FALSE(services.messageBoxes().empty());
        EXPECT_EQ(services.messageBoxes().back().box.text.substr(0, 19), "Assembled field is ");
    }
    EXPECT_EQ(services.messageBoxes().size(), 3u);
    EXPECT_EQ(services.messageBoxes()[0].box.text.substr(0, 36), "Assembled field is  155 bytes long:-");
}

TEST(AlignStandingOrderLineTest, OnlyALineOfTheOlderLayoutTakesTwoBlanksAfterItsTenthCharacter)
{
    const std::string current = "07 SO1   " + std::string(13, ' ') + "XFR      250.00 Monthly savings";
    const struct {
        std::string line;
        bool shifted;
        std::string aligned;
    } cases[] = {
        {current, false, current},
        {current.substr(0, 10) + current.substr(12), true, current},
        {"07 SO1", true, "07 SO1  "}, // no 22nd character at all
    };
    for (const auto& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(core::AlignStandingOrderLine(line), c.shifted) << c.line;
        EXPECT_EQ(line, c.aligned);
    }
}

} // namespace
