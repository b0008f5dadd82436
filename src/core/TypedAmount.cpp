#include "core/TypedAmount.h"

#include <string>

#include "core/TextTests.h"
#include "runtime/NumberScan.h"
#include "runtime/Text.h"

namespace core {

std::optional<double> ParseTypedAmount(std::string_view text)
{
    const std::string trimmed = runtime::trim(text);
    const runtime::NumberSpan number = runtime::scanNumber(trimmed, 0, true);
    if (!number.hasDigits || number.end != trimmed.size())
        return std::nullopt;
    std::string plain = trimmed;
    std::erase(plain, ',');
    return runtime::val(plain);
}

std::optional<double> ReadTypedAmount(std::string_view text)
{
    if (IsBlank(text))
        return 0.0;
    return ParseTypedAmount(text);
}

std::optional<double> ReadTypedNetAmount(std::string_view text)
{
    if (text.empty() || (text.back() != 'N' && text.back() != 'n'))
        return std::nullopt;
    return ReadTypedAmount(text.substr(0, text.size() - 1));
}

std::string NotAnAmountMessage(std::string_view typed, std::string_view boxName)
{
    return "'" + std::string(typed) + "' is not a valid " + std::string(boxName);
}

} // namespace core
