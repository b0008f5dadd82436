#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>

#include "runtime/LargeBlock.h"

namespace runtime {

// One LargeBlock that the tables built together from one file are carved from, each sized once when
// the file has told how large they are: a full book's tables then land in a few huge pages instead
// of a thousand fresh small ones. Carving only moves forward; a table's part is given back with the
// whole block, when the last table carved from it is gone. Used from one thread.
class TableRegion {
public:
    explicit TableRegion(std::size_t size) : block_(size) {}

    // Room for `size` bytes aligned to `alignment`, or nothing when the rest of the block is too small.
    void* take(std::size_t size, std::size_t alignment);
    bool holds(const void* memory) const;

private:
    LargeBlock block_;
    std::size_t used_ = 0;
};

// Allocates a table from a TableRegion while it has room, from the heap otherwise (a table that
// grows past its part, or one with no region). Containers carry their allocator along when moved
// or assigned, so a table keeps its region wherever it is moved; copies take from the same region.
template <typename T>
class RegionAllocator {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    RegionAllocator() = default;
    explicit RegionAllocator(std::shared_ptr<TableRegion> region) : region_(std::move(region)) {}
    template <typename U>
    RegionAllocator(const RegionAllocator<U>& other) : region_(other.region())
    {
    }

    T* allocate(std::size_t count)
    {
        if (region_)
            if (void* memory = region_->take(count * sizeof(T), alignof(T)))
                return static_cast<T*>(memory);
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* memory, std::size_t count)
    {
        if (region_ && region_->holds(memory))
            return;
        std::allocator<T>().deallocate(memory, count);
    }

    const std::shared_ptr<TableRegion>& region() const { return region_; }

    template <typename U>
    bool operator==(const RegionAllocator<U>& other) const
    {
        return region_ == other.region();
    }

private:
    std::shared_ptr<TableRegion> region_;
};

// The bytes a region needs for a table of `count` values of T, with room to align it.
template <typename T>
constexpr std::size_t RegionBytesFor(std::size_t count)
{
    return count * sizeof(T) + alignof(T) - 1;
}

} // namespace runtime
