#pragma once

#include <string>
#include <string_view>

#include "core/TransactionRecord.h"
#include "runtime/Text.h"

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

} // namespace core
