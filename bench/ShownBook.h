#pragma once

#include <filesystem>

#include "core/Book.h"
#include "datafile/DataFileWindow.h"
#include "platform/ScriptedServices.h"

namespace bench {

// A main window that shows nothing. It keeps the sort order a loaded file asks for, and its filter
// dialog holds the book's current filter, so a set-up read from it stays as it was.
class HeadlessWindow final : public datafile::DataFileWindow {
public:
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
    int QueryScrollMax() const override { return 0; }
    int QueryScrollValue() const override { return 0; }
    void setQueryScroll(int, int) override {}
    void ResetGridRow() override {}
    void ShowLoadedBook() override {}
    const std::filesystem::path& workingFolder() const override { return folder_; }

private:
    core::QueryOrder order_ = core::QueryOrder::ByDate;
    std::filesystem::path folder_ = std::filesystem::temp_directory_path();
};

// A book shown in a headless window, as the data-file operations require.
struct ShownBook {
    ShownBook() { book.ledger.AttachWindow(window); }
    ShownBook(const ShownBook&) = delete;
    ShownBook& operator=(const ShownBook&) = delete;

    platform::ScriptedServices services;
    core::Book book{services};
    HeadlessWindow window;
};

} // namespace bench
