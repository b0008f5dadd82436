#include "platform/Drawing.h"

namespace platform {

namespace {

std::string formatTwips(double value)
{
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::vector<std::string> RecordedPage::lines() const
{
    std::vector<std::string> result;
    for (const TextRun& run : runs)
        result.push_back(formatTwips(run.x) + "," + formatTwips(run.y) + ":" + run.text);
    return result;
}

} // namespace platform
