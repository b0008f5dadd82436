#include "reports/FilteredListReport.h"

#include <string>

#include "core/Book.h"
#include "core/MoneyFormat.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int MemoWidth = 20;
const std::string NoAmount = runtime::space(core::AmountWidth);

void WriteTransactionRow(ReportFile& file, std::string_view line, ShownDates& dates)
{
    namespace column = core::RecordColumns;
    const std::string type = core::PaddedRecordField(line, column::Type);
    // An amount too wide for its cell widens it rather than losing digits.
    const std::string amount = core::FormatAmountGrouped(StoredAmount(line, column::Amount));
    const bool payment = IsPaymentType(type);
    file.WriteRow({dates(line), core::PaddedRecordField(line, column::Reference), type,
                   core::PaddedRecordField(line, column::VAT), MemoCell(line, MemoWidth), payment ? amount : NoAmount,
                   payment ? NoAmount : amount, core::RecordFlag(line, column::Reconciled) ? "  Y" : "   ",
                   core::RecordFlag(line, column::Paid) ? " Y " : "   ", core::PaddedRecordField(line, column::Bank),
                   core::PaddedRecordField(line, column::Customer), core::PaddedRecordField(line, column::Category)});
}

// The five empty cells under the date, reference, type, VAT and memo columns.
void WriteTotalsRuler(ReportFile& file)
{
    file.WriteRow({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3),
                   runtime::space(MemoWidth), AmountRuler, AmountRuler});
}

void WriteTotalsRow(ReportFile& file, const ReportHost& host)
{
    const std::string payments = host.PayTotalVisible() ? runtime::rtrim(host.PayTotalCaption()) : runtime::space(12);
    file.Write(JoinCells({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3),
                          runtime::space(MemoWidth), payments}));
    if (host.RcpTotalVisible())
        file.Write("\t" + runtime::rtrim(host.RcpTotalCaption()));
    file.WriteLine();
}

bool WriteReport(ReportDesk& desk, ReportFile& file)
{
    core::Book& book = desk.book();
    const core::TransactionIndex& query = book.ledger.QueryIndex;
    file.WriteHead(CurrentFilteredListKind);
    file.WriteLine(FilterSubtitle(book.ledger.Filters.CurrentFilter));
    file.WriteMarker();
    file.WriteRow({"Date     ", "Ref ", "Type ", "VAT ", "Memo            ", "Payment ", "Receipt ", " Rec", "Pd? ",
                   "Bank ", "Cust ", "Cat"});
    file.WriteRow({"_________", "______", "___", "___", std::string(MemoWidth, '_'), AmountRuler, AmountRuler, " ___",
                   "___", "______", "______", "____"});
    file.WriteLine(" ");
    ShownDates dates;
    for (const core::IndexEntry& entry : query.entries())
        WriteTransactionRow(file, book.ledger.Transactions.Line(entry.RecordNumber), dates);
    WriteTotalsRuler(file);
    WriteTotalsRow(file, desk.host());
    WriteTotalsRuler(file);
    file.WriteLine();
    file.WriteLine(RecordCountLine(query.UpperBound()));
    return FinishTextReport(desk, file, CurrentFilteredListKind);
}

} // namespace

bool WriteFilteredListReport(ReportDesk& desk)
{
    return RunTextReport(desk, [&desk](ReportFile& file) { return WriteReport(desk, file); });
}

} // namespace reports
