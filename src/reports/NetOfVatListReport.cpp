#include "reports/NetOfVatListReport.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/Book.h"
#include "core/MoneyFormat.h"
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

// Each transaction row is held to this width: the memo keeps what room is left.
constexpr int RowWidth = 113;

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

class NetOfVatWriter {
public:
    // Sorts the grid's transactions into the two sections, each keeping the grid's order.
    NetOfVatWriter(ReportDesk& desk, ReportFile& file)
        : desk_(desk), book_(desk.book()), file_(file), rates_(book_.codes.ListVATCodes)
    {
        for (const core::IndexEntry& entry : book_.ledger.QueryIndex.entries()) {
            const std::string_view line = book_.ledger.Transactions.Line(entry.RecordNumber);
            (IsPaymentType(core::RecordField(line, core::RecordColumns::Type)) ? payments_ : receipts_).push_back(line);
        }
    }

    void WriteSection(Section section)
    {
        SectionSums sums;
        for (const std::string_view line : section == Section::Payments ? payments_ : receipts_) {
            const double amount = StoredAmount(line, core::RecordColumns::Amount);
            const TransactionVat vat = VatOf(line, amount, section);
            sums.Vat += vat.ToSection;
            sums.Total += amount;
            WriteTransactionRow(line, amount, vat.Vat);
        }
        WriteSectionTotals(sums);
    }

private:
    TransactionVat VatOf(std::string_view line, double amount, Section section)
    {
        namespace column = core::RecordColumns;
        const std::string code = core::PaddedRecordField(line, column::VAT);
        if (code == "SPL") {
            // A split transaction carries the sum of its splits' VAT.
            const double vat = StoredAmount(line, column::VATAmount);
            return {vat, std::fabs(vat)};
        }
        if (runtime::trim(code).empty())
            return {};
        const double rate = rates_(code);
        double vat = 0;
        if (core::RecordFlag(line, column::EEC))
            vat = rate * amount / 100; // charged on top of the amount
        else if (section == Section::Payments)
            vat = core::CalcVatOfGrossPence(rate, amount);
        else
            vat = core::CalcVatOfGross(rate, amount);
        return {vat, vat};
    }

    void WriteTransactionRow(std::string_view line, double amount, double vat)
    {
        namespace column = core::RecordColumns;
        // Amounts too wide for their 11 characters are written whole: the memo gives way.
        std::string row = JoinCells({dates_(line), core::PaddedRecordField(line, column::Reference),
                                     core::PaddedRecordField(line, column::VAT),
                                     core::PaddedRecordField(line, column::Bank),
                                     core::PaddedRecordField(line, column::Customer),
                                     core::PaddedRecordField(line, column::Category), core::FormatAmountGrouped(amount),
                                     core::FormatAmountGrouped(std::fabs(vat)),
                                     core::FormatAmountGrouped(std::fabs(amount) - std::fabs(vat)), " "});
        if (row.size() < RowWidth)
            row += MemoCell(line, RowWidth - static_cast<int>(row.size()));
        row.resize(RowWidth, ' ');
        file_.WriteLine(row);
    }

    void WriteSectionTotals(const SectionSums& sums)
    {
        file_.WriteRow({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3), "", "",
                        AmountRuler, AmountRuler, AmountRuler});
        const ReportHost& host = desk_.host();
        if (!host.PayTotalVisible() && !host.RcpTotalVisible())
            return;
        const double total = std::fabs(sums.Total);
        const double vat = std::fabs(sums.Vat);
        file_.WriteRow({runtime::space(9), runtime::space(6), runtime::space(3), runtime::space(3), "",
                        runtime::space(6), core::FormatAmountGrouped(total), core::FormatAmountGrouped(vat),
                        core::FormatAmountGrouped(total - vat)});
    }

    ReportDesk& desk_;
    core::Book& book_;
    ReportFile& file_;
    ShownDates dates_;
    VatRates rates_;
    std::vector<std::string_view> payments_;
    std::vector<std::string_view> receipts_;
};

bool WriteReport(ReportDesk& desk, ReportFile& file)
{
    core::Book& book = desk.book();
    file.WriteHead(NetOfVatListKind);
    file.WriteLine(FilterSubtitle(book.ledger.Filters.CurrentFilter));
    file.WriteMarker();
    file.WriteRow({"Date     ", "Ref   ", "VAT", "A/C", "CUST  ", "Cat  ", "Total      ", "Vat amount ", "Net Amount ",
                   " Memo"});
    file.WriteRow({"________ ", "______", "___", "___", "______", "_____", AmountRuler, AmountRuler, AmountRuler,
                   " ____"});
    NetOfVatWriter writer(desk, file);
    file.WriteLine("Payments");
    file.WriteLine(" ");
    writer.WriteSection(Section::Payments);
    file.WriteLine(" ");
    file.WriteLine("Receipts");
    writer.WriteSection(Section::Receipts);
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
