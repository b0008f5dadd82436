#include "reports/ReconciliationPrint.h"

#include <string>

#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "platform/Printer.h"
#include "reports/PrintedList.h"
#include "reports/ReconciliationPrintout.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

enum Column : int { DayColumn = 1, RefColumn, MemoColumn, ReconColumn, PaymentColumn, ReceiptColumn, EffectColumn };

// The memo's twenty characters, as the window's list shows them.
constexpr int MemoWidth = 20;

// An amount cell, right-aligned in at least 11 characters; a wider amount is never cut.
std::string AmountCell(double amount)
{
    return runtime::padLeft(core::FormatAmountGrouped(amount), core::AmountWidth);
}

// A row of the reconciliation: date, reference, memo, reconciled flag, the amount in the payment
// column for a payment or in the receipt column for any other type, and the effect on the
// reconciled balance, blank until the row was ticked or unticked.
void PrintReconcileRow(PrintedList& list, const ReconciliationRow& row)
{
    list.PrintCell(DayColumn, row.Date);
    list.PrintCell(RefColumn, row.Reference);
    // Twenty characters in a column of seventeen: the memo runs on towards the next column.
    list.PrintCell(MemoColumn, runtime::padRight(row.Memo, MemoWidth));
    list.PrintCell(ReconColumn, row.Reconciled ? "    Y" : "     ");
    list.PrintAmountCell(row.Payment ? PaymentColumn : ReceiptColumn, AmountCell(row.Amount));
    if (row.Effect)
        list.PrintAmountCell(EffectColumn, AmountCell(*row.Effect));
}

} // namespace

void PrintReconciliationReport(ReportDesk& desk)
{
    const ReconciliationPrintout& shown = desk.Reconciliation;
    PrintedList list(desk, ReconciliationKind);
    const auto printLine = [&](const std::string& text) {
        list.printer().setCurrentX(desk.Settings.LeftMargin);
        list.printer().print(text, true);
    };
    // The name as the table stores it; an account the table lacks has none.
    const std::string bankName = core::GetCodeName(desk.book(), runtime::left(shown.BankText, 6), core::CodeKind::Bank);
    printLine(bankName + " Reconciliation from " + runtime::rtrim(shown.FromDate) + " to " + runtime::rtrim(shown.ToDate));
    list.EndLine();
    printLine("Reconciled Starting Balance :" + core::FormatAmountGrouped(shown.StartBalance));
    list.EndLine();
    list.EndLine();
    list.PrintColumnHeadings();
    for (const ReconciliationRow& row : shown.Rows) {
        if (!list.PrintRow([&] { PrintReconcileRow(list, row); }))
            return;
    }
    list.Finish([&] {
        list.EndLine();
        // The window's own balance, not a sum made here.
        printLine("Ending Reconciled Balance : " + core::FormatAmountGrouped(shown.EndBalance));
    });
}

} // namespace reports
