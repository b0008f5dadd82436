#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "core/FilterStore.h"
#include "platform/Events.h"
#include "reports/CancelForm.h"
#include "reports/ReportForm.h"
#include "reports/ReportPeriods.h"
#include "runtime/Text.h"

namespace {

using Lines = std::vector<std::string>;

// One call of a writer: which, and what it was handed.
struct WriterCall {
    std::string writer;
    core::FilterSetup request;
    std::vector<int> numbers;
    std::vector<std::string> texts;
};

std::string text(const core::FixedText<8>& field)
{
    return field.str();
}

// The chooser over company.QBD on 15 June 2025, with writers that note their calls.
class ReportFormTest : public ReportTest {
protected:
    ReportFormTest()
    {
        loadCompany();
        reports::ReportWriters& w = parts.Writers;
        w.WriteVatReport = [this](reports::ReportForm&, core::FilterSetup& r, int mode) {
            calls.push_back({"vat", r, {mode}, {}});
        };
        w.WriteBankActivityReport = [this](reports::ReportForm&, core::FilterSetup& r) {
            calls.push_back({"bank", r, {}, {}});
        };
        w.WriteAgedBalanceReport = [this](reports::ReportForm&, core::FilterSetup& r, int kind, int count) {
            calls.push_back({"aged", r, {kind, count}, {}});
        };
        w.WriteCustomerStatementReport = [this](reports::ReportForm&, const std::string& code, int daysOver) {
            calls.push_back({"statement", {}, {daysOver}, {code}});
        };
        w.WriteIncomeExpenditureReport = [this](reports::ReportForm&, core::FilterSetup& r) {
            calls.push_back({"income", r, {}, {}});
        };
        w.WriteEecListReport = [this](reports::ReportForm&, int kind, const std::string& from, const std::string& to) {
            calls.push_back({"eec", {}, {kind}, {from, to}});
        };
        w.WriteCategoryAnalysisReport = [this](reports::ReportForm&, core::FilterSetup& r, int count, int months,
                                               const std::string& start) {
            calls.push_back({"category", r, {count, months}, {start}});
        };
    }

    reports::ReportForm& form()
    {
        if (!form_)
            form_ = std::make_unique<reports::ReportForm>(desk, parts);
        return *form_;
    }

    // Sets the chooser up for `kind` and runs `script` while it shows.
    bool open(int kind, std::function<void(reports::ReportForm&)> script = {})
    {
        services.onModal<reports::ReportForm>("ReportForm", [script](reports::ReportForm& f) {
            if (script)
                script(f);
        });
        return form().SetUpReportForm(kind);
    }

    void addFor(const std::string& customer, const std::string& date, const std::string& type, double amount,
                bool reconciled = false)
    {
        core::TransactionFields fields;
        fields.Date = date;
        fields.Type = type;
        fields.Amount = amount;
        fields.VAT = "ZER";
        fields.Bank = "BANK01";
        fields.Customer = customer;
        fields.Category = "SALE";
        fields.Reconciled = reconciled;
        book.SplitTail.clear();
        core::AddTransaction(book, fields);
    }

    void chooseSetUp(reports::ReportForm& f, const std::string& name)
    {
        f.ComboSubListFilters.setListIndex(-1);
        for (int i = 0; i < f.ComboSubListFilters.ListCount(); ++i)
            if (runtime::rtrim(f.ComboSubListFilters.List(i)) == name)
                f.ComboSubListFilters.setListIndex(i);
    }

    std::string focused(reports::ReportForm& f) const
    {
        return f.ActiveControl() ? f.ActiveControl()->Name() : "";
    }

    static Lines selected(const platform::ListBox& list, int codeWidth = 6)
    {
        Lines codes;
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.Selected(i))
                codes.push_back(runtime::left(list.List(i), codeWidth));
        return codes;
    }

    reports::ReportFormParts parts;
    std::vector<WriterCall> calls;
    std::unique_ptr<reports::ReportForm> form_;
};

TEST_F(ReportFormTest, EachKindShowsItsCaptionItsOneFrameAndItsLists)
{
    struct Case {
        int kind;
        std::string caption;
        std::string frame;
    };
    const Case cases[] = {
        {2, "VAT Report", "FrameVatReport"},
        {9, "Bank Report", "FrameBankReport"},
        {11, "Aged Debtors Report", "FrameDebCredReport"},
        {12, "Aged Creditors Report", "FrameDebCredReport"},
        {13, "Income & Expenditure Report", "FrameProfLossReport"},
        {14, "Category Analysis Report", "FrameAnalReport"},
        {18, "Mail Merge", "FrameMailMerge"},
        {21, "Customer Statement", "FrameCustState"},
        {22, "EEC Sales Report", "FrameEEC"},
        {23, "EEC Acquisition Report", "FrameEEC"},
    };
    book.SplitTail = "001Kept split";
    for (const Case& c : cases) {
        Lines visibleFrames;
        bool letterButton = false;
        ASSERT_TRUE(open(c.kind, [&](reports::ReportForm& f) {
            for (platform::Frame* frame : {&f.FrameVatReport, &f.FrameBankReport, &f.FrameDebCredReport,
                                           &f.FrameProfLossReport, &f.FrameAnalReport, &f.FrameMailMerge,
                                           &f.FrameCustState, &f.FrameEEC})
                if (frame->Visible())
                    visibleFrames.push_back(frame->Name());
            letterButton = f.CmdWhatLetter.Visible();
            book.SplitTail = "002Overwritten by a report";
        }));
        EXPECT_EQ(form().Caption(), c.caption);
        EXPECT_EQ(visibleFrames, Lines{c.frame}) << c.kind;
        EXPECT_EQ(letterButton, c.kind == 18) << c.kind;
        EXPECT_EQ(book.SplitTail, "001Kept split") << c.kind;
    }
    reports::ReportForm& f = form();
    EXPECT_EQ(f.ComboListBanks.ListCount(), 2);
    EXPECT_EQ(runtime::left(f.ComboListBanks.List(1), 6), "CASH01");
    EXPECT_EQ(runtime::left(f.ListMailCusts.List(1), 6), "bolt02");
    EXPECT_EQ(runtime::left(f.ListAnalCodes.List(1), 4), "STAT");
    EXPECT_EQ(f.ListCustState.ListCount(), 2);
    EXPECT_EQ(f.FrameEEC.Caption(), "EEC Acquisitions for Period");
    EXPECT_EQ(f.ComboSubListFilters.List(0), "(CURRENT)");
    EXPECT_EQ(window.clearedModes.back(), 5);
    EXPECT_FALSE(f.Visible()) << "Cancel hides it";
    EXPECT_TRUE(f.isLoaded()) << "and keeps it loaded";
}

TEST_F(ReportFormTest, AgedAndIncomeKindsOpenWithTheirDefaults)
{
    ASSERT_TRUE(open(11));
    EXPECT_EQ(form().FrameDebCredReport.Caption(), "Aged Debtors as of 15/Jun/2025");
    ASSERT_TRUE(open(12));
    EXPECT_EQ(form().FrameDebCredReport.Caption(), "Aged Creditors as of 15/Jun/2025");
    form().ChkExcludeVAT.setValue(0);
    ASSERT_TRUE(open(13));
    EXPECT_EQ(selected(form().ListAnal1, 4), (Lines{"SALE", "STAT"}));
    EXPECT_EQ(form().ChkExcludeVAT.Value(), 1);
    EXPECT_TRUE(form().ChkExcludeVAT.Visible());
}

TEST_F(ReportFormTest, KindsWithoutAFrameShowNothingButClearTheEditBox)
{
    for (const int kind : {1, 3, 20}) {
        window.clearedModes.clear();
        EXPECT_FALSE(form().SetUpReportForm(kind));
        EXPECT_EQ(window.clearedModes, std::vector<int>{5});
    }
    EXPECT_TRUE(services.modalForms().empty());
}

TEST_F(ReportFormTest, ASavedSetUpPresetsTheDatesOfEveryDatedKind)
{
    for (const int kind : {2, 13, 14, 22}) {
        ASSERT_TRUE(open(kind, [&](reports::ReportForm& f) {
            chooseSetUp(f, "Big April");
            const std::pair<platform::TextBox*, platform::TextBox*> boxes =
                kind == 2    ? std::pair{&f.TextVatFrom, &f.TextVatTo}
                : kind == 13 ? std::pair{&f.TextPLFrom, &f.TextPLTo}
                : kind == 14 ? std::pair{&f.TextAnalFrom, &f.TextAnalTo}
                             : std::pair{&f.TxtEECFrom, &f.TxtEECTo};
            EXPECT_EQ(boxes.first->Text(), "01/Apr/2024") << kind;
            EXPECT_EQ(boxes.second->Text(), "30/Apr/2024") << kind;
            EXPECT_EQ(focused(f), "CmdCancel");
        }));
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(ReportFormTest, TheCurrentSetUpWithUnsetFieldsLeavesTheBoxesEmpty)
{
    ASSERT_TRUE(open(9, [&](reports::ReportForm& f) {
        f.TextBankFrom.setText("01/Jan/2024");
        chooseSetUp(f, "(CURRENT)");
        EXPECT_EQ(f.TextBankFrom.Text(), "");
        EXPECT_EQ(f.TextBankTo.Text(), "");
        EXPECT_EQ(f.ComboListBanks.Text(), "");
        EXPECT_EQ(f.ComboSubListFilters.Text(), "(CURRENT)           ");
    }));
}

TEST_F(ReportFormTest, PeriodPresetsCountFromToday)
{
    const auto on = [](int y, int m, int d) { return *runtime::Date::fromYmd(y, m, d); };
    struct Case {
        std::string preset;
        runtime::Date today;
        std::string from;
        std::string to;
    };
    const Case cases[] = {
        {"Last 6 Months To Date", on(2025, 6, 15), "15/Dec/2024", "15/Jun/2025"},
        {"Month To Date", on(2025, 6, 15), "15/May/2025", "15/Jun/2025"},
        {"This Quarter To Date", on(2025, 6, 15), "16/Mar/2025", "15/Jun/2025"},
        {"Year To Date", on(2025, 6, 15), "15/Jun/2024", "15/Jun/2025"},
        {"Last Month", on(2025, 6, 15), "01/May/2025", "31/May/2025"},
        {"Current Month", on(2024, 2, 10), "01/Feb/2024", "29/Feb/2024"},
        {"Current Month", on(2025, 4, 30), "01/Apr/2025", "30/Apr/2025"},
        {"Current Year", on(2025, 6, 15), "01/Jan/2025", "31/Dec/2025"},
        {"Last Month", on(2025, 1, 20), "01/Dec/2024", "31/Dec/2024"},
        {"Year To Date", on(2024, 2, 29), "28/Feb/2023", "29/Feb/2024"},
        {"Today  ", on(2025, 6, 15), "15/Jun/2025", "15/Jun/2025"},
    };
    for (const Case& c : cases) {
        const auto dates = reports::ComputePresetDates(c.preset, c.today);
        ASSERT_TRUE(dates) << c.preset;
        EXPECT_EQ(dates->first, c.from) << c.preset;
        EXPECT_EQ(dates->second, c.to) << c.preset;
    }
    EXPECT_FALSE(reports::ComputePresetDates("Next Week", on(2025, 6, 15)));
}

TEST_F(ReportFormTest, ChoosingAPresetFillsTheFrameBoxes)
{
    ASSERT_TRUE(open(22, [&](reports::ReportForm& f) {
        EXPECT_EQ(f.ListEECPeriods.ListCount(), 8);
        EXPECT_EQ(f.ListEECPeriods.List(4), "Month To Date");
        f.ListEECPeriods.setListIndex(2);
        EXPECT_EQ(f.TxtEECFrom.Text(), "01/May/2025");
        EXPECT_EQ(f.TxtEECTo.Text(), "31/May/2025");
    }));
}

TEST_F(ReportFormTest, TheStartBalanceFollowsBankDateAndOption)
{
    addFor("", "08/Apr/2024", "RCP", 200.00);
    ASSERT_TRUE(open(9, [&](reports::ReportForm& f) {
        f.TextBankFrom.setText("11/Apr/2024");
        f.ComboListBanks.setListIndex(0);
        EXPECT_EQ(f.TextStartBal.Text(), "930.00");
        EXPECT_EQ(f.LblNomBal.Caption(), "1130.00");
        f.OptNomBal.setValue(true);
        EXPECT_EQ(f.TextStartBal.Text(), "1130.00");
        EXPECT_EQ(f.LblNomBal.Caption(), "930.00");
        // Leaving the From box selects the reconciled balance again, at the date then shown.
        f.TextBankFrom.setText("11/4/2024");
        f.TextBankFrom.setFocus();
        f.TextBankTo.setFocus();
        EXPECT_TRUE(f.OptReconBal.Value());
        EXPECT_EQ(f.TextBankFrom.Text(), "11/Apr/2024");
        EXPECT_EQ(f.TextStartBal.Text(), "930.00");
        EXPECT_EQ(f.LblNomBal.Caption(), "1130.00");
        f.CmdCancel.setValue(true);
        EXPECT_FALSE(f.Visible());
    }));
    EXPECT_EQ(form().TextStartBal.Text(), "") << "Cancel empties the start balance";
}

TEST_F(ReportFormTest, ValidatorsNameTheFirstFaultAndFocusItsControl)
{
    using Fill = std::function<void(reports::ReportForm&)>;
    struct Case {
        int kind;
        Fill fill;
        std::string message;
        std::string focus; // empty: the focus stays where it was
    };
    const auto dates = [](platform::TextBox& from, platform::TextBox& to, const char* a, const char* b) {
        from.setText(a);
        to.setText(b);
    };
    const std::string noCustomer = "At least 1 customer must be selected in order to run this report";
    const Case cases[] = {
        {2, [&](auto& f) { dates(f.TextVatFrom, f.TextVatTo, "", "01/May/2024"); }, "From Date Required", "TextVatFrom"},
        {2, [&](auto& f) { dates(f.TextVatFrom, f.TextVatTo, "01/May/2024", " "); }, "To Date Required", "TextVatTo"},
        {2, [&](auto& f) { dates(f.TextVatFrom, f.TextVatTo, "02/May/2024", "01/May/2024"); },
         "From date is greater than To date", "TextVatTo"},
        {9, [&](auto& f) { f.ComboListBanks.setText("  "); }, "Bank Code Required", "ComboListBanks"},
        {9, [&](auto& f) { f.ComboListBanks.setText("BANK01"); dates(f.TextBankFrom, f.TextBankTo, "", ""); },
         "From Date Required", "TextBankFrom"},
        {9, [&](auto& f) { f.ComboListBanks.setText("BANK01"); dates(f.TextBankFrom, f.TextBankTo, "01/May/2024", ""); },
         "To Date Required", "TextBankTo"},
        {9, [&](auto& f) { f.ComboListBanks.setText("BANK01"); dates(f.TextBankFrom, f.TextBankTo, "01/Jan/2025", "31/Dec/2024"); },
         "From date is greater than To date", "TextBankTo"},
        {9, [&](auto& f) { f.ComboListBanks.setText("BANK01"); dates(f.TextBankFrom, f.TextBankTo, "01/Jan/2025", "31/Jan/2025"); f.TextStartBal.setText("about 10"); },
         "'about 10' is not a valid Start Balance", "TextStartBal"},
        {22, [&](auto& f) { dates(f.TxtEECFrom, f.TxtEECTo, "", ""); }, "From Date Required", "TxtEECFrom"},
        {22, [&](auto& f) { dates(f.TxtEECFrom, f.TxtEECTo, "01/Jun/2024", ""); }, "To Date Required", "TxtEECTo"},
        {22, [&](auto& f) { dates(f.TxtEECFrom, f.TxtEECTo, "01/Jun/2024", "01/May/2024"); },
         "From date is greater than To date", "TxtEECTo"},
        {13, [&](auto& f) { dates(f.TextPLFrom, f.TextPLTo, "", ""); }, "From Date Required", "TextPLFrom"},
        {13, [&](auto& f) { dates(f.TextPLFrom, f.TextPLTo, "01/May/2024", ""); }, "To Date Required", "TextPLTo"},
        {13, [&](auto& f) { dates(f.TextPLFrom, f.TextPLTo, "03/May/2024", "02/May/2024"); },
         "From date is greater than To date", "TextPLTo"},
        {13, [&](auto& f) { dates(f.TextPLFrom, f.TextPLTo, "01/May/2024", "02/May/2024"); f.ListAnal1.setSelected(0, false); f.ListAnal1.setSelected(1, false); },
         "You must select at least 1 Category for this report...", "ListAnal1"},
        {14, [&](auto& f) { dates(f.TextAnalFrom, f.TextAnalTo, "", ""); }, "From Date Required", "TextAnalFrom"},
        {14, [&](auto& f) { dates(f.TextAnalFrom, f.TextAnalTo, "01/May/2024", ""); }, "To Date Required", "TextAnalTo"},
        {14, [&](auto& f) { dates(f.TextAnalFrom, f.TextAnalTo, "03/May/2024", "02/May/2024"); },
         "From date is greater than To date", "TextAnalTo"},
        {14, [&](auto& f) { dates(f.TextAnalFrom, f.TextAnalTo, "01/May/2024", "02/May/2024"); },
         "At least 1 Category must be selected in order to run this report", ""},
        {14, [&](auto& f) { f.ChkCatOnQry.setValue(1); book.ledger.QueryIndex.Clear(); },
         "To run this report over the Current Filtered List, the List must contain at least 1 transaction", "ChkCatOnQry"},
        {11, [&](auto&) {}, noCustomer, ""},
        {21, [&](auto&) {}, noCustomer, ""},
        {18, [&](auto&) {}, noCustomer, ""},
    };
    for (const Case& c : cases) {
        form_.reset();
        const std::size_t shownBefore = services.messageTexts().size();
        services.answerMessageBox(platform::Answer::OK);
        std::string focus;
        ASSERT_TRUE(open(c.kind, [&](reports::ReportForm& f) {
            c.fill(f);
            f.CmdWhatLetter.setVisible(true);
            f.CmdWhatLetter.setFocus();
            f.CmdReport_Click();
            focus = f.ActiveControl() ? f.ActiveControl()->Name() : "";
        }));
        const Lines texts = services.messageTexts();
        EXPECT_EQ(Lines(texts.begin() + static_cast<long>(shownBefore), texts.end()), Lines{c.message})
            << c.kind << " " << c.message;
        EXPECT_EQ(focus, c.focus.empty() ? "CmdWhatLetter" : c.focus) << c.kind << " " << c.message;
    }
    EXPECT_TRUE(calls.empty()) << "nothing refused is written";
}

TEST_F(ReportFormTest, EachFrameHandsItsWriterItsRequest)
{
    ASSERT_TRUE(open(11, [&](reports::ReportForm& f) {
        f.ListDebCredCust.setSelected(1, true);
        f.CmdReport_Click();
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].writer, "aged");
    EXPECT_EQ(text(calls[0].request.FromDate), "        ");
    EXPECT_EQ(text(calls[0].request.ToDate), "20250615");
    EXPECT_EQ(calls[0].request.Types.str(), "I     ");
    EXPECT_EQ(calls[0].numbers, (std::vector<int>{11, 1}));

    struct TypesCase {
        bool standard;
        int excludeVat;
        int cashOnly;
        std::string types;
    };
    for (const TypesCase& c : {TypesCase{true, 1, 0, "PRIBYZ"}, TypesCase{true, 1, 1, "PRYZ  "},
                               TypesCase{true, 0, 0, "PRIB  "}, TypesCase{false, 1, 1, "PR    "}}) {
        calls.clear();
        ASSERT_TRUE(open(13, [&](reports::ReportForm& f) {
            f.TextPLFrom.setText("01/Apr/2024");
            f.TextPLTo.setText("30/Apr/2024");
            (c.standard ? f.OptStdAcc : f.OptCashAcc).setValue(true);
            f.ChkExcludeVAT.setValue(c.excludeVat);
            f.ChkCashOnly.setValue(c.cashOnly);
            f.CmdReport_Click();
        }));
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].request.Types.str(), c.types);
        EXPECT_EQ(text(calls[0].request.FromDate), "20240401");
        EXPECT_EQ(text(calls[0].request.ToDate), "20240430");
    }

    calls.clear();
    ASSERT_TRUE(open(22, [&](reports::ReportForm& f) {
        f.TxtEECFrom.setText("01/Apr/2024");
        f.TxtEECTo.setText("30/Apr/2024");
        f.CmdReport_Click();
        f.CmdReport_Click();
    }));
    ASSERT_EQ(calls.size(), 2u) << "the chooser runs a report as often as asked";
    EXPECT_EQ(calls[0].numbers, std::vector<int>{22});
    EXPECT_EQ(calls[0].texts, (Lines{"01/Apr/2024", "30/Apr/2024"}));

    calls.clear();
    ASSERT_TRUE(open(9, [&](reports::ReportForm& f) {
        f.ComboListBanks.setListIndex(1);
        f.TextBankFrom.setText("01/Apr/2024");
        f.TextBankTo.setText("30/Apr/2024");
        f.CmdReport_Click();
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].request.BankCode.str(), "CASH01");
    EXPECT_TRUE(core::IsOn(calls[0].request.BankOn));

    calls.clear();
    ASSERT_TRUE(open(21, [&](reports::ReportForm& f) {
        f.ListCustState.setListIndex(1);
        f.ChkDaysOver.setValue(1);
        f.CmdReport_Click();
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].texts, Lines{"bolt02"});
    EXPECT_EQ(calls[0].numbers, std::vector<int>{1});
}

TEST_F(ReportFormTest, CategoryAnalysisByMonthAllowsThirteenMonths)
{
    const auto run = [&](const char* to) {
        calls.clear();
        ASSERT_TRUE(open(14, [&](reports::ReportForm& f) {
            f.CmdAllAnal.setValue(true);
            f.TextAnalFrom.setText("01/Jan/2023");
            f.TextAnalTo.setText(to);
            f.ChkAnalByMonth.setValue(1);
            f.CmdReport_Click();
        }));
    };
    run("31/Jan/2024");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].numbers, (std::vector<int>{2, 13}));
    EXPECT_EQ(calls[0].texts, Lines{"202301"});
    EXPECT_EQ(calls[0].request.Types.str(), "PRIB  ");
    services.answerMessageBox(platform::Answer::OK);
    run("01/Feb/2024");
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(services.messageTexts().back(), "The Maximum date range for a category report is 1 year (13 months)");
    EXPECT_EQ(reports::CountReportMonths("20240515", "20240520"), 1);
    EXPECT_EQ(reports::CountReportMonths("20240515", "20230101"), 1);
}

TEST_F(ReportFormTest, CategoryAnalysisOverTheListTakesItsEarliestAndLatestDates)
{
    // The list is in reference order: CHQ100 of 10/Apr before INV001 of 05/Apr.
    ASSERT_TRUE(open(14, [&](reports::ReportForm& f) {
        f.ListAnalCodes.setSelected(0, true);
        f.ChkCatOnQry.setValue(1);
        EXPECT_FALSE(f.TextAnalFrom.Enabled());
        f.CmdReport_Click();
        f.ChkCatOnQry.setValue(0);
        EXPECT_TRUE(f.TextAnalFrom.Enabled());
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(text(calls[0].request.FromDate), "20240405");
    EXPECT_EQ(text(calls[0].request.ToDate), "20240410");
    EXPECT_EQ(calls[0].numbers, (std::vector<int>{1, 1}));
}

TEST_F(ReportFormTest, MailMergeCustomersAreSelectedByTheirUnpaidBalance)
{
    addFor("ACME01", "01/May/2024", "INV", 100.00);
    addFor("bolt02", "02/May/2024", "BIL", 40.00);
    Lines debtors, creditors, outstanding;
    // Each button clears the selection first: "&All" before them is forgotten.
    const auto pressTheBalanceButtons = [&] {
        ASSERT_TRUE(open(18, [&](reports::ReportForm& f) {
            f.CmdMailAll.setValue(true);
            f.CmdAllDebtors.setValue(true);
            debtors = selected(f.ListMailCusts);
            f.CmdAllCreditors.setValue(true);
            creditors = selected(f.ListMailCusts);
            f.CmdMailOutstand.setValue(true);
            outstanding = selected(f.ListMailCusts);
        }));
    };
    pressTheBalanceButtons();
    EXPECT_EQ(debtors, Lines{"ACME01"});
    EXPECT_EQ(creditors, Lines{"bolt02"});
    EXPECT_EQ(outstanding, Lines{"ACME01"});

    // bolt02's unpaid invoice and bill now cancel out.
    addFor("bolt02", "03/May/2024", "INV", 40.00);
    pressTheBalanceButtons();
    EXPECT_EQ(debtors, Lines{"ACME01"});
    EXPECT_EQ(creditors, Lines{});
    EXPECT_EQ(outstanding, (Lines{"ACME01", "bolt02"}));
}

TEST_F(ReportFormTest, MailMergePrintsOneLetterPerCustomerUntilCancel)
{
    book.codes.ComboCustomer.AddItem("CORN03 Corner Shop");
    Lines letters;
    bool cancelInSecond = false;
    reports::CancelForm& printJob = desk.PrintJobWindow();
    printJob.RegisterJob("WB_MAILMERGEREPORT", [&] {
        letters.push_back(book.MailMergeCustomerCode.str());
        services.printer().print(letters.back());
        services.printer().EndDoc();
        EXPECT_EQ(printJob.LbLReportName.Caption(), "Mail Merge : Customer " + book.MailMergeCustomerCode.str());
        if (cancelInSecond && letters.size() == 2)
            printJob.userClose();
        printJob.Hide();
    });
    const auto runMerge = [&] {
        ASSERT_TRUE(open(18, [&](reports::ReportForm& f) {
            f.CmdMailAll.setValue(true);
            f.CmdReport_Click();
        }));
    };
    services.answerPrinterDialog();
    runMerge();
    EXPECT_EQ(letters, (Lines{"ACME01", "bolt02", "CORN03"}));
    const auto& printed = services.recordingPrinter().documents();
    ASSERT_EQ(printed.size(), 3u);
    for (const platform::RecordedDocument& letter : printed)
        EXPECT_EQ(letter.run, 1) << "the letters print as one run";
    EXPECT_FALSE(services.recordingPrinter().InRun());

    letters.clear();
    cancelInSecond = true;
    services.answerPrinterDialog();
    runMerge();
    EXPECT_EQ(letters, (Lines{"ACME01", "bolt02"})) << "Cancel in the second stops before the third";
    EXPECT_FALSE(desk.CancelRequested);

    letters.clear();
    services.cancelPrinterDialog();
    runMerge();
    EXPECT_TRUE(letters.empty());
}

TEST_F(ReportFormTest, DateBoxesTidyWhatIsTypedAndOpenTheDatePicker)
{
    platform::Form calendar(services, "Calendar");
    parts.Calendar = &calendar;
    services.onModal("Calendar", [&](platform::Form&) { book.PickedDate = *runtime::Date::fromYmd(2024, 3, 7); });
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    std::string picked, empty, longText, notADate;
    ASSERT_TRUE(open(2, [&](reports::ReportForm& f) {
        f.TextVatFrom.setText("01/Jan/2024");
        f.TextVatFrom.userDblClick();
        picked = f.TextVatFrom.Text();
        f.TextVatFrom.setFocus();
        f.TextVatTo.setFocus();
        EXPECT_EQ(f.TextVatFrom.Text(), "07/Mar/2024") << "leaving puts the picked date in its usual form";
        f.TextVatTo.setText("  ");
        f.TextVatFrom.setFocus();
        empty = f.TextVatTo.Text();
        f.TextVatFrom.setText("05/4/2024  and more");
        f.TextVatTo.setFocus();
        longText = f.TextVatFrom.Text();
        f.TextVatFrom.setText("no date");
        f.TextVatFrom.setFocus();
        f.TextVatTo.setFocus();
        notADate = f.TextVatFrom.Text();
    }));
    EXPECT_EQ(picked, "07/03/2024");
    EXPECT_EQ(empty, "  ");
    EXPECT_EQ(longText, "15/Jun/2025") << "the whole text is read, and it is no date";
    EXPECT_EQ(notADate, "15/Jun/2025");
    const std::vector<std::string> messages = services.messageTexts();
    ASSERT_EQ(messages.size(), 2u) << "only the texts that are no date are reported";
    EXPECT_TRUE(messages[0].starts_with("'05/4/2024  and more' is not a valid date")) << messages[0];
    EXPECT_TRUE(messages[1].starts_with("'no date' is not a valid date")) << messages[1];
}

TEST_F(ReportFormTest, ADateWrittenOutIsReadWholeInItsOwnYearLeftOrNot)
{
    std::vector<std::string> shown;
    ASSERT_TRUE(open(22, [&](reports::ReportForm& f) {
        for (platform::TextBox* box : {&f.TxtEECFrom, &f.TxtEECTo}) {
            box->setFocus();
            box->userSetText("3 August 2025");
            f.CmdCancel.setFocus();
            shown.push_back(box->Text());
        }
        // Enter in a date box runs the report while the box still holds what was typed.
        f.TxtEECFrom.setFocus();
        f.TxtEECFrom.userSetText("1 August 2025");
        f.userKeyDown(platform::KeyReturn);
    }));
    EXPECT_EQ(shown, (Lines{"03/Aug/2025", "03/Aug/2025"}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].texts, (Lines{"1 August 2025", "03/Aug/2025"}));
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(ReportFormTest, OptionsAndTheCloseBoxBehaveAsTheButtonsDo)
{
    ASSERT_TRUE(open(2, [&](reports::ReportForm& f) {
        EXPECT_FALSE(f.ChkShowSplits.Enabled());
        f.OptVatDetail.setValue(true);
        EXPECT_TRUE(f.ChkShowSplits.Enabled());
        f.ChkShowSplits.setValue(1);
        f.OptVatSummary.setValue(true);
        EXPECT_EQ(f.ChkShowSplits.Value(), 0);
        EXPECT_FALSE(f.ChkShowSplits.Enabled());
        f.TextVatFrom.setText("01/Apr/2024");
        f.TextVatTo.setText("30/Apr/2024");
        f.OptVatDetail.setValue(true);
        f.CmdReport_Click();
        f.userClose();
        EXPECT_FALSE(f.Visible());
        EXPECT_TRUE(f.isLoaded());
        EXPECT_FALSE(f.FrameVatReport.Visible());
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].numbers, std::vector<int>{2});
    EXPECT_EQ(text(calls[0].request.FromDate), "20240401");
    form().CmdReport_Click();
    EXPECT_EQ(calls.size(), 1u) << "with no frame showing Report does nothing";
}

TEST_F(ReportFormTest, TheLetterButtonOpensTheMailMergeTemplateOrSaysItCannot)
{
    int designerShown = 0;
    parts.EditMailMergeLetter = [&] {
        ++designerShown;
        EXPECT_EQ(book.WorkingTemplate.Name, book.Templates[core::MailMergeLetter].Name);
        throw std::runtime_error("designer failed");
    };
    services.answerMessageBox(platform::Answer::OK);
    ASSERT_TRUE(open(18, [&](reports::ReportForm& f) { f.CmdWhatLetter.setValue(true); }));
    EXPECT_EQ(designerShown, 1);
    EXPECT_EQ(services.messageTexts(), Lines{"Unable to show Template Edit Window"});
}

} // namespace
