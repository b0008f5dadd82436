#include "core/TransactionTable.h"

namespace core {

std::string_view TransactionTable::Line(int recordNumber) const
{
    if (!Contains(recordNumber))
        return {};
    return lines_[static_cast<std::size_t>(recordNumber - 1)];
}

bool TransactionTable::Append(std::string line)
{
    if (IsFull())
        return false;
    lines_.push_back(std::move(line));
    return true;
}

bool TransactionTable::Replace(int recordNumber, std::string line)
{
    if (!Contains(recordNumber))
        return false;
    lines_[static_cast<std::size_t>(recordNumber - 1)] = std::move(line);
    return true;
}

} // namespace core
