#pragma once

#include <filesystem>
#include <memory>

#include "runtime/TextFile.h"

namespace runtime {

// Writes a whole file safely: the text goes to a temporary file beside the target, and only
// `commit` renames it over the target. Destroyed without a commit, it removes the temporary file
// and leaves the target as it was.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    TextWriter& writer();
    // Flushes, syncs and renames the temporary file over the target; raises on failure.
    void commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::unique_ptr<TextWriter> writer_;
    bool committed_ = false;
};

// Gives the bytes of `from` a second name, `to`, in place of any file there: a hard link made beside
// `to` and renamed over it, so no bytes are copied or synced. False, with nothing changed, where
// the link or the rename cannot be made (another file system, a folder named `to`).
bool ReplaceWithHardLink(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace runtime
