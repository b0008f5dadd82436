#include "platform/TextMetrics.h"

#include <algorithm>

#include "platform/ListModel.h"
#include "runtime/Error.h"

namespace platform {

namespace {

std::vector<std::size_t> lineLengths(const std::string& text)
{
    std::vector<std::size_t> lengths{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lengths.push_back(0);
        } else {
            ++lengths.back();
        }
    }
    return lengths;
}

} // namespace

double fixedTextWidth(const std::string& text, double fontSize)
{
    const auto lengths = lineLengths(text);
    return static_cast<double>(*std::max_element(lengths.begin(), lengths.end())) * fontSize * CharacterWidthPerPoint;
}

double fixedTextHeight(const std::string& text, double fontSize)
{
    return static_cast<double>(lineLengths(text).size()) * fontSize * LineHeightPerPoint;
}

std::string findFontName(const std::vector<std::string>& fonts, const std::string& name)
{
    for (const std::string& font : fonts)
        if (compareListText(font, name) == 0)
            return font;
    return {};
}

void throwInvalidPropertyValue()
{
    throw runtime::Error(380, "Invalid property value");
}

} // namespace platform
