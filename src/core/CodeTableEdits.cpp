#include "core/CodeTableEdits.h"

#include <vector>

#include "core/Book.h"
#include "core/CodeLines.h"
#include "core/ListSearch.h"
#include "core/RecordField.h"
#include "core/SplitEntry.h"
#include "core/StandingOrderLine.h"
#include "platform/ListModel.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

constexpr int BankMirrorWidth = 27;
constexpr int SplitVatCodePosition = 45;

std::string alreadyExists(std::string_view code)
{
    return "Code '" + std::string(code) + "' already exists";
}

// A code as it stands in a record: blank-padded or cut to the code width.
std::string codeKey(std::string_view code, int codeWidth)
{
    return runtime::padRight(code, codeWidth);
}

// Looks a code up as the tables hold it, blank-padded, so "CAR" finds the category "CAR " only.
// A mirror item has lost its trailing blanks, so a short code with an empty name stands there
// bare ("AB" for "AB  "): that item is found by the code without its padding.
int findCode(const platform::ListModel& list, std::string_view code, int codeWidth)
{
    const std::string key = codeKey(code, codeWidth);
    const int index = FindListItem(list, key, codeWidth);
    return index >= 0 ? index : FindListItem(list, runtime::rtrim(key), codeWidth);
}

// A code stored in either letter case is the same code: an older file or an import may hold it in
// lower case while the edit box stores it upper-cased.
bool isCode(std::string_view field, std::string_view key)
{
    return runtime::sameUpperCased(codeKey(field, static_cast<int>(key.size())), key);
}

bool hasSplits(std::string_view record)
{
    return runtime::roundHalfEven(RecordNumber(record, RecordColumns::SplitCount)) >= 1;
}

// The record with the kind's code and, for VAT codes, its splits' codes re-keyed.
std::string rekeyRecord(std::string record, CodeKind kind, const std::string& oldKey, std::string_view newLine)
{
    const RecordColumn column = CodeColumn(kind);
    if (isCode(RecordField(record, column), oldKey))
        record.replace(static_cast<std::size_t>(column.start - 1), static_cast<std::size_t>(column.width),
                       runtime::padRight(runtime::left(newLine, column.width), column.width));
    if (kind == CodeKind::Vat && hasSplits(record) && record.size() > static_cast<std::size_t>(RecordFixedLength)) {
        const auto tailStart = static_cast<std::size_t>(RecordFixedLength);
        record.replace(tailStart, std::string::npos, ReplaceCodeInSplits(record.substr(tailStart), oldKey, newLine));
    }
    return record;
}

// The columns of a standing-order line that hold a code of the kind (1-based start): a transfer's
// receiving bank is a bank code too.
std::vector<int> standingOrderCodeColumns(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: return {StandingOrderColumns::Bank, StandingOrderColumns::SecondBank};
    case CodeKind::Customer: return {StandingOrderColumns::Customer};
    case CodeKind::Vat: return {StandingOrderColumns::VAT};
    case CodeKind::Category: return {StandingOrderColumns::Category};
    }
    return {};
}

// Every standing order that holds the old code takes the new one. A line of the older layout that
// changes is stored in the current one.
void rekeyStandingOrders(Book& book, CodeKind kind, const std::string& oldKey, std::string_view newLine)
{
    const int width = static_cast<int>(oldKey.size());
    const std::string newKey = codeKey(runtime::left(newLine, width), width);
    const std::vector<int> columns = standingOrderCodeColumns(kind);
    platform::ListModel& orders = book.codes.ListSTOs;
    for (int i = 0; i < orders.ListCount(); ++i) {
        std::string line = orders.List(i);
        AlignStandingOrderLine(line);
        bool changed = false;
        for (const int column : columns) {
            const auto at = static_cast<std::size_t>(column - 1);
            if (at < line.size() && isCode(std::string_view(line).substr(at, static_cast<std::size_t>(width)), oldKey)) {
                line.replace(at, static_cast<std::size_t>(width), newKey);
                changed = true;
            }
        }
        if (changed) {
            orders.setList(i, line);
            book.ledger.FileChanged = true;
        }
    }
}

std::string nameColumns(std::string_view line, CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank:
    case CodeKind::Customer: return runtime::mid(line, 8, 20);
    case CodeKind::Vat: return runtime::mid(line, 5, 20);
    case CodeKind::Category: return runtime::mid(line, 6, 20);
    }
    return {};
}

bool isKnownKind(CodeKind kind)
{
    return kind == CodeKind::Bank || kind == CodeKind::Vat || kind == CodeKind::Customer || kind == CodeKind::Category;
}

} // namespace

bool AddCodeLine(Messages& messages, platform::ListModel& table, platform::ListModel& mirror, const std::string& line,
                 const std::string& mirrorText, int codeWidth)
{
    if (FindListItem(table, line, codeWidth) >= 0) {
        messages.ShowErrorBox(alreadyExists(runtime::left(line, codeWidth)));
        return false;
    }
    table.AddItem(line);
    mirror.AddItem(runtime::rtrim(mirrorText));
    return true;
}

bool RemoveCodeLine(platform::ListModel& table, platform::ListModel& mirror, std::string_view code, int codeWidth)
{
    const int tableIndex = findCode(table, code, codeWidth);
    const int mirrorIndex = findCode(mirror, code, codeWidth);
    if (tableIndex < 0 || mirrorIndex < 0)
        return false;
    table.RemoveItem(tableIndex);
    mirror.RemoveItem(mirrorIndex);
    return true;
}

bool ReplaceCodeLine(Book& book, platform::ListModel& table, platform::ListModel& mirror,
                     const std::string& newLine, const std::string& mirrorText, std::string_view oldCode, int codeWidth,
                     CodeKind kind)
{
    const std::string newCode = runtime::left(newLine, codeWidth);
    const bool codeChanged = newCode != codeKey(oldCode, codeWidth);
    // The old line matches its own code in any letter case: only another code's line is a clash.
    if (codeChanged && !isCode(oldCode, newCode) && FindListItem(table, newCode, codeWidth) >= 0) {
        book.messages.ShowErrorBox(alreadyExists(newCode));
        return false;
    }
    const int tableIndex = findCode(table, oldCode, codeWidth);
    const int mirrorIndex = findCode(mirror, oldCode, codeWidth);
    if (tableIndex < 0 || mirrorIndex < 0)
        return false;
    if (codeChanged)
        PropagateCodeChange(book, kind, oldCode, newLine, codeWidth);
    table.RemoveItem(tableIndex);
    mirror.RemoveItem(mirrorIndex);
    table.AddItem(newLine);
    mirror.AddItem(runtime::rtrim(mirrorText));
    return true;
}

bool ConfirmDeleteCode(Book& book, std::string_view code, CodeKind kind)
{
    if (runtime::rtrim(code).empty())
        return false;
    const RecordColumn column = CodeColumn(kind);
    const std::string key = codeKey(code, column.width);
    const TransactionTable& table = book.ledger.Transactions;
    // Only live transactions use a code: a deleted one is gone at the next pack.
    bool used = false;
    for (int i = 1; i <= table.UpperBound() && !used; ++i) {
        const std::string_view record = table.Line(i);
        used = !RecordFlag(record, RecordColumns::Deleted) && isCode(RecordField(record, column), key);
    }
    const std::string question = used ? "Code '" + std::string(code)
                                            + "' is used in a number of transactions. Are you sure you wish to delete it?"
                                      : "Delete code '" + std::string(code) + "' ?";
    return book.messages.AskYesNo(question) == platform::Answer::Yes;
}

void PropagateCodeChange(Book& book, CodeKind kind, std::string_view oldCode,
                         std::string_view newLine, int codeWidth)
{
    const platform::Answer answer = book.messages.AskYesNo(
        "This Code's key value has changed. Do you wish to update transactions featuring this code to show the new value?");
    if (answer != platform::Answer::Yes)
        return;
    SetMousePointer(book.services(), HourglassPointer);
    const std::string oldKey = codeKey(oldCode, codeWidth);
    TransactionTable& table = book.ledger.Transactions;
    for (int i = 1; i <= table.UpperBound(); ++i) {
        const std::string_view record = table.Line(i);
        std::string rekeyed = rekeyRecord(std::string(record), kind, oldKey, newLine);
        if (rekeyed != record) {
            table.Replace(i, std::move(rekeyed));
            book.ledger.FileChanged = true;
        }
    }
    rekeyStandingOrders(book, kind, oldKey, newLine);
    SetMousePointer(book.services(), DefaultPointer);
    book.ledger.Window().RefreshQueryGrid();
}

std::string ReplaceCodeInSplits(std::string tail, std::string_view oldCode, std::string_view newLine)
{
    const std::string oldVat = codeKey(runtime::left(oldCode, 3), 3);
    const std::string newVat = runtime::left(newLine, 3);
    const double last = runtime::roundHalfEven(static_cast<double>(tail.size()) / SplitEntryWidth - 1);
    for (int entry = 0; entry <= last; ++entry) {
        const auto at = static_cast<std::size_t>(entry * SplitEntryWidth + SplitVatCodePosition - 1);
        if (at + 3 <= tail.size() && isCode(std::string_view(tail).substr(at, 3), oldVat))
            tail.replace(at, newVat.size(), newVat);
    }
    return tail;
}

void ClearAllCodeLists(Book& book)
{
    CodeTables& codes = book.codes;
    for (platform::ListModel* list : {&codes.ComboBank, &codes.ComboCustomer, &codes.ComboVAT, &codes.ComboAnal,
                                      &codes.ListBankAccounts, &codes.ListAnalCodes, &codes.ListCustCodes,
                                      &codes.ListVATCodes})
        list->Clear();
    book.ledger.Filters.Names.Clear();
    book.ledger.Filters.Names.AddItem(std::string(PreviousFilterName));
    book.ledger.Window().ClearFilterCodeLists();
    codes.ListSTOs.Clear();
}

void ApplyToBankBalance(Book& book, std::string_view bankCode, double amount)
{
    platform::ListModel& accounts = book.codes.ListBankAccounts;
    const int index = findCode(accounts, bankCode, CodeWidth(CodeKind::Bank));
    if (index < 0)
        return;
    const std::string line = accounts.List(index);
    BankAccountRecord account = ParseBankAccountLine(line);
    account.StartBalance += amount;
    const std::string newLine = FormatBankAccountLine(account);
    ReplaceCodeLine(book, accounts, book.codes.ComboBank, newLine, runtime::left(newLine, BankMirrorWidth),
                    runtime::left(line, CodeWidth(CodeKind::Bank)), CodeWidth(CodeKind::Bank), CodeKind::Bank);
}

std::string GetCodeName(const Book& book, std::string_view code, CodeKind kind)
{
    if (!isKnownKind(kind))
        return {};
    const platform::ListModel& table = book.codes.table(kind);
    const int index = findCode(table, code, CodeWidth(kind));
    return index < 0 ? std::string() : nameColumns(table.List(index), kind);
}

std::string GetCustomerAddress(const Book& book, std::string_view code)
{
    const platform::ListModel& customers = book.codes.ListCustCodes;
    const int index = findCode(customers, code, CodeWidth(CodeKind::Customer));
    return index < 0 ? std::string() : runtime::mid(customers.List(index), 29, 80);
}

double GetBankAccount(const Book& book, std::string_view code)
{
    const platform::ListModel& accounts = book.codes.ListBankAccounts;
    const int index = findCode(accounts, code, CodeWidth(CodeKind::Bank));
    return index < 0 ? 0 : ParseBankAccountLine(accounts.List(index)).StartBalance;
}

} // namespace core
