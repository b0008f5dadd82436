#include "runtime/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "runtime/Error.h"

namespace runtime {

namespace {

namespace fs = std::filesystem;

Error errorFromErrno(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR: return Error(PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Error(DiskFull);
    default: return Error(PathFileAccessError);
    }
}

// Creates an empty file with a fresh name beside the target, so that a stale temporary file or
// a second writer never collides with this one.
fs::path createTemporaryBeside(const fs::path& target)
{
    std::random_device entropy;
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const fs::path candidate = target.string() + ".~" + std::to_string(entropy() % 1000000) + ".tmp";
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST) {
            throw errorFromErrno(errno);
        }
    }
    throw Error(PathFileAccessError);
}

// Makes the data of a file, or the entry of a folder, durable before it is relied on. Some file
// systems cannot sync a folder (EINVAL); there the rename is as durable as they allow.
void syncToDisk(const fs::path& path, int flags)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0) {
        throw errorFromErrno(errno);
    }
    const int result = ::fsync(fd);
    const int code = errno;
    ::close(fd);
    if (result != 0 && code != EINVAL) {
        throw errorFromErrno(code);
    }
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target))
{
    const fs::path folder = target_.parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        throw Error(PathNotFound);
    }
    if (fs::is_directory(target_, ec)) {
        throw Error(PathFileAccessError);
    }
    temporary_ = createTemporaryBeside(target_);
    try {
        // A replaced file keeps the permissions it had.
        const fs::file_status old = fs::status(target_, ec);
        if (fs::exists(old)) {
            fs::permissions(temporary_, old.permissions(), ec);
        }
        writer_ = std::make_unique<TextWriter>(temporary_);
    } catch (...) {
        fs::remove(temporary_, ec);
        throw;
    }
}

AtomicFile::~AtomicFile()
{
    if (!committed_) {
        writer_.reset();
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

TextWriter& AtomicFile::writer()
{
    return *writer_;
}

void AtomicFile::commit()
{
    writer_->close();
    syncToDisk(temporary_, 0);
    std::error_code ec;
    fs::rename(temporary_, target_, ec);
    if (ec) {
        throw errorFromErrno(ec.value());
    }
    committed_ = true;
    const fs::path folder = target_.parent_path();
    syncToDisk(folder.empty() ? fs::path(".") : folder, O_DIRECTORY);
}

bool ReplaceWithHardLink(const std::filesystem::path& from, const std::filesystem::path& to)
{
    fs::path link;
    try {
        link = createTemporaryBeside(to);
    } catch (const Error&) {
        return false;
    }
    std::error_code ec;
    fs::remove(link, ec);
    fs::create_hard_link(from, link, ec);
    if (!ec)
        fs::rename(link, to, ec);
    // Renaming a link over its own file leaves the link in place, so it goes either way.
    std::error_code ignored;
    fs::remove(link, ignored);
    if (ec)
        return false;
    const fs::path folder = to.parent_path();
    syncToDisk(folder.empty() ? fs::path(".") : folder, O_DIRECTORY);
    return true;
}

} // namespace runtime
