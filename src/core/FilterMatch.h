#pragma once

#include <string>
#include <string_view>

#include "core/FilterSetup.h"
#include "core/TransactionIndex.h"

namespace core {

class Book;

// Answers of IsTransactionInFilter.
inline constexpr int FilterPasses = -1;
inline constexpr int FilterFails = 0;
// Only for a date-ordered scan (kind IndexKind::Date): the transaction lies after ToDate, and so
// does every later one, so the scan can stop.
inline constexpr int FilterPastToDate = -99;

// Whether one stored transaction passes a set-up. The date is tested on the record text before
// anything else (a blank FromDate lets every date pass, a blank ToDate stops every date); then the
// reference, the type letter (always, whatever TypeOn says), the four codes, the amount, the
// reconciled state and the memo, each when its criterion is on. The deleted flag is not looked at.
// Columns are read in place, so a short line simply lacks the missing fields.
int IsTransactionInFilter(std::string_view record, IndexKind kind, const FilterSetup& setup);

// The same test prepared once for a pass over many records: the texts searched for are worked out
// when it is made, and every record is read in place. The set-up must outlive it.
class FilterMatcher {
public:
    explicit FilterMatcher(const FilterSetup& setup);
    // As IsTransactionInFilter with this set-up.
    int Match(std::string_view record, IndexKind kind) const;

private:
    bool PassesReference(std::string_view record) const;
    bool PassesType(std::string_view record) const;
    bool PassesCodes(std::string_view record) const;

    const FilterSetup& setup_;
    std::string reference_; // the reference criterion without trailing blanks
    std::string memo_;      // the memo text upper-cased, without trailing blanks
};

// The set-up in words, clauses separated by CR LF: "Select All Transactions" when no criterion is
// on, else "Select Transactions where " + CR LF + the clauses.
std::string DescribeFilterSetup(const FilterSetup& setup);

// True when `setup` no longer describes the same as the stored set-up called `name`; always true
// for a blank name, "(CURRENT)" and "(CUSTOMISED)". A name that is not stored is reported and
// compared against an all-off set-up.
bool IsFilterCustomised(Book& book, const FilterSetup& setup, std::string_view name);

} // namespace core
