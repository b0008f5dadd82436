#include "core/CodeList.h"

#include "core/ListSearch.h"
#include "platform/ListModel.h"
#include "runtime/Text.h"

namespace core {

namespace {

constexpr int VatCodeWidth = 3;
constexpr int VatRateColumn = 5;
constexpr int VatRateWidth = 11;

} // namespace

double GetCodeListValue(const platform::ListModel& vatCodes, std::string_view code)
{
    // A code is blank-padded to its width, so "S" is the code "S  ".
    const int index = FindListItem(vatCodes, runtime::padRight(code, VatCodeWidth), VatCodeWidth);
    if (index < 0)
        return 0;
    return runtime::val(runtime::mid(vatCodes.List(index), VatRateColumn, VatRateWidth));
}

} // namespace core
