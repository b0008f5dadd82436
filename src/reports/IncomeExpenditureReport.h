#pragma once

namespace core {
struct FilterSetup;
}

namespace reports {

class ReportDesk;
class ReportForm;

// Income and expenditure of the request's period and types per category of the code table, for
// the categories selected in the chooser's ListAnal1: an INCOME and an EXPENSES section with their
// totals and the difference. ChkExcludeVAT takes each amount's VAT out (a paid invoice or bill
// then counts only its VAT, the other way round); ChkZeroSupress hides a category whose income and
// expenditure are equal. False after "File error : ".
bool WriteIncomeExpenditureReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request);

} // namespace reports
