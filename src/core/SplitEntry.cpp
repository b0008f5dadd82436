#include "core/SplitEntry.h"

#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

int SplitEntryCount(std::string_view tail)
{
    return runtime::toInt32(static_cast<double>(tail.size()) / SplitEntryWidth);
}

SplitEntry ReadSplitEntry(std::string_view tail, int index)
{
    const int start = index * SplitEntryWidth + 1;
    SplitEntry entry;
    entry.Number = runtime::mid(tail, start, 3);
    entry.Memo = runtime::mid(tail, start + 3, 30);
    entry.Amount = runtime::val(runtime::mid(tail, start + 33, 11));
    entry.VatCode = runtime::mid(tail, start + 44, 3);
    return entry;
}

} // namespace core
