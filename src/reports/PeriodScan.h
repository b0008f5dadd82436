#pragma once

#include <algorithm>
#include <string_view>

#include "core/FilterMatch.h"
#include "core/Ledger.h"

namespace reports {

// Hands `visit` each stored line that passes `request`, oldest first: the date index is entered at
// the request's FromDate and left at the first transaction dated after its ToDate.
template <class Visit> void ForEachInPeriod(const core::Ledger& ledger, const core::FilterSetup& request, Visit visit)
{
    const core::FilterMatcher matcher(request);
    const core::TransactionIndex& index = ledger.DateIndex;
    for (int i = std::max(index.FindIndexLowerBound(request.FromDate.view()), 1); i <= index.UpperBound(); ++i) {
        const std::string_view line = ledger.Transactions.Line(index.at(i).RecordNumber);
        const int passes = matcher.Match(line, core::IndexKind::Date);
        if (passes == core::FilterPastToDate)
            return;
        if (passes == core::FilterPasses)
            visit(line);
    }
}

} // namespace reports
