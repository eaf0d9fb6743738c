#pragma once

#include "book/book.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

namespace wagecourt {
struct LanguageEntry;
}

namespace wagecourt::ui {

// A heading of two words or more on two lines, broken at the space nearest
// its middle: a column of short numbers under it needs only half its width.
QString onTwoLines(const QString &heading);

// The book's players, one row each with his latest snapshot, in the order the
// book's views sort them. Skills, levels and positions read in the window's
// game language.
class BookTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        FirstLevelColumn, // Jump Shot; the ten salary skills follow in game order
        SalaryColumn = FirstLevelColumn + kSalarySkillCount,
        PositionColumn,
        ChangeColumn,
        DateColumn,
        TagsColumn,
        NoteColumn,
        ColumnCount
    };

    explicit BookTableModel(QObject *parent = nullptr);

    // The rows of this book, sorted as before; the book must outlive them.
    void setBook(const book::Book &book);
    // Only the players with this tag, letter case aside; none: every player.
    void setTagFilter(const QString &tag) { m_tag = tag; }
    const QString &tagFilter() const { return m_tag; }
    // No rows, before the book they point into changes.
    void clear();
    void setLanguage(const LanguageEntry &language);

    const std::vector<book::LatestRow> &rows() const { return m_rows; }
    const book::LatestRow &row(int row) const { return m_rows[std::size_t(row)]; }
    // The row of the player of this name, or -1.
    int rowOf(const QString &name) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void sortRows();
    void indexRows();
    QVariant display(const book::LatestRow &row, int column) const;

    std::vector<book::LatestRow> m_rows;
    QHash<QString, int> m_places; // each player's row, for a selection of many kept across a change
    const LanguageEntry *m_language;
    int m_sortColumn = NameColumn;
    QString m_tag;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace wagecourt::ui
