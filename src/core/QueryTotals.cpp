#include "core/QueryTotals.h"

#include <cmath>

#include "core/MoneyFormat.h"

namespace core {

namespace {

std::int64_t PenceOf(double amount)
{
    return std::llround(std::fabs(amount) * 100);
}

} // namespace

std::int64_t& QueryTotals::totalFor(double signedAmount)
{
    return signedAmount < 0 ? paymentPence_ : receiptPence_;
}

void QueryTotals::Add(double signedAmount)
{
    totalFor(signedAmount) += PenceOf(signedAmount);
}

void QueryTotals::Take(double signedAmount)
{
    totalFor(signedAmount) -= PenceOf(signedAmount);
}

std::string FormatQueryTotal(double total)
{
    return FormatAmountGrouped(total) + " ";
}

} // namespace core
