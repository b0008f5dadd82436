#include "reports/EecListReport.h"

#include <optional>
#include <string>

#include "core/Book.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "runtime/Date.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int MemoWidth = 40;

// A period date as the records store theirs, "yyyymmdd", so the two compare as text.
std::string StoredDate(std::string_view shown)
{
    const std::optional<runtime::Date> date = runtime::parseDate(shown);
    if (!date)
        throw runtime::Error(runtime::TypeMismatch);
    return runtime::format(*date, "yyyymmdd");
}

// Sales list receipts and invoices still owed to the company, acquisitions payments and bills
// still owed by it: an invoice or bill once paid shows through its receipt or payment.
bool IsListed(int kind, std::string_view line)
{
    const std::string_view type = core::RecordField(line, core::RecordColumns::Type);
    const bool paid = core::RecordFlag(line, core::RecordColumns::Paid);
    if (kind == EecAcquisitionKind)
        return type == "PAY" || (type == "BIL" && !paid);
    return type == "RCP" || (type == "INV" && !paid);
}

void WriteTotalsRuler(ReportFile& file)
{
    file.WriteRow({runtime::space(6), runtime::space(9), runtime::space(MemoWidth), AmountRuler});
}

bool WriteReport(ReportDesk& desk, ReportFile& file, int kind, std::string_view from, std::string_view to)
{
    core::Book& book = desk.book();
    file.WriteHead(kind);
    file.WriteLine();
    file.WriteMarker();
    file.WriteRow({from, "To    ", to});
    file.WriteLine();
    const std::string first = StoredDate(from);
    const std::string last = StoredDate(to);
    file.WriteRow({"Date     ", "Ref   ", "Memo" + runtime::space(MemoWidth - 4), "Amount     "});
    file.WriteRow({"_________", "______", std::string(MemoWidth, '_'), AmountRuler});
    file.WriteLine();

    double total = 0;
    int count = 0;
    ShownDates dates;
    for (const core::IndexEntry& entry : book.ledger.DateIndex.entries()) {
        const std::string_view line = book.ledger.Transactions.Line(entry.RecordNumber);
        const std::string_view date = core::RecordField(line, core::RecordColumns::Date);
        if (!core::RecordFlag(line, core::RecordColumns::EEC) || date < first || date > last || !IsListed(kind, line))
            continue;
        const double amount = StoredAmount(line, core::RecordColumns::Amount);
        total += amount;
        ++count;
        // An amount too wide for its 11 characters is written whole.
        file.WriteRow({dates(line), core::PaddedRecordField(line, core::RecordColumns::Reference),
                       MemoCell(line, MemoWidth), core::FormatAmountGrouped(amount)});
    }
    WriteTotalsRuler(file);
    file.WriteRow({runtime::space(6), runtime::space(9), runtime::space(MemoWidth), core::FormatAmountGrouped(total)});
    WriteTotalsRuler(file);
    file.WriteLine();
    file.WriteLine(RecordCountLine(count));
    return FinishTextReport(desk, file, kind);
}

} // namespace

bool WriteEecListReport(ReportDesk& desk, int kind, std::string_view from, std::string_view to)
{
    return RunTextReport(desk, [&](ReportFile& file) { return WriteReport(desk, file, kind, from, to); });
}

} // namespace reports
