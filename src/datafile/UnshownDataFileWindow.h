#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "datafile/DataFileWindow.h"

namespace datafile {

// The window of a book no one sees (a scratch book, a benchmark): it keeps what a save writes, the
// sort order and the grid's scroll bar, and the working folder it is given; it shows nothing.
class UnshownDataFileWindow final : public DataFileWindow {
public:
    UnshownDataFileWindow(core::QueryOrder order, std::filesystem::path workingFolder)
        : order_(order), folder_(std::move(workingFolder))
    {
    }

    core::QueryOrder SortOrder() const override { return order_; }
    void setSortOrder(core::QueryOrder order) override { order_ = order; }
    void ClearEntryFields(int) override {}
    void UpdateMenuState() override {}
    void TickFilterMenu(const core::FilterMenuTicks&) override {}
    void ShowTotalsLabels(bool, bool) override {}
    void ClearFilterCodeLists() override {}
    void RefreshQueryGrid() override {}
    void SyncQueryScrollBar() override {}
    void SaveTheFile() override {}
    void setSaveItemEnabled(bool) override {}
    void setCaption(const std::string&) override {}
    int QueryScrollMax() const override { return scrollMax_; }
    int QueryScrollValue() const override { return scrollValue_; }
    void setQueryScroll(int max, int value) override
    {
        scrollMax_ = max;
        scrollValue_ = value;
    }
    void ResetGridRow() override {}
    void ShowLoadedBook() override {}
    const std::filesystem::path& workingFolder() const override { return folder_; }

private:
    core::QueryOrder order_;
    std::filesystem::path folder_;
    int scrollMax_ = 0;
    int scrollValue_ = 0;
};

} // namespace datafile
