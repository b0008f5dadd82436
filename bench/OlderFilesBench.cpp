#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
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

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
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
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(path, FullBookAsVersion3());
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
    std::filesystem::remove(std::filesystem::path(path).replace_extension(".qb3"));
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
