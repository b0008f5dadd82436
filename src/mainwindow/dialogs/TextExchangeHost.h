#pragma once

#include <filesystem>

namespace mainwindow {

// What the text exchange window needs of the main window that owns it: where the hand-over file
// of a preview goes, and the grid brought up to date after transactions were imported.
class TextExchangeHost {
public:
    virtual ~TextExchangeHost() = default;

    // The folder of the settings file and "QB.TXT".
    virtual const std::filesystem::path& workingFolder() const = 0;
    // No row selected, the scroll bar fitted to the query index and the totals labels shown.
    virtual void ShowImportedTransactions() = 0;
};

} // namespace mainwindow
