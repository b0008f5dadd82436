#include "LedgerTest.h"

#include "core/FilterStore.h"
#include "core/StandardFilters.h"
#include "runtime/Text.h"

namespace {

using core::FilterSetup;
using platform::Answer;

FilterSetup Named(const char* name, const char* types = "PR")
{
    FilterSetup setup;
    setup.Name = name;
    setup.Types = types;
    return setup;
}

std::vector<std::string> NameItems(const platform::ListModel& names)
{
    std::vector<std::string> items;
    for (int i = 0; i < names.ListCount(); ++i)
        items.push_back(names.List(i));
    return items;
}

class FilterStore : public LedgerTest {
protected:
    core::FilterStore& filters = ledger.Filters;
};

TEST_F(FilterStore, ANewNameIsListedAndStored)
{
    core::StoreFilterSetup(book, Named("Cash"));
    core::StoreFilterSetup(book, Named("Bills", "B"));
    EXPECT_EQ(NameItems(filters.Names),
              (std::vector<std::string>{"(PREVIOUS)", "Bills               ", "Cash                "}));
    ASSERT_EQ(filters.Count(), 2);
    EXPECT_EQ(filters.At(1).Name.str(), "Cash                ");
    EXPECT_EQ(filters.At(2).Types.str(), "B     ");
    EXPECT_TRUE(filters.FiltersChanged);
    EXPECT_TRUE(ledger.FileChanged);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(FilterStore, BlankAndReservedNamesAreRefused)
{
    struct Refusal {
        const char* name;
        const char* message;
    };
    const Refusal cases[] = {
        {"", "If you wish to save this filter set-up, you must give it a name"},
        {"    ", "If you wish to save this filter set-up, you must give it a name"},
        {"(previous)", "'(PREVIOUS)' is a reserved name. Choose another name for this filter set-up"},
        {"(Customised)", "'(CUSTOMISED)' is a reserved name. Choose another name for this filter set-up"},
        {"(CURRENT)  ", "'(CURRENT)' is a reserved name. Choose another name for this filter set-up"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = services.messageBoxes().size();
        services.answerMessageBox(Answer::OK);
        core::StoreFilterSetup(book, Named(c.name));
        ASSERT_EQ(services.messageBoxes().size(), before + 1);
        EXPECT_EQ(services.messageBoxes().back().box.text, c.message);
    }
    EXPECT_EQ(filters.Count(), 0);
    EXPECT_EQ(filters.Names.ListCount(), 1);
    EXPECT_FALSE(filters.FiltersChanged);
    EXPECT_FALSE(ledger.FileChanged);
}

TEST_F(FilterStore, AnExistingNameIsReplacedOnlyOnYes)
{
    core::StoreFilterSetup(book, Named("Cash", "PR"));
    filters.CurrentFilter = Named("Now", "Z");
    filters.FiltersChanged = false;

    services.answerMessageBox(Answer::No);
    core::StoreFilterSetup(book, Named("CASH", "P"));
    EXPECT_EQ(onlyBox().text, "Filter set-up 'CASH' already exists. Do you wish to replace it?");
    EXPECT_EQ(onlyBox().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(filters.At(1).Types.str(), "PR    ");
    EXPECT_FALSE(filters.FiltersChanged);
    EXPECT_EQ(filters.PreviousFilter, FilterSetup{});

    services.answerMessageBox(Answer::Yes);
    core::StoreFilterSetup(book, Named("CASH", "P"));
    ASSERT_EQ(filters.Count(), 1);
    EXPECT_EQ(filters.At(1).Types.str(), "P     ");
    EXPECT_EQ(filters.At(1).Name.str(), "CASH                ");
    EXPECT_EQ(filters.PreviousFilter, filters.CurrentFilter);
    EXPECT_EQ(filters.Names.ListCount(), 2) << "the list keeps one item per name";
    EXPECT_TRUE(filters.FiltersChanged);
}

TEST_F(FilterStore, FindingComparesUpperCasedNamesOverTwentyCharacters)
{
    filters.AppendFilterSetup(Named("Cash", "PR"));
    filters.AppendFilterSetup(Named("cash", "P")); // a second entry of the same name is never reached
    filters.PreviousFilter = Named("Before", "B");
    filters.CurrentFilter = Named("Now", "Z");

    struct Lookup {
        const char* name;
        const char* types;
    };
    const Lookup cases[] = {
        {"CASH", "PR    "},
        {"Cash                      and more", "PR    "},
        {"(previous)", "B     "},
        {"(CURRENT)", "Z     "},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(c.name);
        FilterSetup found;
        EXPECT_TRUE(core::FindFilterSetup(book, c.name, found));
        EXPECT_EQ(found.Types.str(), c.types);
    }

    FilterSetup untouched = Named("Keep", "Y");
    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(core::FindFilterSetup(book, "Cashbook", untouched));
    EXPECT_EQ(onlyBox().text, "Unable to find filter set-up 'CASHBOOK            ' in the internal storage");
    EXPECT_EQ(untouched, Named("Keep", "Y"));
}

TEST_F(FilterStore, ReplacingAndRemovingNeedTheStoredName)
{
    filters.AppendFilterSetup(Named("Cash"));
    filters.AppendFilterSetup(Named("Bills", "B"));
    filters.AppendFilterSetup(Named("Sales", "I"));

    EXPECT_TRUE(core::ReplaceFilterSetup(book, Named("BILLS", "Z")));
    EXPECT_EQ(filters.At(2).Types.str(), "Z     ");
    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(core::ReplaceFilterSetup(book, Named("Wages")));
    EXPECT_EQ(onlyBox().text, "Unable to find filter set-up 'WAGES               ' in the internal storage");

    EXPECT_TRUE(core::RemoveFilterSetup(book, "bills"));
    ASSERT_EQ(filters.Count(), 2);
    EXPECT_EQ(filters.At(1).Name.str(), "Cash                ");
    EXPECT_EQ(filters.At(2).Name.str(), "Sales               ");
    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(core::RemoveFilterSetup(book, "bills"));
    EXPECT_EQ(services.messageBoxes().size(), 2u);
    EXPECT_TRUE(ledger.FileChanged);
}

struct MonthCase {
    int year;
    int month;
    int day;
    const char* from;
    const char* to;
    const char* prefix;
};

TEST_F(FilterStore, StandardSetUpsCoverTheCurrentMonth)
{
    const MonthCase cases[] = {
        {2025, 6, 15, "20250601", "20250630", "Jun 2025"},
        {2024, 12, 31, "20241201", "20241231", "Dec 2024"},
        {2024, 2, 1, "20240201", "20240229", "Feb 2024"},
        {2023, 2, 28, "20230201", "20230228", "Feb 2023"},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(c.prefix);
        filters.ClearFilterSetupList();
        services.setNow(*runtime::Date::fromYmd(c.year, c.month, c.day));
        core::MakeStandardFilterSetups(book);
        ASSERT_EQ(filters.Count(), 3);
        const std::string prefix = c.prefix;
        const std::pair<std::string, std::string> expected[] = {
            {prefix + " - Trading P", "PBIR  "}, {prefix + " - Owing/Due", "IB    "}, {prefix + " - Cash", "PR    "}};
        for (int i = 0; i < 3; ++i) {
            const FilterSetup& setup = filters.At(i + 1);
            EXPECT_EQ(runtime::rtrim(setup.Name.view()), expected[i].first);
            EXPECT_EQ(setup.Types.str(), expected[i].second);
            EXPECT_EQ(setup.FromDate.str(), c.from);
            EXPECT_EQ(setup.ToDate.str(), c.to);
            EXPECT_TRUE(core::IsOn(setup.DateOn));
            EXPECT_TRUE(core::IsOn(setup.TypeOn));
            EXPECT_EQ(setup.Reference.view(), std::string(6, '\0')) << "fields not set stay cleared";
        }
    }
}

TEST_F(FilterStore, MakingTheStandardSetUpsAgainAsksThreeTimes)
{
    core::MakeStandardFilterSetups(book);
    for (int i = 0; i < 3; ++i)
        services.answerMessageBox(Answer::Yes);
    core::MakeStandardFilterSetups(book);
    EXPECT_EQ(services.messageBoxes().size(), 3u);
    EXPECT_EQ(services.messageBoxes().front().box.text,
              "Filter set-up 'Jun 2025 - Trading P' already exists. Do you wish to replace it?");
    EXPECT_EQ(filters.Count(), 3);
    EXPECT_EQ(filters.Names.ListCount(), 4);
}

TEST_F(FilterStore, VatQuartersCoverTheCurrentYear)
{
    core::MakeVatQuarterFilterSetups(book);
    struct Quarter {
        const char* name;
        const char* from;
        const char* to;
    };
    const Quarter expected[] = {
        {"1st Quarter", "20250101", "20250331"},
        {"2nd Quarter", "20250401", "20250630"},
        {"3rd Quarter", "20250701", "20250930"},
        {"4th Quarter", "20251001", "20251231"},
    };
    ASSERT_EQ(filters.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].name);
        const FilterSetup& setup = filters.At(i + 1);
        EXPECT_EQ(runtime::rtrim(setup.Name.view()), expected[i].name);
        EXPECT_EQ(setup.FromDate.str(), expected[i].from);
        EXPECT_EQ(setup.ToDate.str(), expected[i].to);
        EXPECT_EQ(setup.Types.str(), "PBIRYZ");
    }
}

TEST(FilterOperators, CaptionsCodesAndTheButtonCycle)
{
    const std::pair<const char*, int> table[] = {{"=", 1}, {"<>", 2}, {">", 3}, {">=", 4}, {"<", 5}, {"<=", 6}};
    for (const auto& [caption, code] : table) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(core::GetOperatorCode(caption), code);
        EXPECT_EQ(core::GetOperatorCode(std::string(caption) + "  "), code);
        EXPECT_EQ(core::OperatorText(static_cast<std::int16_t>(code)), caption);
    }
    EXPECT_EQ(core::GetOperatorCode("=>"), 0);
    EXPECT_EQ(core::OperatorText(0), "=");
    EXPECT_EQ(core::OperatorText(7), "=");

    std::string caption = "=";
    std::vector<std::string> cycle;
    for (int i = 0; i < 6; ++i)
        cycle.push_back(caption = core::NextOperatorCaption(caption));
    EXPECT_EQ(cycle, (std::vector<std::string>{"<>", "<", "<=", ">", ">=", "="}));
    EXPECT_EQ(core::NextOperatorCaption("?"), "?");
}

} // namespace
