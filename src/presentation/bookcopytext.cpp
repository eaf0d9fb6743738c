#include "presentation/bookcopytext.h"

#include "catalogue/catalogue.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"

#include <QStringList>

#include <algorithm>

namespace wagecourt::bookcopytext {

using namespace Qt::StringLiterals;

namespace {

QString isoDate(const book::Snapshot &snapshot)
{
    return book::dayText(snapshot.date);
}

// A caption without the colon some languages' salary caption ends in.
QString plainCaption(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

// Lines of cells, each column as wide as its widest cell, two spaces between;
// no line ends in spaces.
QString aligned(const QList<QStringList> &lines)
{
    QList<qsizetype> widths;
    for (const QStringList &cells : lines)
        for (qsizetype column = 0; column < cells.size(); ++column) {
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = std::max(widths[column], cells[column].size());
        }
    QString text;
    for (const QStringList &cells : lines) {
        QString line;
        for (qsizetype column = 0; column < cells.size(); ++column)
            line += cells[column].leftJustified(widths[column] + 2);
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

} // namespace

QString skillHeading(const LanguageEntry &language, int skill)
{
    return plainCaption(language.skillCaption(skill));
}

QString tableText(const std::vector<book::LatestRow> &rows, const LanguageEntry &language)
{
    QStringList header{booktext::kNameColumn.translated()};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        header << skillHeading(language, skill);
    header << booktext::kSalaryColumn.translated() << booktext::kPositionColumn.translated()
           << booktext::kChangeColumn.translated() << booktext::kDateColumn.translated()
           << booktext::kTagsColumn.translated() << booktext::kNoteColumn.translated();
    QString text = header.join(u'\t') + u'\n';
    for (const book::LatestRow &row : rows) {
        QStringList cells{row.player->name};
        for (int skill = 0; skill < kSalarySkillCount; ++skill)
            cells << QString::number(row.latest->levels[std::size_t(skill)]);
        const QString change = row.previous ? (row.salaryChange > 0 ? u"+"_s : QString())
                        + QString::number(row.salaryChange) : booktext::noValueText();
        cells << QString::number(row.result.salary) << language.positionName(row.result.position) << change
              << isoDate(*row.latest) << row.player->tags.join(u' ') << row.player->note;
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

QString forumText(const std::vector<book::LatestRow> &rows, const LanguageEntry &language)
{
    if (rows.empty())
        return {};
    QList<QStringList> lines;
    QStringList names{QString()};
    for (const book::LatestRow &row : rows)
        names << row.player->name;
    lines << names;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        QStringList cells{skillHeading(language, skill)};
        for (const book::LatestRow &row : rows) {
            const int level = row.latest->levels[std::size_t(skill - 1)];
            cells << u"%1 (%2)"_s.arg(language.levelName(level), QString::number(level));
        }
        lines << cells;
    }
    QStringList salary{plainCaption(language.salaryCaption.toString())}, position{booktext::kPositionColumn.translated()},
            change{booktext::kChangeColumn.translated()}, date{booktext::kDateColumn.translated()},
            note{booktext::kNoteColumn.translated()};
    bool anyNote = false;
    for (const book::LatestRow &row : rows) {
        salary << salaryImportText(row.result.salary);
        position << language.positionName(row.result.position);
        change << booktext::changeText(row.salaryChange, !row.previous);
        date << isoDate(*row.latest);
        note << row.player->note;
        anyNote = anyNote || !row.player->note.isEmpty();
    }
    lines << salary << position << change << date;
    if (anyNote)
        lines << note;
    return aligned(lines);
}

QStringList comparisonHeadings(const LanguageEntry &language)
{
    QStringList rows;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        rows << skillHeading(language, skill);
    rows << bookwindowtext::kBestSalary.translated() << booktext::kPositionColumn.translated();
    for (int position = 1; position <= kPositionCount; ++position)
        rows << bookwindowtext::kSalaryAt.translated().arg(language.positionName(position));
    rows << booktext::kDifferenceRow.translated();
    return rows;
}

QStringList comparisonColumn(const book::ComparedPlayer &compared, bool first, const LanguageEntry &language)
{
    QStringList cells;
    for (int skill = 0; skill < kSalarySkillCount; ++skill) {
        const int level = compared.latest->levels[std::size_t(skill)];
        cells << u"%1 (%2)"_s.arg(language.levelName(level), QString::number(level));
    }
    cells << salaryImportText(compared.result.salary) << language.positionName(compared.result.position);
    for (int position = 1; position <= kPositionCount; ++position)
        cells << salaryImportText(compared.positionSalaries[position]);
    cells << (first ? QString() : booktext::changeText(compared.difference));
    return cells;
}

} // namespace wagecourt::bookcopytext
