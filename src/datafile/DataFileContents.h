#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CompanyDetails.h"
#include "core/FilterSetup.h"
#include "core/TemplateRecord.h"
#include "core/TransactionIndex.h"

namespace core {
class Book;
}

namespace runtime {
class TextReader;
}

namespace datafile {

class DataFileWindow;

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
    std::vector<core::IndexEntry> dateIndex;
    std::vector<core::IndexEntry> queryIndex;
    int scrollMax = 0;
    int scrollValue = 0;
    core::FilterSetup currentFilter;
    core::FilterSetup previousFilter;
    std::vector<core::FilterSetup> namedFilters;
    std::array<core::TemplateRecord, 4> templates; // templates 1 to 4
};

// Reads a current-format file from its first line on. Nothing when it failed; every failure has
// been reported.
std::optional<DataFileContents> ReadCurrentDataFile(runtime::TextReader& in, core::Book& book);

// Replaces the book's contents with the file's: the lists, their mirrors and copies are emptied
// first and refilled, and the windows' copies are marked for refilling.
void PutContentsIntoBook(DataFileContents&& contents, core::Book& book, DataFileWindow& window);

} // namespace datafile
