#include "core/Vat.h"

#include <cmath>
#include <cstdint>

#include "runtime/Error.h"

namespace core {

namespace {

// Far inside the 64-bit range even after the pence are scaled by 10000 below.
constexpr double LargestPenceAmount = 1e14;

std::int64_t hundredths(double value)
{
    const double scaled = std::round(value * 100);
    if (!(std::fabs(scaled) <= LargestPenceAmount))
        throw runtime::Error(runtime::Overflow);
    return static_cast<std::int64_t>(scaled);
}

// Division rounded towards minus infinity, as the net is always rounded down.
std::int64_t floorDivide(std::int64_t dividend, std::int64_t divisor)
{
    std::int64_t quotient = dividend / divisor;
    if ((dividend % divisor != 0) && ((dividend < 0) != (divisor < 0)))
        --quotient;
    return quotient;
}

} // namespace

double CalcVatOfGross(double rate, double gross)
{
    return gross - gross / ((rate + 100) / 100);
}

double CalcVatOfGrossPence(double rate, double gross)
{
    const std::int64_t grossPence = hundredths(gross);
    const std::int64_t rateHundredths = hundredths(rate);
    // net = gross / (1 + rate / 100), in pence and hundredths of a percent.
    const std::int64_t divisor = rateHundredths + 10000;
    if (divisor == 0)
        throw runtime::Error(11, "Division by zero");
    const std::int64_t netPence = floorDivide(grossPence * 10000, divisor);
    return static_cast<double>(grossPence - netPence) / 100;
}

} // namespace core
