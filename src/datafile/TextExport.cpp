#include "datafile/TextExport.h"

#include <algorithm>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeKind.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/RecordField.h"
#include "datafile/LineBreakEscape.h"
#include "datafile/SplitLinesNote.h"
#include "runtime/AtomicFile.h"

namespace datafile {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// The column of each field from 1; fields 4 to 7 hold codes, which "Expand Codes" turns into names.
constexpr core::RecordColumn PlainColumns[] = {
    {0, 0},
    core::RecordColumns::Number,
    core::RecordColumns::Date,
    core::RecordColumns::Reference,
    core::RecordColumns::Bank,
    core::RecordColumns::Customer,
    core::RecordColumns::VAT,
    core::RecordColumns::Category,
    core::RecordColumns::Memo,
    core::RecordColumns::Amount,
    core::RecordColumns::Reconciled,
    core::RecordColumns::Paid,
    core::RecordColumns::AmountPaid,
    core::RecordColumns::VATAmount,
    core::RecordColumns::SplitCount,
    core::RecordColumns::EEC,
    core::RecordColumns::Type,
};

// The kinds of the codes in fields 4 to 7.
constexpr core::CodeKind CodeKinds[] = {core::CodeKind::Bank, core::CodeKind::Customer, core::CodeKind::Vat,
                                        core::CodeKind::Category};

constexpr int FirstCodeField = 4;
constexpr int DateField = 2;
constexpr int AmountField = 9;
constexpr int AmountPaidField = 12;

// Code lines: (first column, width) of each field from 1.
constexpr core::RecordColumn CustomerColumns[] = {{0, 0}, {1, 6}, {8, 20}, {29, 80}, {110, 15}, {126, 15}};
constexpr core::RecordColumn CategoryColumns[] = {{0, 0}, {1, 4}, {6, 20}};

template <std::size_t N>
void appendColumnValue(std::string& text, const core::RecordColumn (&columns)[N], int field, std::string_view line)
{
    if (field >= 1 && field < static_cast<int>(N))
        text += core::RecordField(line, columns[field]);
}

bool isNegativeType(std::string_view record)
{
    const std::string_view type = core::RecordField(record, core::RecordColumns::Type);
    return type == "PAY" || type == "BIL";
}

void appendTransactionValue(std::string& text, const core::Book& book, int field, std::string_view record,
                            const ExportOptions& options)
{
    if (field < 1 || field >= static_cast<int>(std::size(PlainColumns)))
        return;
    if (options.expandCodes && field >= FirstCodeField && field < FirstCodeField + static_cast<int>(std::size(CodeKinds))) {
        const core::CodeKind kind = CodeKinds[field - FirstCodeField];
        text += core::GetCodeName(book, core::RecordField(record, core::CodeColumn(kind)), kind);
        return;
    }
    const std::string_view stored = core::RecordField(record, PlainColumns[field]);
    if (field == DateField) {
        text += core::FormatYmdAsDisplayDate(stored);
        return;
    }
    if ((field == AmountField || field == AmountPaidField) && options.signTransactions && isNegativeType(record))
        text += '-';
    text += stored;
}

// The value of one field, appended to the text in place and quoted there.
void appendFieldValue(std::string& text, const core::Book& book, ExchangeKind kind, int field, std::string_view source,
                      const ExportOptions& options)
{
    switch (kind) {
    case ExchangeKind::Transactions: appendTransactionValue(text, book, field, source, options); break;
    case ExchangeKind::Customers: appendColumnValue(text, CustomerColumns, field, source); break;
    case ExchangeKind::Categories: appendColumnValue(text, CategoryColumns, field, source); break;
    }
}

void appendExportLine(std::string& text, const core::Book& book, ExchangeKind kind, std::string_view source,
                      const ExportOptions& options)
{
    // Values come from the source line, or from names when codes are expanded; dates and amounts
    // hold no quote. A line without one needs no value searched.
    const bool mayHoldQuote =
        source.find('"') != std::string_view::npos || (kind == ExchangeKind::Transactions && options.expandCodes);
    for (std::size_t k = 0; k < options.layout.size(); ++k) {
        if (k > 0)
            text += options.separator;
        text += '"';
        const std::size_t valueStart = text.size();
        appendFieldValue(text, book, kind, options.layout[k], source, options);
        if (mayHoldQuote)
            std::replace(text.begin() + static_cast<std::ptrdiff_t>(valueStart), text.end(), '"', '\'');
        text += '"';
    }
}

// Room for one transaction line: each field at its stored width, or the 12 characters of a shown
// date or signed amount, with its quotes and separator, and the line end. Expanded names may
// take more, which only grows the text once.
std::size_t exportLineCapacity(const ExportOptions& options)
{
    constexpr std::size_t ShownWidth = 12;
    std::size_t capacity = LineEnd.size();
    for (const int field : options.layout) {
        const bool stored = field >= 1 && field < static_cast<int>(std::size(PlainColumns));
        capacity += std::max(stored ? static_cast<std::size_t>(PlainColumns[field].width) : 0, ShownWidth) + 3;
    }
    return capacity;
}

// The lines go to a temporary file that replaces the target only when all of them were written.
void writeLines(const std::filesystem::path& file, const std::string& text)
{
    runtime::AtomicFile out(file);
    out.writer().write(text);
    out.commit();
}

std::string codeLineExport(const core::Book& book, ExchangeKind kind, const platform::ListModel& list,
                           const ExportOptions& options)
{
    std::string text;
    for (int i = 0; i < list.ListCount(); ++i) {
        std::string line = list.List(i);
        // An address's line breaks become two blanks, so each record stays on one line.
        EscapeLineBreaks(line);
        FlattenLineBreaks(line);
        appendExportLine(text, book, kind, line, options);
        text += LineEnd;
    }
    return text;
}

bool exportCodeLines(core::Book& book, ExchangeKind kind, const std::filesystem::path& file,
                     const ExportOptions& options, const std::string& emptyMessage)
{
    const platform::ListModel& list =
        book.codes.table(kind == ExchangeKind::Customers ? core::CodeKind::Customer : core::CodeKind::Category);
    if (list.ListCount() == 0) {
        book.messages.ShowErrorBox(emptyMessage);
        return false;
    }
    const core::BusyPointer busy(book.services());
    writeLines(file, codeLineExport(book, kind, list, options));
    return true;
}

} // namespace

std::string TransactionFieldValue(const core::Book& book, int field, std::string_view record,
                                  const ExportOptions& options)
{
    std::string value;
    appendTransactionValue(value, book, field, record, options);
    return value;
}

std::string CustomerFieldValue(int field, std::string_view line)
{
    std::string value;
    appendColumnValue(value, CustomerColumns, field, line);
    return value;
}

std::string CategoryFieldValue(int field, std::string_view line)
{
    std::string value;
    appendColumnValue(value, CategoryColumns, field, line);
    return value;
}

std::string BuildExportLine(const core::Book& book, ExchangeKind kind, std::string_view source,
                            const ExportOptions& options)
{
    std::string line;
    appendExportLine(line, book, kind, source, options);
    return line;
}

bool ExportTransactions(core::Book& book, const std::filesystem::path& file, const ExportOptions& options,
                        TransactionSource source)
{
    const core::Ledger& ledger = book.ledger;
    std::vector<std::string_view> records;
    if (source == TransactionSource::Grid) {
        records.reserve(static_cast<std::size_t>(ledger.QueryIndex.UpperBound()));
        for (const core::IndexEntry& entry : ledger.QueryIndex.entries())
            records.push_back(ledger.Transactions.Line(entry.RecordNumber));
    } else {
        // A deleted transaction has no column that says so in the export: written, it would come
        // back live on import.
        records.reserve(static_cast<std::size_t>(ledger.Transactions.UpperBound()));
        for (int r = 1; r <= ledger.Transactions.UpperBound(); ++r) {
            const std::string_view line = ledger.Transactions.Line(r);
            if (!core::RecordFlag(line, core::RecordColumns::Deleted))
                records.push_back(line);
        }
    }
    if (records.empty()) {
        book.messages.ShowErrorBox(source == TransactionSource::Grid ? "There are no transactions in the grid."
                                                                     : "There are no transactions in this file.");
        return false;
    }
    const core::BusyPointer busy(book.services());
    // One text for the whole file, written at once.
    std::string text;
    text.reserve(records.size() * exportLineCapacity(options));
    std::size_t withSplits = 0;
    for (const std::string_view record : records) {
        appendExportLine(text, book, ExchangeKind::Transactions, record, options);
        text += LineEnd;
        if (core::RecordNumber(record, core::RecordColumns::SplitCount) >= 1)
            ++withSplits;
    }
    writeLines(file, text);
    if (withSplits > 0)
        book.messages.ShowWarningBox(SplitLinesNotCarried("exported", withSplits));
    return true;
}

bool ExportCustomers(core::Book& book, const std::filesystem::path& file, const ExportOptions& options)
{
    return exportCodeLines(book, ExchangeKind::Customers, file, options, "Current file has no customers.");
}

bool ExportCategories(core::Book& book, const std::filesystem::path& file, const ExportOptions& options)
{
    return exportCodeLines(book, ExchangeKind::Categories, file, options, "Current file has no categories.");
}

} // namespace datafile
