#include "reports/FontTests.h"

#include <exception>

#include "platform/Form.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "runtime/Text.h"

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

bool IsSameFontName(const std::string& a, const std::string& b)
{
    return runtime::ucase(runtime::rtrim(a)) == runtime::ucase(runtime::rtrim(b));
}

bool ScreenHasFont(platform::Services& services, const std::string& fontName)
{
    platform::Form screenProbe(services, "ScreenFontProbe");
    return TrySetScreenFont(screenProbe, fontName);
}

std::vector<std::string> PrinterFontsOnScreen(platform::Services& services)
{
    platform::Form screenProbe(services, "ScreenFontProbe");
    std::vector<std::string> fonts;
    for (const std::string& font : services.printer().fonts())
        if (TrySetScreenFont(screenProbe, font))
            fonts.push_back(font);
    return fonts;
}

} // namespace reports
