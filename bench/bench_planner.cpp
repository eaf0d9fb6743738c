// The planner's speed against one salary calculation in the same run: the
// worth-by-level table and the cheapest 10 and 20 raises over all ten skills.
// Each figure is the median of repeated runs over the same players; the
// cheapest raises are timed once more player by player, as the slowest player
// is what a person waits for. Ratios and goals are printed at the end.
#include "engine/salary.h"
#include "planner/planner.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace wagecourt;
using namespace wagecourt::planner;

namespace {

constexpr int kRepetitions = 9;

std::vector<SkillLevels> randomPlayers(std::size_t count, int highest, quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<SkillLevels> players(count);
    for (SkillLevels &levels : players)
        for (qint16 &level : levels)
            level = qint16(random.bounded(kLowestLevel, highest + 1));
    return players;
}

const std::vector<SkillLevels> &players()
{
    static const std::vector<SkillLevels> all = randomPlayers(1024, kHighestLevel, 4009568);
    return all;
}

// For the search the players of every stage: the first 32 of the list above,
// the lowest levels of all (the most room to raise) and a few young players.
const std::vector<SkillLevels> &searched()
{
    static const std::vector<SkillLevels> all = [] {
        std::vector<SkillLevels> chosen(players().begin(), players().begin() + 32);
        SkillLevels lowest;
        lowest.fill(kLowestLevel);
        chosen.push_back(lowest);
        for (const SkillLevels &young : randomPlayers(8, 6, 504))
            chosen.push_back(young);
        return chosen;
    }();
    return all;
}

void OneSalary(benchmark::State &state)
{
    const auto &all = players();
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = computeSalary(all[i++ & 1023]);
        benchmark::DoNotOptimize(result);
    }
}

void WorthByLevel(benchmark::State &state)
{
    const auto &all = players();
    std::size_t i = 0;
    for (auto _ : state) {
        auto table = worthByLevel(all[i++ & 1023]);
        benchmark::DoNotOptimize(table);
    }
}

void runCheapest(benchmark::State &state, int raises)
{
    const auto &all = searched();
    std::size_t i = 0;
    for (auto _ : state) {
        auto cheapest = cheapestRaises(all[i++ % all.size()], raises);
        benchmark::DoNotOptimize(cheapest);
    }
}

void Cheapest10(benchmark::State &state)
{
    runCheapest(state, 10);
}

void Cheapest20(benchmark::State &state)
{
    runCheapest(state, 20);
}

// The slowest single player's time, each timed alone, best of three.
double slowestPlayer(int raises)
{
    double slowest = 0;
    for (const SkillLevels &levels : searched()) {
        qint64 best = -1;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            auto cheapest = cheapestRaises(levels, raises);
            benchmark::DoNotOptimize(cheapest);
            const qint64 elapsed = timer.nsecsElapsed();
            best = best < 0 ? elapsed : std::min(best, elapsed);
        }
        slowest = std::max(slowest, double(best) * 1e-9);
    }
    return slowest;
}

// Console output as usual, plus the medians kept for the summary.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medianSeconds;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianSeconds[run.run_name.function_name] = run.GetAdjustedRealTime()
                        / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
};

void goal(const char *what, bool met, const std::string &figure)
{
    std::printf("  %-52s %-28s %s\n", what, figure.c_str(), met ? "met" : "MISSED");
}

std::string format(const char *pattern, double value, double ratio)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, value, ratio);
    return text;
}

} // namespace

BENCHMARK(OneSalary)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(WorthByLevel)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(Cheapest10)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(Cheapest20)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto median = [&](const char *name) {
        const auto found = reporter.medianSeconds.find(name);
        return found == reporter.medianSeconds.end() ? -1.0 : found->second;
    };
    const double salary = median("OneSalary"), worth = median("WorthByLevel");
    const double cheapest10 = median("Cheapest10"), cheapest20 = median("Cheapest20");

    std::printf("\nMedians against the goals (this run; x: times one salary calculation):\n");
    if (salary > 0 && worth > 0)
        goal("worth by level (190 salaries), median <= 50 us", worth <= 50e-6,
             format("%.2f us, %.0fx", worth * 1e6, worth / salary));
    if (salary > 0 && cheapest10 > 0)
        goal("cheapest 10 raises, all skills, median <= 20 ms", cheapest10 <= 20e-3,
             format("%.3f ms, %.0fx", cheapest10 * 1e3, cheapest10 / salary));
    if (salary > 0 && cheapest20 > 0)
        goal("cheapest 20 raises, all skills, median <= 1 s", cheapest20 <= 1.0,
             format("%.3f ms, %.0fx", cheapest20 * 1e3, cheapest20 / salary));
    if (salary > 0 && cheapest10 > 0 && cheapest20 > 0) {
        const double slowest10 = slowestPlayer(10), slowest20 = slowestPlayer(20);
        goal("cheapest 10 raises, slowest player <= 20 ms", slowest10 <= 20e-3,
             format("%.3f ms, %.0fx", slowest10 * 1e3, slowest10 / salary));
        goal("cheapest 20 raises, slowest player <= 1 s", slowest20 <= 1.0,
             format("%.3f ms, %.0fx", slowest20 * 1e3, slowest20 / salary));
    }
    benchmark::Shutdown();
    return 0;
}
