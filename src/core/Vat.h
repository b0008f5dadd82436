#pragma once

namespace core {

// VAT rates are percentages: 17.5 means 17.5 %.

// The VAT part of a gross amount, unrounded: gross - gross / ((rate + 100) / 100).
double CalcVatOfGross(double rate, double gross);

// The VAT part of a gross amount worked in whole pence: the gross and the rate are rounded to the
// nearest penny and hundredth, the net is rounded down to the penny and the VAT takes the rest, so
// net plus VAT always gives back the gross. A gross beyond 10^12 pounds raises Overflow.
double CalcVatOfGrossPence(double rate, double gross);

} // namespace core
