#include "runtime/PathText.h"

#include "runtime/Cp1252.h"

namespace runtime {

std::filesystem::path pathFromText(std::string_view text)
{
    return std::filesystem::path(cp1252ToUtf16(text));
}

std::string textOfPath(const std::filesystem::path& path)
{
    return utf16ToCp1252(path.u16string());
}

} // namespace runtime
