#pragma once

#include <vector>

#include "core/BookWindow.h"

// The main window as the book's tests see it: it keeps the sort order, counts what the book asked
// of it. Window is the interface it implements: the book's
// window, or one that extends it (FakeDataFileWindow).
template <class Window>
class FakeBookWindowOf : public Window {
public:
    core::QueryOrder SortOrder() const override { return order; }
    void setSortOrder(core::QueryOrder newOrder) override { order = newOrder; }
    void ClearEntryFields(int mode) override { clearedModes.push_back(mode); }
    void UpdateMenuState() override { ++menuUpdates; }
    void TickFilterMenu(const core::FilterMenuTicks& newTicks) override { ticks = newTicks; }
    void ShowTotalsLabels(bool showPayments, bool showReceipts) override
    {
        paymentsShown = showPayments;
        receiptsShown = showReceipts;
    }
    void ClearFilterCodeLists() override { ++filterListsCleared; }
    void RefreshQueryGrid() override { ++gridRefreshes; }
    void SyncQueryScrollBar() override { ++scrollSyncs; }
    void SaveTheFile() override { ++saves; }

    core::QueryOrder order = core::QueryOrder::ByDate;
    std::vector<int> clearedModes;
    int menuUpdates = 0;
    core::FilterMenuTicks ticks;
    bool paymentsShown = true;
    bool receiptsShown = true;
    int filterListsCleared = 0;
    int gridRefreshes = 0;
    int scrollSyncs = 0;
    int saves = 0;
};

using FakeBookWindow = FakeBookWindowOf<core::BookWindow>;
