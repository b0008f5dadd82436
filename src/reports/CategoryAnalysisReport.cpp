#include "reports/CategoryAnalysisReport.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/FilterMatch.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/RowSums.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportForm.h"
#include "reports/ReportListHelpers.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "reports/TextReportRun.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr int LabelWidth = 20;
constexpr int OtherIncome = 1;
constexpr int OtherExpenditure = 2;

// The amounts of one run, month by category: row m holds month m (row 0 the totals), column c the
// category c (from 1), so the core's row sums add up a month over the categories.
struct Analysis {
    Analysis(int categories, int months)
        : categoryCount(categories), monthCount(months),
          byCategory(static_cast<std::size_t>(months) + 1,
                     std::vector<double>(static_cast<std::size_t>(categories) + 1)),
          others(static_cast<std::size_t>(months) + 1, std::vector<double>(3))
    {
    }

    double& category(int month, int row) { return cell(byCategory, month, row); }
    double& other(int month, int row) { return cell(others, month, row); }

    // Income of the listed rows in a month (0: the totals): categories above 0 and Other (+).
    double listedIncome(int month)
    {
        return core::SumArrayRowPositive(byCategory, month, categoryCount) + other(month, OtherIncome);
    }
    // Every listed row of a month.
    double net(int month)
    {
        return core::SumArrayRow(byCategory, month, categoryCount) + other(month, OtherIncome)
               + other(month, OtherExpenditure);
    }
    double listedExpenditure(int month) { return net(month) - listedIncome(month); }

    static double& cell(core::NumberTable& table, int month, int row)
    {
        return table[static_cast<std::size_t>(month)][static_cast<std::size_t>(row)];
    }

    int categoryCount;
    int monthCount;
    core::NumberTable byCategory;
    core::NumberTable others;
    double absoluteTurnover = 0;
    double totalIncome = 0;
    double totalExpenditure = 0;
};

class CategoryAnalysis {
public:
    CategoryAnalysis(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request, int categories, int months,
                     std::string_view startMonth)
        : desk_(desk), book_(desk.book()), form_(form), request_(request),
          selected_(CollectSelectedItems(form.ListAnalCodes, categories)),
          monthKeys_(FillMonthKeys(months, startMonth)), analysis_(static_cast<int>(selected_.size()), months),
          currentList_(form.ChkCatOnQry.Value() == 1)
    {
    }

    bool write(ReportFile& file)
    {
        const bool viewer = desk_.host().ChosenOutput() == ReportOutput::Datapeek;
        file.WriteHead(CategoryAnalysisKind);
        file.WriteLine();
        if (currentList_)
            file.WriteLine("Analysis of Current Filtered List : " + desk_.host().MainFilterText());
        else
            file.WriteLine("From " + form_.TextAnalFrom.Text() + "  To " + form_.TextAnalTo.Text());
        file.WriteLine();
        if (viewer)
            file.WriteLine(ReportStartMarker);
        for (int i = 0; i < 3; ++i)
            file.WriteLine();
        writeHeadings(file);
        gather();
        file.WriteLine();
        totalTheMonths();
        writeCategoryRows(file);
        writeOtherRows(file);
        writeRuler(file, runtime::space(LabelWidth), 3);
        file.WriteLine();
        writeTotals(file);
        writeSummary(file);
        return FinishTextReport(desk_, file, CategoryAnalysisKind);
    }

private:
    bool byMonth() const { return analysis_.monthCount > 1; }

    // The label cell, then with months shown one cell per month.
    template <class MonthCell> void writeLead(ReportFile& file, std::string_view label, MonthCell monthCell)
    {
        file.Write(label);
        file.Write("\t");
        if (!byMonth())
            return;
        for (int month = 1; month <= analysis_.monthCount; ++month) {
            file.Write(monthCell(month));
            file.Write("\t");
        }
    }

    // The label cell, a ruler under each month, then `totals` rulers under the total columns.
    void writeRuler(ReportFile& file, std::string_view label, int totals)
    {
        writeLead(file, label, [](int) { return std::string(AmountRuler); });
        for (int i = 1; i < totals; ++i) {
            file.Write(AmountRuler);
            file.Write("\t");
        }
        file.WriteLine(AmountRuler);
    }

    void writeHeadings(ReportFile& file)
    {
        writeLead(file, "Category            ", [this](int month) {
            const std::string& key = monthKeys_[static_cast<std::size_t>(month - 1)];
            return std::string(core::MonthAbbreviation(key.substr(4, 2))) + "-" + key.substr(0, 4) + runtime::space(7);
        });
        file.WriteLine("Total      \tListed    %\tAbsolute  %");
        writeRuler(file, std::string(LabelWidth, '_'), 3);
        file.WriteLine();
    }

    // The scan over the period. The current list may be in reference order, so a record past the
    // period is skipped there rather than ending the scan.
    void gather()
    {
        const core::Ledger& ledger = book_.ledger;
        const core::TransactionIndex& index = currentList_ ? ledger.QueryIndex : ledger.DateIndex;
        const core::FilterMatcher matcher(request_);
        const int first = currentList_ ? 1 : index.FindIndexLowerBound(request_.FromDate.view());
        for (int i = std::max(first, 1); i <= index.UpperBound(); ++i) {
            const std::string_view line = ledger.Transactions.Line(index.at(i).RecordNumber);
            const int passes = matcher.Match(line, core::IndexKind::Date);
            if (passes == core::FilterPastToDate && !currentList_)
                break;
            if (passes != core::FilterPasses)
                continue;
            count(line);
        }
    }

    void count(std::string_view line)
    {
        const double amount = core::GetSignedAmount(line);
        const std::string_view code = core::RecordField(line, core::RecordColumns::Category);
        const int row = FindPrefixIndex(selected_, code, 4);
        if (row >= 0) {
            const int month = monthOf(line);
            if (month >= 0)
                analysis_.category(month, row + 1) += amount;
        } else if (core::FindListItem(book_.codes.ListAnalCodes, code, 4) < 0) {
            const int month = monthOf(line);
            if (month >= 0)
                analysis_.other(month, amount > 0 ? OtherIncome : OtherExpenditure) += amount;
        }
        analysis_.absoluteTurnover += std::fabs(amount);
        if (amount >= 0)
            analysis_.totalIncome += amount;
        else
            analysis_.totalExpenditure += amount;
    }

    // The column a record's amount goes to: 0 without months, else its month's; -1 when none matches.
    int monthOf(std::string_view line) const
    {
        if (!byMonth())
            return 0;
        const int found = FindPrefixIndex(monthKeys_, core::RecordField(line, core::RecordColumns::Date), 6);
        return found < 0 ? -1 : found + 1;
    }

    // Without months the amounts were gathered straight into the totals.
    void totalTheMonths()
    {
        for (int month = 1; byMonth() && month <= analysis_.monthCount; ++month) {
            for (int row = 1; row <= analysis_.categoryCount; ++row)
                analysis_.category(0, row) += analysis_.category(month, row);
            for (int row : {OtherIncome, OtherExpenditure})
                analysis_.other(0, row) += analysis_.other(month, row);
        }
        listedIncome_ = analysis_.listedIncome(0);
        listedExpenditure_ = analysis_.listedExpenditure(0);
    }

    // A row's amounts and its two shares: a share of expenditure is written negative, and a share
    // without its base is left out (the Listed % cell entirely, the Absolute % value only).
    void writeRow(ReportFile& file, std::string_view label, bool income, double total,
                  const std::vector<double>& months)
    {
        writeLead(file, label,
                  [&](int month) { return core::FormatAmountGrouped(months[static_cast<std::size_t>(month)]); });
        file.Write(core::FormatAmountGrouped(total));
        file.Write("\t");
        const double listedBase = income ? listedIncome_ : listedExpenditure_;
        if (income ? listedBase > 0 : listedBase < 0) {
            file.Write(core::FormatAmountGrouped(share(total, listedBase)));
            file.Write("\t");
        }
        const double absoluteBase = income ? analysis_.totalIncome : analysis_.totalExpenditure;
        file.WriteLine(absoluteBase == 0 ? std::string() : core::FormatAmountGrouped(share(total, absoluteBase)));
    }

    static double share(double amount, double base) { return std::fabs(amount * 100) / base; }

    std::vector<double> monthsOfCategory(int row)
    {
        std::vector<double> months;
        for (int month = 0; month <= analysis_.monthCount; ++month)
            months.push_back(analysis_.category(month, row));
        return months;
    }

    std::vector<double> monthsOfOther(int row)
    {
        std::vector<double> months;
        for (int month = 0; month <= analysis_.monthCount; ++month)
            months.push_back(analysis_.other(month, row));
        return months;
    }

    void writeCategoryRows(ReportFile& file)
    {
        const bool hideZeros = form_.ChkSupressAnalZeros.Value() == 1;
        for (int row = 1; row <= analysis_.categoryCount; ++row) {
            const double total = analysis_.category(0, row);
            if (hideZeros && ShowsAsZero(total))
                continue;
            const std::string& entry = selected_[static_cast<std::size_t>(row - 1)];
            const std::string name = core::GetCodeName(book_, runtime::left(entry, 4), core::CodeKind::Category);
            writeRow(file, name, total >= 0, total, monthsOfCategory(row));
        }
    }

    void writeOtherRows(ReportFile& file)
    {
        if (analysis_.other(0, OtherIncome) != 0)
            writeRow(file, "Other (+)           ", true, analysis_.other(0, OtherIncome), monthsOfOther(OtherIncome));
        if (analysis_.other(0, OtherExpenditure) != 0)
            writeRow(file, "Other (-)           ", false, analysis_.other(0, OtherExpenditure),
                     monthsOfOther(OtherExpenditure));
    }

    void writeTotals(ReportFile& file)
    {
        writeLead(file, "INCOME              ",
                  [this](int month) { return core::FormatAmountGrouped(analysis_.listedIncome(month)); });
        file.WriteLine(core::FormatAmountGrouped(listedIncome_));
        writeLead(file, "EXPENDITURE         ",
                  [this](int month) { return core::FormatAmountGrouped(analysis_.listedExpenditure(month)); });
        file.WriteLine(core::FormatAmountGrouped(listedExpenditure_));
        file.WriteLine();
        writeLead(file, "NET                 ",
                  [this](int month) { return core::FormatAmountGrouped(analysis_.net(month)); });
        file.WriteLine(core::FormatAmountGrouped(analysis_.net(0)));
        writeRuler(file, runtime::space(LabelWidth), 1);
        file.WriteLine();
    }

    void writeSummary(ReportFile& file)
    {
        file.WriteRow({"Absolute Turnover ", core::FormatAmountGrouped(analysis_.absoluteTurnover)});
        file.WriteLine();
        file.WriteRow({"Income            ", core::FormatAmountGrouped(analysis_.totalIncome)});
        file.WriteRow({"Expenditure       ", core::FormatAmountGrouped(analysis_.totalExpenditure)});
        file.WriteRow(
            {"Difference        ", core::FormatAmountGrouped(analysis_.totalIncome + analysis_.totalExpenditure)});
    }

    ReportDesk& desk_;
    core::Book& book_;
    ReportForm& form_;
    const core::FilterSetup& request_;
    std::vector<std::string> selected_;
    std::vector<std::string> monthKeys_;
    Analysis analysis_;
    bool currentList_;
    double listedIncome_ = 0;
    double listedExpenditure_ = 0;
};

} // namespace

bool WriteCategoryAnalysisReport(ReportDesk& desk, ReportForm& form, const core::FilterSetup& request, int categories,
                                 int months, std::string_view startMonth)
{
    return RunTextReport(desk, [&](ReportFile& file) {
        CategoryAnalysis analysis(desk, form, request, categories, months, startMonth);
        return analysis.write(file);
    });
}

} // namespace reports
