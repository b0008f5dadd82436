#include "LedgerTest.h"

#include <functional>

#include "core/FilterMatch.h"
#include "core/FilterStore.h"

namespace {

using core::FilterSetup;
using core::IndexKind;

// A reconciled receipt from Smith, the transaction every matching case starts from.
Txn Receipt()
{
    return Txn{.number = "000007",
               .date = "15/Jan/2024",
               .ref = "INV42",
               .bank = "BANK1",
               .cust = "SMITH",
               .vat = "S",
               .cat = "SALE",
               .type = "RCP",
               .memo = "Window cleaning for March",
               .amount = 117.50,
               .reconciled = true};
}

// Every type letter accepted, nothing else on.
FilterSetup AllTypes()
{
    FilterSetup setup;
    setup.Types = "PRIBYZ";
    return setup;
}

class FilterMatch : public LedgerTest {};

struct MatchCase {
    const char* name;
    std::function<void(Txn&)> changeTransaction;
    std::function<void(FilterSetup&)> changeSetup;
    int expected;
};

void NoChange(Txn&) {}

TEST_F(FilterMatch, EachCriterionOnAndOff)
{
    using core::FlagTrue;
    const MatchCase cases[] = {
        {"nothing on", NoChange, [](FilterSetup&) {}, -1},
        {"date inside the range", NoChange, [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = "20240115"; s.ToDate = "20240115"; }, -1},
        {"date before From", NoChange, [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = "20240116"; s.ToDate = "20241231"; }, 0},
        {"date after To", NoChange, [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = "20240101"; s.ToDate = "20240114"; }, 0},
        {"date off ignores the range", NoChange, [](FilterSetup& s) { s.FromDate = "20250101"; s.ToDate = "20250102"; }, -1},
        {"blank From lets every date pass", NoChange, [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = ""; s.ToDate = "20240115"; }, -1},
        {"blank To stops every date", NoChange, [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = "20240101"; s.ToDate = ""; }, 0},
        {"reference contained", NoChange, [](FilterSetup& s) { s.RefOn = FlagTrue; s.Reference = "NV4"; }, -1},
        {"reference not contained", NoChange, [](FilterSetup& s) { s.RefOn = FlagTrue; s.Reference = "CHQ"; }, 0},
        {"reference search is case-sensitive after upper-casing the record", NoChange, [](FilterSetup& s) { s.RefOn = FlagTrue; s.Reference = "inv"; }, 0},
        {"blank reference asked, reference present", NoChange, [](FilterSetup& s) { s.RefOn = FlagTrue; s.Reference = ""; }, 0},
        {"blank reference asked, reference blank", [](Txn& t) { t.ref = ""; }, [](FilterSetup& s) { s.RefOn = FlagTrue; s.Reference = ""; }, -1},
        {"reference off", NoChange, [](FilterSetup& s) { s.Reference = "CHQ"; }, -1},
        {"bank equal", NoChange, [](FilterSetup& s) { s.BankOn = FlagTrue; s.BankCode = "BANK1"; }, -1},
        {"bank different", NoChange, [](FilterSetup& s) { s.BankOn = FlagTrue; s.BankCode = "BANK2"; }, 0},
        {"bank off", NoChange, [](FilterSetup& s) { s.BankCode = "BANK2"; }, -1},
        {"customer equal", NoChange, [](FilterSetup& s) { s.CustOn = FlagTrue; s.CustCode = "SMITH"; }, -1},
        {"customer compared exactly", NoChange, [](FilterSetup& s) { s.CustOn = FlagTrue; s.CustCode = "smith"; }, 0},
        {"customer off", NoChange, [](FilterSetup& s) { s.CustCode = "JONES"; }, -1},
        {"VAT code equal", NoChange, [](FilterSetup& s) { s.VATOn = FlagTrue; s.VATCode = "S"; }, -1},
        {"VAT code different", NoChange, [](FilterSetup& s) { s.VATOn = FlagTrue; s.VATCode = "Z"; }, 0},
        {"VAT code off", NoChange, [](FilterSetup& s) { s.VATCode = "Z"; }, -1},
        {"split transaction only matches SPL", [](Txn& t) { t.vat = "SPL"; }, [](FilterSetup& s) { s.VATOn = FlagTrue; s.VATCode = "S"; }, 0},
        {"category equal", NoChange, [](FilterSetup& s) { s.CatOn = FlagTrue; s.CatCode = "SALE"; }, -1},
        {"category different", NoChange, [](FilterSetup& s) { s.CatOn = FlagTrue; s.CatCode = "FUEL"; }, 0},
        {"category off", NoChange, [](FilterSetup& s) { s.CatCode = "FUEL"; }, -1},
        {"amount =", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 1; s.Amount = 117.5; }, -1},
        {"amount <>", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 2; s.Amount = 117.5; }, 0},
        {"amount >", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 3; s.Amount = 117.5; }, 0},
        {"amount >=", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 4; s.Amount = 117.5; }, -1},
        {"amount <", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 5; s.Amount = 200; }, -1},
        {"amount <=", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 6; s.Amount = 117.49; }, 0},
        {"amount of a payment is compared unsigned", [](Txn& t) { t.type = "PAY"; }, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 3; s.Amount = 0; }, -1},
        {"amount operator 0 tests nothing", NoChange, [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 0; s.Amount = 1; }, -1},
        {"amount off", NoChange, [](FilterSetup& s) { s.AmountOp = 1; s.Amount = 1; }, -1},
        {"reconciled asked, reconciled", NoChange, [](FilterSetup& s) { s.RecOn = FlagTrue; s.RecState = -1; }, -1},
        {"unreconciled asked, reconciled", NoChange, [](FilterSetup& s) { s.RecOn = FlagTrue; s.RecState = 0; }, 0},
        {"unreconciled asked, unreconciled", [](Txn& t) { t.reconciled = false; }, [](FilterSetup& s) { s.RecOn = FlagTrue; s.RecState = 0; }, -1},
        {"a state other than -1 and 0 matches nothing", NoChange, [](FilterSetup& s) { s.RecOn = FlagTrue; s.RecState = 1; }, 0},
        {"reconciled off", NoChange, [](FilterSetup& s) { s.RecState = 0; }, -1},
        {"memo contains, case ignored", NoChange, [](FilterSetup& s) { s.CommentOn = FlagTrue; s.Comment = "CLEANING for"; }, -1},
        {"memo does not contain", NoChange, [](FilterSetup& s) { s.CommentOn = FlagTrue; s.Comment = "carpet"; }, 0},
        {"empty memo criterion passes", NoChange, [](FilterSetup& s) { s.CommentOn = FlagTrue; s.Comment = ""; }, -1},
        {"memo off", NoChange, [](FilterSetup& s) { s.Comment = "carpet"; }, -1},
        {"type letter missing", NoChange, [](FilterSetup& s) { s.Types = "PIBYZ"; }, 0},
        {"types apply with TypeOn off", NoChange, [](FilterSetup& s) { s.TypeOn = 0; s.Types = "P"; }, 0},
        {"blank types fail everything", NoChange, [](FilterSetup& s) { s.Types = ""; }, 0},
        {"a cleared set-up passes nothing", NoChange, [](FilterSetup& s) { s = FilterSetup{}; }, 0},
        {"deleted transaction still passes", [](Txn& t) { t.deleted = true; }, [](FilterSetup&) {}, -1},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        Txn txn = Receipt();
        c.changeTransaction(txn);
        FilterSetup setup = AllTypes();
        c.changeSetup(setup);
        EXPECT_EQ(core::IsTransactionInFilter(line(txn), IndexKind::Query, setup), c.expected);
    }
}

TEST_F(FilterMatch, TypeLettersOfPaidAndUnpaidInvoicesAndBills)
{
    struct LetterCase {
        const char* type;
        bool paid;
        const char* letter;
    };
    const LetterCase cases[] = {
        {"INV", false, "I"}, {"INV", true, "Y"}, {"BIL", false, "B"}, {"BIL", true, "Z"},
        {"PAY", true, "P"},  {"RCP", false, "R"}, {"XFR", false, "X"},
    };
    for (const LetterCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.paid ? " paid" : " unpaid"));
        EXPECT_EQ(core::FilterTypeLetter(c.type, c.paid), c.letter);
        Txn txn = Receipt();
        txn.type = c.type;
        txn.paid = c.paid;
        FilterSetup only;
        only.Types = c.letter;
        EXPECT_EQ(core::IsTransactionInFilter(line(txn), IndexKind::Query, only), -1);
        FilterSetup everyOther = AllTypes();
        std::string others = "PRIBYZ";
        if (const auto at = others.find(c.letter); at != std::string::npos)
            others.erase(at, 1);
        everyOther.Types = others;
        EXPECT_EQ(core::IsTransactionInFilter(line(txn), IndexKind::Query, everyOther), 0);
    }
}

TEST_F(FilterMatch, ADateOrderedScanIsToldToStopPastTheToDate)
{
    FilterSetup setup = AllTypes();
    setup.DateOn = core::FlagTrue;
    setup.FromDate = "20240101";
    setup.ToDate = "20240114";
    const std::string record = line(Receipt());
    EXPECT_EQ(core::IsTransactionInFilter(record, IndexKind::Date, setup), core::FilterPastToDate);
    EXPECT_EQ(core::IsTransactionInFilter(record, IndexKind::Query, setup), 0);
    setup.FromDate = "20240116";
    setup.ToDate = "20241231";
    EXPECT_EQ(core::IsTransactionInFilter(record, IndexKind::Date, setup), 0) << "before From never stops";
}

TEST_F(FilterMatch, ShortAndEmptyLinesAreReadOnlyAsFarAsTheyGo)
{
    FilterSetup setup = AllTypes();
    setup.CommentOn = core::FlagTrue;
    setup.Comment = "x";
    setup.RefOn = core::FlagTrue;
    for (const std::string& record : {std::string(), std::string("00000120240115"), line(Receipt()).substr(0, 45)}) {
        SCOPED_TRACE(record.size());
        EXPECT_EQ(core::IsTransactionInFilter(record, IndexKind::Date, setup), 0);
    }
}

struct DescriptionCase {
    const char* name;
    std::function<void(FilterSetup&)> setUp;
    std::string expected;
};

TEST(FilterDescription, ClausesWithTheirExactBlanks)
{
    using core::FlagTrue;
    const std::string head = "Select Transactions where \r\n";
    const DescriptionCase cases[] = {
        {"nothing on", [](FilterSetup& s) { s.Types = "PR"; }, "Select All Transactions"},
        {"types P and R", [](FilterSetup& s) { s.TypeOn = FlagTrue; s.Types = "PR"; },
         head + " Transaction Type is  'PAY'  OR  'RCP' \r\n"},
        {"every type in its order", [](FilterSetup& s) { s.TypeOn = FlagTrue; s.Types = "ZBYRIP"; },
         head + " Transaction Type is  'PAY'  OR  'INV' (UnPaid) OR  'INV' (Paid) OR  'RCP'  OR  'BIL' (UnPaid) OR  'BIL' (Paid)\r\n"},
        {"unpaid invoice alone", [](FilterSetup& s) { s.TypeOn = FlagTrue; s.Types = "I"; },
         head + " Transaction Type is  'INV' (UnPaid)\r\n"},
        {"date first, no AND before it",
         [](FilterSetup& s) { s.DateOn = FlagTrue; s.FromDate = "20240101"; s.ToDate = "20240331"; s.RecOn = FlagTrue; s.RecState = 0; },
         head + "Date between 01/Jan/2024 and 31/Mar/2024\r\n AND  transaction is unreconciled\r\n"},
        {"every clause",
         [](FilterSetup& s) {
             s.DateOn = FlagTrue; s.FromDate = "20240101"; s.ToDate = "20241231";
             s.RefOn = FlagTrue; s.Reference = "INV";
             s.BankOn = FlagTrue; s.BankCode = "BANK1";
             s.CustOn = FlagTrue; s.CustCode = "SMITH";
             s.VATOn = FlagTrue; s.VATCode = "S";
             s.CatOn = FlagTrue; s.CatCode = "SALE";
             s.TypeOn = FlagTrue; s.Types = "R";
             s.CommentOn = FlagTrue; s.Comment = "window";
             s.AmountOn = FlagTrue; s.AmountOp = 4; s.Amount = 100;
             s.RecOn = FlagTrue; s.RecState = -1;
         },
         head + "Date between 01/Jan/2024 and 31/Dec/2024\r\n"
                " AND  Reference like 'INV'\r\n"
                " AND  Bank Code = 'BANK1'\r\n"
                " AND  Customer Code = 'SMITH'\r\n"
                " AND  VAT Code = 'S'\r\n"
                " AND  Category = 'SALE'\r\n"
                " AND  Transaction Type is  'RCP' \r\n"
                " AND  Comment contains 'WINDOW'\r\n"
                " AND  Amount >=  100\r\n"
                " AND  transaction is reconciled\r\n"},
        {"first clause without AND, negative amount, unknown operator",
         [](FilterSetup& s) { s.AmountOn = FlagTrue; s.AmountOp = 0; s.Amount = -5.5; },
         head + " Amount = -5.5\r\n"},
    };
    for (const DescriptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        FilterSetup setup;
        c.setUp(setup);
        EXPECT_EQ(core::DescribeFilterSetup(setup), c.expected);
    }
}

TEST_F(FilterMatch, CustomisedMeansDescribedDifferentlyFromTheStoredSetUp)
{
    FilterSetup stored = AllTypes();
    stored.Name = "Cash";
    stored.TypeOn = core::FlagTrue;
    stored.Types = "PR";
    ledger.Filters.AppendFilterSetup(stored);

    FilterSetup same = stored;
    same.BankCode = "OTHER"; // a switched-off criterion is not described
    same.PaidA = core::FlagTrue;
    same.VATOp = 1;
    EXPECT_FALSE(core::IsFilterCustomised(book, same, "CASH"));

    FilterSetup changed = stored;
    changed.Types = "P";
    EXPECT_TRUE(core::IsFilterCustomised(book, changed, "Cash"));

    FilterSetup typeShownOn = stored;
    typeShownOn.TypeOn = core::FlagFalse;
    EXPECT_FALSE(core::IsFilterCustomised(book, typeShownOn, "Cash"))
        << "the type letters apply whatever the type criterion says";

    for (const char* alwaysCustomised : {"", "   ", "(CURRENT)", "(CUSTOMISED)"}) {
        SCOPED_TRACE(alwaysCustomised);
        EXPECT_TRUE(core::IsFilterCustomised(book, stored, alwaysCustomised));
    }
    EXPECT_TRUE(services.messageBoxes().empty());

    FilterSetup nothingOn = AllTypes();
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_TRUE(core::IsFilterCustomised(book, nothingOn, "Missing")) << "a name that is not stored differs";
    EXPECT_EQ(onlyBox().text, "Unable to find filter set-up 'MISSING             ' in the internal storage");
}

} // namespace
