// The player book's window over a book of 10,000 players with 10 snapshots
// each: Ctrl+B in a fresh main window until the table is filled and sorted by
// name, a sort by salary, and one keep through the keep box (with the book's
// window open and closed), each measured in
// process with QElapsedTimer. The baseline is Ctrl+B over an empty book in the
// same run, which costs the window's making without the book's size.
#include "book/bookstore.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "catalogue/catalogue.h"
#include "ui/platform/platform.h"
#include "ui/playerbook/windowbook.h"
#include "ui/playerbook/booktablemodel.h"
#include "ui/plan/trainingplanwindow.h"
#include "ui/playerbook/bookwindow.h"
#include "ui/playerbook/form1book.h"
#include "ui/playerbook/keepdialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace wagecourt;
using namespace wagecourt::ui;

namespace {

constexpr int kPlayers = 10'000;
constexpr int kSnapshots = 10;

class QuietPlatform : public Platform
{
public:
    void pause(int) override {}
    ClipboardText clipboardText(qsizetype) override { return {}; }
    void setClipboardText(const QString &) override {}
    void showMessage(const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
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

void fillBook(const QString &path)
{
    std::vector<book::Keep> keeps;
    const LanguageEntry &english = languages()[0];
    for (int player = 0; player < kPlayers; ++player)
        for (int day = 0; day < kSnapshots; ++day) {
            book::SnapshotLevels levels{};
            for (int skill = 0; skill < kSkillCaptionCount; ++skill)
                levels[std::size_t(skill)] = qint16(1 + (player * 7 + skill * 3 + day) % 20);
            keeps.push_back({QStringLiteral("Player %1").arg(player),
                             {QDate(2026, 1, 1).addDays(day * 7), levels, &english},
                             QStringLiteral("note %1").arg(player % 97), {}});
        }
    book::BookStore store(path, book::kCommandLineBusyMilliseconds);
    if (!store.open().ok() || !store.keepAll(keeps).ok())
        std::fprintf(stderr, "the book could not be made in %s\n", qPrintable(path));
}

// Ctrl+B in a fresh window, until the table holds the book.
double openMilliseconds(Platform &platform, int expectedRows)
{
    Form1 form(platform);
    form.show();
    QElapsedTimer clock;
    clock.start();
    form.book().openBook();
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    if (form.book().window()->model().rowCount() != expectedRows)
        std::fprintf(stderr, "the window shows %d players, not %d\n", form.book().window()->model().rowCount(),
                     expectedRows);
    return elapsed;
}

// Ctrl+T in a fresh window showing a player, until the Training Plan is drawn.
double planMilliseconds(Platform &platform)
{
    Form1 form(platform);
    form.show();
    SkillLevels levels{};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        levels[skill] = qint16(13 - skill);
    OtherSkillLevels others;
    for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill)
        others[skill] = 5;
    form.showLevels(levels, others);
    QElapsedTimer clock;
    clock.start();
    form.openTrainingPlan();
    form.trainingPlan()->repaint(); // painted now, not at the next turn of the event loop
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", QDir(scratch.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(scratch.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    loadLayoutFonts();
    QApplication::setFont(layoutFont(Face::MsSansSerif, 8));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QuietPlatform platform;

    std::vector<double> empty, full, load, rows, sort, keep, keepClosed, plan;
    for (int round = 0; round < rounds; ++round) {
        empty.push_back(openMilliseconds(platform, 0));
        plan.push_back(planMilliseconds(platform));
    }
    fillBook(WindowBook::defaultPath());
    for (int round = 0; round < rounds; ++round)
        full.push_back(openMilliseconds(platform, kPlayers));
    // Of that: the file read into memory, and the book's sorted view of it.
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer part;
        part.start();
        book::BookStore store(WindowBook::defaultPath());
        std::optional<book::Book> loaded = store.open().ok() ? store.load() : std::nullopt;
        load.push_back(double(part.nsecsElapsed()) / 1e6);
        part.restart();
        const auto latest = book::latestRows(*loaded);
        rows.push_back(double(part.nsecsElapsed()) / 1e6);
    }

    Form1 form(platform);
    form.show();
    form.book().openBook();
    form.book().playerShown(); // as after a list read: Keep in Book can be used
    QElapsedTimer clock;
    clock.start();
    auto keepOnce = [&](int round) {
        form.book().keepShown();
        KeepDialog *dialog = form.book().keepDialog();
        dialog->findChild<QLineEdit *>(QStringLiteral("keepName"))->setText(QStringLiteral("Player %1").arg(round));
        form.LevelText_MouseDown(1 + round % kSalarySkillCount, 1); // a new reading each time
        clock.restart();
        dialog->accept();
        return double(clock.nsecsElapsed()) / 1e6;
    };
    for (int round = 0; round < rounds; ++round) {
        QTableView *table = form.book().window()->table();
        clock.restart();
        table->sortByColumn(BookTableModel::SalaryColumn, round % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
        sort.push_back(double(clock.nsecsElapsed()) / 1e6);

        keep.push_back(keepOnce(round));
    }
    form.book().window()->close();
    for (int round = 0; round < rounds; ++round)
        keepClosed.push_back(keepOnce(round));

    std::printf("Player book window, %d players x %d snapshots, medians of %d rounds (ms):\n", kPlayers, kSnapshots,
                rounds);
    std::printf("  Ctrl+B over an empty book (baseline) %8.2f\n", median(empty));
    std::printf("  Ctrl+T, the Training Plan drawn      %8.2f  (%.1f x baseline)\n", median(plan),
                median(plan) / median(empty));
    std::printf("  Ctrl+B over the full book            %8.2f  (%.1f x baseline)\n", median(full),
                median(full) / median(empty));
    std::printf("    of which the file's load           %8.2f\n", median(load));
    std::printf("    and the book's rows sorted by name %8.2f\n", median(rows));
    std::printf("  sort by salary                       %8.2f\n", median(sort));
    std::printf("  keep through the keep box            %8.2f\n", median(keep));
    std::printf("    with the book's window closed      %8.2f\n", median(keepClosed));
    return 0;
}
