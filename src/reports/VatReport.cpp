#include "reports/VatReport.h"

#include <cmath>
#include <string>
#include <string_view>

#include "core/Book.h"
#include "core/FilterSetup.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/SplitEntry.h"
#include "core/SplitText.h"
#include "core/Vat.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportForm.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/StoredTransaction.h"
#include "reports/TextReportRun.h"
#include "reports/VatRates.h"
#include "runtime/Text.h"

namespace reports {

namespace {

namespace column = core::RecordColumns;

constexpr int DetailMode = 2;
constexpr int MemoWidth = 20;
constexpr std::size_t SplitEntryWidth = 51;

enum class Section { Inputs, Outputs };

struct SectionTotals {
    double Amount = 0;
    double Net = 0;
    double Vat = 0;
};

// A figure as the return adds it: rounded to pence the way the amounts are written.
double Rounded(double amount)
{
    return runtime::val(core::FormatAmountPlainUncut(amount));
}

std::string BoxRow(std::string_view label1, std::string_view label2, std::string_view label3, double value)
{
    return JoinCells({label1, label2, label3, core::FormatAmountGrouped(value)});
}

class VatReportWriter {
public:
    VatReportWriter(ReportDesk& desk, ReportForm& form, ReportFile& file, core::FilterSetup& request, int mode)
        : book_(desk.book()), form_(form), file_(file), request_(request), detail_(mode == DetailMode),
          cash_(form.OptCashScheme.Value()), rates_(book_.codes.ListVATCodes),
          showSplits_(form.ChkShowSplits.Value() == 1)
    {
    }

    void WriteHead()
    {
        file_.WriteHead(VatReportKind);
        file_.WriteLine();
        std::string range = "From " + form_.TextVatFrom.Text() + "  To " + form_.TextVatTo.Text();
        if (cash_)
            range += "  CASH ACCOUNTING SCHEME";
        file_.WriteLine(range);
        file_.WriteLine();
        if (detail_)
            file_.WriteLine("** Detail **");
        file_.WriteLine(ReportStartMarker);
        file_.WriteLine();
        file_.WriteLine();
        if (detail_) {
            file_.WriteRow({runtime::space(9), runtime::space(6), runtime::space(MemoWidth), "    Taxable", "Code",
                            "        Tax", "     Total"});
            file_.WriteRow({runtime::space(9), runtime::space(6), runtime::space(MemoWidth), AmountRuler, "____",
                            AmountRuler, std::string(12, '_')});
        } else {
            file_.WriteLine("*** Summary ***");
            file_.WriteLine();
        }
    }

    // The period's transactions in date order, each taken by the side whose type letters it has:
    // INPUTS "P" (cash accounting) or "PBZ", OUTPUTS "R" or "RIY". The scan ends at the first
    // transaction with a VAT code dated after the period; one without a VAT code is no part of the
    // return, wherever it is dated. Each line is read once: both sides' rows are gathered in this
    // one pass, so a full book's lines are not fetched from memory a second time.
    void ScanPeriod()
    {
        const core::TransactionIndex& index = book_.ledger.DateIndex;
        const std::string_view from = request_.FromDate.view();
        const std::string_view to = request_.ToDate.view();
        const std::string_view inputs = cash_ ? "P" : "PBZ";
        const std::string_view outputs = cash_ ? "R" : "RIY";
        for (int position = index.FindIndexLowerBound(from); position >= 1 && position <= index.UpperBound(); ++position) {
            const std::string_view line = book_.ledger.Transactions.Line(index.at(position).RecordNumber);
            if (core::RecordField(line, column::VAT).find_first_not_of(' ') == std::string_view::npos)
                continue;
            const std::string_view date = core::RecordField(line, column::Date);
            if (date > to)
                break;
            const std::string_view letter =
                core::FilterTypeLetter(core::RecordField(line, column::Type), core::RecordFlag(line, column::Paid));
            if (date < from || letter.empty())
                continue;
            if (inputs.find(letter) != std::string_view::npos)
                Take(line, Section::Inputs);
            else if (outputs.find(letter) != std::string_view::npos)
                Take(line, Section::Outputs);
        }
    }

    void WriteSection(Section section)
    {
        const bool inputs = section == Section::Inputs;
        const char* name = inputs ? "INPUTS " : "OUTPUTS";
        // The request ends with the letters of the last side, as the caller may look.
        request_.TypeOn = core::FlagTrue;
        request_.Types = inputs ? (cash_ ? "P" : "PBZ") : (cash_ ? "R" : "RIY");
        if (detail_)
            file_.WriteLine(name);
        if (detail_) {
            file_.Write(inputs ? inputRows_ : outputRows_);
            WriteSectionFoot(name, inputs ? inputs_ : outputs_);
        }
    }

    void WriteBoxes()
    {
        const double outputsVat = std::fabs(outputs_.Vat);
        const double acquisitionsVat = std::fabs(acquisitionsVat_);
        const double vatDue = Rounded(outputsVat) + Rounded(acquisitionsVat);
        const double vatReclaimed = Rounded(inputs_.Vat) + Rounded(acquisitionsVat);
        const double netVat = vatDue - vatReclaimed;
        const std::string blank6 = runtime::space(6);
        file_.WriteLine();
        file_.WriteLine(BoxRow("(1) VAT", blank6, "due on outputs     :", outputsVat));
        file_.WriteLine(BoxRow("(2) VAT", blank6, "due on EC Aquistns :", acquisitionsVat));
        file_.WriteLine(BoxRow("(3)Total", blank6, "VAT due            :", vatDue));
        file_.WriteLine(BoxRow("(4) VAT", blank6, "reclaimed on inputs:", vatReclaimed));
        file_.WriteLine();
        file_.WriteLine(BoxRow("(5) Net VAT", blank6, netVat > 0 ? "due         :" : "Reclaimable :", netVat));
        file_.WriteLine();
        file_.WriteLine(BoxRow("(6) Total ", "Outputs", " excl VAT  : ",
                               Rounded(std::fabs(outputs_.Net)) + Rounded(std::fabs(suppliesNet_))));
        file_.WriteLine(BoxRow("(7) Total ", "Inputs ", " excl VAT  : ",
                               Rounded(inputs_.Net) + Rounded(std::fabs(acquisitionsNet_))));
        file_.WriteLine();
        file_.WriteLine(BoxRow("(8) Total ", "EEC    ", "excl Supplies : ", std::fabs(suppliesNet_)));
        file_.WriteLine(BoxRow("(9) Total ", "EEC    ", "excl Aquistns : ", std::fabs(acquisitionsNet_)));
    }

private:
    // An ordinary amount is gross, VAT included; an EEC amount is net, its VAT charged on top. A
    // split transaction carries the sum of its splits' VAT.
    void Take(std::string_view line, Section section)
    {
        SectionTotals& totals = section == Section::Inputs ? inputs_ : outputs_;
        const double amount = std::fabs(core::RecordAmount(line));
        const bool eec = core::RecordFlag(line, column::EEC);
        const std::string_view code = core::RecordField(line, column::VAT);
        double vat = 0;
        if (code == "SPL")
            vat = core::RecordNumber(line, column::VATAmount);
        else if (eec)
            vat = rates_(code) * amount / 100;
        else
            vat = core::CalcVatOfGross(rates_(code), amount);
        const double net = eec ? amount : amount - vat;
        if (!eec) {
            totals.Amount += amount;
            totals.Net += net;
            totals.Vat += vat;
        } else if (section == Section::Inputs) {
            acquisitionsVat_ += vat;
            acquisitionsNet_ += net;
        } else {
            suppliesNet_ += net;
        }
        if (!detail_ || eec)
            return;
        std::string& rows = section == Section::Inputs ? inputRows_ : outputRows_;
        AppendRow(rows, {dates_(line), core::PaddedRecordField(line, column::Reference), MemoCell(line, MemoWidth),
                         core::FormatAmountGrouped(net), core::PaddedRecordField(line, column::VAT),
                         core::FormatAmountGrouped(vat), core::FormatAmountGrouped(amount)});
        if (showSplits_)
            AppendSplitRows(rows, line);
    }

    // Each split entry worked out from its own code's rate, so the lines need not add up to the
    // VAT the transaction's row shows. An entry is read once and its rate taken from the report's
    // rates, rather than the code table searched for each of its cells.
    void AppendSplitRows(std::string& rows, std::string_view line)
    {
        const int count = static_cast<int>(core::RecordNumber(line, column::SplitCount));
        for (int j = 0; j < count; ++j) {
            const std::size_t start = core::RecordFixedLength + SplitEntryWidth * static_cast<std::size_t>(j);
            if (start >= line.size())
                return;
            const std::string_view entry = line.substr(start, SplitEntryWidth);
            if (core::SplitEntryCount(entry) == 0) {
                // Too little of the entry is left to count as one: its cells are empty.
                AppendRow(rows, {runtime::space(9), runtime::space(6), "", "", "", "", ""});
                continue;
            }
            const core::SplitEntry split = core::ReadSplitEntry(entry, 0);
            const double vat = core::CalcVatOfGross(rates_(split.VatCode), split.Amount);
            AppendRow(rows, {runtime::space(9), runtime::space(6), runtime::left(split.Memo, MemoWidth),
                             core::FormatSplitAmount(split.Amount - vat), core::FormatSplitCode(split.VatCode),
                             core::FormatSplitAmount(vat), core::FormatSplitAmount(split.Amount)});
        }
    }

    void WriteSectionFoot(std::string_view name, const SectionTotals& totals)
    {
        const std::string rule = JoinCells({runtime::space(9), runtime::space(6), runtime::space(19), AmountRuler,
                                            runtime::space(5), AmountRuler, AmountRuler});
        file_.WriteLine(rule);
        file_.WriteRow({std::string(name) + "  ", " Total:", runtime::space(MemoWidth),
                        core::FormatAmountGrouped(totals.Net), runtime::space(5), core::FormatAmountGrouped(totals.Vat),
                        core::FormatAmountGrouped(totals.Amount)});
        file_.WriteLine(rule);
    }

    core::Book& book_;
    ReportForm& form_;
    ReportFile& file_;
    core::FilterSetup& request_;
    const bool detail_;
    const bool cash_;
    VatRates rates_;
    ShownDates dates_;
    const bool showSplits_;
    std::string inputRows_;
    std::string outputRows_;
    SectionTotals inputs_;
    SectionTotals outputs_;
    double acquisitionsVat_ = 0;
    double acquisitionsNet_ = 0;
    double suppliesNet_ = 0;
};

} // namespace

bool WriteVatReport(ReportDesk& desk, ReportForm& form, core::FilterSetup& request, int mode)
{
    return RunTextReport(desk, [&](ReportFile& file) {
        VatReportWriter writer(desk, form, file, request, mode);
        writer.WriteHead();
        writer.ScanPeriod();
        writer.WriteSection(Section::Inputs);
        writer.WriteSection(Section::Outputs);
        writer.WriteBoxes();
        return FinishTextReport(desk, file, VatReportKind);
    });
}

} // namespace reports
