#include "datafile/TextExport.h"

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeKind.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/RecordField.h"
#include "datafile/LineBreakEscape.h"
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

template <std::size_t N> std::string columnValue(const core::RecordColumn (&columns)[N], int field, std::string_view line)
{
    if (field < 1 || field >= static_cast<int>(N))
        return {};
    return std::string(core::RecordField(line, columns[field]));
}

bool isNegativeType(std::string_view record)
{
    const std::string_view type = core::RecordField(record, core::RecordColumns::Type);
    return type == "PAY" || type == "BIL";
}

void appendQuoted(std::string& line, std::string value)
{
    for (char& c : value) {
        if (c == '"')
            c = '\'';
    }
    line += '"';
    line += value;
    line += '"';
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
        text += BuildExportLine(book, kind, line, options);
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
    if (field < 1 || field >= static_cast<int>(std::size(PlainColumns)))
        return {};
    if (options.expandCodes && field >= FirstCodeField && field < FirstCodeField + static_cast<int>(std::size(CodeKinds))) {
        const core::CodeKind kind = CodeKinds[field - FirstCodeField];
        return core::GetCodeName(book, core::RecordField(record, core::CodeColumn(kind)), kind);
    }
    const std::string_view stored = core::RecordField(record, PlainColumns[field]);
    if (field == DateField)
        return core::FormatYmdAsDisplayDate(stored);
    if ((field == AmountField || field == AmountPaidField) && options.signTransactions && isNegativeType(record))
        return "-" + std::string(stored);
    return std::string(stored);
}

std::string CustomerFieldValue(int field, std::string_view line)
{
    return columnValue(CustomerColumns, field, line);
}

std::string CategoryFieldValue(int field, std::string_view line)
{
    return columnValue(CategoryColumns, field, line);
}

std::string BuildExportLine(const core::Book& book, ExchangeKind kind, std::string_view source,
                            const ExportOptions& options)
{
    std::string line;
    line.reserve(256);
    for (std::size_t k = 0; k < options.layout.size(); ++k) {
        if (k > 0)
            line += options.separator;
        const int field = options.layout[k];
        switch (kind) {
        case ExchangeKind::Transactions: appendQuoted(line, TransactionFieldValue(book, field, source, options)); break;
        case ExchangeKind::Customers: appendQuoted(line, CustomerFieldValue(field, source)); break;
        case ExchangeKind::Categories: appendQuoted(line, CategoryFieldValue(field, source)); break;
        }
    }
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
    std::string text;
    text.reserve(records.size() * 200);
    for (const std::string_view record : records) {
        text += BuildExportLine(book, ExchangeKind::Transactions, record, options);
        text += LineEnd;
    }
    writeLines(file, text);
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
