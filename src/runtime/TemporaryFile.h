#pragma once

#include <filesystem>

namespace runtime {

// The temporary file a safe write fills before it is put in place of its target: created empty
// beside the target under a fresh name, "NAME.~NNNNNN.tmp", with NAME cut short where the whole
// would not fit the file system's longest name. It is locked while this object lives, so that a
// temporary file left by a write that was killed (its lock went with its process) is told from one
// another program is still writing: creating one first removes the target's unlocked ones.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target);
    // Closes the file and lets go of its lock; the file itself stays (see removeFile).
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // An open descriptor of the file, for syncing it and reading its identity.
    int descriptor() const { return descriptor_; }
    void removeFile() const;

private:
    std::filesystem::path path_;
    int descriptor_ = -1;
};

} // namespace runtime
