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

// Whether an amount keeps to a signed amount column of the book's lines (FormatAmountPlainUncut):
// -9,999,999.99 to 99,999,999.99 once rounded to the penny.
bool FitsAmountColumn(double amount);
// Whether an amount keeps to a transaction's amount column, which stores it without its sign
// (FormatAmountZeroFilled): up to 99,999,999.99 either way once rounded to the penny.
bool FitsUnsignedAmountColumn(double amount);
// The ranges above as messages name them.
inline constexpr const char* AmountColumnRange = "-9,999,999.99 and 99,999,999.99";
inline constexpr const char* UnsignedAmountColumnRange = "-99,999,999.99 and 99,999,999.99";

} // namespace core
