#pragma once

#include <cstddef>
#include <string_view>

namespace core {

class Messages;

// True when an assembled fixed-width line is no longer than `length`. A longer line means a value
// did not fit its columns: it is reported with the whole line ("Assembled field is  159 bytes
// long:- [...]") and the caller must not store it.
bool AssembledLineFits(Messages& messages, std::string_view line, std::size_t length);

} // namespace core
