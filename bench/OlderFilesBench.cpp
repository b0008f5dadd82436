#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "FullBook.h"
#include "ShownBook.h"
#include "datafile/DataFile.h"
#include "datafile/MergeDataFile.h"

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Written and flushed to the disk: the older file a user opens has lain there for years, so the
// conversion's own flushes must not also carry its bytes.
void writeFileToDisk(const std::filesystem::path& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("the older file cannot be written");
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
    ::close(fd);
    if (!written)
        throw std::runtime_error("the older file cannot be written");
}

const std::filesystem::path& FullBookFile()
{
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() / "qb-bench-older-full-book.QBD";
        bench::SaveFullBook(file);
        return file;
    }();
    return path;
}

// The full book as a version-3 file: its records in the older layout, two-digit years, and a
// split tail followed by four blanks.
const std::string& FullBookAsVersion3()
{
    static const std::string bytes = [] {
        const std::string current = readFile(FullBookFile());
        std::string older;
        std::size_t start = 0;
        bool inTransactions = false;
        for (std::size_t end; (end = current.find("\r\n", start)) != std::string::npos; start = end + 2) {
            std::string line = current.substr(start, end - start);
            if (start == 0)
                line = "[Company Name V3]";
            else if (line.starts_with("[Transactions]"))
                inTransactions = true;
            else if (line.starts_with("[Date Index]"))
                inTransactions = false;
            else if (inTransactions) {
                line.erase(6, 2);
                if (line.size() > core::OlderRecordFixedLength)
                    line += "    ";
            }
            older += line + "\r\n";
        }
        return older;
    }();
    return bytes;
}

void ConvertFullBookVersion3(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / "qb-bench-older.QBD";
    const auto copy = std::filesystem::path(path).replace_extension(".qb3");
    for (auto _ : state) {
        state.PauseTiming();
        // A first conversion: no copy from an earlier one waits to be replaced.
        std::filesystem::remove(copy);
        writeFileToDisk(path, FullBookAsVersion3());
        auto shown = std::make_unique<bench::ShownBook>();
        shown->services.answerMessageBox(platform::Answer::OK);
        shown->services.answerMessageBox(platform::Answer::OK);
        state.ResumeTiming();
        if (!datafile::LoadDataFile(path, shown->book, shown->window))
            state.SkipWithError("the conversion failed");
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
    std::filesystem::remove(copy);
    std::filesystem::remove(std::filesystem::temp_directory_path() / "QBERRORS.TXT");
}
BENCHMARK(ConvertFullBookVersion3)->Unit(benchmark::kMillisecond);

void MergeFullBookIntoEmptyBook(benchmark::State& state)
{
    const auto& path = FullBookFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<bench::ShownBook>();
        state.ResumeTiming();
        if (!datafile::MergeDataFile(path, shown->book, shown->window))
            state.SkipWithError("the merge failed");
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(MergeFullBookIntoEmptyBook)->Unit(benchmark::kMillisecond);

} // namespace
