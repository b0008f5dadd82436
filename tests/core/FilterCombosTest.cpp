#include "LedgerTest.h"

#include "core/FilterCombos.h"
#include "core/FilterStore.h"
#include "platform/Controls.h"

namespace {

class ComboWindow : public platform::Form {
public:
    explicit ComboWindow(platform::Services& services) : Form(services, "ComboWindow") { endDesign(); }
    platform::ComboBox Combo{*this, "Combo"};
};

std::vector<std::string> Items(const platform::ComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.ListCount(); ++i)
        items.push_back(combo.List(i));
    return items;
}

class FilterCombos : public LedgerTest {
protected:
    FilterCombos()
    {
        for (const char* name : {"Cash", "Bills"}) {
            core::FilterSetup setup;
            setup.Name = name;
            setup.Types = "PR";
            core::StoreFilterSetup(book, setup);
        }
        ledger.Filters.CurrentFilter.Name = "All Off";
    }

    ComboWindow window{services};
};

TEST_F(FilterCombos, MainComboMirrorsTheNamesWithoutPreviousOnlyAfterAChange)
{
    core::FillFilterCombos(book, window.Combo);
    EXPECT_EQ(Items(window.Combo), (std::vector<std::string>{"Bills               ", "Cash                "}));
    EXPECT_EQ(window.Combo.Text(), "All Off             ");
    EXPECT_FALSE(ledger.Filters.FiltersChanged);

    window.Combo.setText("Cash");
    window.Combo.AddItem("kept until the names change");
    core::FillFilterCombos(book, window.Combo);
    EXPECT_EQ(window.Combo.ListCount(), 3);
    EXPECT_EQ(window.Combo.Text(), "Cash");
}

TEST_F(FilterCombos, ReportListStartsWithCurrentAndLeavesOutPrevious)
{
    window.Combo.AddItem("stale");
    core::FillFilterNameList(book, window.Combo);
    EXPECT_EQ(Items(window.Combo),
              (std::vector<std::string>{"(CURRENT)", "Bills               ", "Cash                "}));
}

} // namespace
