#include "LedgerTest.h"

#include "core/Balances.h"
#include "core/QueryTotals.h"
#include "core/RecordField.h"

namespace {

class Balances : public LedgerTest {
protected:
    // Adds a transaction and indexes it, whatever the filter says.
    void enter(const Txn& txn) { add(txn); }
};

TEST_F(Balances, TheSignComesFromTheType)
{
    const std::pair<const char*, double> cases[] = {
        {"PAY", -50}, {"BIL", -50}, {"RCP", 50}, {"INV", 50}, {"XFR", 50},
        {"pay", 50},  {"PAZ", 50},  {"BI ", 50}, {"AYP", 50}, {"LIB", 50}, {"PBY", 50}};
    for (const auto& [type, signedAmount] : cases) {
        SCOPED_TRACE(type);
        EXPECT_DOUBLE_EQ(core::GetSignedAmount(line({.type = type, .amount = 50})), signedAmount);
    }
    EXPECT_DOUBLE_EQ(core::GetSignedAmount(""), 0) << "an empty line has no amount";
}

// The stored form of an amount reads straight as pence; any other text of the column takes the
// leading-number rule. Both give the same double.
TEST_F(Balances, AmountsReadAsTheLeadingNumberRuleReadsThem)
{
    const std::string stored = line({.type = "RCP", .amount = 50});
    for (const std::string amount : {"00000117.50", "99999999.99", "00000000.01", "00000000.29", "  117.5    ",
                                     "0000011a.50", "00000117,50", "-0000117.50", "1E999      ", "00000117.5 "}) {
        SCOPED_TRACE(amount);
        std::string record = stored;
        record.replace(116, 11, amount);
        EXPECT_EQ(core::RecordAmount(record), runtime::valWithinRange(amount));
        EXPECT_EQ(core::GetSignedAmount(record), runtime::valWithinRange(amount));
    }
    EXPECT_EQ(core::RecordAmount(stored.substr(0, 120)), 0) << "a cut column reads as far as it goes";
}

// Only an amount with an exponent can reach the limit, wherever the E stands in the column and in
// either case; a column cut short is judged on what it holds.
TEST_F(Balances, AnAmountIsInRangeUnlessItsExponentTakesItPastTheLimit)
{
    const std::string stored = line({.type = "RCP", .amount = 50});
    const std::pair<std::string, bool> cases[] = {
        {"99999999.99", true}, {"99999999999", true}, {"1E20       ", false}, {"1e20       ", false},
        {"   1E20    ", false}, {"00000001E20", false}, {"0000001e+20", false}, {"-1E11      ", false},
        {"1E10       ", true},  {"9.99999e10 ", true},  {"1E-20      ", true},  {"0000000001E", true}};
    for (const auto& [amount, inRange] : cases) {
        SCOPED_TRACE(amount);
        std::string record = stored;
        record.replace(116, 11, amount);
        EXPECT_EQ(core::RecordAmountInRange(record), inRange);
    }
    std::string cut = stored;
    cut.replace(116, 11, "9E99       ");
    EXPECT_FALSE(core::RecordAmountInRange(cut.substr(0, 120))) << "four characters of the column";
    EXPECT_TRUE(core::RecordAmountInRange(cut.substr(0, 118))) << "two characters of the column";
    EXPECT_TRUE(core::RecordAmountInRange(cut.substr(0, 100))) << "no amount column at all";
}

// The pence the query totals add come straight from a written amount and through the double
// otherwise; either way they are the pence of the signed amount. Characters next to the digits
// in the character set must not pass for digits.
TEST_F(Balances, SignedPenceAreThePenceOfTheSignedAmount)
{
    for (const char* type : {"PAY", "BIL", "RCP", "INV", "XFR"}) {
        const std::string stored = line({.type = type, .amount = 50});
        for (const std::string amount : {"00000117.50", "99999999.99", "00000000.00", "00000000.01", "12345678.90",
                                         "0000:117.50", "0000/117.50", "00000117.5:", "00000117./0", "0000\xB0" "117.50",
                                         "  117.505  ", "-0000117.50", "1E9        "}) {
            SCOPED_TRACE(std::string(type) + " " + amount);
            std::string record = stored;
            record.replace(116, 11, amount);
            EXPECT_EQ(core::RecordAmount(record), runtime::valWithinRange(amount));
            EXPECT_EQ(core::GetSignedPence(record), core::QueryTotals::SignedPence(core::GetSignedAmount(record)));
        }
    }
    EXPECT_EQ(core::GetSignedPence(line({.type = "PAY", .amount = 117.5})), -11750);
    EXPECT_EQ(core::GetSignedPence(line({.type = "RCP", .amount = 0.29})), 29);
}

TEST_F(Balances, BankSumsCountLiveTransactionsOfTheAccount)
{
    enter({.date = "01/Jan/2024", .bank = "BANK1", .type = "RCP", .amount = 500, .reconciled = true});
    enter({.date = "10/Jan/2024", .bank = "BANK1", .type = "PAY", .amount = 120.25});
    enter({.date = "15/Jan/2024", .bank = "BANK1", .type = "INV", .amount = 80, .reconciled = true});
    enter({.date = "15/Jan/2024", .bank = "BANK1", .type = "BIL", .amount = 30});
    enter({.date = "20/Jan/2024", .bank = "BANK2", .type = "RCP", .amount = 1000, .reconciled = true});
    enter({.date = "25/Jan/2024", .bank = "BANK1", .type = "PAY", .amount = 60, .reconciled = true, .deleted = true});
    enter({.date = "01/Feb/2024", .bank = "BANK1", .type = "PAY", .amount = 40, .reconciled = true});

    struct ToDateCase {
        const char* date;
        double reconciled;
        double cash;
    };
    const ToDateCase cases[] = {
        {"20231231", 0, 0},
        {"20240101", 0, 0}, // a transaction dated on the day is not counted
        {"20240102", 500, 500},
        {"20240116", 580, 379.75}, // the reconciled invoice counts as reconciled, never as cash
        {"20240201", 580, 379.75},
        {"99991231", 540, 339.75},
    };
    for (const ToDateCase& c : cases) {
        SCOPED_TRACE(c.date);
        double cash = 1000; // the caller's total is added to, not reset
        EXPECT_DOUBLE_EQ(core::SumBankAccountToDate(book, "BANK1", c.date, cash), c.reconciled);
        EXPECT_DOUBLE_EQ(cash, 1000 + c.cash);
    }
    double cash = 0;
    EXPECT_DOUBLE_EQ(core::SumBankAccount(book, "BANK1", cash), 540);
    EXPECT_DOUBLE_EQ(cash, 339.75);
    cash = 0;
    EXPECT_DOUBLE_EQ(core::SumBankAccount(book, "BANK", cash), 0) << "codes compare over six characters";
    EXPECT_DOUBLE_EQ(cash, 0);
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(Balances, CustomerOutstandingIsUnpaidInvoicesLessUnpaidBills)
{
    enter({.cust = "SMITH", .type = "INV", .amount = 100, .paid = true});
    enter({.cust = "SMITH", .type = "BIL", .amount = 30});
    enter({.cust = "JONES", .type = "INV", .amount = 999});
    double invoices = 0;
    EXPECT_DOUBLE_EQ(core::SumCustomerOutstanding(book, "SMITH", invoices), -30);
    EXPECT_DOUBLE_EQ(invoices, 0);

    enter({.cust = "SMITH", .type = "INV", .amount = 45.5});
    enter({.cust = "SMITH", .type = "INV", .amount = 70, .deleted = true});
    enter({.cust = "SMITH", .type = "RCP", .amount = 12});
    invoices = 4.5; // whatever the caller held is part of the answer
    EXPECT_DOUBLE_EQ(core::SumCustomerOutstanding(book, "SMITH", invoices), 20);
    EXPECT_DOUBLE_EQ(invoices, 50);
}

// A page of every account reads them all in one walk; each comes out as its own sum would.
TEST_F(Balances, EveryAccountAtOnceGivesEachAccountsOwnSums)
{
    enter({.bank = "BANK1", .cust = "SMITH", .type = "INV", .amount = 100.1, .reconciled = true});
    enter({.bank = "BANK1", .cust = "SMITH", .type = "BIL", .amount = 30.7});
    enter({.bank = "BANK2", .cust = "JONES", .type = "RCP", .amount = 0.3, .reconciled = true});
    enter({.bank = "BANK1", .cust = "JONES", .type = "PAY", .amount = 0.1});
    enter({.bank = "BANK2", .cust = "SMITH", .type = "INV", .amount = 45.2, .paid = true});
    enter({.bank = "GONE", .cust = "GONE", .type = "INV", .amount = 7, .deleted = true});
    enter({.bank = "BANK2", .type = "PAY", .amount = 0.2, .reconciled = true});

    const core::AccountTotals totals = core::SumEveryAccount(book);
    ASSERT_EQ(totals.Banks.size(), 2u) << "a deleted transaction brings no code";
    for (const auto& [code, bank] : totals.Banks) {
        SCOPED_TRACE(code);
        EXPECT_EQ(code.size(), 6u);
        double cash = 0;
        EXPECT_EQ(bank.Reconciled, core::SumBankAccount(book, code, cash));
        EXPECT_EQ(bank.Cash, cash);
    }
    ASSERT_EQ(totals.Customers.size(), 3u) << "the blank customer code is an entry of its own";
    for (const auto& [code, customer] : totals.Customers) {
        SCOPED_TRACE(code);
        double invoices = 0;
        EXPECT_EQ(customer.Outstanding(), core::SumCustomerOutstanding(book, code, invoices));
        EXPECT_EQ(customer.Invoices, invoices);
    }
    EXPECT_DOUBLE_EQ(totals.Customers.at("SMITH ").Outstanding(), 100.1 - 30.7);
    EXPECT_EQ(services.mousePointer(), 0);
}

} // namespace
