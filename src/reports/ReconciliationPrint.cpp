#include "reports/ReconciliationPrint.h"

#include <string>

#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "platform/Printer.h"
#include "reports/PrintedList.h"
#include "reports/ReconciliationPrintout.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

enum Column : int { DayColumn = 1, RefColumn, MemoColumn, ReconColumn, PaymentColumn, ReceiptColumn, EffectColumn };

namespace Line = ReconLine;

// An amount field of a list line, whole and right-aligned in at least 11 characters, so that an
// amount that fits prints as the list has always printed it and a wider one is never cut.
std::string AmountField(const std::string& line, int column, int width)
{
    return runtime::padLeft(runtime::trim(runtime::mid(line, column, width)), core::AmountWidth);
}

// A line of the reconciliation list (ReconLine): date, reference, memo, reconciled flag, the amount
// in the payment field for a payment or in the receipt field for any other type, and the effect on
// the reconciled balance (blank until the line was ticked or unticked), which runs to the blanks
// before the record number.
void PrintReconcileLine(PrintedList& list, const std::string& line)
{
    list.PrintCell(DayColumn, runtime::mid(line, Line::DateColumn, Line::DateWidth));
    list.PrintCell(RefColumn, runtime::mid(line, Line::RefColumn, Line::RefWidth));
    // Twenty characters in a column of seventeen: the memo runs on towards the next column.
    list.PrintCell(MemoColumn, runtime::mid(line, Line::MemoColumn, Line::MemoWidth));
    list.PrintCell(ReconColumn, "    " + runtime::mid(line, Line::MarkColumn, 1));
    if (core::IsBlank(runtime::mid(line, Line::PaymentColumn, Line::AmountWidth)))
        list.PrintAmountCell(ReceiptColumn, AmountField(line, Line::ReceiptColumn, Line::AmountWidth));
    else
        list.PrintAmountCell(PaymentColumn, AmountField(line, Line::PaymentColumn, Line::AmountWidth));
    const int effectWidth = static_cast<int>(line.size()) - Line::TailWidth - Line::EffectColumn + 1;
    if (effectWidth > 0 && !core::IsBlank(runtime::mid(line, Line::EffectColumn, effectWidth)))
        list.PrintAmountCell(EffectColumn, AmountField(line, Line::EffectColumn, effectWidth));
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
    printLine("Reconciled Starting Balance :" + core::FormatAmountGrouped(core::ReadTypedAmount(shown.StartBalance).value_or(0)));
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
        printLine("Ending Reconciled Balance : " +
                  core::FormatAmountGrouped(core::ReadTypedAmount(shown.CurrentBalanceCaption).value_or(0)));
    });
}

} // namespace reports
