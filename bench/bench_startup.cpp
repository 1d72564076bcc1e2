// How long the program takes to show its main window, and how much memory it has used by
// then, against a bare Qt window that opens the same data file. Both run as processes, in
// turn, on the offscreen platform; each ends as soon as its window has been shown.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 15;
constexpr double kTimeRatioTarget = 1.10;
constexpr double kMemoryRatioTarget = 1.20;

struct Run {
    double ms;
    double peakKb;
};

// Starts `arguments` with the environment of this process; the time to its end and its peak
// resident memory, or nothing when it failed.
std::optional<Run> runOnce(std::vector<const char*> arguments) {
    arguments.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    // What the programs say on the way is of no interest here.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, arguments[0], &quiet, nullptr,
                                    const_cast<char**>(arguments.data()), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return Run{timer.nsecsElapsed() / 1e6, double(usage.ru_maxrss)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("PANTRELLE_QUIT_WHEN_SHOWN", "1", 1);
    std::vector<double> programMs, programKb, bareMs, bareKb;
    // One untimed round first, so both start with the same files in the page cache.
    for (int run = -1; run < kRuns; ++run) {
        const auto program = runOnce({PANTRELLE_PROGRAM});
        const auto bare = runOnce({PANTRELLE_BARE_WINDOW, PANTRELLE_DATA_FILE});
        if (!program || !bare) {
            std::printf("start-up: %s did not start and end cleanly\n",
                        program ? "the bare window" : "the program");
            return 1;
        }
        if (run < 0)
            continue;
        programMs.push_back(program->ms);
        programKb.push_back(program->peakKb);
        bareMs.push_back(bare->ms);
        bareKb.push_back(bare->peakKb);
    }
    const double timeRatio = median(programMs) / median(bareMs);
    const double memoryRatio = median(programKb) / median(bareKb);
    std::printf("start-up to the main window: program %.1f ms, bare window %.1f ms: %.3f x"
                "  (target <= %.2f x)%s\n",
                median(programMs), median(bareMs), timeRatio, kTimeRatioTarget,
                timeRatio <= kTimeRatioTarget ? "" : "  MISSED");
    std::printf("peak memory at start-up:     program %.0f KB, bare window %.0f KB: %.3f x"
                "  (target <= %.2f x)%s\n",
                median(programKb), median(bareKb), memoryRatio, kMemoryRatioTarget,
                memoryRatio <= kMemoryRatioTarget ? "" : "  MISSED");
    return timeRatio <= kTimeRatioTarget && memoryRatio <= kMemoryRatioTarget ? 0 : 1;
}
