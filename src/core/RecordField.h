#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/TransactionRecord.h"
#include "runtime/Text.h"

// Fields of a stored record read straight from their fixed columns, without unpacking the record:
// the reports and every pass over the book read them this way.
namespace core {

// The characters of one column of a stored record, without copying. A short or malformed line
// gives the part of the column it holds (possibly nothing): reading never leaves the line.
inline std::string_view RecordField(std::string_view line, RecordColumn column)
{
    const auto start = static_cast<std::size_t>(column.start - 1);
    if (start >= line.size())
        return {};
    return line.substr(start, static_cast<std::size_t>(column.width));
}

// A column at its full width: the characters a short line lacks are blanks, so fixed-width codes
// and texts compare as stored.
inline std::string PaddedRecordField(std::string_view line, RecordColumn column)
{
    return runtime::padRight(RecordField(line, column), column.width);
}

// True when a one-character flag column holds "Y"; only "Y" counts as set.
inline bool RecordFlag(std::string_view line, RecordColumn column)
{
    return RecordField(line, column) == "Y";
}

// True when the column, at its full width, holds `code` (the code as stored, blank-padded to the
// width): the same as comparing PaddedRecordField, without the copy.
bool RecordCodeIs(std::string_view line, RecordColumn column, std::string_view code);

// The numeric value of a column by the leading-number rule. A damaged column that reads past the
// range of a double ("1E999") is held at the largest double, so reading a record never fails.
inline double RecordNumber(std::string_view line, RecordColumn column)
{
    return runtime::valWithinRange(RecordField(line, column));
}

// The amount as stored: never negative in a record the program wrote; the type gives the sign.
double RecordAmount(std::string_view line);
// The amount in whole pence when it is in the form the program writes ("00000000.00"), else
// NotWrittenForm: any other form RecordAmount reads by the leading-number rule. A plain number
// rather than an optional, which costs a stall on every record read.
inline constexpr std::int64_t NotWrittenForm = -1;
std::int64_t WrittenAmountPence(std::string_view line);

// The largest amount eleven plain digits write. Only an edited file holds more, in exponent
// notation ("1E20"), and sums in pence over a full book of such amounts would overflow.
inline constexpr double RecordAmountLimit = 1e11;

// True when the amount column reads below RecordAmountLimit (in size).
bool RecordAmountInRange(std::string_view line);

} // namespace core
