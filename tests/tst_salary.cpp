#include "engine/advice.h"
#include "engine/salary.h"
#include "engine/skillpowers.h"
#include "presentation/salarytext.h"

#include "testlists.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>

using namespace wagecourt;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(wagecourt::SkillLevels)

namespace {

using test::levelsOf;

SkillLevels randomLevels(QRandomGenerator &random, int lowest = kLowestLevel, int highest = kHighestLevel)
{
    SkillLevels levels;
    for (qint16 &level : levels)
        level = qint16(random.bounded(lowest, highest + 1));
    return levels;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class SalaryTest : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void positionCascade_data();
    void positionCascade();
    void roundingHalvesToEven_data();
    void roundingHalvesToEven();
    void fastFormIsBitIdenticalToPowerForm();
    void raisingOneLevelNeverLowersTheSalary();
    void recalculationWritesTheSameResult();
    void failureKeepsThePreviousResult_data();
    void failureKeepsThePreviousResult();
    void salaryTexts_data();
    void salaryTexts();
    void trainingAdvice_data();
    void trainingAdvice();
};

void SalaryTest::workedExamples_data()
{
    QTest::addColumn<SkillLevels>("levels");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("r5");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("salary");

    QTest::newRow("all 1, the start") << levelsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1})
            << QList<double>{479.910496, 478.872669, 504.118650, 474.772763, 465.025345} << 465 << 3 << 504;
    QTest::newRow("point guard") << levelsOf({8, 7, 9, 10, 8, 11, 3, 3, 5, 2})
            << QList<double>{16735.689477, 8416.499289, 6589.415465, 2318.883518, 1464.708306} << 1465 << 1
            << 16736;
    QTest::newRow("center") << levelsOf({5, 4, 3, 6, 5, 3, 12, 13, 14, 9})
            << QList<double>{2605.346907, 3583.004664, 8570.127257, 51287.140769, 68130.577102} << 68131 << 5
            << 68131;
    QTest::newRow("all 20") << levelsOf({20, 20, 20, 20, 20, 20, 20, 20, 20, 20})
            << QList<double>{1937906.320576, 2232399.311478, 2519960.451379, 4009568.398942, 2184859.200444}
            << 2184859 << 4 << 4009568;
    QTest::newRow("R5 below V1 although V5 is largest") << levelsOf({3, 11, 4, 16, 12, 6, 1, 14, 9, 10})
            << QList<double>{12277.083087, 7396.100984, 7618.298415, 11265.905151, 12277.243490} << 12277 << 1
            << 12277;
    QTest::newRow("V4 above V5 but not above R5") << levelsOf({6, 3, 5, 9, 1, 14, 2, 18, 8, 11})
            << QList<double>{12046.895017, 3021.383262, 8500.726390, 21398.701334, 21398.584025} << 21399 << 5
            << 21399;
}

void SalaryTest::workedExamples()
{
    QFETCH(SkillLevels, levels);
    QFETCH(QList<double>, values);
    QFETCH(int, r5);
    QFETCH(int, position);
    QFETCH(int, salary);

    for (const auto &result : {computeSalary(levels), computeSalaryByPower(levels)}) {
        QVERIFY(result);
        for (int p = 1; p <= kPositionCount; ++p)
            QCOMPARE(QString::number(result->values[p], 'f', 6), QString::number(values[p - 1], 'f', 6));
        QCOMPARE(result->roundedCenter, r5);
        QCOMPARE(result->position, position);
        QCOMPARE(result->salary, salary);
        // What a caller forming the products itself gets from the same values.
        double formed[kPositionCount];
        std::copy(result->values.begin(), result->values.end(), formed);
        QVERIFY(salaryOfValues(formed)->position == position && salaryOfValues(formed)->salary == salary);
    }

    PlayerState state;
    state.SkillLevel = levels;
    QVERIFY(CalcSalary(state));
    QCOMPARE(state.Salary, salary);
    QCOMPARE(state.BestPosition, position);
}

void SalaryTest::positionCascade_data()
{
    QTest::addColumn<QList<double>>("values"); // V1..V4 and R5
    QTest::addColumn<int>("position");

    QTest::newRow("tie 1 and 2 goes to 2") << QList<double>{500, 500, 400, 400, 400} << 2;
    QTest::newRow("tie 1 and 5 goes to 5") << QList<double>{500, 400, 400, 400, 500} << 5;
    QTest::newRow("tie 3 and 4 goes to 4") << QList<double>{100, 100, 700, 700, 300} << 4;
    QTest::newRow("tie 2 and 3 goes to 3") << QList<double>{100, 650, 650, 600, 300} << 3;
    QTest::newRow("all equal goes to 5") << QList<double>{7, 7, 7, 7, 7} << 5;
    QTest::newRow("strictly highest 1") << QList<double>{900, 800, 700, 600, 500} << 1;
    QTest::newRow("strictly highest 3") << QList<double>{1, 2, 9, 4, 5} << 3;
    QTest::newRow("one ulp decides") << QList<double>{std::nextafter(500.0, 1000.0), 500, 500, 500, 500} << 1;
}

void SalaryTest::positionCascade()
{
    QFETCH(QList<double>, values);
    QFETCH(int, position);
    QCOMPARE(choosePosition(values[0], values[1], values[2], values[3], values[4]), position);
}

void SalaryTest::roundingHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("12277.5") << 12277.5 << 12278.0;
    QTest::newRow("12276.5") << 12276.5 << 12276.0;
    QTest::newRow("just below half") << std::nextafter(2.5, 0.0) << 2.0;
    QTest::newRow("just above half") << std::nextafter(2.5, 3.0) << 3.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("whole") << 504.0 << 504.0;
    QTest::newRow("2^52 + 1") << 4503599627370497.0 << 4503599627370497.0;
}

void SalaryTest::roundingHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void SalaryTest::fastFormIsBitIdenticalToPowerForm()
{
    // The embedded exact powers are the coefficients' powers, and this C
    // library's pow() agrees with every one of them to the bit.
    for (int p = 0; p < kPositionCount; ++p)
        for (int k = 0; k < kSalarySkillCount; ++k)
            for (int level = 0; level <= kHighestLevel; ++level)
                QVERIFY2(sameBits(kSkillPower[p][k][level], std::pow(SkillCoefficient[p][k], double(level))),
                         qPrintable(u"position %1 skill %2 level %3"_s.arg(p + 1).arg(k + 1).arg(level)));

    QRandomGenerator random(20261208);
    auto compare = [](const SkillLevels &levels) {
        const auto fast = computeSalary(levels);
        const auto plain = computeSalaryByPower(levels);
        QCOMPARE(bool(fast), bool(plain));
        if (!fast)
            return;
        for (int p = 1; p <= kPositionCount; ++p)
            QVERIFY2(sameBits(fast->values[p], plain->values[p]), qPrintable(QString::number(p)));
        QCOMPARE(fast->roundedCenter, plain->roundedCenter);
        QCOMPARE(fast->position, plain->position);
        QCOMPARE(fast->salary, plain->salary);
    };
    for (int i = 0; i < 100000; ++i) {
        compare(randomLevels(random));
        if (QTest::currentTestFailed())
            return;
    }
    // Outside the table the fast form falls back to the power function itself.
    for (int i = 0; i < 2000; ++i) {
        compare(randomLevels(random, -40, 99));
        if (QTest::currentTestFailed())
            return;
    }
    for (int level : {0, 21, 33, 34, 99, 300, 5000, -300, 32767, -32768}) {
        SkillLevels levels;
        levels.fill(qint16(level));
        compare(levels);
    }
}

void SalaryTest::raisingOneLevelNeverLowersTheSalary()
{
    QRandomGenerator random(58203);
    for (int i = 0; i < 20000; ++i) {
        const SkillLevels levels = randomLevels(random);
        const qint32 before = computeSalary(levels)->salary;
        for (int k = 1; k <= kSalarySkillCount; ++k) {
            if (levels[k] == kHighestLevel)
                continue;
            SkillLevels raised = levels;
            ++raised[k];
            const qint32 after = computeSalary(raised)->salary;
            QVERIFY2(after >= before, qPrintable(u"skill %1: %2 -> %3"_s.arg(k).arg(before).arg(after)));
        }
    }
    SkillLevels lowest, highest;
    lowest.fill(kLowestLevel);
    highest.fill(kHighestLevel);
    QCOMPARE(computeSalary(lowest)->salary, 504);
    QCOMPARE(computeSalary(highest)->salary, 4009568);
}

void SalaryTest::recalculationWritesTheSameResult()
{
    PlayerState state;
    state.SkillLevel = levelsOf({3, 11, 4, 16, 12, 6, 1, 14, 9, 10});
    QVERIFY(CalcSalary(state));
    const qint32 salary = state.Salary;
    const int position = state.BestPosition;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(CalcSalary(state));
        QCOMPARE(state.Salary, salary);
        QCOMPARE(state.BestPosition, position);
    }
}

void SalaryTest::failureKeepsThePreviousResult_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("34: past the 32-bit salary") << 34;
    QTest::newRow("99") << 99;
    QTest::newRow("5000: overflows to infinity") << 5000;
    QTest::newRow("32767") << 32767;
}

void SalaryTest::failureKeepsThePreviousResult()
{
    QFETCH(int, level);
    PlayerState state;
    state.Salary = 12345;
    state.BestPosition = 2;
    state.SkillLevel.fill(qint16(level));
    QVERIFY(!CalcSalary(state));
    QCOMPARE(state.Salary, 12345);
    QCOMPARE(state.BestPosition, 2);

    // 33 still fits: the Power Forward value stays below 2^31.
    state.SkillLevel.fill(33);
    QVERIFY(CalcSalary(state));
    QCOMPARE(state.BestPosition, 4);
}

void SalaryTest::salaryTexts_data()
{
    QTest::addColumn<int>("salary");
    QTest::addColumn<QString>("importForm");
    QTest::addColumn<QString>("clickForm");

    QTest::newRow("504") << 504 << u"504"_s << u" 504"_s;
    QTest::newRow("999") << 999 << u"999"_s << u" 999"_s;
    QTest::newRow("1000") << 1000 << u"1 000"_s << u"1 000"_s;
    QTest::newRow("12345") << 12345 << u"12 345"_s << u"12 345"_s;
    QTest::newRow("123456") << 123456 << u"123 456"_s << u"123 456"_s;
    QTest::newRow("1234567") << 1234567 << u"1234 567"_s << u"1234 567"_s;
    QTest::newRow("4009568") << 4009568 << u"4009 568"_s << u"4009 568"_s;
    QTest::newRow("100") << 100 << u"100"_s << u" 100"_s;
    QTest::newRow("below 100") << 42 << u"42"_s << u" 42"_s;
    QTest::newRow("0") << 0 << u"0"_s << u" 0"_s;
}

void SalaryTest::salaryTexts()
{
    QFETCH(int, salary);
    QFETCH(QString, importForm);
    QFETCH(QString, clickForm);
    QCOMPARE(salaryImportText(salary), importForm);
    QCOMPARE(salaryClickText(salary), clickForm);
}

void SalaryTest::trainingAdvice_data()
{
    // Worked out from the formula in exact decimal arithmetic: one skill's step
    // each way as {level, salary, position, change}, {} where the scale ends.
    QTest::addColumn<SkillLevels>("levels");
    QTest::addColumn<QList<int>>("positionSalaries");
    QTest::addColumn<int>("skill");
    QTest::addColumn<QList<int>>("up");
    QTest::addColumn<QList<int>>("down");

    const SkillLevels ones = levelsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    const QList<int> onesSalaries{480, 479, 504, 475, 465};
    QTest::newRow("lowest, jump shot") << ones << onesSalaries << 1 << QList<int>{2, 594, 3, 90} << QList<int>{};
    QTest::newRow("lowest, handling moves to PG") << ones << onesSalaries << 4 << QList<int>{2, 518, 1, 14}
                                                  << QList<int>{};
    QTest::newRow("lowest, driving pays nothing") << ones << onesSalaries << 5 << QList<int>{2, 504, 3, 0}
                                                  << QList<int>{};
    const SkillLevels twenties = levelsOf({20, 20, 20, 20, 20, 20, 20, 20, 20, 20});
    const QList<int> twentiesSalaries{1937906, 2232399, 2519960, 4009568, 2184859};
    QTest::newRow("highest, inside def.") << twenties << twentiesSalaries << 8 << QList<int>{}
                                          << QList<int>{19, 3589587, 4, -419981};
    QTest::newRow("highest, handling") << twenties << twentiesSalaries << 4 << QList<int>{}
                                       << QList<int>{19, 4005563, 4, -4005};
    // R5 (12277) ties V1 rounded: a step down that costs nothing can still move the player.
    const SkillLevels tie = levelsOf({3, 11, 4, 16, 12, 6, 1, 14, 9, 10});
    const QList<int> tieSalaries{12277, 7396, 7618, 11266, 12277};
    QTest::newRow("tie, jump shot down to center") << tie << tieSalaries << 1 << QList<int>{4, 12621, 1, 344}
                                                   << QList<int>{2, 12277, 5, 0};
    QTest::newRow("tie, inside shot at 1") << tie << tieSalaries << 7 << QList<int>{2, 13873, 5, 1596}
                                           << QList<int>{};
    QTest::newRow("tie, rebounding") << tie << tieSalaries << 9 << QList<int>{10, 13861, 5, 1584}
                                     << QList<int>{8, 11839, 1, -438};
}

void SalaryTest::trainingAdvice()
{
    QFETCH(SkillLevels, levels);
    QFETCH(QList<int>, positionSalaries);
    QFETCH(int, skill);
    QFETCH(QList<int>, up);
    QFETCH(QList<int>, down);

    const auto advice = adviseTraining(levels);
    QVERIFY(advice);
    const auto result = computeSalary(levels);
    QCOMPARE(advice->salary, result->salary);
    QCOMPARE(advice->position, result->position);
    for (int p = 1; p <= kPositionCount; ++p)
        QCOMPARE(advice->positionSalaries[p], positionSalaries[p - 1]);

    auto asList = [](const std::optional<TrainingStep> &step) {
        return step ? QList<int>{step->level, step->salary, step->position, step->change} : QList<int>{};
    };
    QCOMPARE(asList(advice->skills[skill].up), up);
    QCOMPARE(asList(advice->skills[skill].down), down);

    SkillLevels outside = levels;
    outside[skill] = 21;
    QVERIFY(!adviseTraining(outside));
}

QTEST_APPLESS_MAIN(SalaryTest)
#include "tst_salary.moc"
