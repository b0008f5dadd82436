#pragma once

#include <filesystem>

#include "core/Book.h"
#include "datafile/UnshownDataFileWindow.h"
#include "platform/ScriptedServices.h"

namespace bench {

// A book shown in a headless window, as the data-file operations require.
struct ShownBook {
    ShownBook() { book.ledger.AttachWindow(window); }
    ShownBook(const ShownBook&) = delete;
    ShownBook& operator=(const ShownBook&) = delete;

    platform::ScriptedServices services;
    core::Book book{services};
    datafile::UnshownDataFileWindow window{core::QueryOrder::ByDate, std::filesystem::temp_directory_path()};
};

} // namespace bench
