#include "core/TransactionTable.h"

#include <stdexcept>

namespace core {

std::string_view TransactionTable::Line(int recordNumber) const
{
    if (!Contains(recordNumber))
        return {};
    return records_[static_cast<std::size_t>(recordNumber - 1)].line;
}

TransactionTable::Record TransactionTable::Owning(std::string line)
{
    auto own = std::make_unique<std::string>(std::move(line));
    const std::string_view view = *own;
    return {view, std::move(own)};
}

bool TransactionTable::Append(std::string line)
{
    if (IsFull())
        return false;
    records_.push_back(Owning(std::move(line)));
    return true;
}

bool TransactionTable::Replace(int recordNumber, std::string line)
{
    if (!Contains(recordNumber))
        return false;
    records_[static_cast<std::size_t>(recordNumber - 1)] = Owning(std::move(line));
    return true;
}

void TransactionTable::Clear()
{
    records_.clear();
    adoptedText_.reset();
}

std::size_t TransactionTable::RegionBytesFor(int count)
{
    return runtime::RegionBytesFor<Record>(static_cast<std::size_t>(count));
}

void TransactionTable::AdoptLines(std::shared_ptr<const void> textKeeper, const std::vector<std::string_view>& lines,
                                  std::shared_ptr<runtime::TableRegion> region)
{
    if (lines.size() > static_cast<std::size_t>(MaxTransactions))
        throw std::length_error("more lines than a table of transactions holds");
    Clear();
    records_ = decltype(records_)(runtime::RegionAllocator<Record>(std::move(region)));
    records_.reserve(lines.size());
    for (const std::string_view line : lines)
        records_.push_back({line, nullptr});
    adoptedText_ = std::move(textKeeper);
}

} // namespace core
