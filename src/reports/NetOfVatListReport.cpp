#include "reports/NetOfVatListReport.h"

#include <cmath>
#include <string>

#include "core/Book.h"
#include "core/CodeList.h"
#include "core/MoneyFormat.h"
#include "core/TransactionRecord.h"
#include "core/Vat.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/TextReportRun.h"
#include "runtime/Text.h"

namespace reports {

namespace {

// Each transaction row is held to this width: the memo keeps what room is left.
constexpr int RowWidth = 113;
const std::string AmountRuler(core::AmountWidth, '_');

enum class Section { Payments, Receipts };

struct SectionSums {
    double Total = 0;
    double Vat = 0;
};

// The VAT of one transaction, and what it adds to its section's VAT total.
struct TransactionVat {
    double Vat = 0;
    double ToSection = 0;
};

TransactionVat VatOf(const core::Book& book, const core::TransactionFields& fields, Section section)
{
    if (fields.VAT == "SPL") {
        // A split transaction carries the sum of its splits' VAT.
        return {fields.VATAmount, std::fabs(fields.VATAmount)};
    }
    if (runtime::trim(fields.VAT).empty())
        return {};
    const double rate = core::GetCodeListValue(book.codes.ListVATCodes, fields.VAT);
    double vat = 0;
    if (fields.EEC)
        vat = rate * fields.Amount / 100; // charged on top of the amount
    else if (section == Section::Payments)
        vat = core::CalcVatOfGrossPence(rate, fields.Amount);
    else
        vat = core::CalcVatOfGross(rate, fields.Amount);
    return {vat, vat};
}

void WriteTransactionRow(ReportFile& file, const core::TransactionFields& fields, double vat)
{
    // Amounts too wide for their 11 characters are written whole: the memo gives way.
    const std::string row = JoinCells({fields.Date, fields.Reference, fields.VAT, fields.Bank, fields.Customer,
                                       fields.Category, core::FormatAmountGrouped(fields.Amount),
                                       core::FormatAmountGrouped(std::fabs(vat)),
                                       core::FormatAmountGrouped(std::fabs(fields.Amount) - std::fabs(vat)),
                                       " " + FlatMemo(fields.Memo)});
    file.WriteLine(runtime::padRight(row, RowWidth));
}

void WriteSectionTotals(ReportFile& file, const ReportHost& host, const SectionSums& sums)
{
    file.WriteRow({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3), "", "", AmountRuler,
                   AmountRuler, AmountRuler});
    if (!host.PayTotalVisible() && !host.RcpTotalVisible())
        return;
    const double total = std::fabs(sums.Total);
    const double vat = std::fabs(sums.Vat);
    file.WriteRow({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3), "", runtime::space(6),
                   core::FormatAmountGrouped(total), core::FormatAmountGrouped(vat),
                   core::FormatAmountGrouped(total - vat)});
}

void WriteSection(ReportDesk& desk, ReportFile& file, Section section)
{
    core::Book& book = desk.book();
    SectionSums sums;
    core::TransactionFields fields;
    for (const core::IndexEntry& entry : book.ledger.QueryIndex.entries()) {
        core::ParseTransactionRecord(book, book.ledger.Transactions.Line(entry.RecordNumber), fields);
        if (IsPaymentType(fields.Type) != (section == Section::Payments))
            continue;
        const TransactionVat vat = VatOf(book, fields, section);
        sums.Vat += vat.ToSection;
        sums.Total += fields.Amount;
        WriteTransactionRow(file, fields, vat.Vat);
    }
    WriteSectionTotals(file, desk.host(), sums);
}

bool WriteReport(ReportDesk& desk, ReportFile& file)
{
    core::Book& book = desk.book();
    file.WriteHead(NetOfVatListKind);
    file.WriteLine(FilterSubtitle(book.ledger.Filters.CurrentFilter));
    file.WriteLine(ReportStartMarker);
    file.WriteLine(" ");
    file.WriteLine(" ");
    file.WriteRow({"Date     ", "Ref   ", "VAT", "A/C", "CUST  ", "Cat  ", "Total      ", "Vat amount ", "Net Amount ",
                   " Memo"});
    file.WriteRow({"________ ", "______", "___", "___", "______", "_____", AmountRuler, AmountRuler, AmountRuler,
                   " ____"});
    file.WriteLine("Payments");
    file.WriteLine(" ");
    WriteSection(desk, file, Section::Payments);
    file.WriteLine(" ");
    file.WriteLine("Receipts");
    WriteSection(desk, file, Section::Receipts);
    file.WriteLine();
    file.WriteLine(RecordCountLine(book.ledger.QueryIndex.UpperBound()));
    return FinishTextReport(desk, file, NetOfVatListKind);
}

} // namespace

bool WriteNetOfVatListReport(ReportDesk& desk)
{
    return RunTextReport(desk, [&desk](ReportFile& file) { return WriteReport(desk, file); });
}

} // namespace reports
