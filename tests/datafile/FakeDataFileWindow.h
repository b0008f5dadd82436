#pragma once

#include <string>

#include "core/FilterSetup.h"
#include "datafile/DataFileWindow.h"

// Records what the book's operations ask of the main window.
class FakeDataFileWindow : public datafile::DataFileWindow {
public:
    void ClearFilterCodeLists() override { ++filterListsCleared; }
    void RefreshQueryGrid() override { ++gridRefreshes; }
    void SyncQueryScrollBar() override { ++scrollSyncs; }
    void ReadFilterSetupFromForm(core::FilterSetup& setup) override { setup = formFilter; }
    void setSaveItemEnabled(bool enabled) override { saveItemEnabled = enabled; }
    void setCaption(const std::string& text) override { caption = text; }
    int QueryScrollMax() const override { return scrollMax; }
    int QueryScrollValue() const override { return scrollValue; }
    void setQueryScroll(int max, int value) override
    {
        scrollMax = max;
        scrollValue = value;
    }
    void ResetGridRow() override { ++gridRowResets; }
    void ShowLoadedBook() override { ++loadedBookShown; }

    int filterListsCleared = 0;
    int gridRefreshes = 0;
    int scrollSyncs = 0;
    core::FilterSetup formFilter;
    bool saveItemEnabled = false;
    std::string caption;
    int scrollMax = 0;
    int scrollValue = 0;
    int gridRowResets = 0;
    int loadedBookShown = 0;
};
