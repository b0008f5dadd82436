#pragma once

#include <string>

namespace platform {
class Form;
class Printer;
}

namespace reports {

// Whether the printer takes the font: it is then the printer's font. A refusal changes nothing
// and shows nothing; the caller says what it means.
bool TrySetPrinterFont(platform::Printer& printer, const std::string& fontName);

// Whether the screen has the font, tried on the window's own font: it is then the window's font.
// A refusal changes nothing and shows nothing.
bool TrySetScreenFont(platform::Form& window, const std::string& fontName);

} // namespace reports
