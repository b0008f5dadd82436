#include "reports/CodeListPrint.h"

#include <string>
#include <string_view>

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

// An address in printed lines of at most 20 characters, a stored line break ending a line early.
class AddressLines {
public:
    explicit AddressLines(std::string_view address) : buffer_(runtime::padRight(address, AddressWidth)) {}

    // The next line, blank-padded to 20 characters.
    std::string Next()
    {
        std::string line;
        position_ = TakeTextLine(buffer_, position_, line, LineWidth);
        return runtime::padRight(runtime::left(line, LineWidth), LineWidth);
    }
    // A line break that leaves the position at the 80th character ends the address there.
    bool More() const { return position_ < AddressWidth; }

private:
    static constexpr int AddressWidth = 80;
    static constexpr int LineWidth = 20;
    std::string buffer_;
    int position_ = 1;
};

// The address lines after the first, each on a line of its own in the address column; with that
// column off the page they are taken and not printed.
void PrintFurtherAddressLines(PrintedList& list, int column, AddressLines& address)
{
    while (address.More()) {
        const std::string line = address.Next();
        if (list.Column(column).Shown) {
            list.EndLine();
            list.PrintCell(column, line);
        }
    }
}

// The printed lines of an entry whose address prints in `column`: one, and one more for each
// further address line when the column is shown.
int AddressEntryLines(const PrintedList& list, int column, std::string_view address)
{
    int lines = 1;
    if (!list.Column(column).Shown)
        return lines;
    AddressLines counted(address);
    counted.Next();
    while (counted.More()) {
        counted.Next();
        ++lines;
    }
    return lines;
}

} // namespace

void PrintBankCodeList(ReportDesk& desk)
{
    core::Book& book = desk.book();
    const platform::ListModel& table = book.codes.ListBankAccounts;
    double grandTotal = 0;
    PrintTableList(
        desk, BankAccountKind, table, " Bank Codes",
        [&](PrintedList& list, int index) {
            const core::BankAccountRecord account = core::ParseBankAccountLine(table.List(index));
            list.PrintCell(BankCode, account.Code.str());
            list.PrintCell(BankName, account.Name.str());
            AddressLines address(account.Address.view());
            list.PrintCell(BankAddress, address.Next());
            list.PrintCell(BankTel, account.Tel.str());
            list.PrintCell(BankOpened, account.DateOpened.str());
            list.PrintAmountCell(BankStart, core::FormatAmountGrouped(account.StartBalance));
            // Only reconciled transactions count; the balance column of the line is not used.
            double cashTotal = 0;
            const double current = account.StartBalance + core::SumBankAccount(book, account.Code.view(), cashTotal);
            list.PrintAmountCell(BankCurrent, core::FormatAmountGrouped(current));
            grandTotal += current;
            PrintFurtherAddressLines(list, BankAddress, address);
        },
        [&] { return "Total of all Current balances : " + core::FormatAmountGrouped(grandTotal); },
        [&](const PrintedList& list, int index) {
            return AddressEntryLines(list, BankAddress, core::ParseBankAccountLine(table.List(index)).Address.view());
        });
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
    PrintTableList(
        desk, CustomerKind, table, " Customer Codes",
        [&](PrintedList& list, int index) {
            const core::CustomerRecord customer = core::ParseCustomerLine(table.List(index));
            list.PrintCell(CustCode, customer.Code.str());
            list.PrintCell(CustName, customer.Name.str());
            AddressLines address(customer.Address.view());
            list.PrintCell(CustAddress, address.Next());
            list.PrintCell(CustTel, customer.Tel.str());
            list.PrintCell(CustFax, customer.Fax.str());
            PrintFurtherAddressLines(list, CustAddress, address);
        },
        {},
        [&](const PrintedList& list, int index) {
            return AddressEntryLines(list, CustAddress, core::ParseCustomerLine(table.List(index)).Address.view());
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
