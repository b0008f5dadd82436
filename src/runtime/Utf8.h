#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace runtime {

// The code point that starts at byte `i` and how many bytes it takes; nothing for a sequence that
// is not UTF-8 (overlong, a surrogate, beyond U+10FFFF, cut short).
std::optional<std::pair<char32_t, std::size_t>> decodeUtf8(std::string_view text, std::size_t i);

} // namespace runtime
