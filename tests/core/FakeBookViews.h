#pragma once

#include "core/BookViews.h"
#include "core/FilterSetup.h"

class FakeBookViews : public core::BookViews {
public:
    void ClearFilterCodeLists() override { ++filterListsCleared; }
    void RefreshQueryGrid() override { ++gridRefreshes; }
    void SyncQueryScrollBar() override { ++scrollSyncs; }
    void ReadFilterSetupFromForm(core::FilterSetup& setup) override { setup = formFilter; }

    int filterListsCleared = 0;
    int gridRefreshes = 0;
    int scrollSyncs = 0;
    core::FilterSetup formFilter;
};
