#include "datafile/TextImport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/TransactionEdits.h"
#include "core/TransactionLinesAdd.h"
#include "datafile/ExchangeFileReading.h"
#include "datafile/LineBreakEscape.h"
#include "datafile/SplitLinesNote.h"
#include "runtime/Date.h"
#include "runtime/Number.h"
#include "runtime/NumberScan.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

constexpr int CustomerMirrorWidth = 27;

std::string_view item(ImportItems values, std::size_t number)
{
    return number >= 1 && number <= values.size() ? values[number - 1] : std::string_view{};
}

// The item cut or blank-padded to its width, written over `field` so its room is used again.
void assignFixed(std::string& field, ImportItems values, std::size_t number, int width)
{
    const auto size = static_cast<std::size_t>(width);
    const std::string_view value = item(values, number);
    field.assign(value.substr(0, std::min(value.size(), size)));
    field.resize(size, ' ');
}

// An item's numeric value: the number at its start (blanks skipped, an optional sign, digits and one
// decimal point; no exponent), 0 when there is none. `whole` is false when anything but blanks
// follows it, or when the item holds something other than blanks yet no digit.
struct ItemNumber {
    double value = 0;
    bool whole = true;
};

ItemNumber readItemNumber(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    const runtime::NumberSpan number = runtime::scanNumber(text, start);
    const bool whole = number.hasDigits && text.find_first_not_of(' ', number.end) == std::string_view::npos;
    return {number.hasDigits ? runtime::val(text.substr(0, number.end)) : 0, whole};
}

double numberItem(ImportItems values, std::size_t number)
{
    return readItemNumber(item(values, number)).value;
}

double unsignedNumber(ImportItems values, std::size_t number)
{
    return std::fabs(numberItem(values, number));
}

bool flag(ImportItems values, std::size_t number)
{
    return item(values, number) == "Y";
}

std::int16_t splitCount(ImportItems values)
{
    return runtime::toInt16(numberItem(values, SplitCountItem));
}

// A record whose amounts or split count are not numbers of the form read refuses the whole file,
// naming its line (a file's records are its lines). A number too large for its field raises
// Overflow, as the split count's check does.
void checkNumberItems(ImportItems values, std::size_t line)
{
    for (std::size_t number : NumericTransactionItems) {
        const std::string_view text = item(values, number);
        if (!readItemNumber(text).whole)
            throw ExchangeFileError("line " + std::to_string(line) + " holds '" + std::string(text) + "' in field "
                                    + std::to_string(number) + ", which is not a number");
    }
    splitCount(values);
}

// Where a record's codes are, and how much of each item the code keeps.
struct CodeItem {
    std::size_t number;
    int width;
};
constexpr CodeItem TransactionCodeItems[] = {{4, 6}, {5, 6}, {6, 3}, {7, 4}};
constexpr CodeItem CustomerCodeItems[] = {{1, 6}};
constexpr CodeItem CategoryCodeItems[] = {{1, 4}};

// A code the data file cannot keep refuses the whole file, naming its line: the file stores a line
// break as the bytes 252 253 and reads that pair back as one, so such a code would come back as
// another.
void checkCodeItems(ImportItems values, std::size_t line, std::span<const CodeItem> codes)
{
    constexpr char StoredLineBreak[] = {EscapedCR, EscapedLF, '\0'};
    for (const CodeItem& code : codes) {
        const std::string_view text = item(values, code.number);
        if (text.substr(0, static_cast<std::size_t>(code.width)).find(StoredLineBreak) != std::string_view::npos)
            throw ExchangeFileError("line " + std::to_string(line) + " holds '" + std::string(text) + "' in field "
                                    + std::to_string(code.number)
                                    + ", a code holding the characters 252 253, which a data file reads as a line break");
    }
}

void checkCodeItems(const ImportRecords& records, std::span<const CodeItem> codes)
{
    for (std::size_t r = 0; r < records.size(); ++r)
        checkCodeItems(records[r], r + 1, codes);
}

// The items over the fields of an earlier record: a whole file is read with the one set of fields.
void readTransactionItems(ImportItems values, core::TransactionFields& fields)
{
    fields.Number.assign(static_cast<std::size_t>(core::RecordColumns::Number.width), ' ');
    // A date written out ("15 March 2025") is read whole, in its own year; other text is kept as
    // its first 11 characters, as the record's date field holds it.
    if (const std::string_view date = item(values, 2); runtime::parseDate(date))
        fields.Date.assign(date);
    else
        assignFixed(fields.Date, values, 2, core::DisplayDateWidth);
    assignFixed(fields.Reference, values, 3, 6);
    std::string* const codeFields[] = {&fields.Bank, &fields.Customer, &fields.VAT, &fields.Category};
    for (std::size_t k = 0; k < std::size(codeFields); ++k)
        assignFixed(*codeFields[k], values, TransactionCodeItems[k].number, TransactionCodeItems[k].width);
    assignFixed(fields.Memo, values, 8, 74);
    fields.Amount = unsignedNumber(values, AmountItem);
    fields.Reconciled = flag(values, 10);
    fields.Paid = flag(values, 11);
    fields.AmountPaid = unsignedNumber(values, AmountPaidItem);
    fields.VATAmount = numberItem(values, VatAmountItem);
    // The file carries no split lines: a count without them would promise splits the record lacks.
    fields.SplitCount = 0;
    fields.EEC = flag(values, 15);
    assignFixed(fields.Type, values, 16, 3);
    fields.Deleted = false;
}

bool importCodeLines(core::Book& book, core::CodeKind kind, const ImportRecords& records)
{
    const bool customers = kind == core::CodeKind::Customer;
    checkCodeItems(records, customers ? std::span<const CodeItem>(CustomerCodeItems) : CategoryCodeItems);
    const core::BusyPointer busy(book.services());
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (std::size_t r = 0; r < records.size(); ++r)
        lines.push_back(customers ? FieldsToCustomerLine(records[r]) : FieldsToCategoryLine(records[r]));
    for (const std::string& line : lines) {
        const std::string mirrorText = customers ? runtime::left(line, CustomerMirrorWidth) : line;
        if (core::AddCodeLine(book.messages, book.codes.table(kind), book.codes.mirror(kind), line, mirrorText,
                              core::CodeWidth(kind))) {
            book.ledger.FileChanged = true;
            (customers ? book.codes.CustomerListChanged : book.codes.CategoryListChanged) = true;
        }
    }
    return true;
}

} // namespace

core::TransactionFields FieldsToTransaction(ImportItems values)
{
    core::TransactionFields fields;
    readTransactionItems(values, fields);
    return fields;
}

core::TransactionFields FieldsToTransaction(const ImportRecord& values)
{
    const std::vector<std::string_view> views(values.begin(), values.end());
    return FieldsToTransaction(ImportItems(views));
}

std::string FieldsToCustomerLine(ImportItems values)
{
    core::CustomerRecord record;
    record.Code = std::string(item(values, 1));
    record.Name = std::string(item(values, 2));
    record.Address = std::string(item(values, 3));
    record.Tel = std::string(item(values, 4));
    record.Fax = std::string(item(values, 5));
    return core::FormatCustomerLine(record);
}

std::string FieldsToCategoryLine(ImportItems values)
{
    core::CategoryRecord record;
    record.Code = std::string(item(values, 1));
    record.Name = std::string(item(values, 2));
    return core::FormatCategoryLine(record);
}

bool ImportTransactions(core::Book& book, const ImportRecords& records)
{
    core::Ledger& ledger = book.ledger;
    if (ledger.Transactions.UpperBound() + static_cast<long>(records.size()) > core::TransactionTable::MaxTransactions) {
        core::ShowTransactionTableFull(book);
        return false;
    }
    // A value that is no number, or too large for its field, refuses the whole file before anything
    // is numbered or shown.
    for (std::size_t r = 0; r < records.size(); ++r)
        checkNumberItems(records[r], r + 1);
    checkCodeItems(records, TransactionCodeItems);
    const core::BusyPointer busy(book.services());
    // The file names no splits: every record is assembled without a tail.
    book.SplitTail.clear();
    core::NewTransactionLines added;
    added.Reserve(records.size());
    core::TransactionFields fields;
    const core::SequenceCounters countersBefore = book.counters;
    std::size_t addedWithoutSplits = 0;
    try {
        for (std::size_t r = 0; r < records.size(); ++r) {
            readTransactionItems(records[r], fields);
            const double counterBefore = book.counters.TransactionNumberCounter;
            fields.Number = book.counters.TakeNextTransactionNumber();
            // A refused record gives its number back, so the numbers stay without gaps.
            if (!added.AddRecord(book, fields))
                book.counters.TransactionNumberCounter = counterBefore;
            else if (splitCount(records[r]) >= 1)
                ++addedWithoutSplits;
        }
    } catch (...) {
        // Nothing was added: no number was given out either.
        book.counters = countersBefore;
        throw;
    }
    added.AddTo(book);
    if (addedWithoutSplits > 0)
        book.messages.ShowWarningBox(SplitLinesNotCarried("imported", addedWithoutSplits));
    return true;
}

bool ImportCustomers(core::Book& book, const ImportRecords& records)
{
    return importCodeLines(book, core::CodeKind::Customer, records);
}

bool ImportCategories(core::Book& book, const ImportRecords& records)
{
    return importCodeLines(book, core::CodeKind::Category, records);
}

} // namespace datafile
