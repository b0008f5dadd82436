#include "reports/ReconciliationPrint.h"

#include <string>

#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/TextTests.h"
#include "platform/Printer.h"
#include "reports/PrintedList.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

enum Column : int { DayColumn = 1, RefColumn, MemoColumn, ReconColumn, PaymentColumn, ReceiptColumn, EffectColumn };

// A line of the reconciliation list: date 1-11, reference 13-18, memo 20-39, reconciled flag 41,
// the amount at 43-53 for a payment or at 55-65 for any other type, and the effect on the
// reconciled balance at 66-76 (blank until the line was ticked or unticked).
void PrintReconcileLine(PrintedList& list, const std::string& line)
{
    list.PrintCell(DayColumn, runtime::mid(line, 1, 11));
    list.PrintCell(RefColumn, runtime::mid(line, 13, 6));
    // Twenty characters in a column of seventeen: the memo runs on towards the next column.
    list.PrintCell(MemoColumn, runtime::mid(line, 20, 20));
    list.PrintCell(ReconColumn, "    " + runtime::mid(line, 41, 1));
    // A payment's amount fills the payment field to its 51st character.
    if (core::IsBlank(runtime::mid(line, 51, 1)))
        list.PrintAmountCell(ReceiptColumn, runtime::mid(line, 55, 11));
    else
        list.PrintAmountCell(PaymentColumn, runtime::mid(line, 43, 11));
    const std::string effect = runtime::mid(line, 66, 11);
    if (!core::IsBlank(effect))
        list.PrintAmountCell(EffectColumn, effect);
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
    printLine("Reconciled Starting Balance :" + core::FormatAmountGrouped(runtime::val(shown.StartBalance)));
    list.EndLine();
    list.EndLine();
    list.PrintColumnHeadings();
    for (const std::string& line : shown.Lines) {
        if (!list.PrintRow([&] { PrintReconcileLine(list, line); }))
            return;
    }
    list.Finish([&] {
        list.EndLine();
        // The window's own balance, not a sum made here.
        printLine("Ending Reconciled Balance : " + core::FormatAmountGrouped(runtime::val(shown.CurrentBalanceCaption)));
    });
}

} // namespace reports
