#pragma once

#include <string>

namespace mainwindow {

// What the splits window needs of the main window's edit box: the values of the transaction on
// show it reads, the ones it writes back at OK, and the save. The main window implements it; the
// splits window never sees the main window itself.
class SplitsHost {
public:
    virtual ~SplitsHost() = default;

    // The amount as typed, the caption naming it ("Payment", "Receipt"...) and the reference.
    virtual std::string EntryAmount() const = 0;
    virtual std::string EntryAmountCaption() const = 0;
    virtual std::string EntryReference() const = 0;
    virtual void setEntryAmount(const std::string& amount) = 0;
    // The VAT total and the number of splits, as the splits window worked them out.
    virtual void setEntryVatAmount(const std::string& amount) = 0;
    virtual void setEntrySplitCount(int count) = 0;
    virtual void setEntryVatCode(const std::string& code) = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
};

} // namespace mainwindow
