#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CompanyDetails.h"
#include "core/FilterSetup.h"
#include "core/IndexOperations.h"
#include "core/TemplateRecord.h"
#include "core/TransactionIndex.h"
#include "runtime/TableRegion.h"

namespace core {
class Book;
}

namespace runtime {
class TextReader;
}

namespace datafile {

class DataFileWindow;

using RecordSummaries = std::vector<core::RecordSummary, runtime::RegionAllocator<core::RecordSummary>>;

// Everything a data file holds, read in full before any of it goes into the book.
struct DataFileContents {
    core::CompanyDetails company;
    double transactionNumberCounter = 0;
    double invoiceNumberCounter = 0;
    std::optional<core::QueryOrder> order; // none when the file names neither order
    std::vector<std::string> bankLines;
    std::vector<std::string> vatLines;
    std::vector<std::string> customerLines;
    std::vector<std::string> categoryLines;
    std::vector<std::string> standingOrders;
    std::shared_ptr<const void> transactionText; // keeps the file as read, where the transactions lie
    std::vector<std::string_view> transactions;
    // Where the large tables below and the book's list of the transactions are carved from, sized
    // from a current file's counts; none for an older file.
    std::shared_ptr<runtime::TableRegion> tableRegion;
    RecordSummaries transactionSummaries; // of each transaction, where the indexes are kept
    core::IndexEntries dateIndex;
    core::IndexEntries queryIndex;
    int scrollMax = 0;
    int scrollValue = 0;
    core::FilterSetup currentFilter;
    core::FilterSetup previousFilter;
    std::vector<core::FilterSetup> namedFilters;
    std::array<core::TemplateRecord, 4> templates; // templates 1 to 4
};

// How a data file is read: the layout of its version (2, 3 or 2000), the messages of its first head
// and of a run-time error, and which parts are wanted. Index lines not kept are read and skipped;
// without templates reading ends after the filter set-ups. A version 2 or 3 file's transactions
// are left as the older records, to be converted.
struct DataFileLayout {
    int version = 2000;
    std::string_view headMessage;
    std::string_view errorPrefix;
    bool keepsIndexes = true;
    bool readsTemplates = true;
};

inline constexpr DataFileLayout CurrentLayout{
    2000, "Not a Quillbook Data File : Expected [Company Name V2000] section, found '",
    "Error while loading Ver 2000 file : ", true, true};

// Reads a data file of `layout` from its first line on. Nothing when it failed; every failure has
// been reported.
std::optional<DataFileContents> ReadDataFileContents(runtime::TextReader& in, core::Book& book,
                                                     const DataFileLayout& layout);

// Reads a current-format file from its first line on. Nothing when it failed; every failure has
// been reported.
std::optional<DataFileContents> ReadCurrentDataFile(runtime::TextReader& in, core::Book& book);

// Replaces the book's contents with the file's: the lists, their mirrors and copies are emptied
// first and refilled, and the windows' copies are marked for refilling.
void PutContentsIntoBook(DataFileContents&& contents, core::Book& book, DataFileWindow& window);

} // namespace datafile
