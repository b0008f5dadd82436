#include "reports/SystemAuditReport.h"

#include <string>
#include <string_view>

#include "core/Book.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/Vat.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "reports/VatRates.h"
#include "runtime/Text.h"

namespace reports {

namespace {

namespace column = core::RecordColumns;

constexpr int MemoWidth = 20;
// The characters of a row of short cells, line end included.
constexpr std::size_t AuditRowWidth = 128;

// A split transaction carries the sum of its splits' VAT; any other is worked again from its gross
// amount at its code's rate as the table has it now.
double AuditedVat(std::string_view line, double amount, VatRates& rates)
{
    const std::string_view code = core::RecordField(line, column::VAT);
    if (code == "SPL")
        return core::RecordNumber(line, column::VATAmount);
    return core::CalcVatOfGross(rates(code), amount);
}

void AppendRecordRow(std::string& rows, std::string_view line, ShownDates& dates, VatRates& rates)
{
    const double amount = core::RecordAmount(line);
    const std::string type = core::PaddedRecordField(line, column::Type);
    const bool payment = IsPaymentType(type);
    const std::string amountCell = core::FormatAmountGrouped(amount);
    constexpr std::string_view noAmount = "           ";
    static_assert(noAmount.size() == core::AmountWidth);
    AppendRow(rows, {core::RecordFlag(line, column::Deleted) ? "** DEL" : core::PaddedRecordField(line, column::Number),
                     dates(line), core::PaddedRecordField(line, column::Reference), type,
                     core::PaddedRecordField(line, column::VAT), MemoCell(line, MemoWidth),
                     payment ? amountCell : noAmount, payment ? noAmount : amountCell,
                     core::RecordFlag(line, column::Reconciled) ? "  Y" : "   ",
                     core::RecordFlag(line, column::Paid) ? " Y " : "   ", core::PaddedRecordField(line, column::Bank),
                     core::PaddedRecordField(line, column::Customer), core::PaddedRecordField(line, column::Category),
                     core::FormatAmountPlainUncut(AuditedVat(line, amount, rates)),
                     core::RecordFlag(line, column::EEC) ? "EEC" : "   "});
}

bool WriteReport(ReportDesk& desk, ReportFile& file)
{
    core::Book& book = desk.book();
    file.WriteHead(SystemAuditKind);
    file.WriteLine();
    file.WriteMarker();
    file.WriteRow({"Sys ID", "Date     ", "Ref ", "Type ", "VAT ", "Memo            ", "Payment ", "Receipt ", " Rec",
                   "Pd? ", "Bank ", "Cust ", "Cat", "VAT Amount", "EEC?"});
    file.WriteRow({"______", "_________", "______", "___", "___", std::string(MemoWidth, '_'), AmountRuler, AmountRuler,
                   " ___", "___", "______", "______", "____", AmountRuler, "___"});
    file.WriteLine(" ");
    const core::TransactionTable& table = book.ledger.Transactions;
    ShownDates dates;
    VatRates rates(book.codes.ListVATCodes);
    // Every row gathered in one string and written at once: a full book has tens of thousands.
    std::string rows;
    rows.reserve(static_cast<std::size_t>(table.UpperBound()) * AuditRowWidth);
    for (int slot = 1; slot <= table.UpperBound(); ++slot)
        AppendRecordRow(rows, table.Line(slot), dates, rates);
    file.Write(rows);
    file.WriteLine();
    file.WriteLine(RecordCountLine(table.UpperBound()));
    return FinishTextReport(desk, file, SystemAuditKind);
}

} // namespace

bool WriteSystemAuditReport(ReportDesk& desk)
{
    return RunTextReport(desk, [&desk](ReportFile& file) { return WriteReport(desk, file); });
}

} // namespace reports
