#include "datafile/Archive.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeTableEdits.h"
#include "core/IndexOperations.h"
#include "core/MoneyFormat.h"
#include "core/Packing.h"
#include "core/RecordField.h"
#include "core/SplitEntry.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "datafile/BookSnapshot.h"
#include "runtime/AtomicFile.h"
#include "runtime/Date.h"
#include "runtime/Error.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

// One bank account's share of the start-balance change of a run.
struct BankAdjustment {
    std::string Code;
    double Sum = 0;
};

std::vector<BankAdjustment> bankAdjustments(const core::Book& book)
{
    std::vector<BankAdjustment> adjustments;
    const platform::ListModel& accounts = book.codes.ListBankAccounts;
    for (int item = 0; item < accounts.ListCount(); ++item)
        adjustments.push_back({runtime::padRight(runtime::left(accounts.List(item), 6), 6)});
    return adjustments;
}

// Adds a reconciled record's signed amount (times `direction`) to its account's share.
void adjust(std::vector<BankAdjustment>& adjustments, std::string_view line, double direction)
{
    if (!core::RecordFlag(line, core::RecordColumns::Reconciled))
        return;
    const std::string_view bank = core::RecordField(line, core::RecordColumns::Bank);
    for (BankAdjustment& adjustment : adjustments)
        if (adjustment.Code == bank) {
            adjustment.Sum += direction * core::GetSignedAmount(line);
            return;
        }
}

// True when every account's start balance, once its share is added, keeps to its column. Otherwise
// the first that would not is named in the range message (`run` says what would move it) and the
// answer is false: a start balance is never stored cut.
bool startBalancesFit(core::Book& book, const std::vector<BankAdjustment>& adjustments, const std::string& run)
{
    for (const BankAdjustment& adjustment : adjustments) {
        const double balance = core::GetBankAccount(book, adjustment.Code) + adjustment.Sum;
        if (!core::FitsAmountColumn(balance)) {
            book.messages.ShowErrorBox(std::string("Start Balance must be between ") + core::AmountColumnRange + " : "
                                       + run + " would make that of '" + runtime::rtrim(adjustment.Code) + "' "
                                       + runtime::trim(core::FormatAmountPlainUncut(balance)));
            return false;
        }
    }
    return true;
}

void applyAdjustments(core::Book& book, const std::vector<BankAdjustment>& adjustments)
{
    for (const BankAdjustment& adjustment : adjustments)
        core::ApplyToBankBalance(book, adjustment.Code, adjustment.Sum);
}

// The set-up a restore runs under: every criterion off but the types, which take every type.
core::FilterSetup passEveryTransaction()
{
    core::FilterSetup setup;
    setup.TypeOn = core::FlagTrue;
    setup.Types = "PBIRYZ";
    return setup;
}

// True when a line holds one whole stored record: its fixed part and exactly the split entries its
// count names.
bool isWholeRecord(std::string_view line)
{
    if (line.size() < static_cast<std::size_t>(core::RecordFixedLength))
        return false;
    const double count = core::RecordNumber(line, core::RecordColumns::SplitCount);
    return count >= 0 && count == std::floor(count)
           && static_cast<double>(line.size()) == core::RecordFixedLength + count * core::SplitEntryWidth;
}

// The record lines of an archive after its two head lines, as views of the reader's text; empty
// lines are passed over. Nothing, after its message, when a line is not one whole record: the
// archive ends every line with CR LF, so a last line without its line end, or with a CR alone,
// is where the file was cut, however whole it looks.
std::optional<std::vector<std::string_view>> readArchivedRecords(core::Book& book, runtime::TextReader& file)
{
    std::vector<std::string_view> records;
    for (int lineNumber = 3; !file.atEnd(); ++lineNumber) {
        const std::size_t start = file.mark();
        const std::string_view line = file.readLineView();
        if (line.empty())
            continue;
        const std::string_view read = file.textSince(start);
        const bool ended = read.size() > line.size() && (read.back() == '\n' || !file.atEnd());
        if (!ended || !isWholeRecord(line)) {
            book.messages.ShowErrorBox("Abandoning Restore - line " + std::to_string(lineNumber)
                                       + " is not a whole record '" + std::string(line) + "'");
            return std::nullopt;
        }
        records.push_back(line);
    }
    return records;
}

// Adds a record of an archive as AddTransaction adds its parsed fields; one in stored form that
// keeps its number is stored as it stands, without parsing and assembling it.
bool addArchivedRecord(core::Book& book, std::string_view line)
{
    std::optional<std::string> record = core::RecordInStoredForm(line);
    if (!record || runtime::rtrim(core::RecordField(*record, core::RecordColumns::Number)).empty()) {
        core::TransactionFields fields;
        core::ParseTransactionRecord(book, line, fields);
        return core::AddTransaction(book, fields);
    }
    core::Ledger& ledger = book.ledger;
    ledger.Transactions.Append(*record);
    ledger.FileChanged = true;
    return core::AddToIndexes(book, *record);
}

// Adds the records in order; false after its message when one cannot be added.
bool addArchivedRecords(core::Book& book, const std::vector<std::string_view>& records)
{
    // A parse leaves its record's split tail in the book, where the edit box keeps its own.
    const std::string editedTail = book.SplitTail;
    bool added = true;
    for (const std::string_view line : records) {
        if (book.ledger.Transactions.IsFull() || !addArchivedRecord(book, line)) {
            book.messages.ShowErrorBox("Abandoning Restore - unable to add record '" + std::string(line) + "'");
            added = false;
            break;
        }
    }
    book.SplitTail = editedTail;
    return added;
}

} // namespace

std::string ArchiveDateKey(const std::string& text)
{
    if (runtime::trim(text).empty())
        return "";
    const std::optional<runtime::Date> date = runtime::parseDate(text);
    return date ? runtime::format(*date, "yyyymmdd") : text;
}

bool ArchiveTransactions(const std::filesystem::path& path, const std::string& fromText, const std::string& toText,
                         core::Book& book)
{
    const core::BusyPointer busy(book.services());
    const BookSnapshot before(book);
    try {
        std::vector<BankAdjustment> adjustments = bankAdjustments(book);
        // The lines are gathered and written in one go: an archive can hold the whole book.
        std::string text;
        const auto addLine = [&text](std::string_view line) { text.append(line).append("\r\n"); };
        addLine(std::string("[ARCHIVE FILE - ") + core::ProductTitle + "]");
        addLine("<ARC> " + fromText + " - " + toText + " " + runtime::rtrim(book.company.CompanyName.str()) + " ("
                + runtime::format(book.services().now(), "dd/Mmm/yyyy hh:mm:ss") + ")");
        const std::string fromKey = runtime::padRight(ArchiveDateKey(fromText), 8);
        const std::string toKey = runtime::padRight(ArchiveDateKey(toText), 8);
        core::Ledger& ledger = book.ledger;
        std::vector<int> archived;
        const int start = ledger.DateIndex.FindIndexLowerBound(fromKey);
        for (int position = start; position >= 1 && position <= ledger.DateIndex.UpperBound(); ++position) {
            const int record = ledger.DateIndex.at(position).RecordNumber;
            const std::string_view line = ledger.Transactions.Line(record);
            const std::string_view date = core::RecordField(line, core::RecordColumns::Date);
            if (date > std::string_view(toKey))
                break;
            // The lower bound answers the last entry when none is on or after From.
            if (date < std::string_view(fromKey) || core::RecordFlag(line, core::RecordColumns::Deleted))
                continue;
            addLine(line);
            archived.push_back(record);
            adjust(adjustments, line, 1);
        }
        if (!startBalancesFit(book, adjustments, "the archive"))
            return false;
        runtime::AtomicFile file(path);
        file.writer().write(text);
        for (int record : archived)
            ledger.Transactions.Replace(record, core::MarkedDeleted(ledger.Transactions.Line(record)));
        applyAdjustments(book, adjustments);
        if (!core::PackTransactions(book)) {
            before.Restore(book);
            return false;
        }
        file.commit();
    } catch (const runtime::Error& error) {
        book.messages.ShowErrorBox("Archive error : " + error.description());
        before.Restore(book);
        return false;
    }
    book.ledger.Window().ClearEntryFields(5);
    book.ledger.Window().UpdateMenuState();
    return true;
}

bool RestoreArchiveFile(const std::filesystem::path& path, core::Book& book)
{
    core::FilterStore& filters = book.ledger.Filters;
    const core::FilterSetup inForce = filters.CurrentFilter;
    filters.PreviousFilter = inForce;
    const BookSnapshot before(book);
    bool restored = false;
    {
        const core::BusyPointer busy(book.services());
        filters.CurrentFilter = passEveryTransaction();
        try {
            std::vector<BankAdjustment> adjustments = bankAdjustments(book);
            runtime::TextReader file(path);
            const std::string head = file.atEnd() ? "" : file.readLine();
            if (!runtime::sameUpperCased(runtime::left(head, 4), "[ARC")) {
                book.messages.ShowErrorBox("Expected [ARCHIVE FILE] section, found '" + head + "'  - Aborting Load");
            } else {
                if (!file.atEnd())
                    file.readLine();
                const std::optional<std::vector<std::string_view>> records = readArchivedRecords(book, file);
                if (records) {
                    for (const std::string_view line : *records)
                        adjust(adjustments, line, -1);
                    restored = startBalancesFit(book, adjustments, "the restore") && addArchivedRecords(book, *records);
                }
                if (restored)
                    applyAdjustments(book, adjustments);
            }
        } catch (const runtime::Error& error) {
            book.messages.ShowErrorBox("Restore error : " + error.description());
            restored = false;
        }
    }
    filters.CurrentFilter = inForce;
    if (!restored) {
        before.Restore(book);
        return false;
    }
    core::ApplyFilterInSortOrder(book);
    if (book.ledger.QueryIndex.empty()) {
        book.messages.ShowErrorBox("No records match the filter criteria...");
        return true;
    }
    core::BookWindow& window = book.ledger.Window();
    window.ClearEntryFields(5);
    window.UpdateMenuState();
    window.SyncQueryScrollBar();
    window.RefreshQueryGrid();
    return true;
}

} // namespace datafile
