// Start-up time (process start to first painted frame) and peak resident memory
// of the window, against a bare Qt window, alternating runs in one session.
// Needs an X display: see run_startup.sh.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds = -1;
    double peakMegabytes = -1;
};

Sample runOnce(const char *program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    char flag[] = "--quit-after-first-frame";
    char *arguments[] = {const_cast<char *>(program), flag, nullptr};
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return {};
    }

    std::string output;
    char buffer[256];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(got));
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);

    Sample sample;
    long long frameAt = 0;
    const std::size_t marker = output.find("first-frame ");
    if (marker != std::string::npos && std::sscanf(output.c_str() + marker, "first-frame %lld", &frameAt) == 1) {
        const long long startedAt =
                std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();
        sample.milliseconds = double(frameAt - startedAt) / 1e6;
    }
    sample.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? -1 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WAGECOURT BARE_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    std::vector<double> appTime, appMemory, bareTime, bareMemory;
    runOnce(argv[1]); // warm the file cache for both
    runOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        for (const bool app : {true, false}) {
            const Sample sample = runOnce(app ? argv[1] : argv[2]);
            if (sample.milliseconds < 0) {
                std::fprintf(stderr, "no first frame from %s\n", app ? argv[1] : argv[2]);
                return 1;
            }
            (app ? appTime : bareTime).push_back(sample.milliseconds);
            (app ? appMemory : bareMemory).push_back(sample.peakMegabytes);
        }
    }
    const double t = median(appTime), tb = median(bareTime), m = median(appMemory), mb = median(bareMemory);
    std::printf("Medians of %d alternating runs:\n", runs);
    std::printf("  %-28s %9s %12s\n", "", "start-up", "peak RSS");
    std::printf("  %-28s %7.1f ms %9.1f MB\n", "wagecourt", t, m);
    std::printf("  %-28s %7.1f ms %9.1f MB\n", "bare Qt window", tb, mb);
    std::printf("  %-28s %8.2fx %11.2fx\n", "ratio", t / tb, m / mb);
    std::printf("Goals: start-up within 1.25x %s, peak memory within 1.25x %s\n", t / tb <= 1.25 ? "met" : "MISSED",
                m / mb <= 1.25 ? "met" : "MISSED");
    return 0;
}
