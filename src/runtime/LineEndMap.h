#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/LargeBlock.h"

namespace runtime {

// Where the CR and LF bytes of a text lie, found in one pass over it: a bit for each byte, sixty-four
// bytes to a word. Finding a line end is then a look at a word or two, not a walk over the line.
class LineEndMap {
public:
    LineEndMap() = default;
    explicit LineEndMap(std::string_view text);

    // The first CR or LF at or after `from`, or the text's size where there is none.
    std::size_t next(std::size_t from) const
    {
        const std::uint64_t* map = words();
        std::size_t word = from / WordBytes;
        if (word >= wordCount_)
            return size_;
        const std::uint64_t bits = map[word] >> (from % WordBytes);
        if (bits != 0)
            return from + static_cast<std::size_t>(std::countr_zero(bits));
        while (++word < wordCount_)
            if (map[word] != 0)
                return word * WordBytes + static_cast<std::size_t>(std::countr_zero(map[word]));
        return size_;
    }

private:
    static constexpr std::size_t WordBytes = 64;
    std::uint64_t* words() const { return reinterpret_cast<std::uint64_t*>(storage_.data()); }

    std::size_t wordCount_ = 0;
    std::size_t size_ = 0;
    // A large file's map is an eighth of its size: a block of its own, filled at once.
    LargeBlock storage_;
};

} // namespace runtime
