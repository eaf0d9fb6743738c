// The core's speed: the salary calculation against its plain power form, the
// import of a typical list, of a whole copied page with the list near its end
// and of a megabyte of text, and a million-line batch in CSV and in JSON.
// Every figure is the median of repeated runs; ratios and goals are printed at
// the end, from this run only.
#include "cli/batch.h"
#include "engine/advice.h"
#include "engine/salary.h"
#include "catalogue/catalogue.h"
#include "import/skilllist.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace wagecourt;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRepetitions = 9;

std::vector<SkillLevels> randomPlayers(std::size_t count)
{
    QRandomGenerator random(4009568);
    std::vector<SkillLevels> players(count);
    for (SkillLevels &levels : players)
        for (qint16 &level : levels)
            level = qint16(random.bounded(kLowestLevel, kHighestLevel + 1));
    return players;
}

const std::vector<SkillLevels> &players()
{
    static const std::vector<SkillLevels> all = randomPlayers(1024);
    return all;
}

const LanguageEntry &english()
{
    return *findLanguage(u"English");
}

QString typicalList()
{
    QStringList lines;
    const int levels[kSkillCaptionCount] = {14, 9, 11, 6, 7, 5, 4, 8, 10, 3, 12, 9, 13};
    for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
        lines << english().skillCaption(skill) + u' ' + english().levelName(levels[skill - 1]);
    return lines.join(u'\n');
}

// A list followed by a page's worth of prose, level names scattered through it.
QString megabyteText()
{
    QString text = typicalList() + u'\n';
    const QString prose = u"The guard was strong on defence and a prolific passer, with an average jump shot "
                          u"and legendary court vision. Scouts called his handling awful last season. "_s;
    while (text.size() < (1 << 20))
        text += prose;
    text.truncate(1 << 20);
    return text;
}

void CalcSalaryTable(benchmark::State &state)
{
    const auto &all = players();
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = computeSalary(all[i++ & 1023]);
        benchmark::DoNotOptimize(result);
    }
}

void CalcSalaryPower(benchmark::State &state)
{
    const auto &all = players();
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = computeSalaryByPower(all[i++ & 1023]);
        benchmark::DoNotOptimize(result);
    }
}

// Twenty-one calculations: the player and one step up and down in every skill.
void AdviseTraining(benchmark::State &state)
{
    const auto &all = players();
    std::size_t i = 0;
    for (auto _ : state) {
        auto advice = adviseTraining(all[i++ & 1023]);
        benchmark::DoNotOptimize(advice);
    }
}

void ImportTypicalList(benchmark::State &state)
{
    const QString text = typicalList();
    const QString caption = english().skillCaption(1);
    const LevelNames names = english().levelNameTable();
    for (auto _ : state) {
        auto result = importSkillList(text, caption, names);
        benchmark::DoNotOptimize(result);
    }
}

void ImportMegabyte(benchmark::State &state)
{
    const QString text = megabyteText();
    const QString caption = english().skillCaption(1);
    const LevelNames names = english().levelNameTable();
    for (auto _ : state) {
        auto result = importSkillList(text, caption, names);
        benchmark::DoNotOptimize(result);
    }
}

// A player's whole page as a browser copies it, 20 KiB: menus, the player's
// facts, match reports and notes full of colons, numbers, level names and the
// words Jump Shot, then the skill list, then the page's foot.
QString wholePage(const LanguageEntry &entry)
{
    const QString jumpShot = entry.skillCaption(1);
    QString page = u"Home | Team | Market | Forum | Help\nPlayer: Ann Lee (ID: 4711)\nAge: 24, height: 198 cm\n"_s;
    for (int note = 0; page.size() < 19 * 1024; ++note)
        page += u"Match %1: won 78:71 at 19:30. Scouts: %2 %3, %4 passing; best: %5 %6.\n"_s.arg(
                QString::number(note), entry.levelName(1 + note % 20), jumpShot.chopped(1),
                entry.levelName(1 + (note * 7) % 20), jumpShot, entry.levelName(1 + (note * 3) % 20));
    QStringList lines;
    const int levels[kSkillCaptionCount] = {14, 9, 11, 6, 7, 5, 4, 8, 10, 3, 12, 9, 13};
    for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
        lines << entry.skillCaption(skill) + u' ' + entry.levelName(levels[skill - 1]);
    page += lines.join(u'\n') + u"\nForm: "_s + entry.levelName(8) + u"\nWage: 12 345\n"_s;
    while (page.size() < 20 * 1024)
        page += u"Terms | Privacy | Contact: help@example.org | 12:30 | "_s;
    return page.left(20 * 1024);
}

// The window's and the command line's way: the chosen language first.
void runImportPage(benchmark::State &state, QStringView pageLanguage)
{
    const LanguageEntry *chosen = &english();
    const QString page = wholePage(*findLanguage(pageLanguage));
    if (!importInAnyLanguage(page, chosen, LanguageSearch::AnyLanguage).accepted())
        state.SkipWithError("the page's list was not read");
    for (auto _ : state) {
        auto result = importInAnyLanguage(page, chosen, LanguageSearch::AnyLanguage);
        benchmark::DoNotOptimize(result);
    }
}

void ImportPage(benchmark::State &state)
{
    runImportPage(state, u"English");
}

// Português is tried last, after all seven others fail on its page.
void ImportPageLastLanguage(benchmark::State &state)
{
    runImportPage(state, u"Português");
}

// A megabyte built to make a list reader work: Jump Shot captions, colons and
// level names everywhere, no list ever ten lines long, each language tried.
void ImportMegabyteOfCaptions(benchmark::State &state)
{
    QString text;
    while (text.size() < (1 << 20))
        text += u"Jump Shot: legendary\nJump Range: awful\nJump Shot:: strong Jump \n"_s;
    text.truncate(1 << 20);
    for (auto _ : state) {
        auto result = importInAnyLanguage(text, &english(), LanguageSearch::AnyLanguage);
        benchmark::DoNotOptimize(result);
    }
}

class NullDevice : public QIODevice
{
public:
    NullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override { return size; }
};

constexpr int kBatchLines = 1'000'000;

const QByteArray &millionLines()
{
    static const QByteArray input = [] {
        QByteArray lines;
        lines.reserve(kBatchLines * 30);
        for (int line = 0; line < kBatchLines; ++line) {
            const SkillLevels &levels = players()[std::size_t(line) & 1023];
            for (int k = 1; k <= kSalarySkillCount; ++k) {
                lines += QByteArray::number(levels[k]);
                lines += k < kSalarySkillCount ? ' ' : '\n';
            }
        }
        return lines;
    }();
    return input;
}

void runMillionLines(benchmark::State &state, cli::OutputFormat format)
{
    QByteArray input = millionLines();
    for (auto _ : state) {
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        NullDevice out, err;
        benchmark::DoNotOptimize(cli::runBatch(in, out, err, english(), format));
    }
    state.counters["lines/s"] = benchmark::Counter(double(kBatchLines) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void BatchMillionLines(benchmark::State &state)
{
    runMillionLines(state, cli::OutputFormat::Text);
}

void BatchMillionLinesJson(benchmark::State &state)
{
    runMillionLines(state, cli::OutputFormat::Json);
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
    std::printf("  %-52s %-24s %s\n", what, figure.c_str(), met ? "met" : "MISSED");
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

bool formsAgree()
{
    for (const SkillLevels &levels : players()) {
        const auto fast = computeSalary(levels);
        const auto plain = computeSalaryByPower(levels);
        if (!fast || !plain || std::memcmp(&fast->values, &plain->values, sizeof fast->values) != 0
            || fast->salary != plain->salary || fast->position != plain->position)
            return false;
    }
    return true;
}

} // namespace

BENCHMARK(CalcSalaryTable)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(CalcSalaryPower)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(AdviseTraining)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(ImportTypicalList)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ImportMegabyte)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportPage)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ImportPageLastLanguage)->Repetitions(kRepetitions)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ImportMegabyteOfCaptions)
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
BENCHMARK(BatchMillionLines)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
BENCHMARK(BatchMillionLinesJson)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto median = [&](const char *name) {
        const auto found = reporter.medianSeconds.find(name);
        return found == reporter.medianSeconds.end() ? -1.0 : found->second;
    };
    const double table = median("CalcSalaryTable"), power = median("CalcSalaryPower");
    const double advise = median("AdviseTraining");
    const double typical = median("ImportTypicalList"), megabyte = median("ImportMegabyte");
    const double page = median("ImportPage"), pageLast = median("ImportPageLastLanguage");
    const double captions = median("ImportMegabyteOfCaptions");
    const double batch = median("BatchMillionLines"), batchJson = median("BatchMillionLinesJson");

    std::printf("\nMedians against the goals (this run):\n");
    if (table > 0) {
        goal("CalcSalary, median <= 15 ns", table <= 15e-9, format("%.1f ns", table * 1e9));
        goal("bit-identical to the power form (1024 players)", formsAgree(), "");
    }
    if (table > 0 && power > 0)
        goal("CalcSalary >= 30x faster than the power form", power / table >= 30, format("%.1fx", power / table));
    if (advise > 0)
        goal("training advice (21 salaries) <= 1 us", advise <= 1e-6, format("%.0f ns", advise * 1e9));
    if (typical > 0)
        goal("import of a 13-line list <= 20 us", typical <= 20e-6, format("%.2f us", typical * 1e6));
    if (megabyte > 0)
        goal("import of 1 Mi characters <= 20 ms", megabyte <= 20e-3, format("%.2f ms", megabyte * 1e3));
    if (page > 0)
        goal("a 20 KiB page, list near its end, <= 1 ms", page <= 1e-3, format("%.0f us", page * 1e6));
    if (pageLast > 0)
        goal("the same page, its language tried last, <= 1 ms", pageLast <= 1e-3, format("%.0f us", pageLast * 1e6));
    if (captions > 0 && megabyte > 0)
        goal("1 Mi of captions and colons against 1 Mi, <= 4x", captions <= 4 * megabyte,
             format("%.1fx", captions / megabyte));
    if (batch > 0)
        goal("batch >= 1,000,000 lines/s", kBatchLines / batch >= 1e6, format("%.0f lines/s", kBatchLines / batch));
    if (batchJson > 0)
        goal("batch --json >= 1,000,000 lines/s", kBatchLines / batchJson >= 1e6,
             format("%.0f lines/s", kBatchLines / batchJson));
    if (batch > 0 && batchJson > 0)
        goal("batch --json against CSV (time ratio, report only)", true, format("%.2fx", batchJson / batch));
    benchmark::Shutdown();
    return 0;
}
