#include "runtime/TemporaryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <string_view>

#include "runtime/Error.h"

namespace runtime {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Mark = ".~";
constexpr std::string_view Ending = ".tmp";
constexpr std::size_t NumberDigits = 6;
constexpr std::size_t AddedLength = Mark.size() + NumberDigits + Ending.size();
// What POSIX file systems allow, where a folder does not say.
constexpr long CommonLongestName = 255;

std::size_t longestNameIn(const fs::path& folder)
{
    const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return static_cast<std::size_t>(longest > 0 ? longest : CommonLongestName);
}

// The target's name, cut so that a temporary name made from it fits: a name of 250 bytes keeps
// 243. A cut never splits a UTF-8 character.
std::string namePrefix(const fs::path& target)
{
    std::string name = target.filename().string();
    const std::size_t longest = longestNameIn(target.parent_path());
    if (name.size() + AddedLength <= longest)
        return name;
    std::size_t kept = longest > AddedLength ? longest - AddedLength : 0;
    while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
        --kept;
    name.resize(kept);
    return name;
}

// A temporary name of this target: the prefix, the mark, one to six digits (earlier versions did
// not pad them) and the ending.
bool isTemporaryName(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix))
        return false;
    name.remove_prefix(prefix.size());
    if (!name.starts_with(Mark) || !name.ends_with(Ending))
        return false;
    const std::string_view digits = name.substr(Mark.size(), name.size() - Mark.size() - Ending.size());
    return !digits.empty() && digits.size() <= NumberDigits && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name still holds the open file: another program's clean-up did not take it in between.
bool nameHolds(const fs::path& path, int descriptor)
{
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(descriptor, &opened) == 0 && sameFile(named, opened);
}

// Removes the file when it is an ordinary file that no live writer holds locked.
void removeIfAbandoned(const fs::path& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat opened {};
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0
        && nameHolds(path, descriptor))
        ::unlink(path.c_str());
    ::close(descriptor);
}

void removeAbandonedTemporaryFiles(const fs::path& target, std::string_view prefix)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        if (isTemporaryName(entry.filename().string(), prefix))
            removeIfAbandoned(entry);
    }
}

std::string numberText(unsigned number)
{
    std::string digits = std::to_string(number);
    return std::string(NumberDigits - digits.size(), '0') + digits;
}

} // namespace

TemporaryFile::TemporaryFile(const std::filesystem::path& target)
{
    const std::string prefix = namePrefix(target);
    removeAbandonedTemporaryFiles(target, prefix);
    std::random_device entropy;
    constexpr unsigned Numbers = 1000000;
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        fs::path candidate = target.parent_path() / (prefix + std::string(Mark) + numberText(entropy() % Numbers) + std::string(Ending));
        const int descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno != EEXIST)
                throw errorOfSystemCall(errno);
            continue;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && nameHolds(candidate, descriptor)) {
            path_ = std::move(candidate);
            descriptor_ = descriptor;
            return;
        }
        ::close(descriptor);
    }
    throw Error(PathFileAccessError);
}

TemporaryFile::~TemporaryFile()
{
    ::close(descriptor_);
}

void TemporaryFile::removeFile() const
{
    ::unlink(path_.c_str());
}

} // namespace runtime
