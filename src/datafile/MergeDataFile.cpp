#include "datafile/MergeDataFile.h"

#include <algorithm>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeTableEdits.h"
#include "core/DataFiles.h"
#include "core/IndexOperations.h"
#include "core/ListSearch.h"
#include "core/StandingOrderLine.h"
#include "core/TransactionEdits.h"
#include "core/TransactionTable.h"
#include "core/TransactionRecord.h"
#include "datafile/CodeMirrorText.h"
#include "datafile/DataFileContents.h"
#include "datafile/DataFileWindow.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

// Only what a merge takes: index lines are skipped, templates not read.
constexpr DataFileLayout MergeLayout{2000, CurrentLayout.headMessage, "Merge error : ", false, false};

constexpr int FilterNameWidth = 20;

std::optional<DataFileContents> readMergedFile(const std::filesystem::path& path, core::Book& book)
{
    try {
        runtime::TextReader in(path);
        const std::string firstLine(in.peekLineView());
        if (runtime::ucase(runtime::left(firstLine, 4)) == "[COM" && core::GetDataFileVersion(firstLine) != 2000) {
            book.messages.ShowErrorBox("Can only merge Version 2000 Data Files - Aborting Load");
            return std::nullopt;
        }
        return ReadDataFileContents(in, book, MergeLayout);
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string(MergeLayout.errorPrefix) + error.what());
    }
    return std::nullopt;
}

// Adds the code lines the table lacks; each one it has already is refused with its own message.
bool addCodeLines(core::Book& book, platform::ListModel& table, platform::ListModel& mirror,
                  const std::vector<std::string>& lines, std::string (*mirrorText)(const std::string&), int codeWidth)
{
    bool added = false;
    for (const std::string& line : lines)
        added = core::AddCodeLine(book.messages, table, mirror, line, mirrorText(line), codeWidth) || added;
    return added;
}

bool addCodes(const DataFileContents& file, core::Book& book)
{
    core::CodeTables& codes = book.codes;
    bool added = addCodeLines(book, codes.ListBankAccounts, codes.ComboBank, file.bankLines, BankMirrorText, 6);
    codes.BankListChanged = true;
    codes.TransferBankListChanged = true;
    added = addCodeLines(book, codes.ListVATCodes, codes.ComboVAT, file.vatLines, VatMirrorText, 3) || added;
    codes.VatListChanged = true;
    added = addCodeLines(book, codes.ListCustCodes, codes.ComboCustomer, file.customerLines, CustomerMirrorText, 6)
            || added;
    codes.CustomerListChanged = true;
    added = addCodeLines(book, codes.ListAnalCodes, codes.ComboAnal, file.categoryLines, CategoryMirrorText, 4)
            || added;
    codes.CategoryListChanged = true;
    return added;
}

// Numbers go on from the larger counters, so no number the book has given out comes again. The
// records are appended as they are numbered (a record in stored form by copying it under its new
// number); the indexes are rebuilt once afterwards. A record that does not assemble has been
// reported and is left out.
bool addTransactions(const DataFileContents& file, core::Book& book)
{
    core::SequenceCounters& counters = book.counters;
    counters.TransactionNumberCounter = std::max(counters.TransactionNumberCounter, file.transactionNumberCounter);
    counters.InvoiceNumberCounter = std::max(counters.InvoiceNumberCounter, file.invoiceNumberCounter);
    const std::string editedTail = book.SplitTail;
    bool added = false;
    for (std::string_view line : file.transactions) {
        const double counterBefore = counters.TransactionNumberCounter;
        const std::string number = counters.TakeNextTransactionNumber();
        std::optional<std::string> record = core::RecordInStoredForm(line, number);
        if (!record) {
            core::TransactionFields fields;
            core::ParseTransactionRecord(book, line, fields);
            fields.Number = number;
            record = core::AssembleTransactionRecord(book, fields);
        }
        if (!record) {
            counters.TransactionNumberCounter = counterBefore;
            continue;
        }
        book.ledger.Transactions.Append(std::move(*record));
        added = true;
    }
    book.SplitTail = editedTail;
    if (added)
        core::RebuildDateIndex(book);
    return added;
}

// Adds the named set-ups whose names the book does not hold yet, letter case ignored.
bool addNamedFilters(const DataFileContents& file, core::Book& book)
{
    core::FilterStore& filters = book.ledger.Filters;
    bool added = false;
    for (const core::FilterSetup& setup : file.namedFilters) {
        if (core::FindListItem(filters.Names, setup.Name.view(), FilterNameWidth) >= 0)
            continue;
        filters.AppendFilterSetup(setup);
        filters.Names.AddItem(setup.Name.str());
        added = true;
    }
    if (added)
        filters.FiltersChanged = true;
    return added;
}

} // namespace

bool MergeDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    const core::BusyPointer busy(book.services());
    const std::optional<DataFileContents> file = readMergedFile(path, book);
    if (!file)
        return false;
    core::Ledger& ledger = book.ledger;
    if (ledger.Transactions.UpperBound() + static_cast<int>(file->transactions.size())
        > core::TransactionTable::MaxTransactions) {
        core::ShowTransactionTableFull(book);
        return false;
    }

    bool changed = addCodes(*file, book);
    for (const std::string& line : file->standingOrders)
        core::AddStandingOrderLine(book, line);
    changed = addTransactions(*file, book) || !file->standingOrders.empty() || changed;
    changed = addNamedFilters(*file, book) || changed;
    if (changed)
        ledger.FileChanged = true;

    core::ApplyFilterInSortOrder(book);
    window.ClearEntryFields(core::ClearWholeEditBox);
    window.UpdateMenuState();
    window.SyncQueryScrollBar();
    window.RefreshQueryGrid();
    return true;
}

} // namespace datafile
