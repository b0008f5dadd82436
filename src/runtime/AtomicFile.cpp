#include "runtime/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime/Error.h"

namespace runtime {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up on a loop.
constexpr int MostLinksFollowed = 40;

// The file a chain of symbolic links leads to; a relative link counts from its own folder. The
// path itself when it is no link.
fs::path followLinks(fs::path path)
{
    for (int followed = 0; followed < MostLinksFollowed; ++followed) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path leadsTo = fs::read_symlink(path, ec);
        if (ec)
            throw errorOfSystemCall(ec.value());
        path = leadsTo.is_absolute() ? leadsTo : path.parent_path() / leadsTo;
    }
    throw Error(PathFileAccessError);
}

fs::path folderOf(const fs::path& path)
{
    return path.parent_path().empty() ? fs::path(".") : path.parent_path();
}

// Makes a folder's entries durable before they are relied on. Some file systems cannot sync a
// folder (EINVAL); there the rename is as durable as they allow.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw errorOfSystemCall(errno);
    const int result = ::fsync(fd);
    const int code = errno;
    ::close(fd);
    if (result != 0 && code != EINVAL)
        throw errorOfSystemCall(code);
}

// Puts the temporary file under the target's name without replacing anything. File systems that
// cannot rename without replacing take a link and the removal of the temporary name instead.
void placeAsNewFile(const fs::path& temporary, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        throw errorOfSystemCall(errno);
    if (::link(temporary.c_str(), target.c_str()) != 0)
        throw errorOfSystemCall(errno);
    ::unlink(temporary.c_str());
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target, Placing placing)
    : target_(placing == Placing::ReplaceTarget ? followLinks(std::move(target)) : std::move(target)), placing_(placing)
{
    const fs::path folder = target_.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec))
        throw Error(PathNotFound);
    if (placing_ == Placing::NewFileOnly && fs::exists(fs::symlink_status(target_, ec)))
        throw Error(FileAlreadyExists);
    if (fs::is_directory(target_, ec))
        throw Error(PathFileAccessError);
    temporary_ = std::make_unique<TemporaryFile>(target_);
    try {
        // A replaced file keeps the permissions it had.
        const fs::file_status old = fs::status(target_, ec);
        if (placing_ == Placing::ReplaceTarget && fs::exists(old))
            fs::permissions(temporary_->path(), old.permissions(), ec);
        writer_ = std::make_unique<TextWriter>(temporary_->path());
    } catch (...) {
        temporary_->removeFile();
        throw;
    }
}

AtomicFile::~AtomicFile()
{
    if (!committed_) {
        writer_.reset();
        temporary_->removeFile();
    }
}

TextWriter& AtomicFile::writer()
{
    return *writer_;
}

FileIdentity AtomicFile::commit()
{
    writer_->close();
    const int descriptor = temporary_->descriptor();
    if (::fsync(descriptor) != 0)
        throw errorOfSystemCall(errno);
    const FileIdentity written = IdentityOfOpenFile(descriptor);
    if (placing_ == Placing::NewFileOnly) {
        placeAsNewFile(temporary_->path(), target_);
    } else if (::rename(temporary_->path().c_str(), target_.c_str()) != 0) {
        throw errorOfSystemCall(errno);
    }
    committed_ = true;
    syncFolder(folderOf(target_));
    return written;
}

LinkOutcome LinkWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // A link named `from` is followed: the new name is the file's, never a second name of the link.
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return errno == EEXIST ? LinkOutcome::NameTaken : LinkOutcome::NotPossible;
    syncFolder(folderOf(to));
    return LinkOutcome::Linked;
}

} // namespace runtime
