#pragma once

#include <cstddef>
#include <string>

namespace core {

// Text stored in a record holds no TAB: the grid, the lists and the text reports build their rows
// from TAB-separated cells, so a TAB inside a memo or a name would move every later cell along.
// Each TAB from position `from` on becomes a blank; line-break escapes and every other byte stay.
void BlankTabs(std::string& text, std::size_t from = 0);

} // namespace core
