#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

class Book;

// A transaction is stored as one fixed-width line: a 156-character fixed part, then the split tail.
// Columns are 1-based.
struct RecordColumn {
    int start;
    int width;
};

namespace RecordColumns {
inline constexpr RecordColumn Number{1, 6};
inline constexpr RecordColumn Date{7, 8}; // "yyyymmdd"
inline constexpr RecordColumn Reference{15, 6};
inline constexpr RecordColumn Bank{21, 6};
inline constexpr RecordColumn Customer{27, 6};
inline constexpr RecordColumn VAT{33, 3};
inline constexpr RecordColumn Category{36, 4};
inline constexpr RecordColumn Type{40, 3};
inline constexpr RecordColumn Memo{43, 74};
inline constexpr RecordColumn Amount{117, 11}; // unsigned "00000000.00"; the type gives the sign
inline constexpr RecordColumn Reconciled{128, 1};
inline constexpr RecordColumn Paid{129, 1};
inline constexpr RecordColumn Deleted{130, 1};
inline constexpr RecordColumn AmountPaid{131, 11}; // "00000000.00"
inline constexpr RecordColumn VATAmount{142, 11};  // signed "#######0.00" right-aligned
inline constexpr RecordColumn SplitCount{153, 3};  // "000"
inline constexpr RecordColumn EEC{156, 1};
} // namespace RecordColumns

inline constexpr int RecordFixedLength = 156;
// The older data files stored the date as "yymmdd", so every later column lies two places earlier.
inline constexpr int OlderRecordFixedLength = 154;

// One transaction unpacked for editing. Text fields are stored blank-padded (or cut) to their
// widths; Date holds the shown form "dd/Mmm/yyyy".
struct TransactionFields {
    std::string Number;    // 6
    std::string Date;      // 11
    std::string Reference; // 6
    std::string Bank;      // 6
    std::string Customer;  // 6
    std::string VAT;       // 3
    std::string Category;  // 4
    std::string Type;      // 3: "PAY", "RCP", "XFR", "INV", "BIL"
    std::string Memo;      // 74
    double Amount = 0;
    bool Reconciled = false;
    bool Paid = false;
    bool Deleted = false;
    double AmountPaid = 0;
    double VATAmount = 0;
    std::int16_t SplitCount = 0;
    bool EEC = false;
};

// The record of `fields` with book.SplitTail appended (whatever SplitCount says: a new transaction
// empties SplitTail first, a parsed and changed one keeps the tail its parse left). A negative
// Amount is made positive in the caller's fields. When a value does not fit its columns (an amount
// of 100,000,000 or more, a negative amount paid, a VAT amount outside -9,999,999.99 to
// 99,999,999.99, a split count outside 0-999, a number of seven digits, a date that does not read)
// the fixed part is reported as over-long and nothing is returned: the caller must not store it.
std::optional<std::string> AssembleTransactionRecord(Book& book, TransactionFields& fields);
// The same record appended to `text`, for records gathered by the thousand: false, with `text` as
// it was, where AssembleTransactionRecord gives nothing.
bool AppendTransactionRecord(Book& book, TransactionFields& fields, std::string& text);

// Marks an over-long record of a converted file, so the converter can find it by its first byte.
inline constexpr char OverLongRecordMarker = '\xBB';

// The same for the converters of older data files: an over-long record is reported likewise and
// returned with OverLongRecordMarker ("»", byte 187) in front, so the converter can recognise,
// drop and log it.
std::string AssembleTransactionRecordMarked(Book& book, TransactionFields& fields);

// Fills `fields` from a record and sets book.SplitTail to its split tail (empty when its split
// count is 0). Missing columns read as blanks or zero.
void ParseTransactionRecord(Book& book, std::string_view line, TransactionFields& fields);

// The same for a record of the older data files. A record whose split count promises splits but
// whose line is too short to hold them is shown to the user (the box shows even while error boxes
// are off) and keeps its split count but loses its tail.
void ParseOldTransactionRecord(Book& book, std::string_view line, TransactionFields& fields);

// What ParseTransactionRecord and AssembleTransactionRecord together make of a stored record,
// made by copying when its fixed part is already in the form assembly writes (every amount and the
// split count written as assembly writes them, every flag "Y" or blank, a real date of a four-digit
// year): only the tail rule of the parse then applies. A non-empty `number` (at most 6 characters)
// takes the place of the record's own. Nothing for any other line: the caller parses and
// assembles it, which also reports what does not fit. For records handled by the thousand.
std::optional<std::string> RecordInStoredForm(std::string_view line, std::string_view number = {});
// The same for a record of the older data files (ParseOldTransactionRecord, then
// AssembleTransactionRecordMarked), appended to `text`, for a converter that gathers its records
// in one text: its date takes its century. False, with nothing appended, where RecordInStoredForm
// would give nothing, and also for a line whose split tail needs the repair.
bool AppendOldRecordInStoredForm(std::string& text, std::string_view line);

} // namespace core
