#include "reports/AgedBalanceReport.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/RowSums.h"
#include "reports/FinishTextReport.h"
#include "reports/ItemAge.h"
#include "reports/PeriodScan.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportForm.h"
#include "reports/ReportListHelpers.h"
#include "reports/ReportTexts.h"
#include "reports/TextReportRun.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int NameWidth = 20;
// Row 5 of the table holds each customer's total.
constexpr int TotalRow = AgeBandCount + 1;

void WriteClosingRuler(ReportFile& file)
{
    file.WriteRow({runtime::space(NameWidth), AmountRuler, AmountRuler, AmountRuler, AmountRuler, AmountRuler});
}

// The five amounts of a row: the four bands and the total.
void WriteRow(ReportFile& file, std::string_view label, const double (&amounts)[TotalRow])
{
    file.WriteRow({label, core::FormatAmountGrouped(amounts[0]), core::FormatAmountGrouped(amounts[1]),
                   core::FormatAmountGrouped(amounts[2]), core::FormatAmountGrouped(amounts[3]),
                   core::FormatAmountGrouped(amounts[4])});
}

bool WriteReport(ReportDesk& desk, ReportForm& form, ReportFile& file, const core::FilterSetup& request, int kind,
                 int customers)
{
    core::Book& book = desk.book();
    const std::vector<std::string> selected = CollectSelectedItems(form.ListDebCredCust, customers);
    const int count = static_cast<int>(selected.size());
    const runtime::Date today = desk.services().now().dateOnly();
    WriteAsOfHead(file, kind, today);
    for (int i = 0; i < 3; ++i)
        file.WriteLine();
    file.WriteRow({"Customer            ", "0-30 Days  ", "30-60 Days ", "60-90 Days ", "90+  Days  ", "Total      "});
    file.WriteRow({std::string(NameWidth, '_'), AmountRuler, AmountRuler, AmountRuler, AmountRuler, AmountRuler});
    file.WriteLine();

    // Band by customer: row b holds band b (row 5 the totals), column k the k-th customer (from 1),
    // so the core's row sums give a band's total over the customers.
    core::NumberTable aged(TotalRow + 1, std::vector<double>(static_cast<std::size_t>(count) + 1));
    ForEachInPeriod(book.ledger, request, [&](std::string_view line) {
        const int customer = FindPrefixIndex(selected, core::RecordField(line, core::RecordColumns::Customer), 6);
        if (customer < 0)
            return;
        const int band = AgeBand(AgeInDays(core::RecordField(line, core::RecordColumns::Date), today));
        aged[static_cast<std::size_t>(band)][static_cast<std::size_t>(customer) + 1] += core::GetSignedAmount(line);
    });

    const bool hideZeros = form.ChkZeroCust.Value() == 1;
    for (int k = 1; k <= count; ++k) {
        double row[TotalRow];
        for (int band = 1; band <= AgeBandCount; ++band)
            row[band - 1] = aged[static_cast<std::size_t>(band)][static_cast<std::size_t>(k)];
        row[TotalRow - 1] = row[0] + row[1] + row[2] + row[3];
        aged[TotalRow][static_cast<std::size_t>(k)] = row[TotalRow - 1];
        if (hideZeros && row[TotalRow - 1] == 0)
            continue;
        const std::string code = runtime::left(selected[static_cast<std::size_t>(k - 1)], 6);
        WriteRow(file, core::GetCodeName(book, code, core::CodeKind::Customer), row);
    }
    file.WriteLine();
    WriteClosingRuler(file);
    double totals[TotalRow];
    for (int band = 1; band <= TotalRow; ++band)
        totals[band - 1] = core::SumArrayRow(aged, band, count);
    WriteRow(file, runtime::space(NameWidth), totals);
    WriteClosingRuler(file);
    file.WriteLine();
    return FinishTextReport(desk, file, kind);
}

} // namespace

bool WriteAgedBalanceReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request, int kind,
                            int customers)
{
    return RunTextReport(desk,
                         [&](ReportFile& file) { return WriteReport(desk, form, file, request, kind, customers); });
}

} // namespace reports
