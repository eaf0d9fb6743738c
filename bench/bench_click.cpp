// Click latency: from a mouse press on a level label to the label, the salary
// and the position updated, over the ten labels and both buttons, measured in
// process with QElapsedTimer. The baseline is the same press delivered to a
// label that does nothing with it, in the same run. Then a pick in the language
// list, through every language and back to English, with the translations
// swapped and the widgets told of it.
#include "ui/form1.h"
#include "catalogue/catalogue.h"
#include "ui/fonts.h"
#include "ui/platform/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace wagecourt;
using namespace wagecourt::ui;

namespace {

class QuietPlatform : public Platform
{
public:
    void pause(int) override {}
    ClipboardText clipboardText(qsizetype) override
    {
        // Every level at 10, so both buttons move every level.
        return {QStringLiteral("Jump Shot: prominent\nJump Range: prominent\nOutside Def.: prominent\n"
                               "Handling: prominent\nDriving: prominent\nPassing: prominent\n"
                               "Inside Shot: prominent\nInside Def.: prominent\nRebounding: prominent\n"
                               "Shot Blocking: prominent"),
                false};
    }
    void setClipboardText(const QString &) override {}
    void showMessage(const QString &, const QString &) override {}
    int ask(const QString &, const QString &, const QStringList &choices) override { return int(choices.size()) - 1; }
    void setTopMost(QWidget *, bool) override {}
    QVariant setting(const QString &) override { return {}; }
    void setSetting(const QString &, const QVariant &) override {}
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double pressMicroseconds(QWidget *target, Qt::MouseButton button, QElapsedTimer &clock)
{
    const QPoint at(2, target->height() / 2);
    clock.restart();
    QTest::mousePress(target, button, {}, at);
    const qint64 elapsed = clock.nsecsElapsed();
    QTest::mouseRelease(target, button, {}, at);
    return double(elapsed) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    loadLayoutFonts();
    QApplication::setFont(layoutFont(Face::MsSansSerif, 8));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QuietPlatform platform;
    Form1 form(platform);
    form.show();
    form.Command1_Click();
    QLabel idle(&form);
    idle.setGeometry(0, 0, 60, 13);
    idle.setAttribute(Qt::WA_NoMousePropagation);

    QElapsedTimer clock;
    clock.start();
    std::vector<double> left, right, baseline;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 1; k <= kSalarySkillCount; ++k) {
            QWidget *label = form.controls().LevelText[k];
            left.push_back(pressMicroseconds(label, Qt::LeftButton, clock));
            right.push_back(pressMicroseconds(label, Qt::RightButton, clock));
            baseline.push_back(pressMicroseconds(&idle, k % 2 ? Qt::LeftButton : Qt::RightButton, clock));
        }
        QCoreApplication::processEvents(); // let the window paint, as between a user's clicks
    }
    std::vector<double> all = left;
    all.insert(all.end(), right.begin(), right.end());
    const double overall = median(all), bare = median(baseline);
    std::printf("Click latency, medians of %zu presses each (microseconds):\n", left.size());
    std::printf("  left button   %8.1f\n", median(left));
    std::printf("  right button  %8.1f\n", median(right));
    std::printf("  both          %8.1f\n", overall);
    std::printf("  idle label    %8.1f   (baseline: the press alone)\n", bare);
    std::printf("  ratio         %8.1fx\n", overall / bare);
    std::printf("Goal: median <= 1000 us: %s\n", overall <= 1000 ? "met" : "MISSED");

    // A pick of another language, until the window has handled what it posted.
    std::vector<double> toEnglish, toOther;
    for (int round = 0; round < std::max(1, rounds / 10); ++round) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            const int index = language % kLanguageCount; // English last
            clock.restart();
            form.controls().Combo1->select(index);
            QCoreApplication::sendPostedEvents();
            (index == 0 ? toEnglish : toOther).push_back(double(clock.nsecsElapsed()) / 1000.0);
        }
    }
    std::printf("Language pick, medians of %zu and %zu picks (microseconds):\n", toOther.size(), toEnglish.size());
    std::printf("  to another    %8.1f\n", median(toOther));
    std::printf("  to English    %8.1f\n", median(toEnglish));
    return 0;
}
