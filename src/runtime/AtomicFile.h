#pragma once

#include <filesystem>
#include <memory>

#include "runtime/FileIdentity.h"
#include "runtime/TemporaryFile.h"
#include "runtime/TextFile.h"

namespace runtime {

// Writes a whole file safely: the text goes to a temporary file beside the target (TemporaryFile.h),
// and only `commit` puts it in place. Destroyed without a commit, it removes the temporary file and
// leaves the target as it was. A target reached through symbolic links (a chain of them, absolute
// or relative) is the file they lead to: that file is replaced and the links stay.
class AtomicFile {
public:
    enum class Placing {
        ReplaceTarget, // the target is created or replaced
        NewFileOnly,   // the target is created only where no file, folder or link holds its name
    };

    explicit AtomicFile(std::filesystem::path target, Placing placing = Placing::ReplaceTarget);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    TextWriter& writer();
    // Flushes, syncs and puts the temporary file in place; raises on failure, for NewFileOnly
    // FileAlreadyExists when the name is held. Answers the identity of the file as written.
    FileIdentity commit();

private:
    std::filesystem::path target_;
    Placing placing_;
    std::unique_ptr<TemporaryFile> temporary_;
    std::unique_ptr<TextWriter> writer_;
    bool committed_ = false;
};

enum class LinkOutcome { Linked, NameTaken, NotPossible };

// Gives the file `from` leads to (through its links) a second name `to`, unless a file, folder or
// link already holds that name: nothing is replaced and no bytes are copied. NotPossible where the
// file system cannot link the two (another file system, no hard links, no such file).
LinkOutcome LinkWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace runtime
