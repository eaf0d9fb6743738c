#include "playerbook/comparedialog.h"

#include "catalogue/catalogue.h"
#include "controls.h"
#include "presentation/bookcopytext.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

namespace {

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CompareDialog::CompareDialog(QWidget *parent) : QDialog(parent), m_table(new QTableWidget(this))
{
    setObjectName(u"CompareDialog"_s);
    m_table->setObjectName(u"compare"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab leaves for the button
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void CompareDialog::showComparison(const book::Comparison &comparison, const LanguageEntry &language)
{
    setWindowTitle(bookwindowtext::kCompareTitle.translated());
    m_table->setAccessibleName(bookwindowtext::kCompareTitle.translated());
    const int players = int(comparison.players.size());
    QStringList rows;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        rows << bookcopytext::skillHeading(language, skill);
    rows << bookwindowtext::kBestSalary.translated() << booktext::kPositionColumn.translated();
    for (int position = 1; position <= kPositionCount; ++position)
        rows << bookwindowtext::kSalaryAt.translated().arg(language.positionName(position));
    rows << booktext::kDifferenceRow.translated();
    m_table->clear();
    m_table->setRowCount(int(rows.size()));
    m_table->setColumnCount(players);
    m_table->setVerticalHeaderLabels(rows);
    for (int column = 0; column < players; ++column) {
        const book::ComparedPlayer &compared = comparison.players[std::size_t(column)];
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(compared.player->name));
        int row = 0;
        for (int skill = 0; skill < kSalarySkillCount; ++skill, ++row) {
            const int level = compared.latest->levels[std::size_t(skill)];
            QTableWidgetItem *item = cell(u"%1 (%2)"_s.arg(language.levelName(level)).arg(level));
            item->setForeground(toQColor(kLevelColorTable[level - 1]));
            m_table->setItem(row, column, item);
        }
        m_table->setItem(row++, column, cell(salaryImportText(compared.result.salary)));
        m_table->setItem(row++, column, cell(language.positionName(compared.result.position)));
        for (int position = 1; position <= kPositionCount; ++position)
            m_table->setItem(row++, column, cell(salaryImportText(compared.positionSalaries[position])));
        m_table->setItem(row, column, cell(column == 0 ? QString() : booktext::changeText(compared.difference)));
    }
    m_table->resizeColumnsToContents();
    // The whole comparison in sight where the screen allows it.
    const int width = m_table->verticalHeader()->sizeHint().width() + m_table->horizontalHeader()->length()
            + 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    const int height = m_table->horizontalHeader()->height() + m_table->verticalHeader()->length()
            + 2 * m_table->frameWidth();
    m_table->setMinimumSize(std::min(width, 1000), std::min(height, 700));
    adjustSize();
    m_table->setCurrentCell(0, 0);
    m_table->setFocus();
}

} // namespace wagecourt::ui
