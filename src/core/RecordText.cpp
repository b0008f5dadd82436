#include "core/RecordText.h"

#include <algorithm>

namespace core {

void BlankTabs(std::string& text, std::size_t from)
{
    if (from < text.size())
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), '\t', ' ');
}

} // namespace core
