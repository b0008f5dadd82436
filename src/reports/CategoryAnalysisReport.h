#pragma once

#include <string_view>

namespace core {
struct FilterSetup;
}

namespace reports {

class ReportDesk;
class ReportForm;

// Where a period's money went: one row per category selected in the chooser's ListAnalCodes, in
// `months` month columns from `startMonth` ("yyyymm") before the total when `months` is above 1,
// with its share of the listed and of all income or expenditure; then the amounts of unknown
// categories, the INCOME, EXPENDITURE and NET block and the period's turnover. The period is the
// request's dates, or with ChkCatOnQry ticked the current filtered list between them. False after
// "File error : ".
bool WriteCategoryAnalysisReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request, int categories,
                                 int months, std::string_view startMonth);

} // namespace reports
