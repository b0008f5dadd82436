// Loads one data file into a fresh book and ends: the process whose peak memory is measured
// (/usr/bin/time -v qb_load_once FILE). With "write" first, writes the full book there instead.
#include <cstdio>
#include <string_view>

#include "FullBook.h"
#include "ShownBook.h"
#include "datafile/DataFile.h"

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "write") {
        bench::SaveFullBook(argv[2]);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: qb_load_once FILE | qb_load_once write FILE\n");
        return 2;
    }
    bench::ShownBook shown;
    if (!datafile::LoadDataFile(argv[1], shown.book, shown.window))
        return 1;
    std::printf("%d transactions\n", shown.book.ledger.Transactions.UpperBound());
    return 0;
}
