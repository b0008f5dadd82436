#include "core/TransactionRecord.h"

#include <algorithm>
#include <cstdint>

#include "core/AssembledLine.h"
#include "core/Book.h"
#include "core/DateText.h"
#include "core/MoneyFormat.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

std::string_view flagText(bool flag)
{
    return flag ? "Y" : " ";
}

// A transaction number of seven digits is kept whole, so the line is refused instead of being
// stored under a cut, duplicate number.
std::string storedNumber(const std::string& number)
{
    const std::string digits = runtime::rtrim(number);
    return static_cast<int>(digits.size()) > RecordColumns::Number.width
               ? digits
               : runtime::padRight(number, RecordColumns::Number.width);
}

// Appends a value blank-padded or cut to its column.
void appendFixed(std::string& record, std::string_view value, RecordColumn column)
{
    const auto width = static_cast<std::size_t>(column.width);
    record.append(value.substr(0, width));
    if (value.size() < width)
        record.append(width - value.size(), ' ');
}

std::string assembleFixedPart(TransactionFields& fields)
{
    if (fields.Amount < 0)
        fields.Amount = -fields.Amount;
    namespace C = RecordColumns;
    // Built in one string: records are assembled by the thousand when files are merged or imported.
    std::string record;
    record.reserve(static_cast<std::size_t>(RecordFixedLength));
    record.append(storedNumber(fields.Number)).append(FormatShownDateForStorage(fields.Date, "yyyymmdd"));
    appendFixed(record, fields.Reference, C::Reference);
    appendFixed(record, fields.Bank, C::Bank);
    appendFixed(record, fields.Customer, C::Customer);
    appendFixed(record, fields.VAT, C::VAT);
    appendFixed(record, fields.Category, C::Category);
    appendFixed(record, fields.Type, C::Type);
    appendFixed(record, fields.Memo, C::Memo);
    record.append(runtime::format(fields.Amount, "00000000.00")).append(flagText(fields.Reconciled));
    record.append(flagText(fields.Paid)).append(flagText(fields.Deleted));
    record.append(runtime::format(fields.AmountPaid, "00000000.00")).append(FormatAmountPlainUncut(fields.VATAmount));
    record.append(runtime::format(fields.SplitCount, "000")).append(flagText(fields.EEC));
    return record;
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

std::optional<std::string> AssembleTransactionRecord(Book& book, TransactionFields& fields)
{
    const std::string fixedPart = assembleFixedPart(fields);
    if (!AssembledLineFits(book.messages, fixedPart, RecordFixedLength))
        return std::nullopt;
    return fixedPart + book.SplitTail;
}

std::string AssembleTransactionRecordMarked(Book& book, TransactionFields& fields)
{
    const std::string fixedPart = assembleFixedPart(fields);
    if (!AssembledLineFits(book.messages, fixedPart, RecordFixedLength))
        return OverLongRecordMarker + fixedPart + book.SplitTail;
    return fixedPart + book.SplitTail;
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
