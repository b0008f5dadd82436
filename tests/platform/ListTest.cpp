#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestWindow.h"
#include "platform/ListModel.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace platform {
namespace {

std::vector<std::string> itemsOf(const ListModel& model)
{
    std::vector<std::string> items;
    for (int i = 0; i < model.ListCount(); ++i)
        items.push_back(model.List(i));
    return items;
}

TEST(ListModelTest, SortedModelPlacesEachItemInCaselessTextOrderAfterItsEquals)
{
    struct Case {
        const char* name;
        std::vector<std::string> added;
        std::vector<std::string> expected;
        std::vector<int> places; // the index each add answered
    };
    const Case cases[] = {
        {"ascending input", {"A", "B", "C"}, {"A", "B", "C"}, {0, 1, 2}},
        {"descending input", {"C", "B", "A"}, {"A", "B", "C"}, {0, 0, 0}},
        {"case ignored", {"bank", "Apple", "BANJO"}, {"Apple", "BANJO", "bank"}, {0, 0, 1}},
        {"equal texts keep their arrival order", {"abc", "ABC", "Abc"}, {"abc", "ABC", "Abc"}, {0, 1, 2}},
        {"prefix sorts first", {"ABCD", "ABC", ""}, {"", "ABC", "ABCD"}, {0, 0, 0}},
        {"fixed columns by code", {"BANK2 Second", "BANK1 First", "BANK10 Tenth"},
         {"BANK1 First", "BANK10 Tenth", "BANK2 Second"}, {0, 0, 1}},
        {"accented capitals fold, after the plain letters", {"\xE9t\xE9", "\xC9T\xC9", "z"},
         {"z", "\xE9t\xE9", "\xC9T\xC9"}, {0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListModel model;
        model.setSorted(true);
        std::vector<int> places;
        for (const std::string& item : c.added)
            places.push_back(model.AddItem(item));
        EXPECT_EQ(itemsOf(model), c.expected);
        EXPECT_EQ(places, c.places);
    }
}

TEST(ListModelTest, UnsortedModelInsertsAtTheIndexAndSortingLaterOrdersWhatIsThere)
{
    ListModel model;
    model.AddItem("b");
    model.AddItem("c");
    model.AddItem("a", 0);
    model.AddItem("d", 3);
    EXPECT_EQ(itemsOf(model), (std::vector<std::string>{"a", "b", "c", "d"}));
    model.AddItem("B", 1);
    model.setSorted(true);
    EXPECT_EQ(itemsOf(model), (std::vector<std::string>{"a", "B", "b", "c", "d"}));
    // A sorted model ignores the index it is given.
    EXPECT_EQ(model.AddItem("aa", 4), 1);
}

TEST(ListModelTest, RemovalItemDataAndBadIndexes)
{
    ListModel model;
    for (const char* item : {"one", "two", "three"})
        model.setItemData(model.AddItem(item), static_cast<long>(std::string(item).size()));
    model.RemoveItem(1);
    EXPECT_EQ(itemsOf(model), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(model.ItemData(1), 5);
    EXPECT_EQ(model.List(7), "");
    EXPECT_EQ(model.List(-1), "");

    struct Bad {
        const char* name;
        std::function<void()> action;
        int error;
    };
    const Bad bad[] = {
        {"remove past the end", [&] { model.RemoveItem(2); }, 5},
        {"remove negative", [&] { model.RemoveItem(-1); }, 5},
        {"insert past the end", [&] { model.AddItem("x", 3); }, 5},
        {"item data past the end", [&] { model.ItemData(2); }, 381},
        {"set list past the end", [&] { model.setList(2, "x"); }, 381},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(raisedErrorNumber(b.action), b.error);
    }
    EXPECT_EQ(itemsOf(model), (std::vector<std::string>{"one", "three"}));
    model.Clear();
    EXPECT_EQ(model.ListCount(), 0);
}

// Writes down what a model tells, with its item count at that moment.
class ItemLog : public ListModel::Observer {
public:
    explicit ItemLog(ListModel& model) : model_(model) { model.addObserver(*this); }
    ~ItemLog() override { model_.removeObserver(*this); }
    ItemLog(const ItemLog&) = delete;
    ItemLog& operator=(const ItemLog&) = delete;
    std::vector<std::string> told;
    ListModel::Observer* detachOnInsert = nullptr;

private:
    void note(const std::string& what) { told.push_back(what + " @" + std::to_string(model_.ListCount())); }
    void itemInserting(int index) override { note("inserting " + std::to_string(index)); }
    void itemInserted(int index) override
    {
        note("inserted " + std::to_string(index));
        if (detachOnInsert)
            model_.removeObserver(*detachOnInsert);
    }
    void itemRemoving(int index) override { note("removing " + std::to_string(index)); }
    void itemRemoved(int index) override { note("removed " + std::to_string(index)); }
    void itemChanged(int index) override { note("changed " + std::to_string(index)); }
    void itemsResetting() override { note("resetting"); }
    void cleared() override { note("cleared"); }
    void reordered() override { note("reordered"); }
    void modelDestroyed() override { note("destroyed"); }

    ListModel& model_;
};

TEST(ListModelTest, ObserversAreToldBeforeAndAfterEachChange)
{
    ListModel model;
    ItemLog log(model);
    model.AddItem("b");
    model.AddItem("a", 0);
    model.setList(1, "c");
    model.RemoveItem(0);
    model.AddItem("a");
    model.setSorted(true);
    model.Clear();
    EXPECT_EQ(log.told, (std::vector<std::string>{"inserting 0 @0", "inserted 0 @1", "inserting 0 @1", "inserted 0 @2",
                                                  "changed 1 @2", "removing 0 @2", "removed 0 @1", "inserting 1 @1",
                                                  "inserted 1 @2", "resetting @2", "reordered @2", "resetting @2",
                                                  "cleared @0"}));
}

TEST(ListModelTest, AnObserverDetachedWhileOthersAreToldHearsNoMore)
{
    ListModel model;
    ItemLog first(model);
    ItemLog second(model);
    first.detachOnInsert = &second;
    model.AddItem("x");
    EXPECT_EQ(first.told, (std::vector<std::string>{"inserting 0 @0", "inserted 0 @1"}));
    EXPECT_EQ(second.told, std::vector<std::string>{"inserting 0 @0"});
}

class ListControlTest : public ::testing::Test {
protected:
    ScriptedServices services;
    test::LogWindow window{services};
    test::LogWindow other{services, "Other"};
};

TEST_F(ListControlTest, TwoListsShowingOneModelSeeEveryChangeAndKeepTheirChoice)
{
    ListModel codes;
    codes.setSorted(true);
    window.List1.setModel(codes);
    other.List1.setModel(codes);
    codes.AddItem("BANK2");
    window.List1.AddItem("BANK4");
    other.List1.AddItem("BANK1");
    EXPECT_EQ(window.List1.ListCount(), 3);
    EXPECT_EQ(other.List1.List(0), "BANK1");

    window.List1.setListIndex(1); // BANK2
    other.List1.setListIndex(2);  // BANK4
    window.log.clear();
    codes.AddItem("BANK3"); // goes between them
    EXPECT_EQ(window.List1.Text(), "BANK2");
    EXPECT_EQ(other.List1.ListIndex(), 3);
    EXPECT_EQ(other.List1.Text(), "BANK4");

    other.List1.RemoveItem(1); // BANK2, chosen in the first window
    EXPECT_EQ(window.List1.ListIndex(), -1);
    EXPECT_EQ(other.List1.Text(), "BANK4");
    EXPECT_EQ(window.List1.List(window.List1.NewIndex()), "BANK4") << "NewIndex follows its item";
    EXPECT_TRUE(window.log.empty()) << "model changes fire no events";

    window.List1.Clear();
    EXPECT_EQ(other.List1.ListCount(), 0);
    EXPECT_EQ(other.List1.ListIndex(), -1);
}

TEST_F(ListControlTest, ClickFiresWhenListIndexTakesANewValueByCodeOrUser)
{
    for (const char* item : {"a", "b", "c"})
        window.List1.AddItem(item);
    struct Step {
        const char* name;
        std::function<void()> action;
        int clicks;
    };
    const Step steps[] = {
        {"code chooses", [&] { window.List1.setListIndex(1); }, 1},
        {"code chooses the same", [&] { window.List1.setListIndex(1); }, 0},
        {"user chooses another", [&] { window.List1.userSelect(2); }, 1},
        {"code clears the choice", [&] { window.List1.setListIndex(-1); }, 1},
        {"selected mark of a single-select list", [&] { window.List1.setSelected(0, true); }, 1},
        {"user on a disabled list", [&] { window.List1.setEnabled(false); window.List1.userSelect(1); }, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        window.log.clear();
        step.action();
        EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "List1_Click"), step.clicks);
    }
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_THROW(window.List1.setListIndex(3), runtime::Error);
}

TEST_F(ListControlTest, MultiSelectMarksFireClickWhenTheyChange)
{
    window.List1.setMultiSelect(1);
    for (const char* item : {"a", "b", "c"})
        window.List1.AddItem(item);
    window.log.clear();
    window.List1.setSelected(0, true);
    window.List1.setSelected(2, true);
    window.List1.setSelected(2, true);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "List1_Click"), 2);
    EXPECT_EQ(window.List1.SelCount(), 2);
    window.List1.RemoveItem(0);
    EXPECT_FALSE(window.List1.Selected(0));
    EXPECT_TRUE(window.List1.Selected(1));
}

TEST_F(ListControlTest, ComboChoosingIsAClickTypingIsAChange)
{
    window.ensureLoaded(); // PAY, RCP
    window.log.clear();
    window.Combo.setListIndex(1);
    EXPECT_EQ(window.Combo.Text(), "RCP");
    EXPECT_EQ(window.log, (std::vector<std::string>{"Combo_Click"}));

    window.log.clear();
    window.Combo.setText("RC");
    EXPECT_EQ(window.Combo.ListIndex(), -1) << "a text unlike the chosen item leaves nothing chosen";
    window.Combo.setText("RC");
    window.Combo.userSetText("RCX");
    EXPECT_EQ(window.log, (std::vector<std::string>{"Combo_Change", "Combo_Change"}));

    // A drop-down list takes only the texts of its items.
    window.Combo.setStyle(2);
    window.log.clear();
    window.Combo.setText("pay");
    EXPECT_EQ(window.Combo.ListIndex(), 0);
    EXPECT_EQ(window.Combo.Text(), "PAY");
    EXPECT_EQ(window.log, (std::vector<std::string>{"Combo_Click"}));
    EXPECT_EQ(raisedErrorNumber([&] { window.Combo.setText("XFR"); }), 383);
}

} // namespace
} // namespace platform

namespace platform {
namespace {

TEST_F(ListControlTest, AListOutlivingItsSharedModelFallsBackToAnEmptyOwnModel)
{
    {
        ListModel shortLived;
        shortLived.AddItem("gone");
        window.List1.setModel(shortLived);
        window.List1.setListIndex(0);
    }
    EXPECT_EQ(window.List1.ListCount(), 0);
    EXPECT_EQ(window.List1.ListIndex(), -1);
    window.List1.AddItem("own");
    EXPECT_EQ(window.List1.List(0), "own");
}

} // namespace
} // namespace platform
