#include "book/exchange.h"

#include "catalogue/catalogue.h"
#include "format/writers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>

namespace wagecourt::book {

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
// Far beyond any snapshot's line; what is longer is not one.
constexpr qsizetype kLongestLine = 64 * 1024;

constexpr QByteArrayView kHeader = "name,date,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,"
                                   "inside_def,rebounding,shot_blocking,stamina,free_throw,experience,salary,position,"
                                   "position_name,note,tags";
// The columns before tags came, which a file of an older version has.
constexpr QByteArrayView kHeaderWithoutTags = kHeader.chopped(5);
constexpr qsizetype kFieldCount = 20;
constexpr qsizetype kBatchFieldCount = 14;

void appendNumber(QByteArray &out, long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
}

// As Qt::ISODate writes a day, without a string on the way: a book is
// written a hundred thousand days at a time.
void appendDay(QByteArray &out, QDate date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1 || year > 9999) {
        out += dayText(date).toLatin1();
        return;
    }
    const char text[10] = {char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
                           char('0' + year % 10), '-', char('0' + month / 10), char('0' + month % 10), '-',
                           char('0' + day / 10), char('0' + day % 10)};
    out.append(text, sizeof text);
}

// The fields that repeat, each made once: every position's name in every
// language, and the player's own name and note.
class Fields
{
public:
    explicit Fields(ExchangeForm form) : m_form(form)
    {
        for (std::size_t l = 0; l < languages().size(); ++l) {
            m_language[l] = text(languages()[l].name.toString());
            for (int p = 1; p <= kPositionCount; ++p)
                m_position[l][std::size_t(p - 1)] = text(languages()[l].positionName(p));
        }
    }

    QByteArray text(const QString &value) const
    {
        QByteArray field;
        if (m_form == ExchangeForm::Csv)
            format::appendCsvField(field, value.toUtf8());
        else
            format::appendJsonString(field, value.toUtf8());
        return field;
    }
    // In CSV one field of the tags joined by spaces; in JSON an array of strings.
    QByteArray tags(const QStringList &tags) const
    {
        if (m_form == ExchangeForm::Csv)
            return text(tags.join(u' '));
        QByteArray array = "[";
        for (const QString &tag : tags) {
            if (array.size() > 1)
                array += ',';
            format::appendJsonString(array, tag.toUtf8());
        }
        return array + ']';
    }
    const QByteArray &language(const LanguageEntry &entry) const { return m_language[index(entry)]; }
    const QByteArray &position(const LanguageEntry &entry, int p) const
    {
        return m_position[index(entry)][std::size_t(p - 1)];
    }

private:
    static std::size_t index(const LanguageEntry &entry) { return std::size_t(&entry - languages().data()); }

    ExchangeForm m_form;
    std::array<QByteArray, kLanguageCount> m_language;
    std::array<std::array<QByteArray, kPositionCount>, kLanguageCount> m_position;
};

void appendLevels(QByteArray &out, const SnapshotLevels &levels)
{
    char text[kSnapshotLevelCount * 3];
    char *to = text;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        if (k > 0)
            *to++ = ',';
        to = std::to_chars(to, text + sizeof text, levels[k]).ptr;
    }
    out.append(text, to - text);
}

void appendCsvRow(QByteArray &out, const Fields &fields, const QByteArray &name, const QByteArray &note,
                  const QByteArray &tags, const Snapshot &snapshot)
{
    const SalaryResult result = snapshot.result();
    out += name;
    out += ',';
    appendDay(out, snapshot.date);
    out += ',';
    appendLevels(out, snapshot.levels);
    out += ',';
    appendNumber(out, result.salary);
    out += ',';
    appendNumber(out, result.position);
    out += ',';
    out += fields.position(*snapshot.language, result.position);
    out += ',';
    out += note;
    out += ',';
    out += tags;
    out += '\n';
}

void appendJsonRow(QByteArray &out, const Fields &fields, const QByteArray &name, const QByteArray &note,
                   const QByteArray &tags, const Snapshot &snapshot)
{
    const SalaryResult result = snapshot.result();
    out += "{\"name\":";
    out += name;
    out += ",\"date\":\"";
    appendDay(out, snapshot.date);
    out += "\",\"note\":";
    out += note;
    out += ",\"tags\":";
    out += tags;
    out += ",\"language\":";
    out += fields.language(*snapshot.language);
    out += ",\"levels\":[";
    appendLevels(out, snapshot.levels);
    out += "],\"salary\":";
    appendNumber(out, result.salary);
    out += ",\"position\":";
    appendNumber(out, result.position);
    out += ",\"position_name\":";
    out += fields.position(*snapshot.language, result.position);
    out += '}';
}

std::vector<const Player *> byName(const Book &book)
{
    std::vector<const Player *> players;
    players.reserve(book.players().size());
    for (const Player &player : book.players())
        players.push_back(&player);
    std::sort(players.begin(), players.end(), [](const Player *a, const Player *b) { return a->name < b->name; });
    return players;
}

} // namespace

ExchangeForm exchangeFormOf(QStringView fileName)
{
    for (QStringView suffix : {u".jsonl", u".ndjson", u".json"})
        if (fileName.endsWith(suffix, Qt::CaseInsensitive))
            return ExchangeForm::JsonLines;
    return ExchangeForm::Csv;
}

void appendJsonSnapshot(QByteArray &out, const Player &player, const Snapshot &snapshot)
{
    static const Fields fields(ExchangeForm::JsonLines);
    appendJsonRow(out, fields, fields.text(player.name), fields.text(player.note), fields.tags(player.tags), snapshot);
}

QByteArray exportBook(const Book &book, ExchangeForm form)
{
    const Fields fields(form);
    QByteArray out;
    out.reserve(book.snapshotCount() * 96 + kHeader.size() + 1);
    if (form == ExchangeForm::Csv) {
        out += kHeader;
        out += '\n';
    }
    for (const Player *player : byName(book)) {
        const QByteArray name = fields.text(player->name);
        const QByteArray note = fields.text(player->note);
        const QByteArray tags = fields.tags(player->tags);
        for (const Snapshot &snapshot : player->snapshots) {
            if (form == ExchangeForm::Csv) {
                appendCsvRow(out, fields, name, note, tags, snapshot);
            } else {
                appendJsonRow(out, fields, name, note, tags, snapshot);
                out += '\n';
            }
        }
    }
    return out;
}

// --- Reading

namespace {

// The forms of CSV a file may have: the book's own, the book's before tags
// came, and a batch's; each separated by commas, or by semicolons as the
// spreadsheets of languages that write a decimal comma save it.
enum class Columns { Unknown, Ours, OursWithoutTags, Batch };

struct CsvForm
{
    Columns columns = Columns::Unknown;
    char separator = ',';
};

CsvForm csvFormOf(QByteArrayView header, char separator)
{
    const auto is = [&](QByteArrayView columns) {
        if (header.size() != columns.size())
            return false;
        for (qsizetype i = 0; i < columns.size(); ++i)
            if (header[i] != (columns[i] == ',' ? separator : columns[i]))
                return false;
        return true;
    };
    const Columns columns = is(kHeader)                   ? Columns::Ours
                          : is(kHeaderWithoutTags)        ? Columns::OursWithoutTags
                          : is(format::kBatchCsvHeader)   ? Columns::Batch
                                                          : Columns::Unknown;
    return {columns, separator};
}

// A spreadsheet's first line naming the separator, as it writes one: sep=;
std::optional<char> separatorLine(QByteArrayView line)
{
    if (line.startsWith('"') && line.endsWith('"') && line.size() >= 2)
        line = line.sliced(1, line.size() - 2);
    if (line.size() == 5 && line.startsWith("sep=") && (line[4] == ';' || line[4] == ',' || line[4] == '\t'))
        return line[4];
    return std::nullopt;
}

struct LineReader
{
    ExchangeRead read;
    qint64 line = 0;

    void fail(RowProblem problem, QString detail = {}, QString column = {}, TextProblem text = TextProblem::None)
    {
        read.errors.push_back(RowError{line, problem, text, std::move(column), std::move(detail)});
    }
    void take(Keep keep)
    {
        read.keeps.push_back(std::move(keep));
        read.lines.push_back(line);
    }
};

std::optional<QString> utf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Fields of one CSV line; none when a quote is left open.
std::optional<std::vector<QByteArray>> csvFields(QByteArrayView line, char separator)
{
    std::vector<QByteArray> fields;
    qsizetype i = 0;
    for (;;) {
        QByteArray field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                const qsizetype quote = line.indexOf('"', i);
                if (quote < 0)
                    return std::nullopt;
                field += line.sliced(i, quote - i);
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field += '"';
                    ++i;
                } else {
                    break;
                }
            }
            // Whatever stands between the closing quote and the separator belongs to the field.
            const qsizetype end = line.indexOf(separator, i);
            field += line.sliced(i, (end < 0 ? line.size() : end) - i);
            i = end < 0 ? line.size() : end;
        } else {
            const qsizetype end = line.indexOf(separator, i);
            field = line.sliced(i, (end < 0 ? line.size() : end) - i).toByteArray();
            i = end < 0 ? line.size() : end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            return fields;
        ++i; // the separator
    }
}

std::optional<int> wholeNumber(QByteArrayView text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.isEmpty())
        return std::nullopt;
    return value;
}

bool levelFits(int skill, int level) // skill from 1
{
    return level >= (skill <= kSalarySkillCount ? kLowestLevel : kUnknownLevel) && level <= kHighestLevel;
}

// The CSV carries no language of its own: the position name tells it, in
// list order where two languages share one.
const LanguageEntry &languageOfPositionName(QStringView name)
{
    for (const LanguageEntry &language : languages())
        for (QStringView position : language.positionNames)
            if (position == name)
                return language;
    return languages().front();
}

// The name and the note as a keep takes them, or the reason not.
bool takeName(LineReader &reader, Keep &keep, QStringView name)
{
    keep.name = cleanedText(name);
    const TextProblem problem = checkName(keep.name);
    if (problem != TextProblem::None)
        reader.fail(RowProblem::BadName, keep.name.left(kLongestName), {}, problem);
    return problem == TextProblem::None;
}

// An empty note leaves the one in the book: an import only ever adds.
bool takeNote(LineReader &reader, Keep &keep, QStringView note)
{
    const QString cleaned = cleanedText(note);
    const TextProblem problem = checkNote(cleaned);
    if (problem != TextProblem::None)
        reader.fail(RowProblem::BadNote, {}, {}, problem);
    else if (!cleaned.isEmpty())
        keep.note = cleaned;
    return problem == TextProblem::None;
}

// Tags join the player's: an import only ever adds.
bool takeTags(LineReader &reader, Keep &keep, const QStringList &tags)
{
    for (const QString &tag : tags) {
        const QString cleaned = cleanedText(tag);
        if (const TextProblem problem = checkTag(cleaned); problem != TextProblem::None) {
            reader.fail(RowProblem::BadTag, cleaned.left(kLongestTag), {}, problem);
            return false;
        }
        joinTags(keep.tags, {cleaned});
    }
    return true;
}

void readCsvLine(LineReader &reader, QByteArrayView line, CsvForm form, QDate today)
{
    const auto fields = csvFields(line, form.separator);
    if (!fields)
        return reader.fail(RowProblem::UnclosedQuote);
    const bool batch = form.columns == Columns::Batch;
    const bool tagged = form.columns == Columns::Ours;
    const qsizetype wanted = batch ? kBatchFieldCount : tagged ? kFieldCount : kFieldCount - 1;
    if (qsizetype(fields->size()) != wanted)
        return reader.fail(RowProblem::FieldCount, QString::number(fields->size()));
    // The position's name stands before the note and the tags, or last in a batch's line.
    const std::size_t positionField = std::size_t(batch ? wanted - 1 : 17);
    const std::optional<QString> name = utf8((*fields)[0]);
    const std::optional<QString> positionName = utf8((*fields)[positionField]);
    const std::optional<QString> note = batch ? std::optional(QString()) : utf8((*fields)[18]);
    const std::optional<QString> tags = tagged ? utf8((*fields)[19]) : std::optional(QString());
    if (!name || !positionName || !note || !tags)
        return reader.fail(RowProblem::NotUtf8);

    Keep keep;
    if (!takeName(reader, keep, *name) || (!batch && !takeNote(reader, keep, *note))
        || !takeTags(reader, keep, tags->split(u' ', Qt::SkipEmptyParts)))
        return;
    if (batch) {
        keep.snapshot.date = today;
    } else if (const auto date = parseDay(QString::fromLatin1((*fields)[1]))) {
        keep.snapshot.date = *date;
    } else {
        return reader.fail(RowProblem::BadDate, QString::fromUtf8((*fields)[1]));
    }
    const int first = batch ? 1 : 2;
    const int count = batch ? kSalarySkillCount : kSnapshotLevelCount;
    for (int k = 1; k <= count; ++k) {
        const QByteArray &field = (*fields)[std::size_t(first + k - 1)];
        const std::optional<int> level = wholeNumber(field);
        if (!level || !levelFits(k, *level))
            return reader.fail(RowProblem::BadLevel, QString::fromUtf8(field),
                               QString::fromLatin1(format::kLevelColumns[std::size_t(k - 1)]));
        keep.snapshot.levels[std::size_t(k - 1)] = qint16(*level);
    }
    keep.snapshot.language = &languageOfPositionName(*positionName);
    reader.take(std::move(keep));
}

void readJsonLine(LineReader &reader, QByteArrayView line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (!document.isObject())
        return reader.fail(RowProblem::NotAnObject, error.error == QJsonParseError::NoError ? QString() : error.errorString());
    const QJsonObject object = document.object();
    for (QLatin1StringView key : {"name"_L1, "date"_L1, "language"_L1, "levels"_L1})
        if (!object.contains(key))
            return reader.fail(RowProblem::MissingKey, key);

    Keep keep;
    if (!object.value("name"_L1).isString())
        return reader.fail(RowProblem::BadName, {}, {}, TextProblem::Empty);
    if (!takeName(reader, keep, object.value("name"_L1).toString()))
        return;
    if (object.contains("note"_L1) && !takeNote(reader, keep, object.value("note"_L1).toString()))
        return;
    if (object.contains("tags"_L1)) {
        QStringList tags;
        for (const QJsonValue tag : object.value("tags"_L1).toArray())
            tags << (tag.isString() ? tag.toString() : QString());
        if (!object.value("tags"_L1).isArray())
            tags << QString();
        if (!takeTags(reader, keep, tags))
            return;
    }
    const QJsonValue date = object.value("date"_L1);
    const auto day = parseDay(date.toString());
    if (!day)
        return reader.fail(RowProblem::BadDate, date.isString() ? date.toString() : QString());
    keep.snapshot.date = *day;
    keep.snapshot.language = findLanguage(object.value("language"_L1).toString(), LanguageMatch::NameOrCode);
    if (!keep.snapshot.language)
        return reader.fail(RowProblem::BadLanguage, object.value("language"_L1).toString());
    const QJsonArray levels = object.value("levels"_L1).toArray();
    // Ten levels alone are a list without its last three skills.
    if (levels.size() != kSnapshotLevelCount && levels.size() != kSalarySkillCount)
        return reader.fail(RowProblem::FieldCount, QString::number(levels.size()), u"levels"_s);
    for (int k = 1; k <= levels.size(); ++k) {
        const QJsonValue value = levels[k - 1];
        const double level = value.toDouble(-1);
        if (!value.isDouble() || level != int(level) || !levelFits(k, int(level)))
            return reader.fail(RowProblem::BadLevel,
                               value.isDouble() ? QString::number(level) : QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1),
                               QString::fromLatin1(format::kLevelColumns[std::size_t(k - 1)]));
        keep.snapshot.levels[std::size_t(k - 1)] = qint16(level);
    }
    reader.take(std::move(keep));
}

} // namespace

ExchangeRead readExchange(QByteArrayView bytes, QDate today)
{
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    const QByteArrayView start = bytes.trimmed();
    const bool json = start.startsWith('{');
    CsvForm form;
    std::optional<char> separator;

    LineReader reader;
    reader.read.keeps.reserve(std::size_t(bytes.count('\n') + 1));
    reader.read.lines.reserve(reader.read.keeps.capacity());
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(at, end - at);
        at = end + 1;
        ++reader.line;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > kLongestLine) {
            reader.fail(RowProblem::LineTooLong);
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (json) {
            readJsonLine(reader, line);
        } else if (form.columns == Columns::Unknown) {
            if (!separator && (separator = separatorLine(line)))
                continue;
            // Without a line naming it, the header tells the separator.
            form = csvFormOf(line, separator.value_or(','));
            if (form.columns == Columns::Unknown && !separator)
                form = csvFormOf(line, ';');
            if (form.columns == Columns::Unknown) {
                reader.fail(RowProblem::NoHeader);
                break; // without the columns no line can be read
            }
        } else {
            readCsvLine(reader, line, form, today);
        }
    }
    return std::move(reader.read);
}

} // namespace wagecourt::book
