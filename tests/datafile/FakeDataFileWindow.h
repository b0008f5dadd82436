#pragma once

#include <filesystem>
#include <string>

#include "core/FakeBookWindow.h"
#include "datafile/DataFileWindow.h"

// Records what the book's operations ask of the main window.
class FakeDataFileWindow : public FakeBookWindowOf<datafile::DataFileWindow> {
public:
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
    const std::filesystem::path& workingFolder() const override { return folder; }

    bool saveItemEnabled = false;
    std::string caption;
    int scrollMax = 0;
    int scrollValue = 0;
    int gridRowResets = 0;
    int loadedBookShown = 0;
    std::filesystem::path folder = std::filesystem::current_path();
};
