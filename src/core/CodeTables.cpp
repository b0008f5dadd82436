#include "core/CodeTables.h"

#include "runtime/Error.h"

namespace core {

CodeTables::CodeTables()
{
    for (platform::ListModel* list : {&ListBankAccounts, &ListVATCodes, &ListCustCodes, &ListAnalCodes, &ComboBank,
                                      &ComboVAT, &ComboCustomer, &ComboAnal, &ListSTOs})
        list->setSorted(true);
}

const platform::ListModel& CodeTables::table(CodeKind kind) const
{
    switch (kind) {
    case CodeKind::Bank: return ListBankAccounts;
    case CodeKind::Vat: return ListVATCodes;
    case CodeKind::Customer: return ListCustCodes;
    case CodeKind::Category: return ListAnalCodes;
    }
    throw runtime::Error(runtime::SubscriptOutOfRange);
}

platform::ListModel& CodeTables::table(CodeKind kind)
{
    return const_cast<platform::ListModel&>(static_cast<const CodeTables&>(*this).table(kind));
}

platform::ListModel& CodeTables::mirror(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank: return ComboBank;
    case CodeKind::Vat: return ComboVAT;
    case CodeKind::Customer: return ComboCustomer;
    case CodeKind::Category: return ComboAnal;
    }
    throw runtime::Error(runtime::SubscriptOutOfRange);
}

} // namespace core
