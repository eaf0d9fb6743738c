// A shortlist link of 100 players with 10 weekly snapshots each, written and
// read, against the JSON Lines export and import of the same players in the
// same run. Every figure is the median of repeated runs.
#include "book/exchange.h"
#include "book/shortlist.h"
#include "catalogue/catalogue.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace wagecourt;
using namespace wagecourt::book;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRepetitions = 15;

// As a manager's book holds them: names of about fifteen characters, a note on
// every third player, tags on every fourth, and a few levels a week changed by one.
std::vector<Player> weeklyPlayers()
{
    QRandomGenerator random(4009568);
    std::vector<Player> players(100);
    for (std::size_t p = 0; p < players.size(); ++p) {
        Player &player = players[p];
        player.name = u"Antoine Dupo %1"_s.arg(p, 3, 10, QChar(u'0'));
        player.note = p % 3 ? QString() : u"scouted in week %1, watch him"_s.arg(p % 52);
        player.tags = p % 4 ? QStringList() : QStringList{u"scout"_s, u"u21"_s};
        Snapshot week{QDate(2026, 1, 5), {}, &languages()[p % kLanguageCount]};
        for (std::size_t k = 0; k < week.levels.size(); ++k)
            week.levels[k] = qint16(random.bounded(k < kSalarySkillCount ? 1 : 0, 21));
        for (int w = 0; w < 10; ++w, week.date = week.date.addDays(7)) {
            for (int change = random.bounded(4); change > 0; --change) {
                qint16 &level = week.levels[std::size_t(random.bounded(kSnapshotLevelCount))];
                level = qint16(std::clamp(level + (random.bounded(2) ? 1 : -1), 1, 20));
            }
            player.snapshots.push_back(week);
        }
    }
    return players;
}

struct Fixture
{
    std::vector<Player> players = weeklyPlayers();
    Book book;
    QString link;
    QByteArray jsonLines;

    Fixture()
    {
        for (const Player &player : players)
            book.restore(player);
        link = shortlistText(players);
        jsonLines = exportBook(book, ExchangeForm::JsonLines);
    }
};

const Fixture &fixture()
{
    static const Fixture made;
    return made;
}

void WriteLink(benchmark::State &state)
{
    for (auto _ : state) {
        const QString link = shortlistText(fixture().players);
        benchmark::DoNotOptimize(link.data());
    }
}

void ReadLink(benchmark::State &state)
{
    for (auto _ : state) {
        const ShortlistRead read = readShortlist(fixture().link);
        benchmark::DoNotOptimize(read.players.data());
    }
}

void ExportJsonLines(benchmark::State &state)
{
    for (auto _ : state) {
        const QByteArray bytes = exportBook(fixture().book, ExchangeForm::JsonLines);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void ImportJsonLines(benchmark::State &state)
{
    for (auto _ : state) {
        const ExchangeRead read = readExchange(fixture().jsonLines, QDate(2026, 12, 9));
        benchmark::DoNotOptimize(read.keeps.data());
    }
}

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

} // namespace

BENCHMARK(WriteLink)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadLink)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExportJsonLines)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ImportJsonLines)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    fixture();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto median = [&](const char *name) {
        const auto found = reporter.medianSeconds.find(name);
        return found == reporter.medianSeconds.end() ? -1.0 : found->second;
    };
    std::printf("\nMedians against the goals (this run, 100 players x 10 snapshots, a link of %d characters,"
                " JSON Lines of %d bytes):\n",
                int(fixture().link.size()), int(fixture().jsonLines.size()));
    const auto line = [&](const char *what, const char *name, const char *baseline) {
        const double seconds = median(name), against = median(baseline);
        if (seconds < 0 || against < 0)
            return;
        std::printf("  %-28s %8.3f ms  %5.2fx the JSON Lines %-7s %s\n", what, seconds * 1e3, seconds / against,
                    baseline[0] == 'E' ? "export" : "import", seconds <= 0.005 ? "met" : "MISSED");
    };
    line("writing the link <= 5 ms", "WriteLink", "ExportJsonLines");
    line("reading the link <= 5 ms", "ReadLink", "ImportJsonLines");
    benchmark::Shutdown();
    return 0;
}
