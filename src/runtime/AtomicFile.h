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

} // namespace runtime
