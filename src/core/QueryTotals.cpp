#include "core/QueryTotals.h"

#include <cmath>

#include "core/MoneyFormat.h"

namespace core {

namespace {

// Rounds half away from zero, as llround does, without the library call: the fraction of a
// non-negative double is exact.
std::int64_t PenceOf(double amount)
{
    const double pence = std::fabs(amount) * 100;
    const double whole = std::trunc(pence);
    return static_cast<std::int64_t>(pence - whole >= 0.5 ? whole + 1 : whole);
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

std::int64_t QueryTotals::SignedPence(double signedAmount)
{
    return signedAmount < 0 ? -PenceOf(signedAmount) : PenceOf(signedAmount);
}

std::string FormatQueryTotal(double total)
{
    return FormatAmountGrouped(total) + " ";
}

} // namespace core
