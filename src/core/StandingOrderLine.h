#pragma once

#include <optional>
#include <string>

namespace core {

class Book;
struct TransactionFields;

// A standing order is kept as one 154-character line, the day of the month first:
//   1-2 day "DD", 4-9 reference, 23-25 type, 27-37 amount (positive, "#######0.00" right-aligned),
//   39-112 memo, 114-119 bank, 121-126 customer, 128-130 VAT code, 132-135 category,
//   136-141 second bank (the receiving bank of a transfer), 143-153 VAT amount, 154 EEC "Y".
inline constexpr int StandingOrderLineLength = 154;

// Where a line of the current layout holds its codes (1-based start).
namespace StandingOrderColumns {
inline constexpr int Bank = 114;
inline constexpr int Customer = 121;
inline constexpr int VAT = 128;
inline constexpr int Category = 132;
inline constexpr int SecondBank = 136;
} // namespace StandingOrderColumns

// The standing-order line of `fields` and the second bank code. A negative Amount is made positive
// in the caller's fields, and a blank second bank code becomes six blanks in the caller's text.
// A line that a value would make over-long is reported and nothing is returned: the caller must
// not store it.
std::optional<std::string> AssembleStandingOrderLine(Book& book, TransactionFields& fields, std::string& secondBank);

// Adds a standing order to the book's list (in its sorted place) and marks the book changed.
void AddStandingOrderLine(Book& book, const std::string& line);

// A line of the older layout, whose 22nd character is not a blank (or is missing), takes two
// blanks after its tenth character, which puts its type and what follows in their current columns.
// Answers whether the line was shifted; a line of the current layout is left as it is.
bool AlignStandingOrderLine(std::string& line);

} // namespace core
