#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "runtime/LineEndMap.h"

using runtime::LineEndMap;

namespace {

std::size_t nextLineEndByWalking(const std::string& text, std::size_t from)
{
    const std::size_t at = text.find_first_of("\r\n", from);
    return at == std::string::npos ? text.size() : at;
}

} // namespace

// Line ends are found on both sides of the 16-, 32- and 64-byte steps the map is built in, in the
// short tail after them, and not at all where the text has none; bytes that differ from CR or LF
// in one bit only are never taken for them.
TEST(LineEndMap, FindsTheSameLineEndsAsAWalkOverTheText)
{
    const std::size_t sizes[] = {0, 1, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 200};
    const std::size_t places[] = {0, 1, 15, 16, 31, 32, 47, 63, 64, 65, 100, 127, 128, 150, 199};
    for (const std::size_t size : sizes) {
        std::string text(size, 'x');
        for (std::size_t i = 0; i < size; ++i)
            text[i] = "\x0B\x0C\x0E\x8A\x8D\x1A\x1D" "ab"[i % 9];
        {
            const LineEndMap none(text);
            SCOPED_TRACE("no line end in " + std::to_string(size) + " bytes");
            for (std::size_t from = 0; from <= size; ++from)
                EXPECT_EQ(none.next(from), size);
        }
        for (const std::size_t place : places) {
            if (place >= size)
                continue;
            for (const char end : {'\r', '\n'}) {
                std::string withEnds = text;
                withEnds[place] = end;
                withEnds[size - 1] = end == '\r' ? '\n' : '\r';
                const LineEndMap map(withEnds);
                SCOPED_TRACE(std::to_string(size) + " bytes, a line end at " + std::to_string(place));
                for (std::size_t from = 0; from <= size; ++from)
                    ASSERT_EQ(map.next(from), nextLineEndByWalking(withEnds, from)) << "from " << from;
            }
        }
    }
}
