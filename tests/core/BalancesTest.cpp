#include "LedgerTest.h"

#include "core/Balances.h"

namespace {

class Balances : public LedgerTest {
protected:
    // Adds a transaction and indexes it, whatever the filter says.
    void enter(const Txn& txn) { add(txn); }
};

TEST_F(Balances, TheSignComesFromTheType)
{
    const std::pair<const char*, double> cases[] = {
        {"PAY", -50}, {"BIL", -50}, {"RCP", 50}, {"INV", 50}, {"XFR", 50}};
    for (const auto& [type, signedAmount] : cases) {
        SCOPED_TRACE(type);
        EXPECT_DOUBLE_EQ(core::GetSignedAmount(line({.type = type, .amount = 50})), signedAmount);
    }
    EXPECT_DOUBLE_EQ(core::GetSignedAmount(""), 0) << "an empty line has no amount";
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

} // namespace
