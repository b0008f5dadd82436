#include "reports/CustomerStatementReport.h"

#include <string>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "reports/FinishTextReport.h"
#include "reports/ItemAge.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int MemoWidth = 20;
constexpr const char* BandLabels[AgeBandCount] = {"         0 - 30 Days", "        30 - 60 Days",
                                                  "        60 - 90 Days", "        Over 90 Days"};

void WriteClosingRuler(ReportFile& file)
{
    file.WriteRow({runtime::space(9), runtime::space(6), runtime::space(MemoWidth), AmountRuler});
}

// An age as the days column shows it: a blank before a positive or zero number, "-" before a negative one.
std::string DaysText(int days)
{
    return (days < 0 ? "" : " ") + std::to_string(days);
}

bool WriteReport(ReportDesk& desk, ReportFile& file, std::string_view customer, int daysOver)
{
    core::Book& book = desk.book();
    const std::string code = runtime::padRight(runtime::left(customer, 6), 6);
    const bool showDays = daysOver == 1;
    const runtime::Date today = desk.services().now().dateOnly();
    WriteAsOfHead(file, CustomerStatementKind, today);
    file.WriteLine();
    file.WriteLine(runtime::rtrim(book.company.CompanyName.view()));
    file.WriteLine(runtime::rtrim(book.company.CompanyAddress));
    file.WriteLine();
    file.WriteLine(runtime::rtrim(book.company.CompanyPhone));
    file.WriteLine();
    file.WriteLine();
    const std::string name = core::GetCodeName(book, code, core::CodeKind::Customer);
    file.WriteLine(name);
    file.WriteLine(core::GetCustomerAddress(book, code));
    for (int i = 0; i < 3; ++i)
        file.WriteLine();
    file.WriteRow({"Customer   ", runtime::space(6), name});
    file.WriteLine();
    file.WriteRow({"Date     ", "Ref   ", "Memo                ", "Amount     ", showDays ? "Days Over" : ""});
    file.WriteRow({"_________", "______", std::string(MemoWidth, '_'), AmountRuler, showDays ? "_________" : ""});

    double bands[AgeBandCount] = {};
    ShownDates dates;
    const core::Ledger& ledger = book.ledger;
    for (const core::IndexEntry& entry : ledger.DateIndex.entries()) {
        const std::string_view line = ledger.Transactions.Line(entry.RecordNumber);
        if (!core::RecordCodeIs(line, core::RecordColumns::Customer, code)
            || core::RecordFlag(line, core::RecordColumns::Paid)
            || core::RecordField(line, core::RecordColumns::Type) != "INV")
            continue;
        const double amount = core::GetSignedAmount(line);
        const int days = AgeInDays(core::RecordField(line, core::RecordColumns::Date), today);
        bands[AgeBand(days) - 1] += amount;
        file.WriteRow({dates(line), core::PaddedRecordField(line, core::RecordColumns::Reference),
                       MemoCell(line, MemoWidth), core::FormatAmountGrouped(amount), showDays ? DaysText(days) : ""});
    }
    WriteClosingRuler(file);
    file.WriteLine();
    file.WriteLine();
    double outstanding = 0;
    for (int band = 0; band < AgeBandCount; ++band) {
        file.WriteRow({runtime::space(9), runtime::space(6), BandLabels[band], core::FormatAmountGrouped(bands[band])});
        outstanding += bands[band];
    }
    file.WriteLine();
    file.WriteLine();
    WriteClosingRuler(file);
    file.WriteRow(
        {runtime::space(9), runtime::space(6), "TOTAL OUTSTANDING : ", core::FormatAmountGrouped(outstanding)});
    WriteClosingRuler(file);
    file.WriteLine();
    return FinishTextReport(desk, file, CustomerStatementKind);
}

} // namespace

bool WriteCustomerStatementReport(ReportDesk& desk, std::string_view customer, int daysOver)
{
    return RunTextReport(desk, [&](ReportFile& file) { return WriteReport(desk, file, customer, daysOver); });
}

} // namespace reports
