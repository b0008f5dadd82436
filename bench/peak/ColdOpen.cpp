// Times opening a data file in a fresh process against the least such a process can cost.
//
//   qb_cold_open [--runs N] [--cpu K] [--loader PATH] FILE
//
// Runs `qb_load_once FILE` (a fresh process that loads the book) and `qb_load_once read FILE` (a
// fresh process that only reads the file through one small buffer: process start plus the kernel's
// copy) one after the other, N times each (21 by default), after one unmeasured run of each so the
// file is in the page cache. Prints, for each, the median and lowest wall time, the median processor
// time (user and system: on a busy machine it moves less than the wall time), the median minor page
// faults and peak resident memory, then the ratio of the medians. --cpu pins both to one
// processor, which steadies the figures on a busy machine; --loader names another qb_load_once
// (a build of older code, to compare).
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct Options {
    int runs = 21;
    int cpu = -1;
    std::string loader;
    std::string file;
};

struct Run {
    double milliseconds = 0;
    double processorMilliseconds = 0;
    long minorFaults = 0;
    long peakKiB = 0;
};

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: qb_cold_open [--runs N] [--cpu K] [--loader PATH] FILE\n");
    std::exit(2);
}

Options readOptions(int argc, char** argv)
{
    Options options;
    options.loader = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qb_load_once").string();
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--runs" && hasValue)
            options.runs = std::atoi(argv[++i]);
        else if (argument == "--cpu" && hasValue)
            options.cpu = std::atoi(argv[++i]);
        else if (argument == "--loader" && hasValue)
            options.loader = argv[++i];
        else if (options.file.empty() && !argument.starts_with("--"))
            options.file = argument;
        else
            usage();
    }
    if (options.file.empty() || options.runs < 1)
        usage();
    return options;
}

// One fresh process of `arguments`, its output dropped; ends the program when it fails.
Run runOnce(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "qb_cold_open: cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "qb_cold_open: %s %s failed\n", argv[0], arguments.back().c_str());
        std::exit(1);
    }
    const auto processor = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                           + std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            std::chrono::duration<double, std::milli>(processor).count(), usage.ru_minflt, usage.ru_maxrss};
}

template <typename Value>
Value median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Summary {
    double medianMilliseconds;
    double lowestMilliseconds;
    double medianProcessorMilliseconds;
    long medianFaults;
    long medianPeakKiB;
};

Summary summarize(const std::vector<Run>& runs)
{
    std::vector<double> times;
    std::vector<double> processorTimes;
    std::vector<long> faults;
    std::vector<long> peaks;
    for (const Run& run : runs) {
        times.push_back(run.milliseconds);
        processorTimes.push_back(run.processorMilliseconds);
        faults.push_back(run.minorFaults);
        peaks.push_back(run.peakKiB);
    }
    return {median(times), *std::min_element(times.begin(), times.end()), median(processorTimes), median(faults),
            median(peaks)};
}

void printRow(const char* name, const Summary& summary)
{
    std::printf("%-28s %10.1f %10.1f %10.1f %14ld %12ld\n", name, summary.medianMilliseconds,
                summary.lowestMilliseconds, summary.medianProcessorMilliseconds, summary.medianFaults,
                summary.medianPeakKiB);
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = readOptions(argc, argv);
    if (options.cpu >= 0) {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(options.cpu, &set);
        if (sched_setaffinity(0, sizeof set, &set) != 0) {
            std::fprintf(stderr, "qb_cold_open: cannot pin to processor %d\n", options.cpu);
            return 1;
        }
    }
    const std::vector<std::string> load{options.loader, options.file};
    const std::vector<std::string> bound{options.loader, "read", options.file};
    runOnce(load);
    runOnce(bound);
    std::vector<Run> loads;
    std::vector<Run> bounds;
    for (int i = 0; i < options.runs; ++i) {
        loads.push_back(runOnce(load));
        bounds.push_back(runOnce(bound));
    }
    const Summary loadSummary = summarize(loads);
    const Summary boundSummary = summarize(bounds);
    std::printf("%d fresh processes each, alternating: %s\n", options.runs, options.file.c_str());
    std::printf("%-28s %10s %10s %10s %14s %12s\n", "", "median ms", "lowest ms", "cpu ms", "minor faults",
                "peak KiB");
    printRow("load (qb_load_once FILE)", loadSummary);
    printRow("bound (qb_load_once read)", boundSummary);
    std::printf("load / bound, medians: %.2f (processor time %.2f)\n",
                loadSummary.medianMilliseconds / boundSummary.medianMilliseconds,
                loadSummary.medianProcessorMilliseconds / boundSummary.medianProcessorMilliseconds);
    return 0;
}
