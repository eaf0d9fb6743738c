#include "ui/playerbook/booktablemodel.h"

#include "catalogue/catalogue.h"
#include "presentation/bookcopytext.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"
#include "ui/controls.h"

#include <QBrush>
#include <QHash>

#include <algorithm>
#include <optional>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

namespace {

int levelOf(const book::LatestRow &row, int column)
{
    return row.latest->levels[std::size_t(column - BookTableModel::FirstLevelColumn)];
}

bool isLevelColumn(int column)
{
    return column >= BookTableModel::FirstLevelColumn && column < BookTableModel::SalaryColumn;
}

// The book's own sort for a column, where it has one.
std::optional<book::SortKey> bookKey(int column)
{
    switch (column) {
    case BookTableModel::NameColumn: return book::SortKey::Name;
    case BookTableModel::SalaryColumn: return book::SortKey::Salary;
    case BookTableModel::PositionColumn: return book::SortKey::Position;
    case BookTableModel::ChangeColumn: return book::SortKey::Change;
    case BookTableModel::DateColumn: return book::SortKey::Date;
    default: return std::nullopt;
    }
}

book::SortOrder bookOrder(Qt::SortOrder order)
{
    return order == Qt::AscendingOrder ? book::SortOrder::Ascending : book::SortOrder::Descending;
}

} // namespace

QString onTwoLines(const QString &heading)
{
    const qsizetype middle = heading.size() / 2;
    qsizetype best = -1;
    for (qsizetype at = heading.indexOf(u' '); at >= 0; at = heading.indexOf(u' ', at + 1))
        if (best < 0 || qAbs(at - middle) < qAbs(best - middle))
            best = at;
    if (best <= 0 || best == heading.size() - 1)
        return heading;
    QString broken = heading;
    broken[best] = u'\n';
    return broken;
}

BookTableModel::BookTableModel(QObject *parent) : QAbstractTableModel(parent), m_language(&languages()[0])
{}

void BookTableModel::setBook(const book::Book &book)
{
    beginResetModel();
    if (const std::optional<book::SortKey> key = bookKey(m_sortColumn))
        m_rows = book::latestRows(book, *key, bookOrder(m_sortOrder));
    else {
        m_rows = book::latestRows(book);
        sortRows();
    }
    if (!m_tag.isEmpty())
        std::erase_if(m_rows, [&](const book::LatestRow &row) { return !book::hasTag(row.player->tags, m_tag); });
    indexRows();
    endResetModel();
}

void BookTableModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_places.clear();
    endResetModel();
}

void BookTableModel::setLanguage(const LanguageEntry &language)
{
    m_language = &language;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int BookTableModel::rowOf(const QString &name) const
{
    return m_places.value(name, -1);
}

void BookTableModel::indexRows()
{
    m_places.clear();
    m_places.reserve(qsizetype(m_rows.size()));
    for (int row = 0; row < int(m_rows.size()); ++row)
        m_places.insert(m_rows[std::size_t(row)].player->name, row);
}

int BookTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BookTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookTableModel::display(const book::LatestRow &row, int column) const
{
    switch (column) {
    case NameColumn: return row.player->name;
    case SalaryColumn: return salaryImportText(row.result.salary);
    case PositionColumn: return m_language->positionName(row.result.position);
    case ChangeColumn: return booktext::changeText(row.salaryChange, !row.previous);
    case DateColumn: return row.latest->date.toString(Qt::ISODate);
    case TagsColumn: return row.player->tags.join(u' ');
    case NoteColumn: return row.player->note;
    default: return levelOf(row, column);
    }
}

QVariant BookTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const book::LatestRow &row = m_rows[std::size_t(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return display(row, column);
    case Qt::ForegroundRole:
        if (isLevelColumn(column))
            return QBrush(toQColor(kLevelColorTable[levelOf(row, column) - 1]));
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        if (isLevelColumn(column))
            return u"%1: %2 (%3)"_s
                    .arg(bookcopytext::skillHeading(*m_language, column - FirstLevelColumn + 1),
                         m_language->levelName(levelOf(row, column)))
                    .arg(levelOf(row, column));
        if (column == ChangeColumn && row.previous) {
            // Which skills the change came from.
            QStringList steps;
            for (int skill = 0; skill < kSalarySkillCount; ++skill)
                if (const int step = row.levelChange[std::size_t(skill)]; step != 0)
                    steps << u"%1 %2%3"_s
                                     .arg(bookcopytext::skillHeading(*m_language, skill + 1),
                                          step > 0 ? u"+"_s : QString())
                                     .arg(step);
            return steps.isEmpty() ? display(row, column) : QVariant(steps.join(u", "_s));
        }
        return display(row, column);
    case Qt::TextAlignmentRole:
        if (isLevelColumn(column) || column == SalaryColumn || column == ChangeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant BookTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn: return booktext::kNameColumn.translated();
    case SalaryColumn: return booktext::kSalaryColumn.translated();
    case PositionColumn: return booktext::kPositionColumn.translated();
    case ChangeColumn: return booktext::kChangeColumn.translated();
    case DateColumn: return booktext::kDateColumn.translated();
    case TagsColumn: return booktext::kTagsColumn.translated();
    case NoteColumn: return booktext::kNoteColumn.translated();
    default: {
        // Whole in the tip, where the column shows it on two lines.
        const QString heading = bookcopytext::skillHeading(*m_language, section - FirstLevelColumn + 1);
        return role == Qt::ToolTipRole ? heading : onTwoLines(heading);
    }
    }
}

void BookTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection and the current row follow their players.
    const QModelIndexList before = persistentIndexList();
    QStringList names;
    for (const QModelIndex &index : before)
        names << m_rows[std::size_t(index.row())].player->name;
    sortRows();
    indexRows();
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOf(names[i]), before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void BookTableModel::sortRows()
{
    const book::SortOrder order = bookOrder(m_sortOrder);
    if (const std::optional<book::SortKey> key = bookKey(m_sortColumn))
        return book::sortRows(m_rows, *key, order);
    // A level or the note: players of the same value stand in the book's order of names.
    book::sortRows(m_rows, book::SortKey::Name, book::SortOrder::Ascending);
    const int column = m_sortColumn;
    const bool ascending = order == book::SortOrder::Ascending;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const book::LatestRow &a, const book::LatestRow &b) {
        const int compared = column == NoteColumn ? a.player->note.localeAwareCompare(b.player->note)
                : column == TagsColumn ? a.player->tags.join(u' ').localeAwareCompare(b.player->tags.join(u' '))
                                       : levelOf(a, column) - levelOf(b, column);
        return ascending ? compared < 0 : compared > 0;
    });
}

} // namespace wagecourt::ui
