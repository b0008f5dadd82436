#include "FilterDialogTest.h"

#include "core/FilterStore.h"
#include "core/ListSearch.h"
#include "core/TransactionEdits.h"
#include "datafile/DataFile.h"

using mainwindow::Filter;

namespace {

struct Added {
    const char* reference;
    const char* type;
    double amount;
    const char* date;
    const char* bank;
    const char* customer;
    const char* vat;
    const char* category;
    const char* memo;
    bool reconciled;
};

} // namespace

void FilterDialogTest::SetUp()
{
    cancelWizard();
    start();
    // Tall enough for every transaction on one page.
    main.Move(0, 0, 11520, 11000);
    ASSERT_TRUE(datafile::LoadDataFile(std::filesystem::path(QB_TEST_DATA) / "company.QBD", main.book, main));
    const Added added[] = {
        {"DEP002", "RCP", 200.00, "15/Apr/2024", "CASH01", "bolt02", "ZER", "SALE", "Takings", false},
        {"BIL777", "BIL", 45.00, "20/Apr/2024", "BANK01", "bolt02", "STD", "STAT", "Paper order", false},
        {"INV002", "INV", 99.00, "02/May/2024", "BANK01", "ACME01", "STD", "SALE", "More work", false},
        {"CHQ101", "PAY", 117.50, "03/May/2024", "CASH01", "", "ZER", "STAT", "Stamps and paper", true},
    };
    for (const Added& a : added) {
        core::TransactionFields fields;
        fields.Reference = a.reference;
        fields.Type = a.type;
        fields.Amount = a.amount;
        fields.Date = a.date;
        fields.Bank = a.bank;
        fields.Customer = a.customer;
        fields.VAT = a.vat;
        fields.Category = a.category;
        fields.Memo = a.memo;
        fields.Reconciled = a.reconciled;
        main.book.SplitTail.clear();
        ASSERT_TRUE(core::AddTransaction(main.book, fields));
    }
}

void FilterDialogTest::withFullFilter(const std::function<void(Filter&)>& use)
{
    services.onModal<Filter>("Filter", [&](Filter& filter) { use(filter); });
    main.FiltAllItem.userClick();
}

void FilterDialogTest::applyFull(const std::function<void(Filter&)>& set)
{
    withFullFilter([&](Filter& filter) {
        filter.CmdAllOff.userClick();
        set(filter);
        filter.CmdFilter.userClick();
    });
}

std::vector<std::string> FilterDialogTest::gridRefs() const
{
    std::vector<std::string> refs;
    for (int row = 1; row <= main.PageSize; ++row)
        if (!main.QRYGrid.TextMatrix(row, 3).empty())
            refs.push_back(main.QRYGrid.TextMatrix(row, 3));
    return refs;
}

void FilterDialogTest::pick(platform::ComboBox& list, const std::string& code)
{
    const int index = core::FindListItem(list.model(), code, static_cast<int>(code.size()));
    ASSERT_GE(index, 0) << code;
    list.setListIndex(index);
}

void FilterDialogTest::onlyTypes(Filter& filter, std::initializer_list<platform::CheckBox*> types)
{
    for (platform::CheckBox* box : {&filter.ChkPay, &filter.ChkRcp, &filter.ChkInv, &filter.ChkBil, &filter.ChkPaidInv,
                                    &filter.ChkPaidBil})
        box->setValue(std::find(types.begin(), types.end(), box) != types.end() ? 1 : 0);
}

namespace {

using Refs = std::vector<std::string>;

// Turns the operator button round to `op`; it keeps its caption between showings.
void amount(Filter& f, const std::string& op, const std::string& value)
{
    f.OptAmtOn.userClick();
    for (int clicks = 0; f.CmdAmtOp.Caption() != op && clicks < 6; ++clicks)
        f.CmdAmtOp.userClick();
    ASSERT_EQ(f.CmdAmtOp.Caption(), op);
    f.TextFiltAmount.setText(value);
}

TEST_F(FilterDialogTest, EachCriterionListsTheTransactionsThatPassIt)
{
    struct Case {
        const char* criteria;
        std::function<void(Filter&)> set;
        Refs grid;
    };
    const Case cases[] = {
        {"all off", [](Filter&) {}, {"BIL777", "CHQ100", "CHQ101", "DEP002", "INV001", "INV002"}},
        {"April",
         [](Filter& f) {
             f.OptDateOn.userClick();
             f.FromDate.setText("01/Apr/2024");
             f.ToDate.setText("30/Apr/2024");
         },
         {"BIL777", "CHQ100", "DEP002", "INV001"}},
        {"reference chq",
         [](Filter& f) {
             f.OptRefOn.userClick();
             f.TextRefNum.setText("chq");
         },
         {"CHQ100", "CHQ101"}},
        {"unpaid invoices", [](Filter& f) { onlyTypes(f, {&f.ChkInv}); }, {"INV002"}},
        {"paid invoices", [](Filter& f) { onlyTypes(f, {&f.ChkPaidInv}); }, {"INV001"}},
        {"unpaid bills", [](Filter& f) { onlyTypes(f, {&f.ChkBil}); }, {"BIL777"}},
        {"VAT STD",
         [](Filter& f) {
             f.OptVATOn.userClick();
             pick(f.ListFiltVAT, "STD");
         },
         {"BIL777", "INV001", "INV002"}},
        {"category STAT",
         [](Filter& f) {
             f.OptAnalOn.userClick();
             pick(f.ListFiltAnal, "STAT");
         },
         {"BIL777", "CHQ100", "CHQ101"}},
        {"comment PAPER, not a split's memo",
         [](Filter& f) {
             f.OptComOn.userClick();
             f.TextFiltComment.setText("PAPER");
         },
         {"BIL777", "CHQ101"}},
        {"amount = 117.50", [](Filter& f) { amount(f, "=", "117.50"); }, {"CHQ101", "INV001"}},
        {"amount > 100", [](Filter& f) { amount(f, ">", "100"); }, {"CHQ101", "DEP002", "INV001"}},
        {"amount < 50", [](Filter& f) { amount(f, "<", "50"); }, {"BIL777"}},
        {"reconciled",
         [](Filter& f) {
             f.OptRecOn.userClick();
             f.OptFiltRecon.userClick();
         },
         {"CHQ100", "CHQ101"}},
        {"unreconciled",
         [](Filter& f) {
             f.OptRecOn.userClick();
             f.OptFiltUnrecon.userClick();
         },
         {"BIL777", "DEP002", "INV001", "INV002"}},
        {"bank CASH01",
         [](Filter& f) {
             f.OptBankOn.userClick();
             pick(f.ListFiltBank, "CASH01");
         },
         {"CHQ101", "DEP002"}},
        {"customer bolt02 picked",
         [](Filter& f) {
             f.OptCustOn.userClick();
             pick(f.ListFiltCust, "bolt02");
         },
         {"BIL777", "DEP002"}},
        {"BANK01 in April, payments and receipts",
         [](Filter& f) {
             f.OptBankOn.userClick();
             pick(f.ListFiltBank, "BANK01");
             f.OptDateOn.userClick();
             f.FromDate.setText("01/Apr/2024");
             f.ToDate.setText("30/Apr/2024");
             onlyTypes(f, {&f.ChkPay, &f.ChkRcp});
         },
         {"CHQ100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        applyFull(c.set);
        EXPECT_EQ(gridRefs(), c.grid);
        EXPECT_FALSE(main.filter.Visible());
    }
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(FilterDialogTest, ATypedCodeIsUpperCasedAndAFilterPassingNothingKeepsTheDialogOpen)
{
    bool openAfterFilter = false;
    std::string typed;
    services.answerMessageBox(platform::Answer::OK);
    withFullFilter([&](Filter& f) {
        f.CmdAllOff.userClick();
        f.OptCustOn.userClick();
        f.ListFiltCust.setFocus();
        f.userType("bolt02");
        typed = f.ListFiltCust.Text();
        f.CmdFilter.userClick();
        openAfterFilter = f.Visible();
        f.CmdCancel.userClick();
    });
    EXPECT_EQ(typed, "BOLT02");
    EXPECT_TRUE(openAfterFilter);
    EXPECT_EQ(newMessages(0), std::vector<std::string>{"No records match the filter criteria..."});
    EXPECT_EQ(main.book.ledger.QueryIndex.UpperBound(), 0);
    EXPECT_TRUE(gridRefs().empty()) << "closing the dialog shows the empty list";
}

TEST_F(FilterDialogTest, ARecalledSetUpKeepsItsNameUntilACriterionChanges)
{
    withFullFilter([&](Filter& f) {
        pick(f.ComboListFilters, "Big April");
        f.CmdFilter.userClick();
    });
    EXPECT_EQ(gridRefs(), (Refs{"BIL777", "CHQ100", "DEP002", "INV001"}));
    EXPECT_EQ(main.ComboMainFilters.Text(), "Big April           ");
    EXPECT_TRUE(main.FiltDateItem.Checked());

    withFullFilter([&](Filter& f) {
        f.TextFiltAmount.setText("50");
        f.CmdFilter.userClick();
    });
    EXPECT_EQ(gridRefs(), (Refs{"CHQ100", "DEP002", "INV001"}));
    EXPECT_EQ(main.ComboMainFilters.Text(), "(CUSTOMISED)");
    EXPECT_EQ(main.filter.ComboListFilters.Text(), "(CUSTOMISED)");
    EXPECT_EQ(main.book.ledger.Filters.CurrentFilter.Name.str(), "(CUSTOMISED)        ");
}

TEST_F(FilterDialogTest, FramesAreGreenExactlyWhileTheirCriterionIsOn)
{
    const auto greenFrames = [](Filter& f) {
        std::vector<std::string> green;
        for (platform::Frame* frame : f.criterionFrames())
            if (frame->ForeColor() == mainwindow::CriterionOnColour)
                green.push_back(frame->Name());
            else
                EXPECT_EQ(frame->ForeColor(), mainwindow::CriterionOffColour) << frame->Name();
        return green;
    };
    using Names = std::vector<std::string>;
    withFullFilter([&](Filter& f) {
        f.OptBankOn.userClick();
        EXPECT_EQ(f.FrameBank.ForeColor(), mainwindow::CriterionOnColour);
        f.OptBankOff.userClick();
        EXPECT_EQ(f.FrameBank.ForeColor(), mainwindow::CriterionOffColour);

        pick(f.ComboListFilters, "Big April");
        // The type criterion is always shown on.
        EXPECT_EQ(greenFrames(f), (Names{"FrameDate", "FrameTypes", "FrameAmount"}));

        f.CmdAllOff.userClick();
        EXPECT_EQ(greenFrames(f), Names{"FrameTypes"}) << "All Off leaves the type criterion as it is";
        EXPECT_EQ(f.ComboListFilters.Text(), "");
    });
}

TEST_F(FilterDialogTest, DatesAreCheckedWhenLeftAndToMayNotPrecedeFrom)
{
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    std::vector<std::string> seen;
    bool openAfterFilter = false;
    withFullFilter([&](Filter& f) {
        f.FromDate.setFocus();
        f.FromDate.setText("01/02/2003");
        f.ToDate.setFocus();
        seen.push_back(f.FromDate.Text());
        f.ToDate.setText("");
        f.TextRefNum.setFocus();
        seen.push_back(f.ToDate.Text());
        f.ToDate.setFocus();
        f.ToDate.setText("31/02/2024");
        f.TextRefNum.setFocus();
        seen.push_back(f.ToDate.Text());
        // The date criterion is off; the order is checked all the same.
        f.FromDate.setText("01/Jul/2025");
        f.CmdFilter.userClick();
        openAfterFilter = f.Visible();
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"01/Feb/2003", "01/Feb/2003", "15/Jun/2025"}));
    const std::vector<std::string> messages = newMessages(0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("'31/02/2024' is not a valid date - resetting to today's date.", 0), 0u);
    EXPECT_EQ(messages[1], "To Date is before From Date...");
    EXPECT_TRUE(openAfterFilter);
}

TEST_F(FilterDialogTest, ADateWrittenOutIsReadWholeInItsOwnYear)
{
    std::vector<std::string> seen;
    withFullFilter([&](Filter& f) {
        for (platform::TextBox* box : {&f.FromDate, &f.ToDate}) {
            box->setFocus();
            box->userSetText("15 March 2025");
            f.TextRefNum.setFocus();
            seen.push_back(box->Text());
        }
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"15/Mar/2025", "15/Mar/2025"}));
    EXPECT_TRUE(newMessages(0).empty());
}

TEST_F(FilterDialogTest, SavingRecallingAndDeletingNamedSetUps)
{
    services.answerMessageBox(platform::Answer::OK);  // "(previous)" refused
    services.answerMessageBox(platform::Answer::OK);  // unknown name
    services.answerMessageBox(platform::Answer::Yes); // delete confirmed
    core::FilterStore& filters = main.book.ledger.Filters;
    withFullFilter([&](Filter& f) {
        f.CmdAllOff.userClick();
        f.OptRefOn.userClick();
        f.TextRefNum.setText("CHQ");
        f.ComboListFilters.setText("Cheques");
        f.CmdSave.setFocus();
        f.CmdSave.userClick();

        f.ComboListFilters.setText("(previous)");
        f.CmdDelete.userClick();
        f.ComboListFilters.setText("Nowhere");
        f.CmdDelete.userClick();
        f.ComboListFilters.setText("cheques");
        f.CmdDelete.userClick();
    });
    EXPECT_EQ(newMessages(0), (std::vector<std::string>{"You may not delete the '(Previous)' system filter",
                                                        "Filter set-up 'NOWHERE' does not exist",
                                                        "Delete filter set-up 'CHEQUES' ?"}));
    EXPECT_EQ(filters.Find("Cheques"), 0);
    EXPECT_EQ(core::FindListItem(filters.Names, "CHEQUES", 7), -1);
    EXPECT_TRUE(main.book.ledger.FileChanged);
}

TEST_F(FilterDialogTest, SaveWithAnEmptyNameTakesTheCurrentSetUpsNameAndDefaultsNameTheMonth)
{
    services.answerMessageBox(platform::Answer::No);
    std::string nameOnSave;
    withFullFilter([&](Filter& f) {
        f.ComboListFilters.setText("");
        f.CmdSave.setFocus();
        nameOnSave = f.ComboListFilters.Text();
        f.CmdDefaultFilters.userClick();
    });
    EXPECT_EQ(nameOnSave, "(CURRENT)           ");
    EXPECT_EQ(newMessages(0), std::vector<std::string>{"Create Default Filters for the month of June '2025?"});
}

TEST_F(FilterDialogTest, TheOneColumnWindowSitsUnderTheMouseAndKeepsOnTheScreen)
{
    services.setScreenSize(15360, 11520);
    main.Move(300, 600);
    struct Case {
        double mouseX;
        double left;
    };
    for (const Case c : {Case{1000, 300 + 120 + 1000}, Case{14000, 300 + 120 + 14000 - 2385}}) {
        double left = 0;
        double top = 0;
        services.onModal<Filter>("Filter", [&](Filter& f) {
            left = f.Left();
            top = f.Top();
            f.CmdCancel.userClick();
        });
        main.GridMouseX = c.mouseX;
        main.FiltBankItem.userClick();
        EXPECT_EQ(left, c.left) << c.mouseX;
        EXPECT_EQ(top, 600 + main.QRYGrid.Top() + 1275);
    }
}

// The amount box reads a typed amount whole, as the grid shows it ("1,150.00").
TEST_F(FilterDialogTest, ATypedAmountIsReadWholeByEveryOperator)
{
    core::TransactionFields fields;
    fields.Reference = "CHQ102";
    fields.Type = "PAY";
    fields.Amount = 1150;
    fields.Date = "04/May/2024";
    fields.Bank = "BANK01";
    main.book.SplitTail.clear();
    ASSERT_TRUE(core::AddTransaction(main.book, fields));
    const struct {
        const char* op;
        const char* typed;
        Refs grid;
    } cases[] = {
        {"=", "1,150.00", {"CHQ102"}},
        {"=", "1150", {"CHQ102"}},
        {">", "1,000.00", {"CHQ102"}},
        {"<", "1,150.00", {"BIL777", "CHQ100", "CHQ101", "DEP002", "INV001", "INV002"}},
        {">=", "-1,250.00", {"BIL777", "CHQ100", "CHQ101", "CHQ102", "DEP002", "INV001", "INV002"}},
        {"<", "abc", {}}, // not an amount: refused, the dialog stays open
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.op) + " " + c.typed);
        if (c.grid.empty())
            services.answerMessageBox(platform::Answer::OK);
        withFullFilter([&](Filter& f) {
            f.CmdAllOff.userClick();
            amount(f, c.op, "");
            f.TextFiltAmount.userSetText(c.typed);
            f.CmdFilter.userClick();
            if (f.Visible())
                f.CmdCancel.userClick();
        });
        if (!c.grid.empty()) {
            EXPECT_EQ(gridRefs(), c.grid);
        }
    }
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"'abc' is not a valid Amount"});

    applyFull([](Filter& f) {
        amount(f, "=", "");
        f.TextFiltAmount.userSetText("1,150.00");
    });
    services.answerMessageBox(platform::Answer::OK);
    main.FiltExplainItem.userClick();
    EXPECT_NE(services.messageTexts().back().find("Amount =  1150"), std::string::npos) << services.messageTexts().back();
}

// An amount criterion that is not an amount is refused by Filter and by Save: the set-ups stay as
// they were and the focus goes back to the box.
TEST_F(FilterDialogTest, AnAmountThatIsNotOneIsRefusedAndNothingIsStored)
{
    core::FilterStore& filters = main.book.ledger.Filters;
    const std::string before = filters.CurrentFilter.Name.str();
    const double amountBefore = filters.CurrentFilter.Amount;
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    withFullFilter([&](Filter& f) {
        f.CmdAllOff.userClick();
        amount(f, "=", "12a");
        f.CmdFilter.userClick();
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(f.ActiveControl(), &f.TextFiltAmount);
        f.TextFiltAmount.setText("12,34");
        f.ComboListFilters.setText("Odd");
        f.CmdSave.setFocus();
        f.CmdSave.userClick();
        EXPECT_EQ(f.ActiveControl(), &f.TextFiltAmount);
        f.CmdCancel.userClick();
    });
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"'12a' is not a valid Amount", "'12,34' is not a valid Amount"}));
    EXPECT_EQ(filters.CurrentFilter.Name.str(), before);
    EXPECT_EQ(filters.CurrentFilter.Amount, amountBefore);
    EXPECT_EQ(filters.Find("Odd"), 0);
}

TEST_F(FilterDialogTest, ExplainDescribesTheCurrentSetUp)
{
    services.answerMessageBox(platform::Answer::OK);
    main.FiltExplainItem.userClick();
    const std::vector<std::string> texts = newMessages(0);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("Filter : (CURRENT)           \r\rSelect", 0), 0u) << texts[0];
}

} // namespace

// Enter in a box of either layout applies the filter, as Filter does, and the dialog closes.
TEST_F(FilterDialogTest, EnterInABoxAppliesTheFilterInBothLayouts)
{
    const struct {
        const char* layout;
        platform::Menu& item;
    } cases[] = {{"whole window", main.FiltAllItem}, {"one criterion", main.FiltRefNumItem}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        bool shownAfterEnter = true;
        services.onModal<Filter>("Filter", [&](Filter& f) {
            f.OptRefOn.userClick();
            f.TextRefNum.setText("chq");
            f.setFocus(f.TextRefNum);
            f.userKeyDown(platform::KeyReturn);
            shownAfterEnter = f.Visible();
        });
        c.item.userClick();
        EXPECT_FALSE(shownAfterEnter);
        EXPECT_EQ(gridRefs(), (Refs{"CHQ100", "CHQ101"}));
        withFullFilter([](Filter& f) {
            f.CmdAllOff.userClick();
            f.CmdFilter.userClick();
        });
    }
}
