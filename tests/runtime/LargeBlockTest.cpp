#include <sys/mman.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/LargeBlock.h"
#include "runtime/TableRegion.h"

using runtime::LargeBlock;
using runtime::RegionAllocator;
using runtime::TableRegion;

namespace {

bool isMapped(const char* at, std::size_t length)
{
    std::vector<unsigned char> residence((length + 4095) / 4096);
    return ::mincore(const_cast<char*>(at), length, residence.data()) == 0 || errno != ENOMEM;
}

using RegionInts = std::vector<std::int64_t, RegionAllocator<std::int64_t>>;

} // namespace

// A block holds every byte it was asked for, on either side of the size from which it is laid in
// huge pages; those are taken on a huge-page boundary, where the kernel can lay them.
TEST(LargeBlock, HoldsEveryByteAskedFor)
{
    const std::size_t sizes[] = {0, 1, 4096, LargeBlock::HugePagesFrom - 1, LargeBlock::HugePagesFrom,
                                 LargeBlock::HugePageSize, LargeBlock::HugePageSize + 1, 3 * LargeBlock::HugePageSize + 17};
    for (const std::size_t size : sizes) {
        SCOPED_TRACE(size);
        LargeBlock block(size);
        EXPECT_EQ(block.size(), size);
        ASSERT_NE(block.data(), nullptr);
        for (std::size_t i = 0; i < size; ++i)
            block.data()[i] = static_cast<char>(i * 7);
        bool kept = true;
        for (std::size_t i = 0; i < size; ++i)
            kept = kept && block.data()[i] == static_cast<char>(i * 7);
        EXPECT_TRUE(kept);
        if (size >= LargeBlock::HugePagesFrom) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.data()) % LargeBlock::HugePageSize, 0u);
        }
    }
}

// A moved block keeps its bytes; the one it was moved from holds nothing; a huge-page block gives
// its whole mapping back when it goes.
TEST(LargeBlock, MovesAndGivesItsMemoryBack)
{
    LargeBlock first(LargeBlock::HugePageSize + 5);
    std::memset(first.data(), 'q', first.size());
    const char* const mapped = first.data();
    LargeBlock second(std::move(first));
    EXPECT_EQ(first.data(), nullptr);
    EXPECT_EQ(first.size(), 0u);
    EXPECT_EQ(second.data(), mapped);
    EXPECT_EQ(second.data()[LargeBlock::HugePageSize + 4], 'q');

    LargeBlock third(10);
    third = std::move(second);
    EXPECT_EQ(third.data(), mapped);
    EXPECT_EQ(third.size(), LargeBlock::HugePageSize + 5);
    ASSERT_TRUE(isMapped(mapped, 2 * LargeBlock::HugePageSize));
    third = LargeBlock();
    EXPECT_FALSE(isMapped(mapped, 2 * LargeBlock::HugePageSize));
}

// Tables are carved one after another, each aligned, while the region has room; a table with no
// room left, or one grown past its part, comes from the heap and keeps its values.
TEST(TableRegion, CarvesTablesWhileItHasRoom)
{
    const auto region = std::make_shared<TableRegion>(runtime::RegionBytesFor<char>(3)
                                                      + runtime::RegionBytesFor<std::int64_t>(100));
    std::vector<char, RegionAllocator<char>> letters{RegionAllocator<char>(region)};
    letters.reserve(3);
    letters.assign({'a', 'b', 'c'});
    RegionInts numbers{RegionAllocator<std::int64_t>(region)};
    numbers.reserve(100);
    EXPECT_TRUE(region->holds(letters.data()));
    EXPECT_TRUE(region->holds(numbers.data()));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(numbers.data()) % alignof(std::int64_t), 0u);

    RegionInts late{RegionAllocator<std::int64_t>(region)};
    late.reserve(1);
    EXPECT_FALSE(region->holds(late.data())) << "the region is full";

    for (int i = 0; i < 100; ++i)
        numbers.push_back(i);
    EXPECT_TRUE(region->holds(numbers.data()));
    numbers.push_back(100);
    EXPECT_FALSE(region->holds(numbers.data())) << "grown past its part";
    ASSERT_EQ(numbers.size(), 101u);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(numbers[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "abc");
}

// A table carries its region when moved or copied, and the region lives as long as a table carved
// from it: a table assigned a plain one lets it go.
TEST(TableRegion, LivesAsLongAsATableCarvedFromIt)
{
    auto region = std::make_shared<TableRegion>(runtime::RegionBytesFor<std::int64_t>(20));
    const std::weak_ptr<TableRegion> watched = region;
    RegionInts table{RegionAllocator<std::int64_t>(std::move(region))};
    table.reserve(10);
    table.assign({1, 2, 3});

    RegionInts moved;
    moved = std::move(table);
    EXPECT_EQ(moved.get_allocator().region(), watched.lock());
    RegionInts copy;
    copy = moved;
    EXPECT_EQ(copy.get_allocator().region(), watched.lock());
    EXPECT_TRUE(watched.lock()->holds(copy.data())) << "the copy is carved from the same region";
    EXPECT_EQ(copy, (RegionInts{1, 2, 3}));

    copy = RegionInts();
    EXPECT_FALSE(watched.expired());
    table = RegionInts();
    moved = RegionInts{7};
    EXPECT_TRUE(watched.expired());
    EXPECT_EQ(moved.front(), 7);
}
