#include "reports/FontTests.h"

#include <exception>

#include "platform/Form.h"
#include "platform/Printer.h"

namespace reports {

bool TrySetPrinterFont(platform::Printer& printer, const std::string& fontName)
{
    try {
        printer.setFontName(fontName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TrySetScreenFont(platform::Form& window, const std::string& fontName)
{
    try {
        window.setFontName(fontName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace reports
