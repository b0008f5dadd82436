#include "reports/ReportTexts.h"

#include <algorithm>

#include "core/FilterSetup.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace reports {

bool IsPaymentType(std::string_view type)
{
    return type == "PAY" || type == "BIL";
}

std::string FilterSubtitle(const core::FilterSetup& filter)
{
    std::string name = filter.Name.str();
    std::replace(name.begin(), name.end(), '\0', ' ');
    if (runtime::rtrim(name).empty())
        return {};
    return "Filter : " + name;
}

bool ShowsAsZero(double amount)
{
    return runtime::roundHalfEven(amount * 100) == 0;
}

std::string RecordCountLine(int count)
{
    return std::to_string(count) + " Records";
}

} // namespace reports
