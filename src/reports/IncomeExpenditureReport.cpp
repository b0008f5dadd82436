#include "reports/IncomeExpenditureReport.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeList.h"
#include "core/CodeTableEdits.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/Vat.h"
#include "reports/FinishTextReport.h"
#include "reports/PeriodScan.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportForm.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/TextReportRun.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int LabelWidth = 20;

struct CategoryTotal {
    double income = 0;
    double expenditure = 0;
};

// A paid invoice or bill: with the VAT taken out, only its VAT counts, against its own direction.
bool IsSettledDocument(std::string_view line)
{
    const std::string_view type = core::RecordField(line, core::RecordColumns::Type);
    return (type == "INV" || type == "BIL") && core::RecordFlag(line, core::RecordColumns::Paid);
}

// Answers for each code met, worked out once per report: a book uses few codes, and looking one up
// in its list costs more than the rest of a record's work.
template <class Answer> class CodeAnswers {
public:
    template <class Work> Answer operator()(std::string_view code, Work work)
    {
        for (const auto& [known, answer] : answers_)
            if (known == code)
                return answer;
        answers_.emplace_back(std::string(code), work(code));
        return answers_.back().second;
    }

private:
    std::vector<std::pair<std::string, Answer>> answers_;
};

// The signed amount with its VAT element taken out at `rate`; an EEC transaction carries none of
// its own.
double AmountWithoutVat(std::string_view line, bool settled, double rate)
{
    const double signedAmount = core::GetSignedAmount(line);
    double amount = settled ? 0 : signedAmount;
    if (core::RecordFlag(line, core::RecordColumns::EEC))
        return amount;
    const std::string_view vatCode = core::RecordField(line, core::RecordColumns::VAT);
    if (vatCode == "SPL") {
        const double vat = std::fabs(core::RecordNumber(line, core::RecordColumns::VATAmount));
        const std::string_view type = core::RecordField(line, core::RecordColumns::Type);
        if (amount < 0)
            return amount + vat;
        return type == "RCP" || type == "INV" ? amount - vat : amount + vat;
    }
    return amount - core::CalcVatOfGross(rate, signedAmount);
}

class IncomeExpenditure {
public:
    IncomeExpenditure(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request)
        : desk_(desk), book_(desk.book()), form_(form), request_(request),
          categories_(static_cast<std::size_t>(book_.codes.ListAnalCodes.ListCount()))
    {
    }

    bool write(ReportFile& file)
    {
        const bool excludeVat = form_.ChkExcludeVAT.Value() == 1;
        file.WriteHead(IncomeExpenditureKind);
        file.WriteLine();
        file.WriteLine("From " + form_.TextPLFrom.Text() + "  To " + form_.TextPLTo.Text() + "  Figures "
                       + (excludeVat ? "exclude" : "include") + " VAT Amounts");
        file.WriteLine();
        if (desk_.host().ChosenOutput() == ReportOutput::Datapeek)
            file.WriteLine(ReportStartMarker);
        for (int i = 0; i < 3; ++i)
            file.WriteLine();
        file.WriteRow({"Category            ", blank_, "\xA3          "});
        file.WriteRow({std::string(LabelWidth, '_'), blank_, AmountRuler});
        file.WriteLine();
        gather(excludeVat);

        const bool hideZeros = form_.ChkZeroSupress.Value() == 1;
        file.WriteLine("INCOME");
        double incomeTotal = 0;
        forEachShown(hideZeros, [&](const std::string& name, const CategoryTotal& total) {
            if (total.income == 0)
                return;
            writeAmountRow(file, name, total.income);
            incomeTotal += total.income;
        });
        if (other_ > 0) {
            writeAmountRow(file, "Other               ", other_);
            incomeTotal += other_;
        }
        writeSectionTotal(file, incomeTotal);

        file.WriteLine("EXPENSES");
        double expenditureTotal = 0;
        forEachShown(hideZeros, [&](const std::string& name, const CategoryTotal& total) {
            if (total.expenditure == 0)
                return;
            writeAmountRow(file, name, std::fabs(total.expenditure));
            expenditureTotal += total.expenditure;
        });
        if (other_ < 0) {
            writeAmountRow(file, "Other               ", other_);
            expenditureTotal += other_;
        }
        writeSectionTotal(file, expenditureTotal);

        writeAmountRow(file, "Income - Expenditure", incomeTotal + expenditureTotal);
        return FinishTextReport(desk_, file, IncomeExpenditureKind);
    }

private:
    void gather(bool excludeVat)
    {
        ForEachInPeriod(book_.ledger, request_, [&](std::string_view line) {
            const std::string_view code = core::RecordField(line, core::RecordColumns::Category);
            const CategoryPlace place = categoryPlaces_(code, [this](std::string_view c) {
                return CategoryPlace{core::FindSelectedListItem(form_.ListAnal1, c, 4) >= 0,
                                     core::FindListItem(book_.codes.ListAnalCodes, c, 4)};
            });
            if (!place.chosen)
                return;
            const bool settled = IsSettledDocument(line);
            const double amount =
                excludeVat ? AmountWithoutVat(line, settled, rateOf(line)) : core::GetSignedAmount(line);
            if (place.row < 0) {
                other_ += amount;
                return;
            }
            CategoryTotal& total = categories_[static_cast<std::size_t>(place.row)];
            ((amount < 0) != settled ? total.expenditure : total.income) += amount;
        });
    }

    double rateOf(std::string_view line)
    {
        return vatRates_(core::RecordField(line, core::RecordColumns::VAT), [this](std::string_view code) {
            return core::GetCodeListValue(book_.codes.ListVATCodes, code);
        });
    }

    // Each category of the table in its order, with its name, unless hidden: with `hideZeros` a
    // category whose income and expenditure show the same in pence is left out.
    template <class Visit> void forEachShown(bool hideZeros, Visit visit)
    {
        for (std::size_t row = 0; row < categories_.size(); ++row) {
            const CategoryTotal& total = categories_[row];
            if (hideZeros && runtime::format(std::fabs(total.expenditure), "00000000.00")
                                 == runtime::format(std::fabs(total.income), "00000000.00"))
                continue;
            const std::string line = book_.codes.ListAnalCodes.List(static_cast<int>(row));
            visit(core::GetCodeName(book_, runtime::left(line, 4), core::CodeKind::Category), total);
        }
    }

    void writeAmountRow(ReportFile& file, std::string_view label, double amount)
    {
        file.WriteRow({label, blank_, core::FormatAmountGrouped(amount)});
    }

    void writeSectionTotal(ReportFile& file, double total)
    {
        file.WriteLine();
        writeSubtotalRuler(file);
        writeAmountRow(file, blank_, total);
        writeSubtotalRuler(file);
        file.WriteLine();
        file.WriteLine();
    }

    void writeSubtotalRuler(ReportFile& file) { file.WriteRow({blank_, blank_, AmountRuler}); }

    ReportDesk& desk_;
    core::Book& book_;
    ReportForm& form_;
    const core::FilterSetup& request_;
    std::vector<CategoryTotal> categories_;
    // Whether a record's category is chosen, and its row in the table (-1 when not in it).
    struct CategoryPlace {
        bool chosen;
        int row;
    };
    CodeAnswers<CategoryPlace> categoryPlaces_;
    CodeAnswers<double> vatRates_;
    double other_ = 0;
    const std::string blank_ = runtime::space(LabelWidth);
};

} // namespace

bool WriteIncomeExpenditureReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request)
{
    return RunTextReport(desk, [&](ReportFile& file) {
        IncomeExpenditure report(desk, form, request);
        return report.write(file);
    });
}

} // namespace reports
