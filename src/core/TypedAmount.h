#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// An amount typed by the user when the whole text is one: blanks around it, a sign, digits and one
// decimal point, with thousands commas where a comma has exactly three digits after it ("1,234.50",
// "12,345,678"). Nothing for any other text ("12,34", "12a", "1.2.3", "1e3", the net amount
// "100N") and for a blank one.
std::optional<double> ParseTypedAmount(std::string_view text);

// What an amount box holds: its amount, 0 when it is blank, nothing when its text is not an amount.
// A box refuses text that reads as nothing (NotAnAmountMessage) rather than store another figure.
std::optional<double> ReadTypedAmount(std::string_view text);

// A net amount typed with a trailing "N" ("1,175.00N"): the text before the "N" as ReadTypedAmount
// reads it. Nothing for text that does not end in "N" or "n", or whose figure is not an amount.
std::optional<double> ReadTypedNetAmount(std::string_view text);

// The refusal of a box's text that is not an amount: "'12a' is not a valid Amount".
std::string NotAnAmountMessage(std::string_view typed, std::string_view boxName);

} // namespace core
