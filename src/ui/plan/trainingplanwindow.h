#pragma once

#include "book/book.h"
#include "engine/playerstate.h"
#include "planner/planner.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace wagecourt {
struct LanguageEntry;
namespace book {
struct Player;
}
} // namespace wagecourt

namespace wagecourt::ui {

class Platform;

// The Training Plan (Ctrl+T): what each level of each skill would pay the
// player the main window shows, a plan made by clicking levels, the highest
// levels within a salary limit, the cheapest raises, his forecast when he is
// in the book, and his salary checked against the one the game shows. Every
// figure comes from the planner through the use cases; the tables below the
// grid are the command line's, word for word.
class TrainingPlanWindow : public QWidget
{
    Q_OBJECT

public:
    TrainingPlanWindow(Platform &platform, QWidget *parent);

    // The player to plan, in the language shown; the targets start again.
    // A player from the book brings his history for the forecast.
    void plan(const SkillLevels &levels, const LanguageEntry &language, const std::optional<book::Player> &player);

    // A click on the grid: that skill's target becomes that level, or none
    // when it was that level already or is his level now.
    void chooseTarget(int skill, int level);
    void setLimit(const QString &text);
    void setCheapest(int raises);
    void setShown(const QString &text);
    // Every level of every skill in sight; the window's placement shrinks it
    // to the screen where the screen is smaller.
    QSize sizeHint() const override;

    const QTableWidget *worthGrid() const { return m_grid; }
    QString details() const;
    const QPushButton *copyReportButton() const { return m_copyReport; }
    QString shownResult() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void fillGrid();
    void update();

    Platform &m_platform;
    const LanguageEntry *m_language = nullptr;
    SkillLevels m_levels{};
    std::optional<book::Player> m_player;
    QList<planner::PlanTarget> m_targets;
    std::optional<qint32> m_limit;
    QString m_report;
    QLabel *m_now;
    QTableWidget *m_grid;
    QLabel *m_limitLabel;
    QLineEdit *m_limitField;
    QLabel *m_cheapestLabel;
    QSpinBox *m_cheapestField;
    QPlainTextEdit *m_details;
    QLabel *m_shownLabel;
    QLineEdit *m_shownField;
    QLabel *m_shownResult;
    QPushButton *m_copyReport;
    QLabel *m_versions;
};

} // namespace wagecourt::ui
