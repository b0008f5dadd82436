#include "runtime/LineEndMap.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace runtime {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The bits of the bytes of a word's worth of text, or of the text's last few bytes.
std::uint64_t lineEndBitsOf(const char* bytes, std::size_t count)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < count; ++i)
        bits |= std::uint64_t{isLineEnd(bytes[i])} << i;
    return bits;
}

#if defined(__x86_64__)
std::uint64_t lineEndBits16(const char* at)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
    return static_cast<unsigned>(_mm_movemask_epi8(ends));
}

void mapWholeWordsSse2(const char* text, std::size_t words, std::uint64_t* out)
{
    for (std::size_t word = 0; word < words; ++word) {
        const char* at = text + word * 64;
        out[word] = lineEndBits16(at) | lineEndBits16(at + 16) << 16 | lineEndBits16(at + 32) << 32
                    | lineEndBits16(at + 48) << 48;
    }
}

__attribute__((target("avx2"))) std::uint64_t lineEndBits32(const char* at)
{
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    const __m256i ends = _mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\r')),
                                         _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n')));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(ends));
}

__attribute__((target("avx2"))) void mapWholeWordsAvx2(const char* text, std::size_t words, std::uint64_t* out)
{
    for (std::size_t word = 0; word < words; ++word) {
        const char* at = text + word * 64;
        out[word] = lineEndBits32(at) | lineEndBits32(at + 32) << 32;
    }
}
#endif

// The words of the text's whole 64-byte blocks, 32 bytes at a time where the processor can.
void mapWholeWords(const char* text, std::size_t words, std::uint64_t* out)
{
#if defined(__x86_64__)
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
        mapWholeWordsAvx2(text, words, out);
    else
        mapWholeWordsSse2(text, words, out);
#else
    for (std::size_t word = 0; word < words; ++word)
        out[word] = lineEndBitsOf(text + word * 64, 64);
#endif
}

} // namespace

LineEndMap::LineEndMap(std::string_view text)
    : wordCount_((text.size() + WordBytes - 1) / WordBytes), size_(text.size()),
      storage_(wordCount_ * sizeof(std::uint64_t))
{
    const std::size_t whole = text.size() / WordBytes;
    mapWholeWords(text.data(), whole, words());
    if (whole < wordCount_)
        words()[whole] = lineEndBitsOf(text.data() + whole * WordBytes, text.size() - whole * WordBytes);
}

} // namespace runtime
