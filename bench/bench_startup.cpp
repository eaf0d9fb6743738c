// Start-up time (process start to first painted frame) and peak resident memory
// of the window, against a bare Qt window empty and with text, alternating runs
// in one session.
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
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WAGECOURT BARE_WINDOW TEXT_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 21;
    const char *const names[] = {"wagecourt", "bare Qt window", "bare window with text"};
    constexpr int kPrograms = 3;
    std::vector<double> times[kPrograms], memory[kPrograms];
    for (int program = 0; program < kPrograms; ++program)
        runOnce(argv[1 + program]); // warm the file cache for all
    for (int i = 0; i < runs; ++i) {
        for (int program = 0; program < kPrograms; ++program) {
            const Sample sample = runOnce(argv[1 + program]);
            if (sample.milliseconds < 0) {
                std::fprintf(stderr, "no first frame from %s\n", argv[1 + program]);
                return 1;
            }
            times[program].push_back(sample.milliseconds);
            memory[program].push_back(sample.peakMegabytes);
        }
    }
    double t[kPrograms], m[kPrograms];
    std::printf("Medians of %d alternating runs:\n", runs);
    std::printf("  %-28s %9s %12s\n", "", "start-up", "peak RSS");
    for (int program = 0; program < kPrograms; ++program) {
        t[program] = median(times[program]);
        m[program] = median(memory[program]);
        std::printf("  %-28s %7.1f ms %9.1f MB\n", names[program], t[program], m[program]);
    }
    std::printf("  %-28s %8.2fx %11.2fx\n", "ratio to the bare window", t[0] / t[1], m[0] / m[1]);
    std::printf("  %-28s %8.2fx %11.2fx\n", "ratio to the one with text", t[0] / t[2], m[0] / m[2]);
    std::printf("Goals: start-up within 1.25x of the bare window %s and 1.10x of the one with text %s, "
                "peak memory within 1.25x %s\n",
                t[0] / t[1] <= 1.25 ? "met" : "MISSED", t[0] / t[2] <= 1.10 ? "met" : "MISSED",
                m[0] / m[1] <= 1.25 ? "met" : "MISSED");
    return 0;
}
