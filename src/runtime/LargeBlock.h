#pragma once

#include <cstddef>

namespace runtime {

// Memory for a large buffer that is filled as soon as it is taken: a file read whole, a table built
// over it. A fresh process gets fresh memory a 4 KiB page at a time, each page a fault that costs
// far more than filling it; a block of a quarter of a huge page or more is therefore taken whole
// 2 MiB pages at a time (transparent huge pages, asked for where the kernel offers them on
// request), so a full book's text faults in a few times instead of some two thousand. Smaller
// blocks come from the heap. The bytes are not cleared.
class LargeBlock {
public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t size);
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    char* data() const { return data_; }
    std::size_t size() const { return size_; }

    // Blocks from this size on are laid in huge pages; their memory is rounded up to whole ones.
    static constexpr std::size_t HugePageSize = std::size_t{2} << 20;
    static constexpr std::size_t HugePagesFrom = HugePageSize / 4;

private:
    void release() noexcept;

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0; // the huge-page mapping's length, 0 for a block from the heap
};

} // namespace runtime
