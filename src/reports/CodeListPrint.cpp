#include "reports/CodeListPrint.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/CodeLines.h"
#include "core/MoneyFormat.h"
#include "reports/PrintedList.h"
#include "reports/PrintedTable.h"
#include "reports/ReportDesk.h"
#include "reports/ReportListHelpers.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

enum BankColumn : int { BankCode = 1, BankName, BankAddress, BankTel, BankOpened, BankStart, BankCurrent };
enum CustomerColumn : int { CustCode = 1, CustName, CustAddress, CustTel, CustFax };
enum CodeTableColumn : int { CodeColumn = 1, NameColumn, RateColumn };

// An address as printed: lines of at most 20 characters, blank-padded, a stored line break ending a
// line early; a line break that leaves the position at the 80th character ends the address there.
std::vector<std::string> AddressLines(std::string_view address)
{
    constexpr int AddressWidth = 80;
    constexpr int LineWidth = 20;
    std::string buffer = runtime::padRight(address, AddressWidth);
    std::vector<std::string> lines;
    int position = 1;
    do {
        std::string line;
        position = TakeTextLine(buffer, position, line, LineWidth);
        lines.push_back(runtime::padRight(runtime::left(line, LineWidth), LineWidth));
    } while (position < AddressWidth);
    return lines;
}

// An entry whose address prints in `column`: `printCells` prints the entry's line, given the
// address's first line for its cell; each further address line follows on a line of its own, and
// only when the column is on the page.
PreparedEntry AddressedEntry(const PrintedList& list, int column, std::string_view address,
                             std::function<void(PrintedList&, const std::string&)> printCells)
{
    std::vector<std::string> lines = AddressLines(address);
    if (!list.Column(column).Shown)
        lines.resize(1);
    const int count = static_cast<int>(lines.size());
    return {count, [column, lines = std::move(lines), printCells = std::move(printCells)](PrintedList& printed) {
                printCells(printed, lines.front());
                for (std::size_t i = 1; i < lines.size(); ++i) {
                    printed.EndLine();
                    printed.PrintCell(column, lines[i]);
                }
            }};
}

} // namespace

void PrintBankCodeList(ReportDesk& desk)
{
    core::Book& book = desk.book();
    const platform::ListModel& table = book.codes.ListBankAccounts;
    double grandTotal = 0;
    PrintPreparedTableList(
        desk, BankAccountKind, table, " Bank Codes",
        [&](const PrintedList& list, int index) {
            const core::BankAccountRecord account = core::ParseBankAccountLine(table.List(index));
            return AddressedEntry(list, BankAddress, account.Address.view(), [&book, &grandTotal, account](PrintedList& printed, const std::string& firstAddressLine) {
                printed.PrintCell(BankCode, account.Code.str());
                printed.PrintCell(BankName, account.Name.str());
                printed.PrintCell(BankAddress, firstAddressLine);
                printed.PrintCell(BankTel, account.Tel.str());
                printed.PrintCell(BankOpened, account.DateOpened.str());
                printed.PrintAmountCell(BankStart, core::FormatAmountGrouped(account.StartBalance));
                // Only reconciled transactions count; the balance column of the line is not used.
                double cashTotal = 0;
                const double current = account.StartBalance + core::SumBankAccount(book, account.Code.view(), cashTotal);
                printed.PrintAmountCell(BankCurrent, core::FormatAmountGrouped(current));
                grandTotal += current;
            });
        },
        [&] { return "Total of all Current balances : " + core::FormatAmountGrouped(grandTotal); });
}

void PrintVatCodeList(ReportDesk& desk)
{
    const platform::ListModel& table = desk.book().codes.ListVATCodes;
    PrintTableList(desk, VatCodeKind, table, " VAT Codes", [&](PrintedList& list, int index) {
        const std::string line = table.List(index);
        list.PrintCell(CodeColumn, runtime::mid(line, 1, 3));
        list.PrintCell(NameColumn, runtime::mid(line, 17, 20));
        // The rate as the line stores it.
        list.PrintAmountCell(RateColumn, runtime::mid(line, 5, 11));
    });
}

void PrintCustomerCodeList(ReportDesk& desk)
{
    const platform::ListModel& table = desk.book().codes.ListCustCodes;
    PrintPreparedTableList(desk, CustomerKind, table, " Customer Codes", [&](const PrintedList& list, int index) {
        const core::CustomerRecord customer = core::ParseCustomerLine(table.List(index));
        return AddressedEntry(list, CustAddress, customer.Address.view(), [customer](PrintedList& printed, const std::string& firstAddressLine) {
            printed.PrintCell(CustCode, customer.Code.str());
            printed.PrintCell(CustName, customer.Name.str());
            printed.PrintCell(CustAddress, firstAddressLine);
            printed.PrintCell(CustTel, customer.Tel.str());
            printed.PrintCell(CustFax, customer.Fax.str());
        });
    });
}

void PrintCategoryCodeList(ReportDesk& desk)
{
    const platform::ListModel& table = desk.book().codes.ListAnalCodes;
    PrintTableList(desk, CategoryKind, table, " Categories", [&](PrintedList& list, int index) {
        const core::CategoryRecord category = core::ParseCategoryLine(table.List(index));
        list.PrintCell(CodeColumn, category.Code.str());
        list.PrintCell(NameColumn, category.Name.str());
    });
}

} // namespace reports
