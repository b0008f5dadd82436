#include "mainwindow/codes/CodeRecords.h"

#include "core/TextTests.h"
#include "runtime/Text.h"

namespace mainwindow {

bool IsBankAccountRecordEmpty(const core::BankAccountRecord& record)
{
    return core::IsBlank(record.Code.view()) && core::IsBlank(record.Name.view()) && core::IsBlank(record.Address.view())
        && core::IsBlank(record.Tel.view()) && core::IsBlank(record.DateOpened.view()) && record.Balance == 0
        && record.StartBalance == 0;
}

bool IsVatCodeRecordEmpty(const core::VatCodeRecord& record)
{
    return core::IsBlank(record.Code.view()) && core::IsBlank(record.Name.view()) && record.Rate == 0;
}

bool IsCustomerRecordEmpty(const core::CustomerRecord& record)
{
    return core::IsBlank(record.Code.view()) && core::IsBlank(record.Name.view()) && core::IsBlank(record.Address.view())
        && core::IsBlank(record.Tel.view()) && core::IsBlank(record.Fax.view());
}

bool IsCategoryRecordEmpty(const core::CategoryRecord& record)
{
    return core::IsBlank(record.Code.view()) && core::IsBlank(record.Name.view());
}

std::string MirrorText(core::CodeKind kind, const std::string& line)
{
    switch (kind) {
    case core::CodeKind::Bank:
    case core::CodeKind::Customer: return runtime::left(line, 27);
    case core::CodeKind::Vat: return runtime::left(line, 4) + runtime::mid(line, 17, 20);
    case core::CodeKind::Category: return line;
    }
    return line;
}

} // namespace mainwindow
