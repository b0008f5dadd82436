#include "runtime/FileIdentity.h"

#include <sys/stat.h>

#include "runtime/Error.h"

namespace runtime {

namespace {

FileIdentity identityOf(const struct stat& status)
{
    constexpr std::int64_t NanosecondsPerSecond = 1'000'000'000;
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * NanosecondsPerSecond + status.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

FileIdentity IdentityOfOpenFile(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        throw Error(PathFileAccessError);
    return identityOf(status);
}

} // namespace runtime
