#include "datafile/OldFileCopy.h"

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

bool stillTheFileRead(const std::filesystem::path& path, const OldFileAsRead& old)
{
    return old.identity && runtime::IdentityOfFile(path) == old.identity;
}

// False when the name was taken meanwhile.
bool writeCopy(const std::filesystem::path& copy, std::string_view bytes)
{
    runtime::AtomicFile file(copy, runtime::AtomicFile::Placing::NewFileOnly);
    file.writer().write(bytes);
    try {
        file.commit();
    } catch (const runtime::Error& error) {
        if (error.number() == runtime::FileAlreadyExists)
            return false;
        throw;
    }
    return true;
}

} // namespace

std::filesystem::path CopyPath(const std::filesystem::path& path, const char* extension, int number)
{
    std::filesystem::path copy = path.parent_path() / path.stem();
    copy += (number == 0 ? "." : "." + std::to_string(number) + ".") + std::string(extension);
    return copy;
}

std::filesystem::path KeepCopyOfOldFile(const std::filesystem::path& path, const char* extension,
                                        const OldFileAsRead& old)
{
    try {
        bool linking = stillTheFileRead(path, old);
        for (int number = 0; number <= LastCopyNumber; ++number) {
            const std::filesystem::path copy = CopyPath(path, extension, number);
            if (nameTaken(copy))
                continue;
            if (linking) {
                const runtime::LinkOutcome linked = runtime::LinkWithoutReplacing(path, copy);
                if (linked == runtime::LinkOutcome::Linked)
                    return copy;
                if (linked == runtime::LinkOutcome::NameTaken)
                    continue;
                linking = false;
            }
            if (writeCopy(copy, old.bytes))
                return copy;
        }
        throw runtime::Error(runtime::PathFileAccessError);
    } catch (const runtime::Error& error) {
        throw runtime::Error(error.number(), "Unable to keep a copy of '" + runtime::textOfPath(path)
                                                 + "', so it has not been converted : " + error.description());
    }
}

} // namespace datafile
