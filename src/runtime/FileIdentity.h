#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace runtime {

// What tells one state of a file from another without reading it: the file it is (device and
// inode), its size and the time it was last written. Another program that rewrites the file, or
// renames another file over its name, changes at least one of them.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file a path names, through any symbolic links; nothing when no file is there.
std::optional<FileIdentity> IdentityOfFile(const std::filesystem::path& path);

// The identity of an open file.
FileIdentity IdentityOfOpenFile(int descriptor);

} // namespace runtime
