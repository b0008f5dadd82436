#include "datafile/CoinjarEntry.h"

#include "core/Book.h"
#include "core/CodeKind.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/ListSearch.h"
#include "core/StandingOrderLine.h"
#include "core/TransactionEdits.h"
#include "core/TransactionLinesAdd.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

// Where the two layouts keep the fixed part of an entry string (1-based; 0 for none).
struct EntryColumns {
    int day;
    int category;
    int customer;
    int reconciled;
    int referenceStart;
};

constexpr EntryColumns Coinjar43Columns{8, 15, 11, 18, 19};
constexpr EntryColumns Coinjar4Columns{11, 8, 0, 14, 15};
constexpr int BankColumn = 10;
constexpr char NoVatCode = '\xDE';

std::string column(std::string_view entry, int start, int width)
{
    const auto from = static_cast<std::size_t>(start - 1);
    return runtime::padRight(from < entry.size() ? entry.substr(from, static_cast<std::size_t>(width)) : std::string_view{},
                             width);
}

// The text after position `from` (0-based, exclusive) up to `to`; empty when they cross.
std::string between(std::string_view entry, std::size_t from, std::size_t to)
{
    return to > from ? std::string(entry.substr(from, to - from)) : std::string();
}

std::string entryDate(core::Book& book, std::string_view entry, const EntryColumns& columns)
{
    const std::string year = column(entry, 5, 2);
    std::string date = column(entry, columns.day, 2) + "/" + column(entry, 1, 3) +
                       (runtime::val(year) > 79 ? "/19" : "/20") + year;
    // A date built from the entry names its year, so one reading serves: it needs the showing
    // below only when it is no date or lies before the earliest date shown.
    constexpr int EarliestShownYear = 1950;
    if (const std::optional<runtime::Date> built = runtime::parseDate(date); built && built->year() >= EarliestShownYear)
        return runtime::format(*built, "dd/Mmm/yyyy");
    while (!core::IsValidDate(date)) {
        const std::string answer = book.services().inputBox(
            "The date on this Coinjar transaction is invalid. Please supply the correct date.", core::ProductTitle,
            date);
        if (runtime::trim(answer).empty())
            throw CoinjarImportStopped();
        date = answer;
    }
    return runtime::left(core::FormatDisplayDate(book.messages, date), core::DisplayDateWidth);
}

// The VAT letter of a "CJ4/3" entry: one character, kept when a VAT code begins with it.
std::string coinjar43Vat(const core::Book& book, char letter)
{
    if (letter == NoVatCode)
        return runtime::space(3);
    const std::string code = runtime::ucase(std::string(1, letter));
    if (code == "-" || code == "0" || code == "X" || code == " ")
        return runtime::padRight(code, 3);
    return core::FindListItem(book.codes.ListVATCodes, code, 1) >= 0 ? runtime::padRight(code, 3) : "???";
}

bool parseEntry(core::Book& book, const std::string& entry, const EntryColumns& columns, bool lookUpVat,
                core::TransactionFields& fields)
{
    fields = core::TransactionFields{};
    fields.Date = entryDate(book, entry, columns);
    fields.Category = runtime::ucase(column(entry, columns.category, 2)) + "  ";
    fields.Bank = runtime::padRight(runtime::ucase(column(entry, BankColumn, 1)), 6);
    fields.Customer = runtime::padRight(columns.customer ? runtime::ucase(column(entry, columns.customer, 4)) : "", 6);
    fields.Reconciled = runtime::ucase(column(entry, columns.reconciled, 1)) == "Y";
    fields.Paid = true;
    const auto refused = [&](const char* what) {
        book.messages.ShowErrorBox("Coinjar Transaction [" + entry + "] has " + what);
        return false;
    };
    const std::size_t referenceEnd = entry.find(ReferenceEnd);
    if (referenceEnd == std::string::npos)
        return refused("no reference number");
    const std::string reference =
        runtime::left(between(entry, static_cast<std::size_t>(columns.referenceStart - 1), referenceEnd), 6);
    const std::size_t memoEnd = entry.find(MemoEnd);
    if (memoEnd == std::string::npos)
        return refused("no comment");
    std::string memo = runtime::left(between(entry, referenceEnd + 1, memoEnd), 74);
    if (runtime::trim(memo).empty())
        memo = core::GetCodeName(book, fields.Category, core::CodeKind::Category);
    fields.Memo = runtime::padRight(memo, 74);
    const std::size_t amountEnd = entry.find(AmountEnd);
    if (amountEnd == std::string::npos)
        return refused("no amount");
    const double amount = runtime::val(between(entry, memoEnd + 1, amountEnd));
    fields.Amount = amount < 0 ? -amount : amount;
    fields.Type = amount < 0 ? "PAY" : "RCP";
    const char vatLetter = amountEnd + 1 < entry.size() ? entry[amountEnd + 1] : ' ';
    fields.VAT = lookUpVat ? coinjar43Vat(book, vatLetter)
                           : runtime::padRight(runtime::ucase(std::string(1, vatLetter)), 3);
    fields.Number = book.counters.TakeNextTransactionNumber();
    fields.Reference = runtime::padRight(runtime::trim(reference).empty() ? fields.Number : reference, 6);
    return true;
}

} // namespace

bool LacksEntryMarkers(std::string_view line)
{
    return line.find(ReferenceEnd) == std::string_view::npos || line.find(MemoEnd) == std::string_view::npos;
}

bool ParseCoinjar43Line(core::Book& book, std::string entry, core::TransactionFields& fields)
{
    return parseEntry(book, entry, Coinjar43Columns, true, fields);
}

CoinjarEntryKind ParseCoinjar4Line(core::Book& book, std::string entry, core::TransactionFields& fields)
{
    const bool standingOrder = runtime::left(entry, 6) == "Standa";
    if (standingOrder)
        entry.replace(0, 6, "JAN-90");
    if (!parseEntry(book, entry, Coinjar4Columns, false, fields))
        return RefusedEntry;
    return standingOrder ? StandingOrderEntry : TransactionEntry;
}

void AddCoinjarEntry(core::Book& book, core::TransactionFields& fields, bool standingOrder,
                     core::NewTransactionLines& added)
{
    if (standingOrder) {
        std::string secondBank;
        if (const std::optional<std::string> line = core::AssembleStandingOrderLine(book, fields, secondBank))
            core::AddStandingOrderLine(book, *line);
        return;
    }
    if (book.ledger.Transactions.UpperBound() + static_cast<int>(added.size()) >=
        core::TransactionTable::MaxTransactions) {
        core::ShowTransactionTableFull(book);
        throw CoinjarImportStopped();
    }
    // An entry has no splits: no tail of an earlier parse may follow it.
    book.SplitTail.clear();
    // The entry took its number when it was decoded; a refused line keeps it taken.
    if (const std::optional<std::string> line = core::AssembleTransactionRecord(book, fields))
        added.Add(*line);
}

} // namespace datafile
