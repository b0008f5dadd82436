#include "core/TextTests.h"

#include "runtime/Text.h"

namespace core {

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

int UpperCaseKey(int keyCode)
{
    if (keyCode < 0 || keyCode > 255)
        return keyCode;
    const std::string upper = runtime::ucase(std::string(1, static_cast<char>(keyCode)));
    return static_cast<unsigned char>(upper[0]);
}

void UpperCasePrefix(std::string& text, int length)
{
    const std::string prefix = runtime::left(text, length);
    text = runtime::ucase(prefix) + text.substr(prefix.size());
}

bool IsSameFirstFour(std::string_view a, std::string_view b)
{
    return runtime::ucase(runtime::left(a, 4)) == runtime::ucase(runtime::left(b, 4));
}

} // namespace core
