#pragma once

#include <string>
#include <string_view>

namespace platform {
class Services;
}

namespace reports {

class ReportDesk;

// The report kinds: each chooses a report's title, the viewer's column layout and the chooser's
// set-up. Kinds travel as plain numbers (the viewer reads them from the report file), so the
// operations take an int and these names only spare the magic numbers.
enum ReportKind : int {
    CurrentFilteredListKind = 1,
    VatReportKind = 2,
    ReconciliationKind = 3,
    StandingOrderKind = 4,
    BankAccountKind = 5,
    CustomerKind = 6,
    VatCodeKind = 7,
    CategoryKind = 8,
    BankActivityKind = 9,
    DocumentTextKind = 10,
    AgedDebtorsKind = 11,
    AgedCreditorsKind = 12,
    IncomeExpenditureKind = 13,
    CategoryAnalysisKind = 14,
    MailMergeKind = 18,
    SystemAuditKind = 20,
    CustomerStatementKind = 21,
    EecSalesKind = 22,
    EecAcquisitionKind = 23,
    NetOfVatListKind = 24,
};

// The title text of a kind, blanks included (" Current Filtered List : "); the empty text for a
// kind without a title.
std::string_view ReportTitleText(int kind);

// The clock's "dd/Mmm/yyyy hh:mm:ss", the stamp of a report started now.
std::string ReportTimestampNow(platform::Services& services);

// The title line of a report of `kind`: the product title, the kind's title text, the company name
// (without its padding, cut to 20 characters), a blank and the report's time stamp. Takes the
// stamp when no report is in production, so every title of one report carries the same stamp.
// Kind 10 gives "INVOICE " and a kind without a title the empty text.
std::string BuildReportTitle(ReportDesk& desk, int kind);

} // namespace reports
