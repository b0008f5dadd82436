#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeTableEdits.h"
#include "core/DataFiles.h"
#include "core/IndexOperations.h"
#include "datafile/CodeMirrorText.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileContents.h"
#include "datafile/DataFileWindow.h"
#include "datafile/OlderDataFile.h"
#include "runtime/FileIdentity.h"
#include "runtime/TextFile.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

void fillTable(platform::ListModel& table, platform::ListModel& mirror, const std::vector<std::string>& lines,
               std::string (*mirrorText)(const std::string&))
{
    for (const std::string& line : lines) {
        table.AddItem(line);
        mirror.AddItem(mirrorText(line));
    }
}

// The file read whole, once, what it was when it was read, and its first line: which kind of file
// this is.
struct OpenedFile {
    runtime::TextReader reader;
    std::optional<runtime::FileIdentity> identity;
    std::string firstLine;
};

std::optional<OpenedFile> openDataFile(const std::filesystem::path& path, core::Book& book)
{
    try {
        // Taken before the read: a change made while it reads then shows at the next save.
        std::optional<runtime::FileIdentity> identity = runtime::IdentityOfFile(path);
        runtime::TextReader reader(path);
        std::string firstLine(reader.peekLineView());
        return OpenedFile{std::move(reader), identity, std::move(firstLine)};
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Error while attempting to determine Version of QB data file : ")
                                   + error.what());
        book.FileToOpen.clear();
        return std::nullopt;
    }
}

} // namespace

void PutContentsIntoBook(DataFileContents&& c, core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    core::ClearAllCodeLists(book);
    window.ClearEntryFields(core::ClearWholeEditBox);
    window.UpdateMenuState();
    window.ResetGridRow();

    book.company = std::move(c.company);
    SetMainCaption(book, window);
    book.counters.TransactionNumberCounter = c.transactionNumberCounter;
    book.counters.InvoiceNumberCounter = c.invoiceNumberCounter;
    if (c.order)
        window.setSortOrder(*c.order);

    core::CodeTables& codes = book.codes;
    fillTable(codes.ListBankAccounts, codes.ComboBank, c.bankLines, BankMirrorText);
    codes.BankListChanged = true;
    codes.TransferBankListChanged = true;
    fillTable(codes.ListVATCodes, codes.ComboVAT, c.vatLines, VatMirrorText);
    codes.VatListChanged = true;
    fillTable(codes.ListCustCodes, codes.ComboCustomer, c.customerLines, CustomerMirrorText);
    codes.CustomerListChanged = true;
    fillTable(codes.ListAnalCodes, codes.ComboAnal, c.categoryLines, CategoryMirrorText);
    codes.CategoryListChanged = true;
    for (const std::string& line : c.standingOrders)
        codes.ListSTOs.AddItem(line);

    core::Ledger& ledger = book.ledger;
    ledger.Transactions.AdoptLines(std::move(c.transactionText), c.transactions, std::move(c.tableRegion));
    ledger.DateIndex.Assign(std::move(c.dateIndex));
    ledger.QueryIndex.Assign(std::move(c.queryIndex));
    window.setQueryScroll(c.scrollMax, c.scrollValue);

    ledger.Filters.CurrentFilter = c.currentFilter;
    ledger.Filters.PreviousFilter = c.previousFilter;
    ledger.Filters.ClearFilterSetupList();
    for (const core::FilterSetup& setup : c.namedFilters) {
        ledger.Filters.AppendFilterSetup(setup);
        ledger.Filters.Names.AddItem(setup.Name.str());
    }

    for (std::size_t i = 0; i < c.templates.size(); ++i)
        book.Templates[i + 1] = std::move(c.templates[i]);
}

bool LoadDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    core::BusyPointer busy(book.services());
    std::optional<OpenedFile> file = openDataFile(path, book);
    if (!file)
        return false;
    const std::string& firstLine = file->firstLine;
    if (runtime::ucase(runtime::left(firstLine, 4)) != "[COM") {
        book.messages.ShowErrorBox("Not a Quillbook Data File : Expected [Company Name] section, found '" + firstLine
                                   + "'  - Aborting Load");
        return false;
    }
    const int version = core::GetDataFileVersion(firstLine);
    if (version == 0) {
        book.messages.ShowErrorBox("Error : Unable to determine Version of Data File. Load Unsuccessful");
        return false;
    }
    const bool older = version == 2 || version == 3;
    RecordSummaries summaries;
    if (older) {
        const bool converted = version == 2 ? ConvertDataFileV2(path, file->reader, file->identity, book, window)
                                            : ConvertDataFileV3(path, file->reader, file->identity, book, window);
        if (!converted)
            return false;
    } else {
        std::optional<DataFileContents> contents = ReadCurrentDataFile(file->reader, book);
        if (!contents)
            return false;
        summaries = std::move(contents->transactionSummaries);
        PutContentsIntoBook(std::move(*contents), book, window);
        book.LastSeenDataFile.reset();
        if (file->identity)
            book.LastSeenDataFile = core::DataFileOnDisk{path, *file->identity};
    }
    book.ledger.FileChanged = false;
    window.setSaveItemEnabled(true);
    book.CurrentDataFilePath = path;
    // Indexes written by another program may disagree with the table; they are rebuilt rather than
    // trusted. A converted book's were built from its table.
    if (!older)
        core::RepairIndexes(book, summaries);
    book.ledger.Filters.FiltersChanged = true;
    window.ShowLoadedBook();
    return true;
}

void SetMainCaption(core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    window.setCaption(std::string(core::ProductTitle) + " : " + runtime::rtrim(book.company.CompanyName.view()));
}

} // namespace datafile
