#include "core/TransactionRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/AssembledLine.h"
#include "core/Book.h"
#include "core/DateText.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/RecordText.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

void appendFlag(std::string& line, bool flag)
{
    line += flag ? 'Y' : ' ';
}

// A text cut or blank-padded to its column.
void appendFixed(std::string& line, std::string_view value, RecordColumn column)
{
    const auto width = static_cast<std::size_t>(column.width);
    const std::string_view kept = value.substr(0, std::min(value.size(), width));
    line.append(kept).append(width - kept.size(), ' ');
}

// A transaction number of seven digits is kept whole, so the line is refused instead of being
// stored under a cut, duplicate number.
void appendNumber(std::string& line, std::string_view number)
{
    const std::size_t last = number.find_last_not_of(' ');
    const std::size_t digits = last == std::string_view::npos ? 0 : last + 1;
    if (digits > static_cast<std::size_t>(RecordColumns::Number.width))
        line.append(number.substr(0, digits));
    else
        appendFixed(line, number, RecordColumns::Number);
}

void appendSplitCount(std::string& line, std::int16_t count)
{
    constexpr int LargestCount = 999;
    if (count < 0 || count > LargestCount) {
        line += runtime::format(count, "000");
        return;
    }
    line += static_cast<char>('0' + count / 100);
    line += static_cast<char>('0' + count / 10 % 10);
    line += static_cast<char>('0' + count % 10);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// Years of four digits: the date parser reads fewer digits as other years.
constexpr int EarliestFourDigitYear = 1000;

// The fixed part, appended to `line`.
void appendFixedPart(std::string& line, TransactionFields& fields)
{
    if (fields.Amount < 0)
        fields.Amount = -fields.Amount;
    namespace C = RecordColumns;
    const std::size_t start = line.size();
    appendNumber(line, fields.Number);
    line += FormatShownDateForStorage(fields.Date, "yyyymmdd");
    appendFixed(line, fields.Reference, C::Reference);
    appendFixed(line, fields.Bank, C::Bank);
    appendFixed(line, fields.Customer, C::Customer);
    appendFixed(line, fields.VAT, C::VAT);
    appendFixed(line, fields.Category, C::Category);
    appendFixed(line, fields.Type, C::Type);
    appendFixed(line, fields.Memo, C::Memo);
    line += FormatAmountZeroFilled(fields.Amount);
    appendFlag(line, fields.Reconciled);
    appendFlag(line, fields.Paid);
    appendFlag(line, fields.Deleted);
    line += FormatAmountZeroFilled(fields.AmountPaid);
    line += FormatAmountPlainUncut(fields.VATAmount);
    appendSplitCount(line, fields.SplitCount);
    appendFlag(line, fields.EEC);
    BlankTabs(line, start);
}

// The split tail after the fixed part; a TAB typed into a split's memo is stored as a blank too.
void appendTail(std::string& line, std::string_view tail)
{
    const std::size_t start = line.size();
    line += tail;
    BlankTabs(line, start);
}

// The fixed part, written into a line with room for `tailLength` more characters.
std::string assembleFixedPart(TransactionFields& fields, std::size_t tailLength)
{
    std::string line;
    line.reserve(static_cast<std::size_t>(RecordFixedLength) + tailLength);
    appendFixedPart(line, fields);
    return line;
}

// Where the columns of a record lie: the older files have a six-character date and every later
// column two places earlier.
struct RecordLayout {
    int dateWidth;

    std::string column(std::string_view line, RecordColumn column) const
    {
        if (column.start == RecordColumns::Date.start)
            return runtime::mid(line, column.start, dateWidth);
        const int shift = column.start > RecordColumns::Date.start ? RecordColumns::Date.width - dateWidth : 0;
        return runtime::mid(line, column.start - shift, column.width);
    }
    std::string text(std::string_view line, RecordColumn at) const
    {
        return runtime::padRight(column(line, at), at.width);
    }
    // A damaged column never stops a parse: one past the range of a double is held at its limit.
    double number(std::string_view line, RecordColumn at) const { return runtime::valWithinRange(column(line, at)); }
    bool flag(std::string_view line, RecordColumn at) const { return column(line, at) == "Y"; }
};

// The count column holds three characters, so only a damaged line ("9E9") reads beyond 16 bits: such
// a count is held at the nearest 16-bit value, so that reading a line never fails and keeps its tail.
std::int16_t splitCountOf(double value)
{
    return runtime::toInt16(std::clamp(value, double{INT16_MIN}, double{INT16_MAX}));
}

constexpr RecordLayout CurrentLayout{8};
constexpr RecordLayout OlderLayout{6};

void readFixedPart(const RecordLayout& layout, std::string_view line, TransactionFields& fields)
{
    namespace C = RecordColumns;
    fields.Number = layout.text(line, C::Number);
    fields.Date = runtime::padRight(FormatYmdAsDisplayDate(layout.column(line, C::Date)), DisplayDateWidth);
    fields.Reference = layout.text(line, C::Reference);
    fields.Bank = layout.text(line, C::Bank);
    fields.Customer = layout.text(line, C::Customer);
    fields.VAT = layout.text(line, C::VAT);
    fields.Category = layout.text(line, C::Category);
    fields.Type = layout.text(line, C::Type);
    fields.Memo = layout.text(line, C::Memo);
    fields.Amount = layout.number(line, C::Amount);
    fields.Reconciled = layout.flag(line, C::Reconciled);
    fields.Paid = layout.flag(line, C::Paid);
    fields.Deleted = layout.flag(line, C::Deleted);
    fields.AmountPaid = layout.number(line, C::AmountPaid);
    fields.VATAmount = layout.number(line, C::VATAmount);
    fields.SplitCount = splitCountOf(layout.number(line, C::SplitCount));
    fields.EEC = layout.flag(line, C::EEC);
}

// "00000000.00", as assembly writes an amount.
bool isStoredAmount(std::string_view text)
{
    return text.size() == 11 && allDigits(text.substr(0, 8)) && text[8] == '.' && allDigits(text.substr(9));
}

// "#######0.00" right-aligned in its column, as assembly writes a VAT amount: no leading zero and
// no minus sign before a zero.
bool isStoredSignedAmount(std::string_view text)
{
    std::string_view number = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    const bool negative = !number.empty() && number.front() == '-';
    if (negative)
        number.remove_prefix(1);
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos || number.size() != point + 3)
        return false;
    const std::string_view whole = number.substr(0, point);
    if (!allDigits(whole) || !allDigits(number.substr(point + 1)) || (whole.size() > 1 && whole.front() == '0'))
        return false;
    return !negative || number.find_first_of("123456789") != std::string_view::npos;
}

bool isStoredFlag(char flag)
{
    return flag == 'Y' || flag == ' ';
}

// The stored date of a record's date column, "yyyymmdd": as it stands, or "yymmdd" with its
// century. Nothing when the column holds no real date of a four-digit year.
std::optional<std::array<char, 8>> storedDate(std::string_view date)
{
    if (!allDigits(date))
        return std::nullopt;
    const bool older = date.size() == 6;
    const int twoDigitYear = digitsValue(date.substr(0, 2));
    const int year = older ? twoDigitYear + (twoDigitYear < 80 ? 2000 : 1900) : digitsValue(date.substr(0, 4));
    const std::string_view monthAndDay = date.substr(older ? 2 : 4);
    if (year < EarliestFourDigitYear
        || !runtime::Date::fromYmd(year, digitsValue(monthAndDay.substr(0, 2)), digitsValue(monthAndDay.substr(2))))
        return std::nullopt;
    std::array<char, 8> stored{};
    const std::string_view century = older ? (year < 2000 ? "19" : "20") : "";
    std::copy(date.begin(), date.end(), std::copy(century.begin(), century.end(), stored.begin()));
    return stored;
}

// Appends the fixed part of a line in `layout` as assembly would write it, when the line is in
// that form; false, with nothing appended, otherwise.
bool appendFixedPartInStoredForm(std::string& text, const RecordLayout& layout, std::string_view line)
{
    namespace C = RecordColumns;
    const int shift = C::Date.width - layout.dateWidth;
    const auto at = [&](RecordColumn column) {
        const int start = column.start - (column.start > C::Date.start ? shift : 0);
        return line.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(column.width));
    };
    if (line.size() < static_cast<std::size_t>(RecordFixedLength - shift))
        return false;
    const std::optional<std::array<char, 8>> date = storedDate(line.substr(C::Date.start - 1, static_cast<std::size_t>(layout.dateWidth)));
    if (!date || !isStoredAmount(at(C::Amount)) || !isStoredAmount(at(C::AmountPaid))
        || !isStoredSignedAmount(at(C::VATAmount)) || !allDigits(at(C::SplitCount)))
        return false;
    for (const RecordColumn flag : {C::Reconciled, C::Paid, C::Deleted, C::EEC})
        if (!isStoredFlag(at(flag).front()))
            return false;
    text.append(line.substr(0, C::Number.width)).append(date->data(), date->size());
    text.append(line.substr(static_cast<std::size_t>(C::Reference.start - 1 - shift),
                            static_cast<std::size_t>(RecordFixedLength - C::Reference.start + 1)));
    return true;
}

int splitCountOfStored(std::string_view fixedPart)
{
    return digitsValue(RecordField(fixedPart, RecordColumns::SplitCount));
}

void showSplitRepairBox(platform::Services& services, std::string_view line)
{
    // A converter runs under the hourglass; like every other box, this one shows under the default pointer.
    SetMousePointer(services, DefaultPointer);
    services.beep(platform::Beep::Plain);
    services.beep(platform::Beep::Exclamation);
    platform::MessageBox box;
    box.text = "Transaction Split Error in the following Record - Please make a note of the Record:\n\n"
               "Press OK to REPAIR the record.\n\n"
               + std::string(line);
    box.title = "Transaction Split Error";
    box.buttons = platform::Buttons::OK;
    box.icon = platform::Icon::Exclamation;
    services.messageBox(box);
}

} // namespace

std::optional<std::string> RecordInStoredForm(std::string_view line, std::string_view number)
{
    if (runtime::rtrim(number).size() > static_cast<std::size_t>(RecordColumns::Number.width))
        return std::nullopt;
    std::string record;
    record.reserve(line.size());
    if (!appendFixedPartInStoredForm(record, CurrentLayout, line))
        return std::nullopt;
    if (!number.empty())
        record.replace(0, RecordColumns::Number.width, runtime::padRight(number, RecordColumns::Number.width));
    if (splitCountOfStored(record) >= 1)
        record.append(line.substr(RecordFixedLength));
    BlankTabs(record);
    return record;
}

bool AppendOldRecordInStoredForm(std::string& text, std::string_view line)
{
    const std::size_t start = text.size();
    if (!appendFixedPartInStoredForm(text, OlderLayout, line))
        return false;
    if (splitCountOfStored(std::string_view(text).substr(start)) >= 1) {
        constexpr std::size_t ShortestLineWithSplits = OlderRecordFixedLength + 4;
        if (line.size() < ShortestLineWithSplits) {
            text.resize(start);
            return false;
        }
        text.append(line.substr(OlderRecordFixedLength, line.size() - ShortestLineWithSplits));
    }
    BlankTabs(text, start);
    return true;
}

std::optional<std::string> AssembleTransactionRecord(Book& book, TransactionFields& fields)
{
    std::string line;
    line.reserve(static_cast<std::size_t>(RecordFixedLength) + book.SplitTail.size());
    if (!AppendTransactionRecord(book, fields, line))
        return std::nullopt;
    return line;
}

bool AppendTransactionRecord(Book& book, TransactionFields& fields, std::string& text)
{
    const std::size_t start = text.size();
    appendFixedPart(text, fields);
    if (!AssembledLineFits(book.messages, std::string_view(text).substr(start), RecordFixedLength)) {
        text.resize(start);
        return false;
    }
    appendTail(text, book.SplitTail);
    return true;
}

std::string AssembleTransactionRecordMarked(Book& book, TransactionFields& fields)
{
    std::string line = assembleFixedPart(fields, book.SplitTail.size());
    const bool fits = AssembledLineFits(book.messages, line, RecordFixedLength);
    appendTail(line, book.SplitTail);
    return fits ? line : OverLongRecordMarker + line;
}

void ParseTransactionRecord(Book& book, std::string_view line, TransactionFields& fields)
{
    readFixedPart(CurrentLayout, line, fields);
    book.SplitTail = fields.SplitCount >= 1 ? runtime::mid(line, RecordFixedLength + 1) : "";
}

void ParseOldTransactionRecord(Book& book, std::string_view line, TransactionFields& fields)
{
    readFixedPart(OlderLayout, line, fields);
    // An older line's tail runs from column 155 to four characters before the line's end; a line
    // too short for that has lost its splits, and the repair drops them.
    constexpr int ShortestLineWithSplits = OlderRecordFixedLength + 4;
    const int length = static_cast<int>(line.size());
    if (fields.SplitCount <= 0) {
        book.SplitTail.clear();
    } else if (length >= ShortestLineWithSplits) {
        book.SplitTail = runtime::mid(line, OlderRecordFixedLength + 1, length - ShortestLineWithSplits);
    } else {
        showSplitRepairBox(book.services(), line);
        book.SplitTail.clear();
    }
}

} // namespace core
