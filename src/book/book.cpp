#include "book/book.h"

#include "catalogue/catalogue.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace wagecourt::book {

SkillLevels Snapshot::salaryLevels() const
{
    SkillLevels salary;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        salary[k] = levels[std::size_t(k - 1)];
    return salary;
}

SalaryResult Snapshot::result() const
{
    const auto computed = computeSalary(salaryLevels());
    Q_ASSERT(computed); // levels within 1 to 20 always give a salary
    return computed.value_or(SalaryResult{});
}

Snapshot snapshotOf(const SkillLevels &levels, const OtherSkillLevels &others, const LanguageEntry &language,
                    QDate date)
{
    Snapshot snapshot;
    snapshot.date = date;
    snapshot.language = &language;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        snapshot.levels[std::size_t(k - 1)] = levels[k];
    for (int k = kFirstOtherSkill; k <= kSkillCaptionCount; ++k)
        snapshot.levels[std::size_t(k - 1)] = others[k];
    return snapshot;
}

QString dayText(QDate date)
{
    const auto digits = [](int value, int width) { return QString::number(value).rightJustified(width, u'0'); };
    return digits(date.year(), 4) + u'-' + digits(date.month(), 2) + u'-' + digits(date.day(), 2);
}

std::optional<QDate> parseDay(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (int k = 0, part = 0; k < 10; ++k) {
        if (k == 4 || k == 7) {
            ++part;
            continue;
        }
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        parts[part] = parts[part] * 10 + (c - u'0');
    }
    const QDate date(parts[0], parts[1], parts[2]);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

bool isValidSnapshot(const Snapshot &snapshot)
{
    if (!snapshot.date.isValid() || !snapshot.language)
        return false;
    for (int k = 1; k <= kSnapshotLevelCount; ++k) {
        const int level = snapshot.levels[std::size_t(k - 1)];
        const int lowest = k <= kSalarySkillCount ? kLowestLevel : kUnknownLevel;
        if (level < lowest || level > kHighestLevel)
            return false;
    }
    return true;
}

QString cleanedText(QStringView text)
{
#ifdef Q_OS_WASM
    // The page puts every text it hands over in NFC itself (JavaScript's
    // normalize()), sparing its module Unicode's composition tables.
    return text.trimmed().toString();
#else
    return text.trimmed().toString().normalized(QString::NormalizationForm_C);
#endif
}

namespace {

TextProblem checkLine(QStringView text, qsizetype longest)
{
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return TextProblem::NotText;
        else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return TextProblem::ControlCharacter;
    }
    return characters > longest ? TextProblem::TooLong : TextProblem::None;
}

} // namespace

TextProblem checkName(QStringView name)
{
    if (name.trimmed().isEmpty())
        return TextProblem::Empty;
    return checkLine(name, kLongestName);
}

TextProblem checkNote(QStringView note)
{
    return checkLine(note, kLongestNote);
}

TextProblem checkTag(QStringView tag)
{
    if (tag.isEmpty())
        return TextProblem::Empty;
    for (QChar c : tag)
        if (c.isSpace() || c == u',')
            return TextProblem::Space;
    return checkLine(tag, kLongestTag);
}

QStringList splitTags(QStringView text, TextProblem *problem)
{
    QStringList tags;
    TextProblem found = TextProblem::None;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size() && found == TextProblem::None; ++i) {
        if (i < text.size() && !text[i].isSpace() && text[i] != u',')
            continue;
        if (i > start) {
            const QString tag = cleanedText(text.sliced(start, i - start));
            found = checkTag(tag);
            if (found == TextProblem::None)
                joinTags(tags, {tag});
        }
        start = i + 1;
    }
    if (problem)
        *problem = found;
    return found == TextProblem::None ? tags : QStringList();
}

bool hasTag(const QStringList &tags, QStringView tag)
{
    return std::any_of(tags.begin(), tags.end(),
                       [&](const QString &t) { return t.compare(tag, Qt::CaseInsensitive) == 0; });
}

bool joinTags(QStringList &tags, const QStringList &more)
{
    bool added = false;
    for (const QString &tag : more) {
        if (!hasTag(tags, tag)) {
            tags.append(tag);
            added = true;
        }
    }
    return added;
}

const Player *Book::find(QStringView name) const
{
    const auto it = m_index.constFind(name.toString());
    return it == m_index.cend() ? nullptr : &m_players[std::size_t(*it)];
}

qsizetype Book::snapshotCount() const
{
    qsizetype count = 0;
    for (const Player &player : m_players)
        count += qsizetype(player.snapshots.size());
    return count;
}

KeepOutcome Book::keep(const Keep &change)
{
    const QString name = cleanedText(change.name);
    const std::optional<QString> note = change.note ? std::optional(cleanedText(*change.note)) : std::nullopt;
    if (checkName(name) != TextProblem::None || (note && checkNote(*note) != TextProblem::None)
        || !isValidSnapshot(change.snapshot)
        || std::any_of(change.tags.begin(), change.tags.end(),
                       [](const QString &tag) { return checkTag(tag) != TextProblem::None; }))
        return KeepOutcome::Refused;

    const auto found = m_index.constFind(name);
    if (found == m_index.cend()) {
        m_index.insert(name, qsizetype(m_players.size()));
        Player player{name, note.value_or(QString()), {}, {change.snapshot}};
        joinTags(player.tags, change.tags);
        m_players.push_back(std::move(player));
        return KeepOutcome::NewPlayer;
    }
    Player &player = m_players[std::size_t(*found)];
    if (note && !(change.noteFillsEmptyOnly && !player.note.isEmpty()))
        player.note = *note;
    joinTags(player.tags, change.tags);
    auto &snapshots = player.snapshots;
    // Among its day's others, a repeat of one of them is no new reading.
    const auto dayEnd = std::upper_bound(snapshots.begin(), snapshots.end(), change.snapshot.date,
                                         [](QDate date, const Snapshot &s) { return date < s.date; });
    for (auto it = dayEnd; it != snapshots.begin() && (it - 1)->date == change.snapshot.date; --it)
        if ((it - 1)->sameReading(change.snapshot))
            return KeepOutcome::AlreadyKept;
    snapshots.insert(dayEnd, change.snapshot);
    return KeepOutcome::Added;
}

bool Book::setNote(QStringView name, const QString &note)
{
    const QString cleaned = cleanedText(note);
    const auto found = m_index.constFind(name.toString());
    if (found == m_index.cend() || checkNote(cleaned) != TextProblem::None)
        return false;
    m_players[std::size_t(*found)].note = cleaned;
    return true;
}

bool Book::setTags(QStringView name, const QStringList &tags)
{
    const auto found = m_index.constFind(name.toString());
    if (found == m_index.cend()
        || std::any_of(tags.begin(), tags.end(), [](const QString &tag) { return checkTag(tag) != TextProblem::None; }))
        return false;
    QStringList joined;
    joinTags(joined, tags);
    m_players[std::size_t(*found)].tags = joined;
    return true;
}

std::optional<Player> Book::remove(QStringView name)
{
    const auto found = m_index.constFind(name.toString());
    if (found == m_index.cend())
        return std::nullopt;
    const qsizetype place = *found;
    Player removed = std::move(m_players[std::size_t(place)]);
    m_players.erase(m_players.begin() + place);
    m_index.erase(found);
    for (auto it = m_index.begin(); it != m_index.end(); ++it)
        if (*it > place)
            --*it;
    return removed;
}

void Book::restore(Player player)
{
    if (player.snapshots.empty())
        return;
    if (const auto found = m_index.constFind(player.name); found != m_index.cend()) {
        // Kept again since the removal: the two readings together.
        Player &present = m_players[std::size_t(*found)];
        for (const Snapshot &snapshot : player.snapshots)
            keep(Keep{present.name, snapshot, std::nullopt, {}});
        joinTags(present.tags, player.tags);
        return;
    }
    m_index.insert(player.name, qsizetype(m_players.size()));
    m_players.push_back(std::move(player));
}

// --- Views

namespace {

template <typename T>
int threeWay(T x, T y)
{
    return x < y ? -1 : (y < x ? 1 : 0);
}

int compareBy(const LatestRow &a, const LatestRow &b, SortKey key)
{
    switch (key) {
    case SortKey::Name: return 0;
    case SortKey::Salary: return threeWay(a.result.salary, b.result.salary);
    case SortKey::Position:
        if (const int byPosition = threeWay(a.result.position, b.result.position))
            return byPosition;
        return threeWay(b.result.salary, a.result.salary); // the best-paid of a position first
    case SortKey::Change: return threeWay(a.salaryChange, b.salaryChange);
    case SortKey::Date: return threeWay(a.latest->date, b.latest->date);
    }
    return 0;
}

#ifdef Q_OS_WASM
// The page carries no locale database (it would triple the size of its
// module): there names compare case-folded, runs of digits by their value.
class NameOrder
{
public:
    explicit NameOrder(const std::vector<LatestRow> &rows)
    {
        m_keys.reserve(rows.size());
        for (const LatestRow &row : rows)
            m_keys.push_back(row.player->name.toCaseFolded());
    }

    int compare(std::size_t a, std::size_t b) const
    {
        const QString &x = m_keys[a], &y = m_keys[b];
        qsizetype i = 0, j = 0;
        while (i < x.size() && j < y.size()) {
            if (x[i].isDigit() && y[j].isDigit()) {
                const qsizetype iStart = i, jStart = j;
                while (i < x.size() && x[i].isDigit())
                    ++i;
                while (j < y.size() && y[j].isDigit())
                    ++j;
                const QStringView p = trimZeros(QStringView(x).sliced(iStart, i - iStart));
                const QStringView q = trimZeros(QStringView(y).sliced(jStart, j - jStart));
                if (const int by = p.size() != q.size() ? threeWay(p.size(), q.size()) : p.compare(q))
                    return by;
                continue;
            }
            if (x[i] != y[j])
                return threeWay(x[i].unicode(), y[j].unicode());
            ++i, ++j;
        }
        return threeWay(x.size() - i, y.size() - j);
    }

private:
    static QStringView trimZeros(QStringView digits)
    {
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.sliced(1);
        return digits;
    }

    std::vector<QString> m_keys;
};
#else
// Names as the user's language orders them, letter case aside and numbers by
// value ("Player 2" before "Player 10"); each name's key made once, as
// comparing through the collator costs far more. The C locale collates by
// code alone, letter case first; without a language of his own a user still
// expects "bea" between "Ann" and "Carl".
class NameOrder
{
public:
    explicit NameOrder(const std::vector<LatestRow> &rows)
    {
        const QLocale system;
        QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(true);
        m_keys.reserve(rows.size());
        for (const LatestRow &row : rows)
            m_keys.push_back(collator.sortKey(row.player->name));
    }

    int compare(std::size_t a, std::size_t b) const { return m_keys[a].compare(m_keys[b]); }

private:
    std::vector<QCollatorSortKey> m_keys;
};
#endif

} // namespace

void sortRows(std::vector<LatestRow> &rows, SortKey key, SortOrder order)
{
    const NameOrder names(rows);
    std::vector<std::size_t> places(rows.size());
    std::iota(places.begin(), places.end(), std::size_t(0));
    const int sign = order == SortOrder::Ascending ? 1 : -1;
    std::sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
        int by = compareBy(rows[a], rows[b], key);
        if (by == 0)
            by = names.compare(a, b);
        if (by == 0)
            by = QString::compare(rows[a].player->name, rows[b].player->name, Qt::CaseSensitive);
        return sign * by < 0;
    });
    std::vector<LatestRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t place : places)
        sorted.push_back(rows[place]);
    rows = std::move(sorted);
}

std::vector<LatestRow> latestRows(const Book &book, SortKey key, SortOrder order)
{
    std::vector<LatestRow> rows;
    rows.reserve(book.players().size());
    for (const Player &player : book.players()) {
        LatestRow row;
        row.player = &player;
        row.latest = &player.latest();
        row.result = row.latest->result();
        if (player.snapshots.size() > 1) {
            row.previous = &player.snapshots[player.snapshots.size() - 2];
            row.salaryChange = row.result.salary - row.previous->result().salary;
            for (std::size_t k = 0; k < row.levelChange.size(); ++k)
                row.levelChange[k] = qint16(row.latest->levels[k] - row.previous->levels[k]);
        }
        rows.push_back(row);
    }
    sortRows(rows, key, order);
    return rows;
}

std::vector<HistoryRow> history(const Player &player)
{
    std::vector<HistoryRow> rows;
    rows.reserve(player.snapshots.size());
    for (const Snapshot &snapshot : player.snapshots) {
        HistoryRow row{&snapshot, snapshot.result(), 0};
        if (!rows.empty())
            row.salaryChange = row.result.salary - rows.back().result.salary;
        rows.push_back(row);
    }
    return rows;
}

Comparison compare(const Book &book, const QStringList &names)
{
    Comparison comparison;
    if (names.size() < kFewestCompared || names.size() > kMostCompared) {
        comparison.problem = names.size() < kFewestCompared ? CompareProblem::TooFew : CompareProblem::TooMany;
        return comparison;
    }
    std::vector<ComparedPlayer> players;
    for (const QString &asked : names) {
        const QString name = cleanedText(asked);
        const Player *player = book.find(name);
        const bool twice = std::any_of(players.begin(), players.end(),
                                       [&](const ComparedPlayer &p) { return p.player == player; });
        if (!player || twice) {
            comparison.problem = player ? CompareProblem::NameTwice : CompareProblem::UnknownName;
            comparison.name = name;
            return comparison;
        }
        ComparedPlayer compared;
        compared.player = player;
        compared.latest = &player->latest();
        compared.result = compared.latest->result();
        for (int p = 1; p <= kPositionCount; ++p)
            compared.positionSalaries[p] = compared.result.roundedValue(p);
        players.push_back(compared);
    }
    for (ComparedPlayer &compared : players)
        compared.difference = compared.result.salary - players.front().result.salary;
    comparison.players = std::move(players);
    return comparison;
}

} // namespace wagecourt::book
