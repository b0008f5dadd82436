#include "core/DataFiles.h"

#include <chrono>
#include <system_error>

#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace core {

namespace {

constexpr std::size_t LongestDatedPath = 127;

} // namespace

bool FileExists(const std::filesystem::path& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool FileHasDate(std::string_view path)
{
    const std::string trimmed = runtime::trim(path);
    if (trimmed.empty() || trimmed.size() > LongestDatedPath)
        return false;
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(runtime::pathFromText(trimmed), error);
    return !error && std::chrono::file_clock::to_sys(stamp).time_since_epoch().count() != 0;
}

int GetDataFileVersion(std::string_view firstLine)
{
    if (runtime::mid(firstLine, 14, 1) == "]")
        return 2;
    if (runtime::mid(firstLine, 15, 2) == "V3")
        return 3;
    if (runtime::mid(firstLine, 15, 5) == "V2000")
        return 2000;
    return 0;
}

} // namespace core
