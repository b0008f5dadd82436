#include "runtime/TableRegion.h"

#include <functional>

namespace runtime {

void* TableRegion::take(std::size_t size, std::size_t alignment)
{
    const std::size_t start = (used_ + alignment - 1) / alignment * alignment;
    if (start > block_.size() || size > block_.size() - start)
        return nullptr;
    used_ = start + size;
    return block_.data() + start;
}

bool TableRegion::holds(const void* memory) const
{
    const auto* byte = static_cast<const char*>(memory);
    const std::less_equal<const char*> notAfter;
    return notAfter(block_.data(), byte) && std::less<const char*>()(byte, block_.data() + block_.size());
}

} // namespace runtime
