#include "datafile/CoinjarImport.h"

#include <array>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/TextTests.h"
#include "core/TransactionLinesAdd.h"
#include "datafile/BookSnapshot.h"
#include "datafile/CoinjarEntry.h"
#include "datafile/ExchangeFileReading.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

constexpr std::array<std::string_view, 12> MonthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isMonthHeading(std::string_view line)
{
    for (std::string_view month : MonthAbbreviations)
        if (line.substr(0, 3) == month)
            return true;
    return false;
}

std::string mirrorText(core::CodeKind kind, const std::string& line)
{
    switch (kind) {
    case core::CodeKind::Bank:
    case core::CodeKind::Customer: return runtime::left(line, 27);
    case core::CodeKind::Vat: return runtime::left(line, 3) + " " + runtime::mid(line, 17, 20);
    case core::CodeKind::Category: return runtime::rtrim(line);
    }
    return line;
}

// A code entry as read: its code, name and amount (a bank account's balance, a VAT code's rate),
// with the amount's text for a message.
struct CodeEntry {
    std::string code;
    std::string name;
    double amount = 0;
    std::string amountText{};
};

CodeEntry withAmount(CodeEntry entry, std::string_view text)
{
    entry.amount = runtime::val(text);
    entry.amountText = runtime::trim(text);
    return entry;
}

// A balance or rate is stored in an amount column: one wider would be cut or push the name along,
// so the import is refused whole, naming the entry and the value.
void refuseAmountWiderThanItsField(core::Book& book, core::CodeKind kind, const std::string& code,
                                   const CodeEntry& entry)
{
    if (core::FitsAmountColumn(entry.amount))
        return;
    const bool bank = kind == core::CodeKind::Bank;
    book.messages.ShowErrorBox(std::string(bank ? "Coinjar bank account '" : "Coinjar VAT code '")
                               + runtime::rtrim(code) + (bank ? "' : balance '" : "' : rate '") + entry.amountText
                               + "' does not fit its field");
    throw CoinjarImportStopped();
}

// Adds a code unless a code of the same key is in its table already.
void importCode(core::Book& book, core::CodeKind kind, const CodeEntry& entry)
{
    core::CodeTables& codes = book.codes;
    const int width = core::CodeWidth(kind);
    const std::string code = runtime::padRight(runtime::ucase(runtime::trim(entry.code)), width);
    if (core::FindListItem(codes.table(kind), code, width) >= 0)
        return;
    if (kind == core::CodeKind::Bank || kind == core::CodeKind::Vat)
        refuseAmountWiderThanItsField(book, kind, code, entry);
    std::string line;
    switch (kind) {
    case core::CodeKind::Bank: {
        core::BankAccountRecord record;
        record.Code = code;
        record.Name = entry.name;
        record.DateOpened = runtime::format(book.services().now(), "dd/Mmm/yyyy");
        record.StartBalance = entry.amount;
        line = core::FormatBankAccountLine(record);
        codes.BankListChanged = true;
        codes.TransferBankListChanged = true;
        break;
    }
    case core::CodeKind::Vat: {
        core::VatCodeRecord record;
        record.Code = code;
        record.Rate = entry.amount;
        record.Name = entry.name;
        line = core::FormatVatCodeLine(record);
        codes.VatListChanged = true;
        break;
    }
    case core::CodeKind::Customer: {
        core::CustomerRecord record;
        record.Code = code;
        record.Name = entry.name;
        line = core::FormatCustomerLine(record);
        codes.CustomerListChanged = true;
        break;
    }
    case core::CodeKind::Category: {
        core::CategoryRecord record;
        record.Code = code;
        record.Name = entry.name;
        line = core::FormatCategoryLine(record);
        codes.CategoryListChanged = true;
        break;
    }
    }
    core::AddCodeLine(book.messages, codes.table(kind), codes.mirror(kind), line, mirrorText(kind, line), width);
}

// A "CJ4/3" code line: the code's columns, the name in 6-25, an amount in 47-58.
CodeEntry coinjar43CodeEntry(core::CodeKind kind, std::string_view line)
{
    const int codeWidth = kind == core::CodeKind::Bank ? 1 : kind == core::CodeKind::Category ? 2
                                                         : kind == core::CodeKind::Vat      ? 3
                                                                                            : 4;
    return withAmount({runtime::left(line, codeWidth), runtime::mid(line, 6, 20)}, runtime::mid(line, 47, 12));
}

int countLine(CoinjarFile& file)
{
    return runtime::toInt32(runtime::val(file.readLine()));
}

// Runs an import over a snapshot of the book: any failure puts the book back as it was.
template <class Run> bool importAllOrNothing(core::Book& book, Run run)
{
    const core::BusyPointer busy(book.services());
    const BookSnapshot before(book);
    bool imported = false;
    try {
        imported = run();
    } catch (const CoinjarImportStopped&) {
        imported = false;
    }
    if (!imported)
        before.Restore(book);
    return imported;
}

} // namespace

CoinjarFile::CoinjarFile(const std::filesystem::path& path) : text_(ReadExchangeText(path)) {}

std::string_view CoinjarFile::readLine()
{
    if (atEnd())
        throw runtime::Error(runtime::InputPastEndOfFile);
    return text_.lines[next_++];
}

bool CoinjarFile::FindCoinjarSection(const std::string& heading)
{
    while (!atEnd())
        if (runtime::rtrim(readLine()) == runtime::rtrim(heading))
            return true;
    return false;
}

void CoinjarFile::SkipFourLines()
{
    for (int line = 0; line < 4; ++line)
        readLine();
}

bool CoinjarFile::ReadCoinjarCodeLines(core::Book& book, core::CodeKind kind)
{
    while (!atEnd()) {
        const std::string_view line = readLine();
        if (core::IsBlank(line))
            break;
        importCode(book, kind, coinjar43CodeEntry(kind, line));
    }
    return true;
}

bool CoinjarFile::ReadCoinjarEntryLines(core::Book& book, const std::string& heading, core::NewTransactionLines& added)
{
    const bool standingOrders = heading == "Standi";
    const std::string prefix = (standingOrders ? "JAN-90" : runtime::padRight(heading, 6)) + " ";
    // One entry text for the whole block, so its room is made once.
    std::string entry;
    core::TransactionFields fields;
    while (!atEnd()) {
        const std::string_view line = readLine();
        if (core::IsBlank(line))
            break;
        entry.assign(prefix).append(line);
        if (ParseCoinjar43Line(book, entry, fields))
            AddCoinjarEntry(book, fields, standingOrders, added);
    }
    return true;
}

std::string CoinjarFile::FindNextMonthHeading()
{
    while (!atEnd()) {
        const std::string_view line = readLine();
        if (isMonthHeading(line))
            return runtime::left(line, 6);
    }
    return "*ERROR";
}

bool ImportCoinjar4File(core::Book& book, const std::filesystem::path& path, const CoinjarChoices& choices)
{
    return importAllOrNothing(book, [&] {
        try {
            CoinjarFile file(path);
            if (runtime::ucase(runtime::rtrim(file.readLine())) != "CJ4") {
                book.messages.ShowErrorBox("'" + runtime::textOfPath(path) + "' does not appear to be a Coinjar 3 File");
                return false;
            }
            file.readLine();
            for (int entry = countLine(file); entry > 0; --entry) {
                CodeEntry category{runtime::left(file.readLine(), 4), std::string(file.readLine())};
                if (choices.Categories)
                    importCode(book, core::CodeKind::Category, category);
            }
            for (int entry = countLine(file); entry > 0; --entry) {
                CodeEntry account{runtime::left(file.readLine(), 6), std::string(file.readLine())};
                account = withAmount(std::move(account), file.readLine());
                if (choices.Accounts)
                    importCode(book, core::CodeKind::Bank, account);
            }
            for (int entry = countLine(file); entry > 0; --entry) {
                file.readLine();
                file.readLine();
            }
            for (int entry = countLine(file); entry > 0; --entry) {
                CodeEntry vat{runtime::left(file.readLine(), 3), std::string(file.readLine())};
                vat = withAmount(std::move(vat), file.readLine());
                if (choices.VatCodes)
                    importCode(book, core::CodeKind::Vat, vat);
            }
            std::string heading = runtime::space(6);
            core::NewTransactionLines added;
            added.Reserve(file.lineCount());
            while (choices.Transactions && !file.atEnd()) {
                const std::string_view line = file.readLine();
                const std::string start = runtime::rtrim(runtime::left(line, 3));
                if (start == "Sta" || isMonthHeading(start)) {
                    heading = runtime::padRight(line, 6);
                    continue;
                }
                if (start.empty())
                    continue;
                if (LacksEntryMarkers(line))
                    break;
                core::TransactionFields fields;
                const CoinjarEntryKind kind = ParseCoinjar4Line(book, heading + " " + std::string(line), fields);
                if (kind != RefusedEntry)
                    AddCoinjarEntry(book, fields, kind == StandingOrderEntry, added);
            }
            added.AddTo(book);
            return true;
        } catch (const CoinjarImportStopped&) {
            throw;
        } catch (const runtime::Error& error) {
            book.messages.ShowErrorBox("Import error : " + error.description());
            return false;
        }
    });
}

bool ImportCoinjar43File(core::Book& book, const std::filesystem::path& path, const CoinjarChoices& choices)
{
    struct CodeSection {
        bool chosen;
        core::CodeKind kind;
        const char* heading;
        const char* missing;
        const char* failed;
    };
    const CodeSection sections[] = {
        {choices.Accounts, core::CodeKind::Bank, "Account codes:", "Importing CJ4 file - No Account codes section",
         "Failed to import CJ4 Account Codes"},
        {choices.Customers, core::CodeKind::Customer, "Sub-Account codes:",
         "Importing CJ4 File - No Sub-Account codes section", "Failed to import Sub-Account Codes"},
        {choices.Categories, core::CodeKind::Category, "Class codes:", "Importing CJ4 File - No Class codes section",
         "Failed to import Class Codes"},
        {choices.VatCodes, core::CodeKind::Vat, "VAT codes:", "Importing CJ4 File - No VAT codes section",
         "Failed to import VAT Codes"},
    };
    return importAllOrNothing(book, [&] {
        const auto stop = [&](const std::string& message) {
            book.messages.ShowErrorBox(message);
            return false;
        };
        try {
            CoinjarFile file(path);
            for (const CodeSection& section : sections) {
                if (!section.chosen)
                    continue;
                if (!file.FindCoinjarSection(section.heading))
                    return stop(section.missing);
                file.SkipFourLines();
                if (!file.ReadCoinjarCodeLines(book, section.kind))
                    return stop(section.failed);
            }
            if (!choices.Transactions)
                return true;
            if (!file.FindCoinjarSection("Standard Entries"))
                return stop("Importing CJ4 File - No Standard Entries section");
            core::NewTransactionLines added;
            added.Reserve(file.lineCount());
            if (!file.ReadCoinjarEntryLines(book, "Standi", added))
                return stop("Failed to import Standard Entries");
            for (std::string heading = file.FindNextMonthHeading(); heading != "*ERROR";
                 heading = file.FindNextMonthHeading())
                if (!file.ReadCoinjarEntryLines(book, heading, added))
                    return stop("Failed to import transactions for month" + heading);
            added.AddTo(book);
            return true;
        } catch (const CoinjarImportStopped&) {
            throw;
        } catch (const runtime::Error& error) {
            book.messages.ShowErrorBox("Import CJ4 File : " + error.description());
            return false;
        }
    });
}

} // namespace datafile
