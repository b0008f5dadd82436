#pragma once

#include "core/TransactionRecord.h"

namespace core {

// The four code tables, numbered as every code operation takes them.
enum class CodeKind : int { Bank = 1, Vat = 2, Customer = 3, Category = 4 };

// Where a transaction record holds the code of the kind.
inline constexpr RecordColumn CodeColumn(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: return RecordColumns::Bank;
    case CodeKind::Vat: return RecordColumns::VAT;
    case CodeKind::Customer: return RecordColumns::Customer;
    case CodeKind::Category: return RecordColumns::Category;
    }
    return {0, 0};
}

// The width of the kind's codes (bank 6, VAT 3, customer 6, category 4), which is also the width
// of its column in a transaction record.
inline constexpr int CodeWidth(CodeKind kind)
{
    return CodeColumn(kind).width;
}

} // namespace core
