#pragma once

#include <optional>
#include <string_view>

namespace core {

// An amount typed by the user when the whole text is a number: blanks around it, a sign,
// digits with thousands commas and one decimal point ("1,234.50"). Nothing for any other text,
// such as a net amount "100N".
std::optional<double> ParseTypedAmount(std::string_view text);

// The amount a typed text stands for: the whole number when it is one (so "1,234.50" is not read
// as 1), else its leading number.
double ReadTypedAmount(std::string_view text);

// A net amount typed with a trailing "N" ("1,175.00N"), read whole as ReadTypedAmount reads the text
// before the "N"; nothing for text that does not end in "N" or "n".
std::optional<double> ReadTypedNetAmount(std::string_view text);

} // namespace core
