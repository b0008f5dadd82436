#pragma once

#include <string_view>

#include "core/TransactionRecord.h"

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

// True when a one-character flag column holds "Y"; only "Y" counts as set.
inline bool RecordFlag(std::string_view line, RecordColumn column)
{
    return RecordField(line, column) == "Y";
}

} // namespace core
