#pragma once

#include <string>
#include <vector>

namespace platform {
class Form;
class Printer;
class Services;
}

namespace reports {

// Whether the printer takes the font: it is then the printer's font. A refusal changes nothing
// and shows nothing; the caller says what it means.
bool TrySetPrinterFont(platform::Printer& printer, const std::string& fontName);

// Whether the screen has the font, tried on the window's own font: it is then the window's font.
// A refusal changes nothing and shows nothing.
bool TrySetScreenFont(platform::Form& window, const std::string& fontName);

// Whether two font names are the same, letter case and trailing blanks ignored.
bool IsSameFontName(const std::string& a, const std::string& b);

// Whether the screen has the font, asked through a window that never shows, so that no shown
// window's font changes.
bool ScreenHasFont(platform::Services& services, const std::string& fontName);

// The printer's fonts that the screen can show too, in the printer's order.
std::vector<std::string> PrinterFontsOnScreen(platform::Services& services);

} // namespace reports
