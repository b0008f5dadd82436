#include "datafile/CoinjarEntry.h"

#include <algorithm>

#include "core/Book.h"
#include "core/CodeKind.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/ListSearch.h"
#include "core/StandingOrderLine.h"
#include "core/TextTests.h"
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

// The entry's characters in a column (1-based; 0 for none), without the part past its end.
std::string_view column(std::string_view entry, int start, int width)
{
    const auto from = static_cast<std::size_t>(start - 1);
    return start > 0 && from < entry.size() ? entry.substr(from, static_cast<std::size_t>(width)) : std::string_view{};
}

// A column upper-cased and blank-padded to the width of its field.
std::string upperColumn(std::string_view entry, int start, int width, int fieldWidth)
{
    const std::string_view text = column(entry, start, width);
    std::string field(static_cast<std::size_t>(fieldWidth), ' ');
    std::transform(text.begin(), text.end(), field.begin(), runtime::ucaseOf);
    return field;
}

// The text after position `from` (0-based, exclusive) up to `to`, cut to `most` characters; empty
// when they cross.
std::string_view between(std::string_view entry, std::size_t from, std::size_t to, std::size_t most)
{
    return to > from ? entry.substr(from, std::min(to - from, most)) : std::string_view{};
}

bool isTwoDigits(std::string_view text)
{
    return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

std::string entryDate(core::Book& book, std::string_view entry, const EntryColumns& columns)
{
    const std::string_view day = column(entry, columns.day, 2);
    const std::string_view month = column(entry, 1, 3);
    const std::string_view year = column(entry, 5, 2);
    const char* century = runtime::val(year) > 79 ? "19" : "20";
    // Almost every entry has a day and a year of two digits and a month heading: its date is built
    // straight, being a year after the earliest shown one.
    if (isTwoDigits(day) && isTwoDigits(year)) {
        if (std::optional<std::string> shown = core::ShownDateOfParts(day, month, std::string(century).append(year)))
            return *std::move(shown);
    }
    std::string date = runtime::padRight(day, 2) + "/" + runtime::padRight(month, 3) + "/" + century
                       + runtime::padRight(year, 2);
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
    const std::string code = {runtime::ucaseOf(letter), ' ', ' '};
    if (code[0] == '-' || code[0] == '0' || code[0] == 'X' || code[0] == ' ')
        return code;
    return core::FindListItem(book.codes.ListVATCodes, code, 1) >= 0 ? code : "???";
}

bool parseEntry(core::Book& book, std::string_view entry, const EntryColumns& columns, bool lookUpVat,
                core::TransactionFields& fields)
{
    constexpr std::size_t ReferenceWidth = 6;
    constexpr std::size_t MemoWidth = 74;
    fields = core::TransactionFields{};
    fields.Date = entryDate(book, entry, columns);
    fields.Category = upperColumn(entry, columns.category, 2, 4);
    fields.Bank = upperColumn(entry, BankColumn, 1, 6);
    fields.Customer = upperColumn(entry, columns.customer, 4, 6);
    fields.Reconciled = upperColumn(entry, columns.reconciled, 1, 1)[0] == 'Y';
    fields.Paid = true;
    const auto refused = [&](const char* what) {
        book.messages.ShowErrorBox("Coinjar Transaction [" + std::string(entry) + "] has " + what);
        return false;
    };
    const std::size_t referenceEnd = entry.find(ReferenceEnd);
    if (referenceEnd == std::string::npos)
        return refused("no reference number");
    const std::string_view reference =
        between(entry, static_cast<std::size_t>(columns.referenceStart - 1), referenceEnd, ReferenceWidth);
    const std::size_t memoEnd = entry.find(MemoEnd);
    if (memoEnd == std::string::npos)
        return refused("no comment");
    const std::string_view memo = between(entry, referenceEnd + 1, memoEnd, MemoWidth);
    fields.Memo = core::IsBlank(memo) ? core::GetCodeName(book, fields.Category, core::CodeKind::Category)
                                      : std::string(memo);
    fields.Memo.resize(MemoWidth, ' ');
    const std::size_t amountEnd = entry.find(AmountEnd);
    if (amountEnd == std::string::npos)
        return refused("no amount");
    const double amount = runtime::val(between(entry, memoEnd + 1, amountEnd, std::string_view::npos));
    fields.Amount = amount < 0 ? -amount : amount;
    fields.Type = amount < 0 ? "PAY" : "RCP";
    const char vatLetter = amountEnd + 1 < entry.size() ? entry[amountEnd + 1] : ' ';
    fields.VAT = lookUpVat ? coinjar43Vat(book, vatLetter) : std::string{runtime::ucaseOf(vatLetter), ' ', ' '};
    fields.Number = book.counters.TakeNextTransactionNumber();
    fields.Reference = runtime::padRight(core::IsBlank(reference) ? std::string_view(fields.Number) : reference, 6);
    return true;
}

} // namespace

bool LacksEntryMarkers(std::string_view line)
{
    return line.find(ReferenceEnd) == std::string_view::npos || line.find(MemoEnd) == std::string_view::npos;
}

bool ParseCoinjar43Line(core::Book& book, std::string_view entry, core::TransactionFields& fields)
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
    added.AddRecord(book, fields);
}

} // namespace datafile
