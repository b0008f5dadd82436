#include "datafile/TextImport.h"

#include <cmath>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/TransactionEdits.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

constexpr int CustomerMirrorWidth = 27;

const std::string& item(const ImportRecord& values, std::size_t number)
{
    static const std::string none;
    return number >= 1 && number <= values.size() ? values[number - 1] : none;
}

std::string fixed(const ImportRecord& values, std::size_t number, int width)
{
    return runtime::padRight(item(values, number), width);
}

double unsignedNumber(const ImportRecord& values, std::size_t number)
{
    return std::fabs(runtime::val(item(values, number)));
}

bool flag(const ImportRecord& values, std::size_t number)
{
    return item(values, number) == "Y";
}

bool importCodeLines(core::Book& book, core::CodeKind kind, const std::vector<ImportRecord>& records)
{
    const core::BusyPointer busy(book.services());
    const bool customers = kind == core::CodeKind::Customer;
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const ImportRecord& values : records)
        lines.push_back(customers ? FieldsToCustomerLine(values) : FieldsToCategoryLine(values));
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

core::TransactionFields FieldsToTransaction(const ImportRecord& values)
{
    core::TransactionFields fields;
    fields.Number = runtime::space(6);
    fields.Date = fixed(values, 2, 11);
    fields.Reference = fixed(values, 3, 6);
    fields.Bank = fixed(values, 4, 6);
    fields.Customer = fixed(values, 5, 6);
    fields.VAT = fixed(values, 6, 3);
    fields.Category = fixed(values, 7, 4);
    fields.Memo = fixed(values, 8, 74);
    fields.Amount = unsignedNumber(values, 9);
    fields.Reconciled = flag(values, 10);
    fields.Paid = flag(values, 11);
    fields.AmountPaid = unsignedNumber(values, 12);
    fields.VATAmount = runtime::val(item(values, 13));
    fields.SplitCount = runtime::toInt16(runtime::val(item(values, 14)));
    fields.EEC = flag(values, 15);
    fields.Type = fixed(values, 16, 3);
    fields.Deleted = false;
    return fields;
}

std::string FieldsToCustomerLine(const ImportRecord& values)
{
    core::CustomerRecord record;
    record.Code = item(values, 1);
    record.Name = item(values, 2);
    record.Address = item(values, 3);
    record.Tel = item(values, 4);
    record.Fax = item(values, 5);
    return core::FormatCustomerLine(record);
}

std::string FieldsToCategoryLine(const ImportRecord& values)
{
    core::CategoryRecord record;
    record.Code = item(values, 1);
    record.Name = item(values, 2);
    return core::FormatCategoryLine(record);
}

bool ImportTransactions(core::Book& book, const std::vector<ImportRecord>& records)
{
    core::Ledger& ledger = book.ledger;
    if (ledger.Transactions.UpperBound() + static_cast<long>(records.size()) > core::TransactionTable::MaxTransactions) {
        core::ShowTransactionTableFull(book);
        return false;
    }
    std::vector<core::TransactionFields> transactions;
    transactions.reserve(records.size());
    for (const ImportRecord& values : records)
        transactions.push_back(FieldsToTransaction(values));
    const core::BusyPointer busy(book.services());
    // The file names no splits: every record is assembled without a tail.
    book.SplitTail.clear();
    for (core::TransactionFields& fields : transactions) {
        const double counterBefore = book.counters.TransactionNumberCounter;
        const int countBefore = ledger.Transactions.UpperBound();
        fields.Number = book.counters.TakeNextTransactionNumber();
        core::AddTransaction(book, fields);
        // A refused record gives its number back, so the numbers stay without gaps.
        if (ledger.Transactions.UpperBound() == countBefore)
            book.counters.TransactionNumberCounter = counterBefore;
    }
    return true;
}

bool ImportCustomers(core::Book& book, const std::vector<ImportRecord>& records)
{
    return importCodeLines(book, core::CodeKind::Customer, records);
}

bool ImportCategories(core::Book& book, const std::vector<ImportRecord>& records)
{
    return importCodeLines(book, core::CodeKind::Category, records);
}

} // namespace datafile
