#include "platform/Services.h"

#include "platform/TextMetrics.h"

namespace platform {

double Services::textWidth(const Font& font, const std::string& text)
{
    return fixedTextWidth(text, font.size);
}

double Services::textHeight(const Font& font, const std::string& text)
{
    return fixedTextHeight(text, font.size);
}

} // namespace platform
