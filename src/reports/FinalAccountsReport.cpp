#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/TypedAmount.h"
#include "core/Vat.h"
#include "reports/Finaccs.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/TextReportRun.h"
#include "reports/VatRates.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace reports {

namespace {

namespace column = core::RecordColumns;

constexpr int LabelWidth = 38;
constexpr int WideLabelWidth = 49;
constexpr int TitleWidth = 64;
constexpr int CategoryCodeWidth = 4;
constexpr std::string_view SingleRule = "-----------";
constexpr std::string_view DoubleRule = "===========";
constexpr const char* TextViewerCommand = "notepad.exe ";

// The categories chosen in one of the dialog's lists, by their first 4 characters.
class ChosenCategories {
public:
    explicit ChosenCategories(const platform::ListBox& list)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.Selected(i))
                codes_.push_back(runtime::left(list.List(i), CategoryCodeWidth));
    }

    // Letter case is ignored, as the code window ignores it.
    bool Has(std::string_view code) const
    {
        const std::string_view key = code.substr(0, CategoryCodeWidth);
        for (const std::string& chosen : codes_)
            if (runtime::sameUpperCased(chosen, key))
                return true;
        return false;
    }

private:
    std::vector<std::string> codes_;
};

struct Figures {
    double Sales = 0;
    double Expenses = 0; // money paid out counts negative
    double Dividends = 0;
    double Cash = 0;
    double Debtors = 0;
    double Creditors = 0;
};

std::string Line(std::string_view label, double amount, int width = LabelWidth)
{
    return runtime::padRight(label, width) + core::FormatAmountGrouped(amount);
}

std::string Indented(std::string_view text, int width = LabelWidth)
{
    return runtime::space(width) + std::string(text);
}

// The company name centred over the 64 columns of the figures, its padding dropped.
std::string CentredName(std::string_view companyName)
{
    const std::string name = runtime::rtrim(companyName);
    const double blanks = runtime::roundHalfEven((TitleWidth - static_cast<double>(runtime::trim(name).size())) / 2);
    return blanks < 1 ? name : runtime::space(static_cast<int>(blanks)) + name;
}

// Reads the book for one run of the report.
class FinalAccountsScan {
public:
    FinalAccountsScan(core::Book& book, std::string from, std::string to)
        : book_(book), from_(std::move(from)), to_(std::move(to)), rates_(book.codes.ListVATCodes)
    {
    }

    // The VAT part of a signed gross amount: none on an EEC transaction (its VAT was charged on
    // top), the stored sum of a split transaction's VAT given the amount's sign, else the VAT the
    // gross amount holds at its code's rate.
    double VatPart(std::string_view line, double gross)
    {
        if (core::RecordFlag(line, column::EEC))
            return 0;
        const std::string_view code = core::RecordField(line, column::VAT);
        if (code == "SPL")
            return std::copysign(std::fabs(core::RecordNumber(line, column::VATAmount)), gross);
        return core::CalcVatOfGross(rates_(code), gross);
    }

    // Receipts and payments of the chosen categories within the period, net of VAT; under the
    // standard scheme a paid invoice or bill takes its VAT part back out, its receipt or payment
    // having counted gross of it.
    void AddProfitAndLoss(Figures& figures, const ChosenCategories& income, const ChosenCategories& expense,
                          const ChosenCategories& dividend, bool standardScheme)
    {
        const core::TransactionIndex& index = book_.ledger.DateIndex;
        for (int position = index.FindIndexLowerBound(from_); position >= 1 && position <= index.UpperBound(); ++position) {
            const std::string_view line = LineAt(position);
            const std::string_view date = core::RecordField(line, column::Date);
            if (date > to_)
                return;
            // The bound found for a period after every transaction is the last one, before it.
            if (date < from_)
                continue;
            const std::string_view type = core::RecordField(line, column::Type);
            const std::string_view category = core::RecordField(line, column::Category);
            const bool paidInvoiceOrBill =
                standardScheme && core::RecordFlag(line, column::Paid) && !core::RecordFlag(line, column::EEC);
            const double gross = core::GetSignedAmount(line);
            if (type == "RCP" && income.Has(category))
                figures.Sales += gross - VatPart(line, gross);
            else if (type == "INV" && paidInvoiceOrBill && income.Has(category))
                figures.Sales -= VatPart(line, gross);
            else if (type == "PAY" && expense.Has(category))
                figures.Expenses += gross - VatPart(line, gross);
            else if (type == "PAY" && dividend.Has(category))
                figures.Dividends += gross - VatPart(line, gross);
            else if (type == "BIL" && paidInvoiceOrBill && expense.Has(category))
                figures.Expenses -= VatPart(line, gross);
        }
    }

    // Every bank account's start balance and reconciled movements dated before the period's end.
    double GetBankBalances()
    {
        const platform::ListModel& banks = book_.codes.ListBankAccounts;
        double cash = 0;
        for (int i = 0; i < banks.ListCount(); ++i) {
            const std::string code = runtime::left(banks.List(i), 6);
            double cashMovements = 0;
            cash += core::GetBankAccount(book_, code) + core::SumBankAccountToDate(book_, code, to_, cashMovements);
        }
        return cash;
    }

    // What the unpaid invoices (or bills) dated up to the period's end come to, net of VAT.
    double SumUnpaid(std::string_view type)
    {
        const core::TransactionIndex& index = book_.ledger.DateIndex;
        double total = 0;
        for (int position = 1; position <= index.UpperBound(); ++position) {
            const std::string_view line = LineAt(position);
            if (core::RecordField(line, column::Date) > to_)
                break;
            if (core::RecordField(line, column::Type) != type || core::RecordFlag(line, column::Paid))
                continue;
            const double gross = core::GetSignedAmount(line);
            total += std::fabs(gross - VatPart(line, gross));
        }
        return total;
    }

private:
    std::string_view LineAt(int position) const
    {
        return book_.ledger.Transactions.Line(book_.ledger.DateIndex.at(position).RecordNumber);
    }

    core::Book& book_;
    const std::string from_;
    const std::string to_;
    VatRates rates_;
};

} // namespace

void Finaccs::WriteFinalAccounts()
{
    core::Book& book = desk_.book();
    RunTextReport(desk_, [&](ReportFile& file) {
        ShowProgress("0%");
        file.WriteLine(CentredName(book.company.CompanyName.view()));
        file.WriteLine(runtime::space(17) + "Final Accounts for the Period");
        file.WriteLine(runtime::space(19) + TxtFrom.Text() + " To " + TxtTo.Text());
        file.WriteLine();
        file.WriteLine();
        file.WriteLine("Profit & Loss");
        file.WriteLine("=============");
        file.WriteLine();

        FinalAccountsScan scan(book, core::FormatShownDateForStorage(TxtFrom.Text(), "yyyymmdd"),
                               core::FormatShownDateForStorage(TxtTo.Text(), "yyyymmdd"));
        Figures figures;
        scan.AddProfitAndLoss(figures, ChosenCategories(ListIncomeCats), ChosenCategories(ListExpenseCats),
                              ChosenCategories(ListDividendCats), OptStandardVAT.Value());
        ShowProgress("50%");
        const double profitBroughtForward = core::ReadTypedAmount(TxtProfitFwd.Text()).value_or(0);
        const double retained = figures.Sales + figures.Expenses + figures.Dividends;
        file.WriteLine(Line(" Sales", figures.Sales));
        file.WriteLine(Line(" Purchases, Expenses & Overheads", figures.Expenses));
        file.WriteLine(Indented(SingleRule));
        file.WriteLine(Line(" Profit for the period", figures.Sales + figures.Expenses));
        file.WriteLine();
        file.WriteLine();
        file.WriteLine(Line(" Dividends", figures.Dividends));
        file.WriteLine();
        file.WriteLine();
        file.WriteLine(Line(" Profit Brought Forward", profitBroughtForward));
        file.WriteLine(Indented(SingleRule));
        file.WriteLine(Line(" Net Profit", profitBroughtForward + retained, WideLabelWidth));
        file.WriteLine(Indented(DoubleRule, WideLabelWidth));
        ShowProgress("65%");

        figures.Cash = scan.GetBankBalances();
        file.WriteLine();
        file.WriteLine();
        file.WriteLine();
        file.WriteLine("Balance Sheet");
        file.WriteLine("=============");
        file.WriteLine();
        file.WriteLine(" CURRENT ASSETS");
        file.WriteLine(Line("  Cash at Hand and in Bank", figures.Cash));
        ShowProgress("75%");
        figures.Debtors = scan.SumUnpaid("INV");
        file.WriteLine(Line("  Debtors", figures.Debtors));
        file.WriteLine(Indented(SingleRule));
        file.WriteLine(Indented(core::FormatAmountGrouped(figures.Debtors + figures.Cash)));
        ShowProgress("85%");
        figures.Creditors = scan.SumUnpaid("BIL");
        ShowProgress("95%");

        const double netCurrentAssets = figures.Debtors + figures.Cash - figures.Creditors;
        file.WriteLine();
        file.WriteLine(" CURRENT LIABILITIES");
        file.WriteLine(Line("  Creditors", figures.Creditors));
        file.WriteLine(Indented(SingleRule));
        file.WriteLine(Line(" Net Current Assets", netCurrentAssets, WideLabelWidth));
        file.WriteLine(Indented(DoubleRule, WideLabelWidth));
        file.WriteLine();
        file.WriteLine();
        file.WriteLine("Financed by :");
        file.WriteLine("=============");
        file.WriteLine();
        file.WriteLine(Line(" Profit and Loss Account", profitBroughtForward + retained));
        file.WriteLine(Line(" Assorted Capital", netCurrentAssets - (profitBroughtForward + retained)));
        file.WriteLine(Indented(SingleRule));
        file.WriteLine(Indented(core::FormatAmountGrouped(netCurrentAssets), WideLabelWidth));
        file.WriteLine(Indented(DoubleRule, WideLabelWidth));

        LblComplete.setVisible(false);
        file.Close();
        // The report always opens in the text viewer, whatever the Options menu chose for the others.
        if (!services().startProgram(TextViewerCommand + std::string(ReportFileName), platform::WindowStyle::NormalFocus))
            throw runtime::Error(runtime::FileNotFound);
        return true;
    });
    LblComplete.setVisible(false);
}

} // namespace reports
