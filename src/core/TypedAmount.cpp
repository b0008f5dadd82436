#include "core/TypedAmount.h"

#include <string>

#include "runtime/Text.h"

namespace core {

std::optional<double> ParseTypedAmount(std::string_view text)
{
    const std::string trimmed = runtime::trim(text);
    std::string plain;
    bool digits = false;
    bool point = false;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain += c;
        } else if (c == ',' && digits && !point) {
            continue;
        } else if (c == '.' && !point) {
            point = true;
            plain += c;
        } else if ((c == '-' || c == '+') && i == 0) {
            plain += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return runtime::val(plain);
}

double ReadTypedAmount(std::string_view text)
{
    return ParseTypedAmount(text).value_or(runtime::val(text));
}

std::optional<double> ReadTypedNetAmount(std::string_view text)
{
    if (text.empty() || (text.back() != 'N' && text.back() != 'n'))
        return std::nullopt;
    return ReadTypedAmount(text.substr(0, text.size() - 1));
}

} // namespace core
