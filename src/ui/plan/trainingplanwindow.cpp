#include "ui/plan/trainingplanwindow.h"

#include "book/book.h"
#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "presentation/plantext.h"
#include "presentation/salarytext.h"
#include "ui/platform/platform.h"
#include "usecases/planning.h"
#include "version.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

TrainingPlanWindow::TrainingPlanWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_now(new QLabel(this)),
      m_grid(new QTableWidget(kHighestLevel, kSalarySkillCount, this)), m_limitLabel(new QLabel(this)),
      m_limitField(new QLineEdit(this)), m_cheapestLabel(new QLabel(this)), m_cheapestField(new QSpinBox(this)),
      m_details(new QPlainTextEdit(this)), m_shownLabel(new QLabel(this)), m_shownField(new QLineEdit(this)),
      m_shownResult(new QLabel(this)), m_copyReport(new QPushButton(this)), m_versions(new QLabel(this))
{
    setObjectName(u"TrainingPlan"_s);
    m_grid->setObjectName(u"worth"_s);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // However small the screen, a few levels in sight under the headings.
    m_grid->setMinimumHeight(8 * (fontMetrics().height() + 4));
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { chooseTarget(column + 1, row + 1); });
    m_grid->installEventFilter(this); // the keys plan as the clicks do
    m_details->setObjectName(u"details"_s);
    m_details->setReadOnly(true);
    m_details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the tables line up in columns
    m_limitField->setObjectName(u"limit"_s);
    m_limitField->setClearButtonEnabled(true);
    connect(m_limitField, &QLineEdit::textChanged, this, &TrainingPlanWindow::setLimit);
    m_cheapestField->setObjectName(u"cheapest"_s);
    m_cheapestField->setRange(0, planner::kMostCheapestRaises); // 0: not asked
    m_cheapestField->setSpecialValueText(u"–"_s);
    connect(m_cheapestField, &QSpinBox::valueChanged, this, &TrainingPlanWindow::setCheapest);
    m_shownField->setObjectName(u"shown"_s);
    connect(m_shownField, &QLineEdit::textChanged, this, &TrainingPlanWindow::setShown);
    m_shownResult->setWordWrap(true);
    m_copyReport->setObjectName(u"copyReport"_s);
    m_copyReport->setEnabled(false);
    connect(m_copyReport, &QPushButton::clicked, this, [this] { m_platform.setClipboardText(m_report); });
    m_limitLabel->setBuddy(m_limitField);
    m_cheapestLabel->setBuddy(m_cheapestField);
    m_shownLabel->setBuddy(m_shownField);

    auto *fields = new QHBoxLayout;
    fields->addWidget(m_limitLabel);
    fields->addWidget(m_limitField);
    fields->addWidget(m_cheapestLabel);
    fields->addWidget(m_cheapestField);
    fields->addStretch();
    auto *shown = new QHBoxLayout;
    shown->addWidget(m_shownLabel);
    shown->addWidget(m_shownField);
    shown->addWidget(m_copyReport);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_now);
    layout->addWidget(m_grid, 4);
    layout->addLayout(fields);
    layout->addWidget(m_details, 1);
    layout->addLayout(shown);
    layout->addWidget(m_shownResult);
    layout->addWidget(m_versions);
}

void TrainingPlanWindow::plan(const SkillLevels &levels, const LanguageEntry &language,
                              const std::optional<book::Player> &player)
{
    m_levels = levels;
    m_language = &language;
    m_player = player;
    m_targets.clear();
    retranslate();
    fillGrid();
    update();
    setShown(m_shownField->text());
}

void TrainingPlanWindow::chooseTarget(int skill, int level)
{
    if (skill < 1 || skill > kSalarySkillCount || level < 1 || level > kHighestLevel)
        return;
    const auto same = std::find_if(m_targets.begin(), m_targets.end(),
                                   [skill](const planner::PlanTarget &target) { return target.skill == skill; });
    const bool again = same != m_targets.end() && same->level == level;
    if (same != m_targets.end())
        m_targets.erase(same);
    if (!again && level != m_levels[skill])
        m_targets.append({skill, level}); // planned in the order clicked
    fillGrid();
    update();
}

bool TrainingPlanWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Return, Enter or Space makes the cell the arrows are at a target, as a click does.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const QModelIndex at = m_grid->currentIndex();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && at.isValid()) {
            chooseTarget(at.column() + 1, at.row() + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TrainingPlanWindow::setLimit(const QString &text)
{
    qint32 limit = 0;
    m_limit = usecase::parseSalary(text.trimmed(), &limit).ok() && !text.trimmed().isEmpty()
            ? std::optional<qint32>(limit)
            : std::nullopt;
    update();
}

void TrainingPlanWindow::setCheapest(int raises)
{
    if (m_cheapestField->value() != raises)
        m_cheapestField->setValue(raises); // runs update through the field's signal
    else
        update();
}

void TrainingPlanWindow::setShown(const QString &text)
{
    if (m_shownField->text() != text) {
        m_shownField->setText(text); // comes back here through the field's signal
        return;
    }
    qint32 shown = 0;
    const bool read = !text.trimmed().isEmpty() && usecase::parseSalary(text.trimmed(), &shown).ok();
    const std::optional<usecase::ShownCheck> check = read && m_language
            ? std::optional(usecase::checkShown(*m_language, m_levels, shown))
            : std::nullopt;
    m_shownResult->setText(check ? check->text : QString());
    m_report = check && !check->matches ? check->report : QString();
    m_copyReport->setEnabled(!m_report.isEmpty());
}

QSize TrainingPlanWindow::sizeHint() const
{
    const QSize laidOut = QWidget::sizeHint();
    const int frame = 2 * m_grid->frameWidth();
    int width = m_grid->verticalHeader()->sizeHint().width() + frame
            + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent); // a scroll bar, and room to spare
    for (int column = 0; column < m_grid->columnCount(); ++column)
        width += m_grid->horizontalHeader()->sectionSize(column);
    const int height = m_grid->horizontalHeader()->sizeHint().height() + frame
            + m_grid->rowCount() * m_grid->verticalHeader()->defaultSectionSize();
    const QMargins margins = layout()->contentsMargins();
    return {std::max(laidOut.width(), width + margins.left() + margins.right()),
            laidOut.height() + std::max(0, height - m_grid->sizeHint().height())};
}

QString TrainingPlanWindow::details() const
{
    return m_details->toPlainText();
}
QString TrainingPlanWindow::shownResult() const
{
    return m_shownResult->text();
}

void TrainingPlanWindow::retranslate()
{
    setWindowTitle(plantext::kTrainingPlan.translated());
    m_limitLabel->setText(plantext::kLimit.translated());
    m_cheapestLabel->setText(plantext::kCheapestLabel.translated());
    m_shownLabel->setText(plantext::kShownLabel.translated());
    m_copyReport->setText(plantext::kCopyReport.translated());
    m_versions->setText(plantext::kVersions.translated().arg(QStringLiteral(WAGECOURT_VERSION_TEXT),
                                                             QString::number(kSalaryFormulaVersion)));
    QStringList levels;
    for (int level = 1; level <= kHighestLevel; ++level)
        levels << QString::number(level) + u' ' + m_language->levelName(level);
    m_grid->setVerticalHeaderLabels(levels);
    QStringList skills;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        skills << plantext::skillName(*m_language, skill);
    m_grid->setHorizontalHeaderLabels(skills);
}

void TrainingPlanWindow::fillGrid()
{
    const std::optional<planner::WorthTable> worth = planner::worthByLevel(m_levels);
    if (!worth)
        return;
    m_now->setText(plantext::kNow.translated().arg(salaryImportText(worth->current.salary),
                                                   m_language->positionName(worth->current.position)));
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        const auto target = std::find_if(m_targets.cbegin(), m_targets.cend(),
                                         [skill](const planner::PlanTarget &t) { return t.skill == skill; });
        for (int level = 1; level <= kHighestLevel; ++level) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (level == m_levels[skill]) { // his level now, with his salary now
                cell->setText(u"* "_s + salaryImportText(worth->current.salary));
                cell->setToolTip(m_language->positionName(worth->current.position));
            }
            for (const TrainingStep &step : worth->skills[skill])
                if (step.level == level) {
                    cell->setText(salaryImportText(step.salary));
                    cell->setToolTip(m_language->positionName(step.position) + u", "_s
                                     + plantext::changeText(step.change));
                }
            if (target != m_targets.cend() && target->level == level) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setBackground(palette().highlight());
                cell->setForeground(palette().highlightedText());
            }
            m_grid->setItem(level - 1, skill - 1, cell);
        }
    }
}

void TrainingPlanWindow::update()
{
    if (!m_language)
        return;
    usecase::PlanRequest request;
    request.levels = m_levels;
    request.targets = m_targets;
    request.limit = m_limit;
    if (m_cheapestField->value() > 0)
        request.cheapest = m_cheapestField->value();
    const std::optional<usecase::PlanAnswer> answer = usecase::planPlayer(request);
    if (!answer)
        return;
    QStringList parts;
    parts << (answer->plan ? plantext::planTable(*m_language, *answer->plan) : plantext::kNoPlan.translated());
    if (answer->within)
        parts << plantext::withinTable(*m_language, *m_limit, *answer->within, answer->worth.current.salary,
                                       answer->passedAt, answer->plan.has_value());
    if (answer->cheapest)
        parts << plantext::cheapestTable(*m_language, *answer->cheapest);
    if (!answer->problemText.isEmpty())
        parts << answer->problemText;
    if (m_player) {
        const usecase::ForecastAnswer forecast = usecase::forecastPlayer(*m_player, usecase::kDefaultForecastWeeks);
        parts << (forecast.ok()
                          ? plantext::forecastTable(*m_language, m_player->name, forecast.pace, *forecast.forecast)
                          : forecast.problemText);
    }
    m_details->setPlainText(parts.join(u'\n'));
}

} // namespace wagecourt::ui
