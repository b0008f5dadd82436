#include "reports/BankActivityReport.h"

#include <string>
#include <string_view>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/TypedAmount.h"
#include "reports/FinishTextReport.h"
#include "reports/PeriodScan.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportForm.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int MemoWidth = 20;

// A row under the payment, receipt and balance columns; its memo cell is one blank short.
void WriteClosingRow(ReportFile& file, std::string_view payments, std::string_view receipts, std::string_view balance)
{
    file.WriteRow({runtime::space(9), runtime::space(6), runtime::space(19), runtime::space(3), payments, receipts,
                   balance});
}

void WriteClosingRuler(ReportFile& file)
{
    WriteClosingRow(file, AmountRuler, AmountRuler, AmountRuler);
}

bool WriteReport(ReportDesk& desk, ReportForm& form, ReportFile& file, core::FilterSetup& request)
{
    core::Book& book = desk.book();
    const bool countsUnreconciled = form.ChkSumUnRecon.Value() == 1;
    file.WriteHead(BankActivityKind);
    file.WriteLine(core::GetCodeName(book, request.BankCode.view(), core::CodeKind::Bank));
    file.WriteLine("From " + form.TextBankFrom.Text() + " to " + form.TextBankTo.Text());
    file.WriteLine(countsUnreconciled ? "Totals Include UnReconciled Amounts" : "Totals Exclude UnReconciled Amounts");
    file.WriteLine();
    file.WriteLine(ReportStartMarker);
    file.WriteLine();
    // Read as the edit box reads an amount, so "1,250.00" counts 1250.
    double balance = core::ReadTypedAmount(form.TextStartBal.Text()).value_or(0);
    file.WriteRow({"Starting", " Balance : ", core::FormatAmountGrouped(balance)});
    file.WriteLine();
    file.WriteLine();
    file.WriteRow({"Date     ", "Ref   ", "Memo                ", "Rec", "Payment    ", "Receipt    ", "Balance    "});
    file.WriteRow({"_________", "______", std::string(MemoWidth, '_'), "___", AmountRuler, AmountRuler, AmountRuler});
    file.WriteLine();

    request.TypeOn = core::FlagTrue;
    request.Types = "PR";
    double payments = 0;
    double receipts = 0;
    ShownDates dates;
    const std::string noAmount = runtime::space(core::AmountWidth);
    ForEachInPeriod(book.ledger, request, [&](std::string_view line) {
        const bool reconciled = core::RecordFlag(line, core::RecordColumns::Reconciled);
        const double amount = core::RecordAmount(line);
        const bool payment = core::RecordField(line, core::RecordColumns::Type) == "PAY";
        if (countsUnreconciled || reconciled) {
            balance += core::GetSignedAmount(line);
            (payment ? payments : receipts) += amount;
        }
        const std::string shown = core::FormatAmountGrouped(amount);
        file.WriteRow({dates(line), core::PaddedRecordField(line, core::RecordColumns::Reference),
                       MemoCell(line, MemoWidth), reconciled ? " Y " : "   ", payment ? shown : noAmount,
                       payment ? noAmount : shown, core::FormatAmountGrouped(balance)});
    });
    WriteClosingRuler(file);
    WriteClosingRow(file, core::FormatAmountGrouped(payments), core::FormatAmountGrouped(receipts),
                    core::FormatAmountGrouped(balance));
    WriteClosingRuler(file);
    file.WriteLine();
    file.WriteRow({"Ending", " Balance : ", core::FormatAmountGrouped(balance)});
    return FinishTextReport(desk, file, BankActivityKind);
}

} // namespace

bool WriteBankActivityReport(ReportDesk& desk, ReportForm& form, core::FilterSetup& request)
{
    return RunTextReport(desk, [&](ReportFile& file) { return WriteReport(desk, form, file, request); });
}

} // namespace reports
