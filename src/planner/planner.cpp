#include "planner/planner.h"

#include "engine/factorrows.h"
#include "engine/salary.h"
#include "engine/skillcodes.h"

#include <algorithm>

namespace wagecourt::planner {

namespace {

bool validLevels(const SkillLevels &levels)
{
    return std::all_of(levels.begin(), levels.end(), [](qint16 level) { return isValidLevel(level); });
}

// Levels within 1 to 20 always earn a salary.
SalaryResult salaryAt(const SkillLevels &levels)
{
    const std::optional<SalaryResult> result = computeSalary(levels);
    Q_ASSERT(result);
    return result.value_or(SalaryResult{});
}

Standing standingAt(const SkillLevels &levels)
{
    const SalaryResult result = salaryAt(levels);
    return {levels, result.salary, result.position, result.values};
}

TrainingStep stepAt(const SkillLevels &levels, int skill, qint32 current)
{
    const SalaryResult result = salaryAt(levels);
    return {levels[skill], result.salary, result.position, result.salary - current};
}

char foldedAscii(char16_t c)
{
    return char(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
}

// Letter case aside, in ASCII only: no other script's letter folds into a skill's name.
bool sameName(QStringView text, QLatin1StringView name)
{
    if (text.size() != name.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7F || foldedAscii(c) != foldedAscii(char16_t(name[i].unicode())))
            return false;
    }
    return true;
}

// --- The cheapest raises' search.

struct alignas(64) Products
{
    double lane[kLanes];
};

// A depth-first walk over the skills in computeSalary's order, the raises of
// one skill at a time, carrying the products of the skills before: each
// product is the very double computeSalary forms for those levels, so every
// salary weighed is its salary. All coefficients are 1 or more and a rounded
// product of larger factors is never smaller, so the salary with the skills
// still to come at their current levels is a floor for every way below a
// node; a node whose floor cannot beat the best so far is left. The walk
// meets the ways in the order of their raises from Jump Shot on, so the first
// way found at a salary is the one the tie rule keeps.
class CheapestSearch
{
public:
    CheapestSearch(const SkillLevels &start, const SkillSet &skills, qint32 ceiling) : m_best(ceiling)
    {
        for (int k = 0; k < kSalarySkillCount; ++k) {
            m_start[k] = start[k + 1];
            m_room[k] = skills.contains(k + 1) ? kHighestLevel - m_start[k] : 0;
        }
        m_roomAfter[kSalarySkillCount - 1] = 0;
        for (int k = kSalarySkillCount - 2; k >= 0; --k)
            m_roomAfter[k] = m_roomAfter[k + 1] + m_room[k + 1];
    }

    void run(int raises) { descend(0, nullptr, raises); }

    bool found() const { return m_found; }
    const int *raises() const { return m_bestRaises; }
    const SalaryResult &result() const { return m_result; }

private:
    // The salary with skills after k at their current levels.
    std::optional<SalaryResult> salaryFrom(int k, const Products &upToK) const
    {
        Products products = upToK;
        for (int j = k + 1; j < kSalarySkillCount; ++j) {
            const double *factor = m_rows.row[j][m_start[j]];
#pragma GCC unroll 8
            for (int p = 0; p < kLanes; ++p)
                products.lane[p] *= factor[p];
        }
        double values[kPositionCount];
        for (int p = 0; p < kPositionCount; ++p)
            values[p] = products.lane[p] * PositionMultiplier[p];
        return salaryOfValues(values);
    }

    void descend(int k, const Products *before, int remaining)
    {
        const int fewest = std::max(0, remaining - m_roomAfter[k]);
        const int most = std::min(m_room[k], remaining);
        for (int r = fewest; r <= most; ++r) {
            const double *factor = m_rows.row[k][m_start[k] + r];
            Products here;
            if (before) {
#pragma GCC unroll 8
                for (int p = 0; p < kLanes; ++p)
                    here.lane[p] = before->lane[p] * factor[p];
            } else {
                std::copy(factor, factor + kLanes, here.lane);
            }
            m_raises[k] = r;
            const std::optional<SalaryResult> reach = salaryFrom(k, here);
            // Only levels far outside 1 to 20 fail; none are searched.
            if (!reach)
                return;
            const int left = remaining - r;
            if (left == 0) {
                // Every raise taken: this is a way, not a floor. An earlier
                // way at the same salary came first in the tie rule's order.
                if (reach->salary < m_best || (reach->salary == m_best && !m_found)) {
                    m_best = reach->salary;
                    m_found = true;
                    m_result = *reach;
                    std::copy(m_raises, m_raises + k + 1, m_bestRaises);
                    std::fill(m_bestRaises + k + 1, m_bestRaises + kSalarySkillCount, 0);
                }
                return; // the last raise count this node allows
            }
            // More raises here only lift the floor: none of them can do better.
            if (reach->salary > m_best || (reach->salary == m_best && m_found))
                return;
            descend(k + 1, &here, left);
        }
    }

    const FactorRows &m_rows = factorRows();
    int m_start[kSalarySkillCount] = {};
    int m_room[kSalarySkillCount] = {}; // raises the skill may take
    int m_roomAfter[kSalarySkillCount] = {}; // raises the skills after it may take, together
    int m_raises[kSalarySkillCount] = {};
    int m_bestRaises[kSalarySkillCount] = {};
    // A salary some way reaches; until m_found, a way at it is still to be found.
    qint32 m_best;
    bool m_found = false;
    SalaryResult m_result;
};

// One raise at a time, the cheapest next one each time: a way, and so a
// ceiling for the search that is usually close to the best.
qint32 greedyCeiling(SkillLevels levels, int raises, const SkillSet &skills)
{
    qint32 salary = salaryAt(levels).salary;
    for (int i = 0; i < raises; ++i) {
        int cheapest = 0;
        qint32 lowest = 0;
        for (int k = 1; k <= kSalarySkillCount; ++k) {
            if (!skills.contains(k) || levels[k] >= kHighestLevel)
                continue;
            SkillLevels raised = levels;
            ++raised[k];
            const qint32 reached = salaryAt(raised).salary;
            if (cheapest == 0 || reached < lowest) {
                cheapest = k;
                lowest = reached;
            }
        }
        Q_ASSERT(cheapest != 0); // the caller made sure enough raises remain
        if (cheapest == 0)
            break;
        ++levels[cheapest];
        salary = lowest;
    }
    return salary;
}

// gained × 7 × weeks / days rounded down, in whole numbers.
qint64 levelsAhead(qint64 gained, qint64 weeks, qint64 days)
{
    const qint64 numerator = gained * 7 * weeks;
    const qint64 quotient = numerator / days;
    return quotient * days > numerator ? quotient - 1 : quotient;
}

} // namespace

std::optional<int> parseSkill(QStringView text)
{
    const QStringView name = text.trimmed();
    for (int k = 1; k <= kSalarySkillCount; ++k)
        if (sameName(name, skillCode(k).column) || sameName(name, skillCode(k).letters))
            return k;
    return std::nullopt;
}

SkillListReading parseSkillList(QStringView text)
{
    SkillListReading reading;
    for (QStringView item : text.split(u',')) {
        const std::optional<int> skill = parseSkill(item);
        if (!skill) {
            reading.skills.clear();
            reading.unknown = item.trimmed().toString();
            return reading;
        }
        reading.skills.append(*skill);
    }
    return reading;
}

SkillSet::SkillSet(std::initializer_list<int> skills)
{
    for (int skill : skills)
        insert(skill);
}

SkillSet SkillSet::all()
{
    SkillSet set;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        set.insert(k);
    return set;
}

SkillSet SkillSet::of(const QList<int> &skills)
{
    SkillSet set;
    for (int skill : skills)
        set.insert(skill);
    return set;
}

bool SkillSet::contains(int skill) const
{
    return skill >= 1 && skill <= kSalarySkillCount && (m_bits & (1u << (skill - 1)));
}

void SkillSet::insert(int skill)
{
    if (skill >= 1 && skill <= kSalarySkillCount)
        m_bits |= quint16(1u << (skill - 1));
}

std::optional<Standing> standingOf(const SkillLevels &levels)
{
    if (!validLevels(levels))
        return std::nullopt;
    return standingAt(levels);
}

std::optional<WorthTable> worthByLevel(const SkillLevels &levels)
{
    if (!validLevels(levels))
        return std::nullopt;
    WorthTable table;
    table.current = standingAt(levels);
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        QList<TrainingStep> &steps = table.skills[k];
        steps.reserve(kHighestLevel - levels[k]);
        SkillLevels moved = levels;
        while (moved[k] < kHighestLevel) {
            ++moved[k];
            steps.append(stepAt(moved, k, table.current.salary));
        }
    }
    return table;
}

std::optional<Plan> planTraining(const SkillLevels &levels, const QList<PlanTarget> &targets)
{
    if (!validLevels(levels))
        return std::nullopt;
    for (const PlanTarget &target : targets)
        if (target.skill < 1 || target.skill > kSalarySkillCount || !isValidLevel(target.level))
            return std::nullopt;

    Plan plan;
    plan.start = standingAt(levels);
    SkillLevels now = levels;
    qint32 before = plan.start.salary;
    for (const PlanTarget &target : targets) {
        const int direction = target.level > now[target.skill] ? 1 : -1;
        while (now[target.skill] != target.level) {
            now[target.skill] = qint16(now[target.skill] + direction);
            const SalaryResult result = salaryAt(now);
            plan.steps.append({target.skill, now[target.skill], result.salary, result.position,
                               result.salary - plan.start.salary, result.salary - before});
            before = result.salary;
        }
    }
    plan.end = standingAt(now);
    plan.change = plan.end.salary - plan.start.salary;
    return plan;
}

std::optional<LevelsWithin> highestLevelsWithin(const SkillLevels &levels, qint32 limit)
{
    if (!validLevels(levels))
        return std::nullopt;
    LevelsWithin within;
    const SalaryResult current = salaryAt(levels);
    if (current.salary > limit)
        return within;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        TrainingStep highest{levels[k], current.salary, current.position, 0};
        // A level more never earns less, so the first one over ends the search.
        SkillLevels moved = levels;
        while (moved[k] < kHighestLevel) {
            ++moved[k];
            const TrainingStep step = stepAt(moved, k, current.salary);
            if (step.salary > limit)
                break;
            highest = step;
        }
        within[k] = highest;
    }
    return within;
}

std::optional<qsizetype> firstStepOver(const Plan &plan, qint32 limit)
{
    for (qsizetype i = 0; i < plan.steps.size(); ++i)
        if (plan.steps[i].salary > limit)
            return i;
    return std::nullopt;
}

int raisesPossible(const SkillLevels &levels, const SkillSet &skills)
{
    int possible = 0;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        if (skills.contains(k))
            possible += std::max(0, kHighestLevel - levels[k]);
    return possible;
}

std::optional<CheapestRaises> cheapestRaises(const SkillLevels &levels, int raises, const SkillSet &skills)
{
    if (!validLevels(levels) || raises < 1 || raises > kMostCheapestRaises || raisesPossible(levels, skills) < raises)
        return std::nullopt;

    CheapestSearch search(levels, skills, greedyCeiling(levels, raises, skills));
    search.run(raises);
    // The greedy way is one of those searched, so one is always found.
    Q_ASSERT(search.found());
    if (!search.found())
        return std::nullopt;

    CheapestRaises cheapest;
    cheapest.raises = raises;
    cheapest.end.levels = levels;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        cheapest.steps[k] = search.raises()[k - 1];
        cheapest.end.levels[k] = qint16(levels[k] + cheapest.steps[k]);
    }
    cheapest.end.salary = search.result().salary;
    cheapest.end.position = search.result().position;
    cheapest.end.values = search.result().values;
    cheapest.change = cheapest.end.salary - salaryAt(levels).salary;
    return cheapest;
}

Pace measurePace(const QList<DatedLevels> &snapshots)
{
    Pace pace;
    for (qsizetype i = 0; i < snapshots.size(); ++i) {
        if (!snapshots[i].date.isValid() || !validLevels(snapshots[i].levels)) {
            pace.problem = PaceProblem::InvalidSnapshot;
            return pace;
        }
        if (i > 0 && snapshots[i].date < snapshots[i - 1].date) {
            pace.problem = PaceProblem::NotInDateOrder;
            return pace;
        }
    }
    if (snapshots.size() < 2) {
        pace.problem = PaceProblem::TooFewSnapshots;
        return pace;
    }
    const DatedLevels &first = snapshots.first();
    const DatedLevels &last = snapshots.last();
    pace.first = first.date;
    pace.last = last.date;
    pace.days = first.date.daysTo(last.date);
    pace.current = standingAt(last.levels);
    if (pace.days < kShortestHistoryDays) {
        pace.problem = PaceProblem::TooShortHistory;
        return pace;
    }
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        pace.gained[k] = last.levels[k] - first.levels[k];
        pace.perWeek[k] = double(pace.gained[k]) / (double(pace.days) / 7.0);
    }
    return pace;
}

std::optional<Forecast> forecast(const Pace &pace, int weeks)
{
    if (pace.problem != PaceProblem::None || weeks < 1 || pace.days < kShortestHistoryDays
        || !validLevels(pace.current.levels))
        return std::nullopt;
    SkillLevels levels = pace.current.levels;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const qint64 ahead = levelsAhead(pace.gained[k], weeks, pace.days);
        levels[k] = qint16(std::clamp<qint64>(levels[k] + ahead, levels[k], kHighestLevel));
    }
    Forecast result;
    result.weeks = weeks;
    result.end = standingAt(levels);
    result.change = result.end.salary - salaryAt(pace.current.levels).salary;
    return result;
}

} // namespace wagecourt::planner
