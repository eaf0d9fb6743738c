#include "planner/planner.h"

#include "testlists.h"

#include <QTest>

using namespace wagecourt;
using namespace wagecourt::planner;
using namespace Qt::StringLiterals;

namespace {

using test::levelsOf;
using Ints = QList<int>;
using Levels = QList<SkillLevels>;

// What computeSalary itself gives.
Standing reference(const SkillLevels &levels)
{
    const SalaryResult result = computeSalary(levels).value();
    return {levels, result.salary, result.position, result.values};
}

TrainingStep stepOf(SkillLevels levels, int skill, int level, qint32 current)
{
    levels[skill] = qint16(level);
    const Standing standing = reference(levels);
    return {level, standing.salary, standing.position, standing.salary - current};
}

// Every way of taking `left` raises among the skills from `skill` on, counted plainly. The ways come in
// the order of their end levels, so the first at the lowest salary is the one the tie rule keeps.
void countWays(SkillLevels &levels, int skill, int left, const SkillSet &skills, std::optional<Standing> &best)
{
    if (skill > kSalarySkillCount) {
        if (const Standing way = reference(levels); left == 0 && (!best || way.salary < best->salary))
            best = way;
        return;
    }
    const qint16 start = levels[skill];
    for (int r = 0; r <= left && start + r <= kHighestLevel && (r == 0 || skills.contains(skill)); ++r) {
        levels[skill] = qint16(start + r);
        countWays(levels, skill + 1, left - r, skills, best);
    }
    levels[skill] = start;
}

} // namespace

class PlannerTest : public QObject
{
    Q_OBJECT

private slots:
    void skillNames_data();
    void skillNames();
    void player_data();
    void player();
    void paceAndForecast_data();
    void paceAndForecast();
};

void PlannerTest::skillNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("skills");
    QTest::addColumn<QString>("unknown");

    const QString none = u"(none)"_s;
    QTest::newRow("every name, any case") << "jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,"
                                             "inside_def,rebounding,Shot_Blocking,js,Jr,oD,HA,dr,pa,is,id,rb,SB"
                                          << Ints{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << none;
    QTest::newRow("spaces") << " rebounding ,IS" << Ints{9, 7} << none;
    QTest::newRow("unknown") << "IS,XX,RB" << Ints{} << u"XX"_s;
    QTest::newRow("empty item") << "IS,,RB" << Ints{} << u""_s;
    QTest::newRow("a letter folding to s") << u"\u017Fhot_blocking"_s << Ints{} << u"\u017Fhot_blocking"_s;
}

void PlannerTest::skillNames()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, skills);
    QFETCH(QString, unknown);
    QCOMPARE(parseSkillList(text).skills, skills);
    QCOMPARE(parseSkillList(text).unknown.value_or(u"(none)"_s), unknown);
}

void PlannerTest::player_data()
{
    QTest::addColumn<SkillLevels>("levels");
    QTest::addColumn<QList<int>>("targets"); // skill, level, skill, level ...
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("firstOver"); // -1: none
    QTest::addColumn<QList<int>>("skills"); // the cheapest raises' skills, all ten when empty

    const SkillLevels guard = levelsOf({8, 7, 9, 10, 8, 11, 3, 3, 5, 2});
    const SkillLevels center = levelsOf({5, 4, 3, 6, 5, 3, 12, 13, 14, 9});
    const SkillLevels mixed = levelsOf({3, 11, 4, 16, 12, 6, 1, 14, 9, 10});
    const Ints all;
    QTest::newRow("all 1") << levelsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}) << Ints{1, 1} << 503 << -1 << all;
    QTest::newRow("guard") << guard << Ints{7, 12, 9, 10} << 17005 << 8 << all;
    QTest::newRow("guard turns center") << guard << Ints{7, 20, 8, 20, 9, 20} << 20000 << 20 << Ints{7, 8, 9};
    QTest::newRow("center, down then up") << center << Ints{9, 11, 9, 15} << 60346 << 5 << all;
    QTest::newRow("center, outside skills") << center << all << 68131 << -1 << Ints{1, 2, 3};
    QTest::newRow("V4 > V5, < R5") << levelsOf({6, 3, 5, 9, 1, 14, 2, 18, 8, 11}) << all << 21398 << -1 << all;
    QTest::newRow("3 raises left") << levelsOf({20, 20, 19, 20, 20, 20, 20, 19, 20, 19}) << Ints{3, 20} << 3370503 << 0
                                   << all;
    QTest::newRow("four skills") << mixed << all << 12277 << -1 << Ints{2, 5, 6, 10};
    QTest::newRow("one skill near 20") << mixed << Ints{4, 20} << 15423 << 3 << Ints{4};
    QTest::newRow("all 20") << levelsOf({20, 20, 20, 20, 20, 20, 20, 20, 20, 20}) << all << 4009568 << -1 << all;
}

void PlannerTest::player()
{
    QFETCH(SkillLevels, levels);
    QFETCH(QList<int>, targets);
    QFETCH(int, limit);
    QFETCH(int, firstOver);
    QFETCH(QList<int>, skills);
    const qint32 current = reference(levels).salary;

    // Worth by level, and the highest level within the limit: at or under it, one more over it.
    const auto worth = worthByLevel(levels);
    const auto within = highestLevelsWithin(levels, limit);
    QVERIFY(worth && within && worth->current == reference(levels));
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QList<TrainingStep> &up = worth->skills[k];
        QCOMPARE(int(up.size()), kHighestLevel - levels[k]);
        for (const TrainingStep &step : up)
            QCOMPARE(step, stepOf(levels, k, step.level, current));
        const std::optional<TrainingStep> &highest = (*within)[k];
        QCOMPARE(bool(highest), current <= limit);
        if (const qsizetype next = highest ? highest->level - levels[k] : -1; next >= 0) { // its place in up
            QCOMPARE(*highest, next == 0 ? stepOf(levels, k, levels[k], current) : up[next - 1]);
            QVERIFY(highest->salary <= limit && (next == up.size() || up[next].salary > limit));
        }
    }

    QList<PlanTarget> plan;
    SkillLevels end = levels;
    qsizetype steps = 0; // one a level, never a detour
    for (qsizetype i = 0; i < targets.size(); i += 2) {
        plan.append({targets[i], targets[i + 1]});
        steps += qAbs(targets[i + 1] - end[targets[i]]);
        end[targets[i]] = qint16(targets[i + 1]);
    }
    const auto planned = planTraining(levels, plan);
    QVERIFY(planned);
    QCOMPARE(planned->steps.size(), steps);
    SkillLevels now = levels;
    qint32 before = current;
    for (const PlanStep &step : planned->steps) {
        const TrainingStep at = stepOf(now, step.skill, step.level, current);
        now[step.skill] = qint16(step.level);
        QCOMPARE(step, (PlanStep{step.skill, step.level, at.salary, at.position, at.change, at.salary - before}));
        before = at.salary;
    }
    QCOMPARE(planned->end, reference(end));
    QCOMPARE(planned->change, planned->end.salary - current);
    QCOMPARE(int(firstStepOver(*planned, limit).value_or(-1)), firstOver);

    // The cheapest raises against a plain count of every way, as far as a count is quick.
    const SkillSet set = skills.isEmpty() ? SkillSet::all() : SkillSet::of(skills);
    for (int raises = 1; raises <= (skills.isEmpty() ? 4 : kMostCheapestRaises); ++raises) {
        std::optional<Standing> best;
        countWays(now = levels, 1, raises, set, best);
        const auto cheapest = cheapestRaises(levels, raises, set);
        QVERIFY(bool(cheapest) == bool(best) && bool(best) == (raises <= raisesPossible(levels, set)));
        if (!best)
            continue;
        QCOMPARE(cheapest->end, *best);
        QCOMPARE(cheapest->change, best->salary - current);
        for (int k = 1; k <= kSalarySkillCount; ++k)
            QCOMPARE(cheapest->steps[k], best->levels[k] - levels[k]);
    }

    SkillLevels bad = levels; // no player or no target: refused, not guessed at
    bad[3] = 21;
    QVERIFY(!worthByLevel(bad) && !highestLevelsWithin(bad, limit) && !planTraining(bad, plan)
            && !cheapestRaises(bad, 1, set) && !planTraining(levels, {{11, 5}}) && !planTraining(levels, {{1, 21}}));
}

void PlannerTest::paceAndForecast_data()
{
    QTest::addColumn<QList<int>>("days"); // of each snapshot, from the first
    QTest::addColumn<QList<SkillLevels>>("snapshots");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<PaceProblem>("problem");
    QTest::addColumn<SkillLevels>("forecast");

    const SkillLevels a = levelsOf({5, 10, 19, 8, 8, 8, 8, 8, 8, 8});
    const SkillLevels b = levelsOf({7, 11, 20, 7, 8, 8, 8, 8, 8, 8});
    const SkillLevels none; // levels 0
    using enum PaceProblem;
    QTest::newRow("one") << Ints{0} << Levels{a} << 1 << TooFewSnapshots << none;
    QTest::newRow("13 days") << Ints{0, 13} << Levels{a, b} << 1 << TooShortHistory << none;
    QTest::newRow("out of order") << Ints{0, 20, 14} << Levels{a, b, b} << 1 << NotInDateOrder << none;
    QTest::newRow("level 0") << Ints{0, 20} << Levels{a, none} << 1 << InvalidSnapshot << none;
    // Capped at 20, and a lost level not lost again.
    QTest::newRow("capped") << Ints{0, 14} << Levels{a, b} << 10 << None << levelsOf({17, 16, 20, 7, 8, 8, 8, 8, 8, 8});
    // 1 level in 18 days for 18 weeks is 7 levels exactly; 1 / (18 / 7) × 18 falls short of 7 in doubles.
    QTest::newRow("exact") << Ints{0, 9, 18} << Levels{a, b, b} << 18 << None
                           << levelsOf({20, 18, 20, 7, 8, 8, 8, 8, 8, 8});
    QTest::newRow("no weeks") << Ints{0, 14} << Levels{a, b} << 0 << None << none;
}

void PlannerTest::paceAndForecast()
{
    QFETCH(QList<int>, days);
    QFETCH(QList<SkillLevels>, snapshots);
    QFETCH(int, weeks);
    QFETCH(PaceProblem, problem);
    QFETCH(SkillLevels, forecast);
    QList<DatedLevels> dated;
    for (qsizetype i = 0; i < days.size(); ++i)
        dated.append({QDate(2026, 3, 1).addDays(days[i]), snapshots[i]});

    const Pace pace = measurePace(dated);
    QCOMPARE(pace.problem, problem);
    const auto ahead = planner::forecast(pace, weeks);
    QCOMPARE(bool(ahead), forecast[1] != 0);
    if (!ahead)
        return;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        QVERIFY(pace.gained[k] == snapshots.last()[k] - snapshots.first()[k]
                && qFuzzyCompare(pace.perWeek[k], pace.gained[k] * 7.0 / days.last()));
    QCOMPARE(ahead->end, reference(forecast));
    QCOMPARE(ahead->change, ahead->end.salary - reference(snapshots.last()).salary);
}

QTEST_APPLESS_MAIN(PlannerTest)
#include "tst_planner.moc"
