#include "reports/CurrentListPrint.h"

#include <string>

#include "core/Book.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "platform/Printer.h"
#include "reports/PrintJobRequest.h"
#include "reports/PrintedList.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"

namespace reports {

namespace {

enum Column : int { DateColumn = 1, RefColumn, TypeColumn, VatColumn, MemoColumn, PaymentColumn, ReceiptColumn,
                    RecColumn, PaidColumn, BankColumn, CustColumn, CategColumn };

constexpr int MemoWidth = 20;

// The payments and receipts printed so far.
struct ListTotals {
    double payments = 0;
    double receipts = 0;
};

void PrintTransaction(PrintedList& list, std::string_view line, ShownDates& dates, ListTotals& totals)
{
    namespace field = core::RecordColumns;
    list.PrintCell(DateColumn, dates(line));
    list.PrintCell(RefColumn, core::PaddedRecordField(line, field::Reference));
    const std::string type = core::PaddedRecordField(line, field::Type);
    list.PrintCell(TypeColumn, type);
    list.PrintCell(VatColumn, core::PaddedRecordField(line, field::VAT));
    list.PrintCell(MemoColumn, MemoCell(line, MemoWidth));
    // Amounts print as stored, without a sign: the column tells a payment from a receipt.
    const double amount = StoredAmount(line, field::Amount);
    const bool payment = IsPaymentType(type);
    (payment ? totals.payments : totals.receipts) += amount;
    list.PrintAmountCell(payment ? PaymentColumn : ReceiptColumn, core::FormatAmountGrouped(amount));
    if (core::RecordFlag(line, field::Reconciled))
        list.PrintCell(RecColumn, " Y");
    if (core::RecordFlag(line, field::Paid))
        list.PrintCell(PaidColumn, " Y");
    list.PrintCell(BankColumn, core::PaddedRecordField(line, field::Bank));
    list.PrintCell(CustColumn, core::PaddedRecordField(line, field::Customer));
    list.PrintCell(CategColumn, core::PaddedRecordField(line, field::Category));
}

// Rules under the payment and receipt columns, as long as the rulers under their headings.
void PrintAmountRules(PrintedList& list)
{
    for (const int column : {PaymentColumn, ReceiptColumn}) {
        const int characters = list.Column(column).Width / list.charWidths().Normal - 1;
        list.PrintCell(column, std::string(static_cast<std::size_t>(characters), '_'));
    }
    list.EndLine();
    list.EndLine();
}

void PrintTotals(PrintedList& list, const ReportHost& host, const ListTotals& totals)
{
    // A total the main window does not show is not printed either.
    if (host.PayTotalVisible())
        list.PrintAmountCell(PaymentColumn, core::FormatAmountGrouped(totals.payments));
    if (host.RcpTotalVisible())
        list.PrintAmountCell(ReceiptColumn, core::FormatAmountGrouped(totals.receipts));
    list.EndLine();
}

} // namespace

void PrintCurrentFilteredList(ReportDesk& desk)
{
    if (desk.book().ledger.QueryIndex.UpperBound() < 1)
        return;
    RequestPrintJob(desk, "Current Filtered List", ScreenDumpTag);
}

void PrintCurrentRecordList(ReportDesk& desk)
{
    core::Ledger& ledger = desk.book().ledger;
    PrintedList list(desk, CurrentFilteredListKind);
    list.printer().setCurrentX(desk.Settings.LeftMargin);
    // The filter's name on the first page only; an empty line in its place when it has none.
    list.printer().print(FilterSubtitle(ledger.Filters.CurrentFilter), true);
    list.EndLine();
    list.EndLine();
    list.PrintColumnHeadings();

    ListTotals totals;
    ShownDates dates;
    for (const core::IndexEntry& entry : ledger.QueryIndex.entries()) {
        const std::string_view line = ledger.Transactions.Line(entry.RecordNumber);
        if (!list.PrintRow([&] { PrintTransaction(list, line, dates, totals); }))
            return;
    }
    list.Finish([&] {
        PrintAmountRules(list);
        PrintTotals(list, desk.host(), totals);
        PrintAmountRules(list);
        list.PrintCell(DateColumn, RecordCountLine(ledger.QueryIndex.UpperBound()));
        list.EndLine();
    });
}

} // namespace reports
