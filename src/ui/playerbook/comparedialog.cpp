#include "ui/playerbook/comparedialog.h"

#include "catalogue/catalogue.h"
#include "presentation/bookcopytext.h"
#include "presentation/bookwindowtext.h"
#include "ui/controls.h"
#include "ui/playerbook/placement.h"

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
    // Read, not chosen from: no cell stands out as picked.
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_close = buttons->button(QDialogButtonBox::Close);
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
    const QStringList rows = bookcopytext::comparisonHeadings(language);
    m_table->clear();
    m_table->setRowCount(int(rows.size()));
    m_table->setColumnCount(players);
    m_table->setVerticalHeaderLabels(rows);
    for (int column = 0; column < players; ++column) {
        const book::ComparedPlayer &compared = comparison.players[std::size_t(column)];
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(compared.player->name));
        const QStringList cells = bookcopytext::comparisonColumn(compared, column == 0, language);
        for (int row = 0; row < int(cells.size()); ++row) {
            QTableWidgetItem *item = cell(cells[row]);
            if (row < kSalarySkillCount)
                item->setForeground(toQColor(kLevelColorTable[compared.latest->levels[std::size_t(row)] - 1]));
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    // The whole comparison in sight where the screen allows it.
    const int width = m_table->verticalHeader()->sizeHint().width() + m_table->horizontalHeader()->length()
            + 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    const int height = m_table->horizontalHeader()->height() + m_table->verticalHeader()->length()
            + 2 * m_table->frameWidth();
    const QRect available = availableArea(parentWidget() ? parentWidget() : this);
    m_table->setMinimumSize(std::min(width, available.width() * 3 / 4), std::min(height, available.height() * 3 / 4));
    adjustSize();
    // Return and Escape close it; the table scrolls with the wheel, or with the keys once Tab reaches it.
    m_close->setFocus();
}

} // namespace wagecourt::ui
