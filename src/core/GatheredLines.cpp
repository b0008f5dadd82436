#include "core/GatheredLines.h"

namespace core {

void GatheredLines::Reserve(std::size_t bytes, std::size_t lines)
{
    text_->reserve(bytes);
    lineEnds_.reserve(lines);
}

GatheredLines::Lines GatheredLines::Take()
{
    // The views are taken only now, when the text has stopped growing.
    Lines lines;
    lines.views.reserve(lineEnds_.size());
    std::size_t lineStart = 0;
    for (const std::size_t lineEnd : lineEnds_) {
        lines.views.push_back(std::string_view(*text_).substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd;
    }
    lines.keeper = std::move(text_);
    text_ = std::make_shared<std::string>();
    lineEnds_.clear();
    return lines;
}

} // namespace core
