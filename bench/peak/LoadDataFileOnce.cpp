// Loads one data file into a fresh book and ends: the process whose peak memory is measured
// (/usr/bin/time -v qb_load_once FILE). With "write" first, writes the full book there instead.
// With "read" first, only reads the file through one small buffer used again and again: the same
// process start and the kernel's copy of the bytes, the least a fresh process that opens the file
// can cost (qb_cold_open measures a load against it).
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string_view>

#include "FullBook.h"
#include "ShownBook.h"
#include "datafile/DataFile.h"

namespace {

int readThroughSmallBuffer(const char* path)
{
    const int file = ::open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return 1;
    static std::array<char, 64 * 1024> buffer;
    std::size_t total = 0;
    ssize_t got = 0;
    while ((got = ::read(file, buffer.data(), buffer.size())) > 0)
        total += static_cast<std::size_t>(got);
    ::close(file);
    if (got < 0)
        return 1;
    std::printf("%zu bytes\n", total);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "write") {
        bench::SaveFullBook(argv[2]);
        return 0;
    }
    if (argc == 3 && std::string_view(argv[1]) == "read")
        return readThroughSmallBuffer(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qb_load_once FILE | qb_load_once read FILE | qb_load_once write FILE\n");
        return 2;
    }
    bench::ShownBook shown;
    if (!datafile::LoadDataFile(argv[1], shown.book, shown.window))
        return 1;
    std::printf("%d transactions\n", shown.book.ledger.Transactions.UpperBound());
    return 0;
}
