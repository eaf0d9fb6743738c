// The player book at its largest expected size: 10,000 players with 10
// snapshots each. Opened and sorted as the window opens it, one keep, the
// whole book exported and imported, `wagecourt-cli book list` from its start,
// and the file's size. Every figure is the median of repeated runs; the list's
// time is set against the program's bare start, measured in the same run.
#include "book/bookstore.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

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

constexpr int kPlayers = 10000;
constexpr int kSnapshotsEach = 10;
constexpr int kRepetitions = 9;
constexpr int kProgramRuns = 15;

std::vector<Keep> randomBook()
{
    QRandomGenerator random(4009568);
    std::vector<Keep> keeps;
    keeps.reserve(std::size_t(kPlayers) * kSnapshotsEach);
    const QDate first(2026, 1, 5);
    for (int p = 0; p < kPlayers; ++p) {
        const QString name = u"Player %1 %2"_s.arg(p).arg(random.bounded(1000000));
        for (int s = 0; s < kSnapshotsEach; ++s) {
            Snapshot snapshot;
            snapshot.date = first.addDays(7 * s);
            snapshot.language = &languages()[std::size_t(random.bounded(kLanguageCount))];
            for (int k = 1; k <= kSnapshotLevelCount; ++k)
                snapshot.levels[std::size_t(k - 1)] =
                        qint16(random.bounded(k <= kSalarySkillCount ? kLowestLevel : kUnknownLevel, kHighestLevel + 1));
            keeps.push_back(Keep{name, snapshot, s == 0 ? std::optional(u"scouted in week %1"_s.arg(p % 52)) : std::nullopt});
        }
    }
    return keeps;
}

struct Fixture
{
    QTemporaryDir folder;
    QString path = folder.filePath(u"book.sqlite"_s);
    QString keptPath = folder.filePath(u"kept.sqlite"_s); // a copy, so the keeps change no other figure
    QByteArray csv;
    qint64 fileBytes = 0;

    Fixture()
    {
        {
            BookStore store(path, kCommandLineBusyMilliseconds);
            store.open();
            store.keepAll(randomBook());
            csv = exportBook(*store.load(), ExchangeForm::Csv);
        }
        // Closed, so the journal is folded into the file.
        fileBytes = QFileInfo(path).size() + QFileInfo(path + u"-wal"_s).size();
        QFile::copy(path, keptPath);
    }
};

Fixture &fixture()
{
    static Fixture made;
    return made;
}

void OpenSorted(benchmark::State &state)
{
    for (auto _ : state) {
        BookStore store(fixture().path);
        store.open();
        const std::optional<Book> book = store.load();
        std::vector<LatestRow> rows = latestRows(*book, SortKey::Name);
        benchmark::DoNotOptimize(rows.data());
    }
}

void OneKeep(benchmark::State &state)
{
    BookStore store(fixture().keptPath);
    store.open();
    int round = 0;
    for (auto _ : state) {
        Snapshot snapshot;
        snapshot.date = QDate(2027, 1, 1).addDays(round / kPlayers);
        snapshot.language = &languages().front();
        snapshot.levels.fill(qint16(1 + round % 20));
        snapshot.levels[10] = 0;
        store.keep(Keep{u"Player %1"_s.arg(round % kPlayers), snapshot, std::nullopt});
        ++round;
    }
}

void ExportWhole(benchmark::State &state)
{
    BookStore store(fixture().path);
    store.open();
    for (auto _ : state) {
        const QByteArray bytes = exportBook(*store.load(), ExchangeForm::Csv);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void ImportWhole(benchmark::State &state)
{
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = fixture().folder.filePath(u"imported-%1.sqlite"_s.arg(round++));
        state.ResumeTiming();
        BookStore store(path, kCommandLineBusyMilliseconds);
        store.open();
        const ExchangeRead read = readExchange(fixture().csv, QDate(2026, 12, 9));
        store.keepAll(read.keeps);
    }
}

// Seconds from start to end of one run of the command line, the median of many.
double programSeconds(const QStringList &arguments)
{
    std::vector<double> seconds;
    for (int run = 0; run < kProgramRuns; ++run) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(WAGECOURT_CLI_PATH), arguments);
        process.waitForFinished(60000);
        seconds.push_back(double(timer.nsecsElapsed()) * 1e-9);
    }
    std::nth_element(seconds.begin(), seconds.begin() + kProgramRuns / 2, seconds.end());
    return seconds[kProgramRuns / 2];
}

// Console output as usual, plus the medians kept for the summary.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medianSeconds;
    std::map<std::string, double> medianCpuSeconds; // tells a busy machine from a slow program

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                medianSeconds[run.run_name.function_name] = run.GetAdjustedRealTime() / unit;
                medianCpuSeconds[run.run_name.function_name] = run.GetAdjustedCPUTime() / unit;
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

void goal(const char *what, bool met, const std::string &figure)
{
    std::printf("  %-50s %-30s %s\n", what, figure.c_str(), met ? "met" : "MISSED");
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

BENCHMARK(OpenSorted)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(OneKeep)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportWhole)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportWhole)->Repetitions(3)->Iterations(1)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the SQL driver is a plugin, found through the application
    benchmark::Initialize(&argc, argv);
    fixture();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto median = [&](const char *name) {
        const auto found = reporter.medianSeconds.find(name);
        return found == reporter.medianSeconds.end() ? -1.0 : found->second;
    };
    auto milliseconds = [&](const char *name, double seconds) {
        return format("%.2f ms", seconds * 1e3) + format(" (CPU %.2f ms)", reporter.medianCpuSeconds[name] * 1e3);
    };
    const double start = programSeconds({u"--version"_s});
    const double list = programSeconds({u"book"_s, u"--book"_s, fixture().path, u"list"_s});

    std::printf("\nMedians against the goals (this run, %d players x %d snapshots):\n", kPlayers, kSnapshotsEach);
    if (const double open = median("OpenSorted"); open > 0)
        goal("the book opened and sorted <= 100 ms", open <= 0.1, milliseconds("OpenSorted", open));
    if (const double keep = median("OneKeep"); keep > 0)
        goal("one keep <= 5 ms", keep <= 0.005, milliseconds("OneKeep", keep));
    if (const double exported = median("ExportWhole"); exported > 0)
        goal("export of the whole book <= 200 ms", exported <= 0.2, milliseconds("ExportWhole", exported));
    if (const double imported = median("ImportWhole"); imported > 0)
        goal("import of the whole book <= 2 s", imported <= 2, milliseconds("ImportWhole", imported));
    goal("wagecourt-cli book list, from its start <= 300 ms", list <= 0.3, format("%.1f ms", list * 1e3));
    goal("  against the program's bare start (report only)", true, format("%.1f ms", start * 1e3));
    goal("the file <= 16 MB", fixture().fileBytes <= 16'000'000, format("%.2f MB", double(fixture().fileBytes) / 1e6));
    benchmark::Shutdown();
    return 0;
}
