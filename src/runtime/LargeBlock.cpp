#include "runtime/LargeBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>
#include <utility>

namespace runtime {

namespace {

std::size_t roundUpToHugePages(std::size_t size)
{
    return (size + LargeBlock::HugePageSize - 1) / LargeBlock::HugePageSize * LargeBlock::HugePageSize;
}

// A mapping of `length` (whole huge pages) that starts on a huge-page boundary, as the kernel only
// lays a huge page where the whole aligned 2 MiB lies inside the mapping: one huge page more is
// mapped and the ends outside the aligned part are given back.
char* mapHugePageAligned(std::size_t length)
{
    const std::size_t padded = length + LargeBlock::HugePageSize;
    void* mapped = ::mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + LargeBlock::HugePageSize - 1) & ~(LargeBlock::HugePageSize - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    const std::uintptr_t end = start + padded;
    if (end > aligned + length)
        ::munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    return reinterpret_cast<char*>(aligned);
}

} // namespace

LargeBlock::LargeBlock(std::size_t size) : size_(size)
{
    if (size < HugePagesFrom) {
        data_ = static_cast<char*>(::operator new(size == 0 ? 1 : size));
        return;
    }
    mapped_ = roundUpToHugePages(size);
    data_ = mapHugePageAligned(mapped_);
    // Only advice: where huge pages are not offered the block is ordinary memory.
    ::madvise(data_, mapped_, MADV_HUGEPAGE);
}

LargeBlock::~LargeBlock()
{
    release();
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0))
{
}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

void LargeBlock::release() noexcept
{
    if (data_ == nullptr)
        return;
    if (mapped_ != 0)
        ::munmap(data_, mapped_);
    else
        ::operator delete(data_);
    data_ = nullptr;
}

} // namespace runtime
