#pragma once

#include <string>

namespace core {

// Width of every money column of the book's fixed-width lines.
inline constexpr int AmountWidth = 11;

// "#######0.00" right-aligned in 11 characters. A longer text keeps its rightmost 11 characters,
// so code that stores an amount must not use it for values that do not fit.
std::string FormatAmountPlain(double amount);
// "##,###,##0.00;-#,###,##0.00" right-aligned in 11 characters; a longer text is kept whole.
std::string FormatAmountGrouped(double amount);

// The plain form right-aligned in 11 characters and never cut: record builders use it so an amount
// that does not fit makes the line over-long, and is refused, instead of losing digits.
std::string FormatAmountPlainUncut(double amount);
// "00000000.00", the form of a stored amount; a larger amount keeps all its digits, a negative one
// its sign, so a line that stores it becomes over-long and is refused.
std::string FormatAmountZeroFilled(double amount);

} // namespace core
