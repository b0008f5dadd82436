#pragma once

#include <sys/resource.h>

#include <csignal>

// Lowers this process's largest file size for the life of the object, so that a write beyond
// it fails as on a full disk. Works for root too, unlike permission bits. The signal the kernel
// sends on such a write is ignored meanwhile, so the write just fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};
