#include "LedgerTest.h"

#include "core/FilterForm.h"

namespace {

using core::FilterFormValues;
using core::FilterSetup;

// The filter dialog as a plain holder of its control settings.
class FakeFilterForm : public core::FilterForm {
public:
    FilterFormValues Values() const override { return values; }
    void setValues(const FilterFormValues& newValues) override { values = newValues; }
    FilterFormValues values;
};

FilterFormValues EveryCriterionOn()
{
    FilterFormValues v;
    v.OptDateOn = true;
    v.FromDate = "01/Jan/2024";
    v.ToDate = "31/Mar/2024";
    v.OptRefOn = true;
    v.TextRefNum = "chq1234";
    v.OptTypeOn = true;
    v.ChkPay = v.ChkPaidBil = true;
    v.OptVATOn = true;
    v.ListFiltVAT = "S  Standard";
    v.OptRecOn = true;
    v.OptFiltRecon = true;
    v.OptBankOn = true;
    v.ListFiltBank = "BANK1  Current account";
    v.OptCustOn = true;
    v.ListFiltCust = "SMITH Smith & Co";
    v.OptAnalOn = true;
    v.ListFiltAnal = "FUELFuel and oil";
    v.OptAmtOn = true;
    v.CmdAmtOp = "<=";
    v.TextFiltAmount = "250.75";
    v.OptComOn = true;
    v.TextFiltComment = "Diesel for the van and more";
    v.ComboListFilters = "Fuel bills";
    return v;
}

class FilterFormMapping : public LedgerTest {
protected:
    FakeFilterForm form;
};

TEST_F(FilterFormMapping, ReadingTakesEachControlIntoItsField)
{
    FilterSetup setup;
    setup.RefOp = 9;
    setup.TypeOp = 8;
    setup.PaidB = core::FlagTrue;
    core::ReadFilterSetupFromValues(EveryCriterionOn(), setup);

    EXPECT_EQ(setup.DateOn, -1);
    EXPECT_EQ(setup.FromDate.str(), "20240101");
    EXPECT_EQ(setup.ToDate.str(), "20240331");
    EXPECT_EQ(setup.RefOn, -1);
    EXPECT_EQ(setup.Reference.str(), "CHQ123");
    EXPECT_EQ(setup.TypeOn, -1);
    EXPECT_EQ(setup.Types.str(), "PZ    ");
    EXPECT_EQ(setup.VATOn, -1);
    EXPECT_EQ(setup.VATCode.str(), "S  ");
    EXPECT_EQ(setup.RecOn, -1);
    EXPECT_EQ(setup.RecState, -1);
    EXPECT_EQ(setup.BankCode.str(), "BANK1 ");
    EXPECT_EQ(setup.CustCode.str(), "SMITH ");
    EXPECT_EQ(setup.CatCode.str(), "FUEL");
    EXPECT_EQ(setup.CatOn, -1);
    EXPECT_EQ(setup.AmountOn, -1);
    EXPECT_EQ(setup.AmountOp, 6);
    EXPECT_DOUBLE_EQ(setup.Amount, 250.75);
    EXPECT_EQ(setup.CommentOn, -1);
    EXPECT_EQ(setup.Comment.str(), "Diesel for the van a");
    EXPECT_EQ(setup.Name.str(), "Fuel bills          ");
    EXPECT_EQ(setup.BankOp, 1);
    EXPECT_EQ(setup.CustOp, 1);
    EXPECT_EQ(setup.VATOp, 1);
    EXPECT_EQ(setup.CatOp, 1);
    EXPECT_EQ(setup.RefOp, 9) << "the dialog has no control for it";
    EXPECT_EQ(setup.TypeOp, 8);
    EXPECT_EQ(setup.PaidA, 0) << "P with Z alone";
    EXPECT_EQ(setup.PaidB, -1) << "kept unless PaidA is set";

    FilterFormValues off;
    core::ReadFilterSetupFromValues(off, setup);
    EXPECT_EQ(setup.DateOn, 0);
    EXPECT_EQ(setup.FromDate.str(), "        ");
    EXPECT_EQ(setup.Types.str(), "      ");
    EXPECT_EQ(setup.AmountOp, 1);
}

TEST_F(FilterFormMapping, PaidFlagsFollowTheTickedTypes)
{
    struct PaidCase {
        bool pay, rcp, inv, bil, paidInv, paidBil;
        const char* types;
        int paidA;
        int paidB;
    };
    const PaidCase cases[] = {
        {true, false, false, false, false, true, "PZ    ", 0, -1},
        {true, false, false, true, false, false, "PB    ", -1, 0},
        {false, true, true, false, false, false, "RI    ", -1, 0},
        {true, true, true, true, true, true, "PRIBYZ", -1, 0},
        {false, false, false, false, true, true, "YZ    ", 0, -1},
    };
    for (const PaidCase& c : cases) {
        SCOPED_TRACE(c.types);
        FilterFormValues v;
        v.ChkPay = c.pay;
        v.ChkRcp = c.rcp;
        v.ChkInv = c.inv;
        v.ChkBil = c.bil;
        v.ChkPaidInv = c.paidInv;
        v.ChkPaidBil = c.paidBil;
        FilterSetup setup;
        setup.PaidA = core::FlagTrue;
        setup.PaidB = core::FlagTrue;
        core::ReadFilterSetupFromValues(v, setup);
        EXPECT_EQ(setup.Types.str(), c.types);
        EXPECT_EQ(setup.PaidA, c.paidA);
        EXPECT_EQ(setup.PaidB, c.paidB);
    }
}

TEST_F(FilterFormMapping, ShowingASetUpAndReadingItBackGivesItAgain)
{
    FilterSetup original;
    core::ReadFilterSetupFromValues(EveryCriterionOn(), original);
    original.TypeOn = core::FlagTrue;

    form.values.ComboListFilters = "(previous)";
    core::ShowFilterSetupOnForm(book, form, original);
    const FilterFormValues& shown = form.values;
    EXPECT_EQ(shown.FromDate, "01/Jan/2024");
    EXPECT_EQ(shown.ToDate, "31/Mar/2024");
    EXPECT_EQ(shown.TextRefNum, "CHQ123");
    EXPECT_EQ(shown.ListFiltBank, "BANK1 ");
    EXPECT_EQ(shown.CmdAmtOp, "<=");
    EXPECT_EQ(shown.TextFiltAmount, " 250.75");
    EXPECT_EQ(shown.TextFiltComment, "Diesel for the van a");
    EXPECT_EQ(shown.ComboListFilters, "Fuel bills") << "a (PREVIOUS) name box takes the set-up's name";

    FilterSetup readBack;
    core::ReadFilterSetupFromForm(book, form, readBack);
    readBack.RefOp = original.RefOp;
    readBack.TypeOp = original.TypeOp;
    EXPECT_EQ(readBack, original);
}

TEST_F(FilterFormMapping, ShowingSetsTheTypeCriterionOnAndKeepsAChosenName)
{
    FilterSetup setup;
    setup.Types = "RY";
    setup.Name = "Receipts";
    setup.AmountOp = 0;
    setup.Amount = -3;
    setup.RecState = 0;
    form.values.ComboListFilters = "Mine";
    form.values.ChkPay = true;
    core::ShowFilterSetupOnForm(book, form, setup);
    const FilterFormValues& shown = form.values;
    EXPECT_TRUE(shown.OptTypeOn);
    EXPECT_FALSE(shown.ChkPay);
    EXPECT_TRUE(shown.ChkRcp);
    EXPECT_TRUE(shown.ChkPaidInv);
    EXPECT_FALSE(shown.ChkPaidBil);
    EXPECT_FALSE(shown.OptFiltRecon);
    EXPECT_EQ(shown.FromDate, "") << "a cleared date shows blank";
    EXPECT_EQ(shown.CmdAmtOp, "=");
    EXPECT_EQ(shown.TextFiltAmount, "-3");
    EXPECT_EQ(shown.ComboListFilters, "Mine");
}

TEST_F(FilterFormMapping, TheFilterMenuShowsTheCurrentSetUp)
{
    FilterSetup& current = ledger.Filters.CurrentFilter;
    current.DateOn = current.CustOn = current.AmountOn = core::FlagTrue;
    current.RecOn = 5; // any non-zero value is on
    FilterSetup elsewhere;
    core::ReadFilterSetupFromForm(book, form, elsewhere);
    const core::FilterMenuTicks& ticks = window.ticks;
    EXPECT_TRUE(ticks.FiltDateItem);
    EXPECT_TRUE(ticks.FiltCustItem);
    EXPECT_TRUE(ticks.FiltAmountItem);
    EXPECT_TRUE(ticks.FiltReconItem);
    EXPECT_FALSE(ticks.FiltRefNumItem);
    EXPECT_FALSE(ticks.FiltTypeItem);
    EXPECT_FALSE(ticks.FiltBankItem);
    EXPECT_FALSE(ticks.FiltVATItem);
    EXPECT_FALSE(ticks.FiltAnalItem);
    EXPECT_FALSE(ticks.FiltCommentItem);
}

TEST_F(FilterFormMapping, TotalsHideWhenPaidOnesAreTickedWithTheirType)
{
    struct TotalsCase {
        bool pay, paidBil, rcp, paidInv;
        bool paymentsShown, receiptsShown;
    };
    const TotalsCase cases[] = {
        {true, true, false, false, false, true},
        {true, false, true, true, true, false},
        {false, true, false, true, true, true},
        {true, true, true, true, false, false},
    };
    for (const TotalsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pay << c.paidBil << c.rcp << c.paidInv);
        form.values.ChkPay = c.pay;
        form.values.ChkPaidBil = c.paidBil;
        form.values.ChkRcp = c.rcp;
        form.values.ChkPaidInv = c.paidInv;
        core::ShowTotalsLabels(book, form);
        EXPECT_EQ(window.paymentsShown, c.paymentsShown);
        EXPECT_EQ(window.receiptsShown, c.receiptsShown);
    }
}

} // namespace
