#pragma once

#include <string>
#include <vector>

namespace platform {

// The fixed text metrics of the headless platform (the recording printer and the controls measure
// with them), so that tests can compute every layout by hand:
//   one character is FontSize x 10 twips wide (half an em), whatever the font, bold or italic;
//   one line is FontSize x 24 twips high (1.2 em).
// A text of several lines (separated by CR LF, LF or CR) is as wide as its widest line and as high
// as its lines together.
constexpr double CharacterWidthPerPoint = 10;
constexpr double LineHeightPerPoint = 24;

double fixedTextWidth(const std::string& text, double fontSize);
double fixedTextHeight(const std::string& text, double fontSize);

// The list's own spelling of `name` when the list holds it (letter case ignored), else "".
std::string findFontName(const std::vector<std::string>& fonts, const std::string& name);

// The error the platform raises when a font name is refused: 380 "Invalid property value".
[[noreturn]] void throwInvalidPropertyValue();

} // namespace platform
