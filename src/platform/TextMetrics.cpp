#include "platform/TextMetrics.h"

#include <algorithm>

#include "platform/ListModel.h"
#include "runtime/Error.h"

namespace platform {

namespace {

// Walks the lines of a text (separated by CR LF, LF or CR), telling each line's length. Counts
// in place: texts are measured for every printed run.
template <class Visit> void forEachLineLength(const std::string& text, Visit&& visit)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            visit(length);
            length = 0;
        } else {
            ++length;
        }
    }
    visit(length);
}

} // namespace

double fixedTextWidth(const std::string& text, double fontSize)
{
    std::size_t widest = 0;
    forEachLineLength(text, [&widest](std::size_t length) { widest = std::max(widest, length); });
    return static_cast<double>(widest) * fontSize * CharacterWidthPerPoint;
}

double fixedTextHeight(const std::string& text, double fontSize)
{
    std::size_t lines = 0;
    forEachLineLength(text, [&lines](std::size_t) { ++lines; });
    return static_cast<double>(lines) * fontSize * LineHeightPerPoint;
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
