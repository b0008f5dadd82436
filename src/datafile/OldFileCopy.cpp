#include "datafile/OldFileCopy.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "runtime/AtomicFile.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"

namespace datafile {

namespace {

// Enough numbered names for any folder a user keeps; past them the copy is refused, not looped on.
constexpr int LastCopyNumber = 999;

bool nameTaken(const std::filesystem::path& path)
{
    std::error_code ec;
    // A dangling link or an unreadable entry counts as taken: nothing is ever written over it.
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
    return ec ? ec != std::errc::no_such_file_or_directory : std::filesystem::exists(status);
}

void writeCopy(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::ifstream in(from, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), '\0');
    in.seekg(0);
    if (!in || size < 0 || !in.read(bytes.data(), size))
        throw runtime::Error(runtime::PathFileAccessError);
    runtime::AtomicFile copy(to);
    copy.writer().write(bytes);
    copy.commit();
}

} // namespace

std::filesystem::path FreeCopyPath(const std::filesystem::path& path, const char* extension)
{
    const std::filesystem::path stem = path.parent_path() / path.stem();
    for (int number = 0; number <= LastCopyNumber; ++number) {
        std::filesystem::path candidate = stem;
        candidate += (number == 0 ? "." : "." + std::to_string(number) + ".") + std::string(extension);
        if (!nameTaken(candidate))
            return candidate;
    }
    throw runtime::Error(runtime::PathFileAccessError);
}

std::filesystem::path KeepCopyOfOldFile(const std::filesystem::path& path, const char* extension)
{
    try {
        const std::filesystem::path copy = FreeCopyPath(path, extension);
        if (!runtime::ReplaceWithHardLink(path, copy))
            writeCopy(path, copy);
        return copy;
    } catch (const runtime::Error& error) {
        throw runtime::Error(error.number(), "Unable to keep a copy of '" + runtime::textOfPath(path)
                                                 + "', so it has not been converted : " + error.description());
    }
}

} // namespace datafile
