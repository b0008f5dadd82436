#include "core/MoneyFormat.h"

#include "runtime/Format.h"
#include "runtime/Text.h"

namespace core {

std::string FormatAmountPlainUncut(double amount)
{
    return runtime::padLeft(runtime::format(amount, "#######0.00"), AmountWidth);
}

std::string FormatAmountPlain(double amount)
{
    return runtime::right(FormatAmountPlainUncut(amount), AmountWidth);
}

std::string FormatAmountGrouped(double amount)
{
    return runtime::padLeft(runtime::format(amount, "##,###,##0.00;-#,###,##0.00"), AmountWidth);
}

} // namespace core
