#include "core/CodeLines.h"

#include "core/MoneyFormat.h"
#include "core/RecordText.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace core {

namespace {

std::string column(std::string_view line, int start, int width)
{
    return runtime::mid(line, start, width);
}

double amountColumn(std::string_view line, int start)
{
    return runtime::val(column(line, start, AmountWidth));
}

// The amount in its 11 columns; one that needs more is refused rather than cut.
std::string amountText(double amount)
{
    if (!FitsAmountColumn(amount))
        throw runtime::Error(runtime::Overflow);
    return FormatAmountPlainUncut(amount);
}

std::string codeLine(std::string line, int length)
{
    BlankTabs(line);
    return runtime::padRight(line, length);
}

} // namespace

std::string FormatBankAccountLine(const BankAccountRecord& r)
{
    return codeLine(r.Code.str() + " " + r.Name.str() + " " + amountText(r.Balance) + " " + r.Address.str()
                        + r.Tel.str() + r.DateOpened.str() + amountText(r.StartBalance),
                    BankAccountLineLength);
}

std::string FormatCustomerLine(const CustomerRecord& r)
{
    return codeLine(r.Code.str() + " " + r.Name.str() + " " + r.Address.str() + " " + r.Tel.str() + " " + r.Fax.str(),
                    CustomerLineLength);
}

std::string FormatVatCodeLine(const VatCodeRecord& r)
{
    return codeLine(r.Code.str() + " " + amountText(r.Rate) + " " + r.Name.str(), VatCodeLineLength);
}

std::string FormatCategoryLine(const CategoryRecord& r)
{
    return codeLine(r.Code.str() + " " + r.Name.str(), CategoryLineLength);
}

BankAccountRecord ParseBankAccountLine(std::string_view line)
{
    BankAccountRecord r;
    r.Code = column(line, 1, 6);
    r.Name = column(line, 8, 20);
    r.Balance = amountColumn(line, 29);
    r.Address = column(line, 41, 80);
    r.Tel = column(line, 121, 15);
    r.DateOpened = column(line, 136, 11);
    r.StartBalance = amountColumn(line, 147);
    return r;
}

CustomerRecord ParseCustomerLine(std::string_view line)
{
    CustomerRecord r;
    r.Code = column(line, 1, 6);
    r.Name = column(line, 8, 20);
    r.Address = column(line, 29, 80);
    r.Tel = column(line, 110, 15);
    r.Fax = column(line, 126, 15);
    return r;
}

VatCodeRecord ParseVatCodeLine(std::string_view line)
{
    VatCodeRecord r;
    r.Code = column(line, 1, 3);
    r.Rate = amountColumn(line, 5);
    r.Name = column(line, 17, 20);
    return r;
}

CategoryRecord ParseCategoryLine(std::string_view line)
{
    CategoryRecord r;
    r.Code = column(line, 1, 4);
    r.Name = column(line, 6, 20);
    return r;
}

} // namespace core
