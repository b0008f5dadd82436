#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/CodeTables.h"
#include "core/CompanyDetails.h"
#include "core/FixedText.h"
#include "core/Ledger.h"
#include "core/Messages.h"
#include "core/SequenceCounters.h"
#include "core/TemplateRecord.h"
#include "platform/Services.h"
#include "runtime/Date.h"
#include "runtime/FileIdentity.h"

namespace core {

// A data file as this program last read or wrote it.
struct DataFileOnDisk {
    std::filesystem::path path;
    runtime::FileIdentity identity;
};

// The company book of one program run: the state every window shares. Each part of it is a small
// object of its own; a program holds one Book, a test makes a fresh one.
class Book {
public:
    explicit Book(platform::Services& services) : messages(services), services_(services) {}
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;

    platform::Services& services() const { return services_; }

    Messages messages;
    SequenceCounters counters;
    Ledger ledger; // transactions, indexes, filter set-ups, changed flag
    CodeTables codes; // code tables, their mirrors, standing orders
    CompanyDetails company;
    // The stored templates by TemplateNumber, and the one being edited or printed.
    StoredTemplates Templates;
    TemplateRecord WorkingTemplate;
    // The customer of the mail-merge letter being printed or previewed.
    FixedText<6> MailMergeCustomerCode{""};
    // The data file the book was loaded from or last saved as, empty for a new company; the file
    // the file menu is about to open.
    std::filesystem::path CurrentDataFilePath;
    std::filesystem::path FileToOpen;
    // The data file as the book last read or wrote it: a save over that path first checks that no
    // other program has changed the file since.
    std::optional<DataFileOnDisk> LastSeenDataFile;
    // The split tail of the record parsed last, which the next assembly appends; the splits window
    // edits it for the transaction in the edit box.
    std::string SplitTail;
    // The date shared with the date picker; zero while no pick runs.
    runtime::Date PickedDate;
    // The Options menu's auto-save: every change is saved to the data file at once.
    bool AutoSave = false;

private:
    platform::Services& services_;
};

} // namespace core
