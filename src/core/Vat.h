#pragma once

namespace core {

// VAT rates are percentages: 17.5 means 17.5 %.

// The VAT part of a gross amount, unrounded: gross - gross / ((rate + 100) / 100).
double CalcVatOfGross(double rate, double gross);

// The VAT part of a gross amount worked in whole pence: the gross and the rate are rounded to the
// nearest penny and hundredth (0.29 x 100 is 28.999... in binary, and is still 29 pence), the net
// is rounded down to the penny and the VAT takes the rest, so net plus VAT always gives back the
// gross. The pence are counted in 64 bits, so only a gross beyond 10^12 pounds raises Overflow.
double CalcVatOfGrossPence(double rate, double gross);

} // namespace core
