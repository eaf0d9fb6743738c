#include "book/bookstore.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <atomic>

namespace wagecourt::book {

using namespace Qt::StringLiterals;

namespace {

// "WgBk": tells our book from any other SQLite file.
constexpr qint32 kApplicationId = 0x5767426B;

// migrations[v] brings a book of version v to v + 1; version 0 is a new,
// empty file. A later version appends its step and never changes one here.
// A player's snapshots are one value, written whole at each change: the book
// is read far more often than changed, and one row a player reads ten times
// faster than one a snapshot.
constexpr const char *kMigrations[] = {
    "CREATE TABLE players(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, note TEXT NOT NULL DEFAULT '',"
    " snapshots BLOB NOT NULL);",
    // A player's tags, joined by spaces: a tag holds none.
    "ALTER TABLE players ADD COLUMN tags TEXT NOT NULL DEFAULT '';",
};
constexpr int kSchemaVersion = int(std::size(kMigrations));

constexpr int kMoveAsideLockMilliseconds = 50;
constexpr QByteArrayView kSqliteMagic{"SQLite format 3\0", 16};

std::atomic<int> connectionCount{0};

// SQLite's primary result codes, as Qt's driver gives them.
// Qt binds a null string as NULL; a note is text, empty or not.
QString notNull(const QString &text)
{
    return text.isNull() ? u""_s : text;
}

bool isBusy(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == 5 || code == 6; // SQLITE_BUSY, SQLITE_LOCKED
}

bool isNotABook(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == 26 || code == 11; // SQLITE_NOTADB, SQLITE_CORRUPT
}

StoreResult failure(const QSqlError &error)
{
    return StoreResult{isBusy(error) ? StoreStatus::Busy : StoreStatus::Failed, error.text()};
}

// Each snapshot in 19 bytes, in the player's order: the Julian day (4 bytes,
// least significant first), the language's two-letter code, the thirteen levels.
constexpr qsizetype kSnapshotBytes = 4 + 2 + kSnapshotLevelCount;

QByteArray snapshotBytes(const std::vector<Snapshot> &snapshots)
{
    QByteArray bytes(qsizetype(snapshots.size()) * kSnapshotBytes, Qt::Uninitialized);
    char *to = bytes.data();
    for (const Snapshot &snapshot : snapshots) {
        const auto day = quint32(snapshot.date.toJulianDay());
        for (int shift = 0; shift < 32; shift += 8)
            *to++ = char((day >> shift) & 0xFF);
        const QStringView code = languageCode(*snapshot.language);
        *to++ = char(code[0].unicode());
        *to++ = char(code[1].unicode());
        for (qint16 level : snapshot.levels)
            *to++ = char(level);
    }
    return bytes;
}

// The snapshots that read back, oldest first; unreadable counts the others:
// a record with a language, a level or a day the book does not know, one out
// of date order, and bytes left over that make no whole record.
std::vector<Snapshot> snapshotsOf(const QByteArray &bytes, qsizetype *unreadable = nullptr)
{
    std::vector<Snapshot> snapshots;
    snapshots.reserve(std::size_t(bytes.size() / kSnapshotBytes));
    qsizetype bad = bytes.size() % kSnapshotBytes ? 1 : 0;
    for (qsizetype at = 0; at + kSnapshotBytes <= bytes.size(); at += kSnapshotBytes) {
        const auto *from = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
        Snapshot snapshot;
        const quint32 day = quint32(from[0]) | quint32(from[1]) << 8 | quint32(from[2]) << 16 | quint32(from[3]) << 24;
        snapshot.date = QDate::fromJulianDay(day);
        const char16_t code[2] = {char16_t(from[4]), char16_t(from[5])};
        snapshot.language = findLanguage(QStringView(code, 2), LanguageMatch::Code);
        for (std::size_t k = 0; k < snapshot.levels.size(); ++k)
            snapshot.levels[k] = qint16(from[6 + k]);
        if (isValidSnapshot(snapshot) && (snapshots.empty() || snapshots.back().date <= snapshot.date))
            snapshots.push_back(snapshot);
        else
            ++bad;
    }
    if (unreadable)
        *unreadable = bad;
    return snapshots;
}

QString tagsText(const QStringList &tags)
{
    return notNull(tags.join(u' '));
}

QStringList tagsOf(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}
// The first bytes of the file: an SQLite file's header, which holds the
// schema version (at 60) and the application id (at 68), both big-endian.
struct FileHead
{
    bool exists = false;
    QByteArray bytes;
};

FileHead fileHead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {file.exists(), {}};
    return {true, file.read(100)};
}

qint64 headNumber(const QByteArray &head, qsizetype at)
{
    if (head.size() < at + 4)
        return 0;
    const auto *b = reinterpret_cast<const unsigned char *>(head.constData() + at);
    return qint32(quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]));
}

// Kept as the user made it: the first free name, never over another file.
QString moveAside(const QString &path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString target = path + (n == 1 ? u".bad"_s : u".bad.%1"_s.arg(n));
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::rename(path, target))
            return {};
        // A journal left beside it belongs to it.
        for (const QString &suffix : {u"-wal"_s, u"-journal"_s})
            if (QFileInfo::exists(path + suffix))
                QFile::rename(path + suffix, target + suffix);
        QFile::remove(path + u"-shm"_s);
        return target;
    }
    return {};
}

} // namespace

struct BookStore::Connection
{
    QString name = u"wagecourt-book-%1"_s.arg(connectionCount.fetch_add(1));
    qint64 dataVersion = -1; // at the last load
    bool changedHere = false;

    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }

    ~Connection()
    {
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
};

QString BookStore::defaultPath()
{
    // The window's data folder, whichever program asks: the command line
    // has a name of its own, which would give it a folder of its own.
    const QString ownName = QCoreApplication::applicationName();
    const QString ownOrganization = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(u"Wagecourt"_s);
    QCoreApplication::setOrganizationName(QString());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(ownName);
    QCoreApplication::setOrganizationName(ownOrganization);
    return folder + u"/book.sqlite"_s;
}

int BookStore::schemaVersion()
{
    return kSchemaVersion;
}

BookStore::BookStore(QString path, int busyMilliseconds, ForeignFile foreign)
    : m_path(std::move(path)), m_busyMilliseconds(busyMilliseconds), m_foreign(foreign)
{
}

BookStore::~BookStore() = default;

bool BookStore::isOpen() const
{
    return m_connection != nullptr;
}

namespace {

enum class Found { Book, Empty, Older, NotABook, Later, Busy, Failed };

struct Inspection
{
    Found found = Found::Failed;
    QString detail;
};

std::optional<qint64> pragmaValue(QSqlDatabase &db, const QString &pragma, QSqlError *error)
{
    QSqlQuery query(db);
    if (!query.exec(u"PRAGMA "_s + pragma) || !query.next()) {
        *error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

// What the file's header says, before SQLite opens it for writing: a later
// version's book, or a file that is no SQLite file at all, is left untouched.
std::optional<Found> lookAtHead(const QString &path)
{
    const FileHead head = fileHead(path);
    if (!head.exists || head.bytes.isEmpty())
        return std::nullopt; // a new book, or one SQLite is to say more of
    if (!head.bytes.startsWith(kSqliteMagic))
        return Found::NotABook;
    if (headNumber(head.bytes, 68) == kApplicationId && headNumber(head.bytes, 60) > kSchemaVersion)
        return Found::Later;
    return std::nullopt;
}

Inspection inspect(QSqlDatabase &db)
{
    QSqlError error;
    const auto id = pragmaValue(db, u"application_id"_s, &error);
    const auto version = id ? pragmaValue(db, u"user_version"_s, &error) : std::nullopt;
    const auto objects = version ? pragmaValue(db, u"schema_version"_s, &error) : std::nullopt;
    if (!objects) {
        if (isBusy(error))
            return {Found::Busy, error.text()};
        return {isNotABook(error) ? Found::NotABook : Found::Failed, error.text()};
    }
    // A file SQLite never wrote a table into has schema version 0.
    if (*id == 0 && *version == 0 && *objects == 0)
        return {Found::Empty, {}};
    if (*id != kApplicationId || *version <= 0)
        return {Found::NotABook, {}};
    if (*version > kSchemaVersion)
        return {Found::Later, {}};
    return {*version < kSchemaVersion ? Found::Older : Found::Book, {}};
}

// Brings an empty or older book to this version, all steps in one transaction.
Inspection migrate(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return {isBusy(query.lastError()) ? Found::Busy : Found::Failed, query.lastError().text()};
    // Another program may have done it while this one waited, or a later
    // version of it; that one is left as it is.
    QSqlError error;
    const auto version = pragmaValue(db, u"user_version"_s, &error);
    if (version && *version > kSchemaVersion) {
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return {Found::Later, {}};
    }
    bool done = version.has_value();
    for (qint64 v = version.value_or(0); done && v < kSchemaVersion; ++v)
        for (const QString &statement : QString::fromLatin1(kMigrations[v]).split(u';', Qt::SkipEmptyParts))
            if (!(done = query.exec(statement)))
                error = query.lastError();
    if (done && !(done = query.exec(u"PRAGMA application_id = %1"_s.arg(kApplicationId))
                  && query.exec(u"PRAGMA user_version = %1"_s.arg(kSchemaVersion)) && query.exec(u"COMMIT"_s)))
        error = query.lastError();
    if (!done) {
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return {isBusy(error) ? Found::Busy : Found::Failed, error.text()};
    }
    return {Found::Book, {}};
}

} // namespace

OpenResult BookStore::open()
{
    if (m_connection)
        return {OpenOutcome::Opened, {}, {}};
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return {OpenOutcome::Failed, {}, u"cannot make the folder %1"_s.arg(folder)};

    auto connect = [&] {
        auto connection = std::make_unique<Connection>();
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection->name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(m_busyMilliseconds));
        return connection;
    };
    // The header first: what is not ours to write is never opened for writing.
    auto opened = [&](std::unique_ptr<Connection> &connection, Inspection *seen) {
        if (const std::optional<Found> found = lookAtHead(m_path)) {
            *seen = {*found, {}};
            return;
        }
        connection = connect();
        QSqlDatabase db = connection->database();
        if (!db.open()) {
            *seen = {isBusy(db.lastError()) ? Found::Busy : Found::Failed, db.lastError().text()};
            return;
        }
        *seen = inspect(db);
    };

    OpenResult result{OpenOutcome::Opened, {}, {}};
    std::unique_ptr<Connection> connection;
    Inspection seen;
    opened(connection, &seen);
    if (seen.found == Found::NotABook && m_foreign == ForeignFile::SetAside) {
        connection.reset();
        // Looked at once more under a lock: another program may have set it
        // aside and begun a new book meanwhile, which must stay.
        QLockFile lock(m_path + u".lock"_s);
        lock.setStaleLockTime(1000);
        if (!lock.tryLock(kMoveAsideLockMilliseconds))
            return {OpenOutcome::Busy, {}, u"another program is setting the file aside"_s};
        opened(connection, &seen);
        if (seen.found == Found::NotABook) {
            connection.reset();
            result.movedTo = moveAside(m_path);
            if (result.movedTo.isEmpty())
                return {OpenOutcome::Failed, {}, u"cannot move it aside"_s};
            result.outcome = OpenOutcome::MovedAside;
            opened(connection, &seen);
        }
    }
    if (seen.found == Found::Empty || seen.found == Found::Older) {
        QSqlDatabase db = connection->database();
        QSqlQuery(db).exec(u"PRAGMA journal_mode = WAL"_s);
        seen = migrate(db);
    }
    if (seen.found != Found::Book) {
        const OpenOutcome outcome = seen.found == Found::Busy       ? OpenOutcome::Busy
                                  : seen.found == Found::Later    ? OpenOutcome::LaterVersion
                                  : seen.found == Found::NotABook ? OpenOutcome::NotABook
                                                                  : OpenOutcome::Failed;
        return {outcome, result.movedTo, seen.detail};
    }
    QSqlDatabase db = connection->database();
    QSqlQuery query(db);
    // Survives a killed program whole; only a power cut may lose the last changes.
    query.exec(u"PRAGMA synchronous = NORMAL"_s);
    m_connection = std::move(connection);
    return result;
}

namespace {

// One transaction's keeps: each player touched is read once, changed in
// memory by the book's own rules, and written back once at the end.
class Keeper
{
public:
    explicit Keeper(QSqlDatabase db) : m_find(db), m_add(db), m_update(db)
    {
        m_find.prepare(u"SELECT id, note, tags, snapshots FROM players WHERE name = ?"_s);
        m_add.prepare(u"INSERT INTO players(name, note, tags, snapshots) VALUES(?, ?, ?, ?)"_s);
        m_update.prepare(u"UPDATE players SET note = ?, tags = ?, snapshots = ? WHERE id = ?"_s);
    }

    // False when a statement failed; the transaction is then to be rolled back.
    bool keep(const Keep &change, KeepOutcome *outcome)
    {
        const QString name = cleanedText(change.name);
        if (!m_seen.contains(name) && checkName(name) == TextProblem::None) {
            m_seen.insert(name);
            m_find.addBindValue(name);
            if (!m_find.exec())
                return fail(m_find);
            if (m_find.next()) {
                qsizetype unreadable = 0;
                Player player{name, m_find.value(1).toString(), tagsOf(m_find.value(2).toString()),
                              snapshotsOf(m_find.value(3).toByteArray(), &unreadable)};
                if (unreadable > 0)
                    m_damaged.insert(name); // rewritten, what could not be read would be lost
                else
                    m_ids.insert(name, m_find.value(0).toLongLong());
                m_book.restore(std::move(player));
            }
            m_find.finish();
        }
        *outcome = m_damaged.contains(name) ? KeepOutcome::Refused : m_book.keep(change);
        if (*outcome != KeepOutcome::Refused)
            m_touched.insert(name);
        return true;
    }

    bool write()
    {
        for (const QString &name : std::as_const(m_touched)) {
            const Player &player = *m_book.find(name);
            const auto id = m_ids.constFind(name);
            QSqlQuery &query = id == m_ids.cend() ? m_add : m_update;
            if (id == m_ids.cend())
                query.addBindValue(name);
            query.addBindValue(notNull(player.note));
            query.addBindValue(tagsText(player.tags));
            query.addBindValue(snapshotBytes(player.snapshots));
            if (id != m_ids.cend())
                query.addBindValue(*id);
            if (!query.exec())
                return fail(query);
        }
        return true;
    }

    const QSqlError &error() const { return m_error; }

private:
    bool fail(const QSqlQuery &query)
    {
        m_error = query.lastError();
        return false;
    }

    QSqlQuery m_find, m_add, m_update;
    Book m_book;                  // the players touched, as they are to be written
    QHash<QString, qint64> m_ids; // of those already in the file
    QSet<QString> m_seen, m_touched, m_damaged;
    QSqlError m_error;
};

// Runs work inside one write transaction; work returns false after a failed
// statement, whose error it leaves in *error.
template <typename Work>
StoreResult inTransaction(QSqlDatabase db, Work work)
{
    QSqlQuery query(db);
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return failure(query.lastError());
    QSqlError error;
    if (!work(&error)) {
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return failure(error);
    }
    if (!query.exec(u"COMMIT"_s)) {
        const StoreResult failed = failure(query.lastError());
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return failed;
    }
    return {};
}

const StoreResult kNotOpen{StoreStatus::Failed, u"the book is not open"_s};

} // namespace

StoreResult BookStore::keep(const Keep &change, KeepOutcome *outcome)
{
    std::vector<KeepOutcome> outcomes;
    const StoreResult result = keepAll({change}, &outcomes);
    if (outcome)
        *outcome = outcomes.empty() ? KeepOutcome::Refused : outcomes.front();
    return result;
}

StoreResult BookStore::keepAll(const std::vector<Keep> &changes, KeepCounts *counts)
{
    std::vector<KeepOutcome> outcomes;
    const StoreResult result = keepAll(changes, &outcomes);
    if (counts) {
        *counts = {};
        for (KeepOutcome outcome : outcomes)
            counts->count(outcome);
    }
    return result;
}

StoreResult BookStore::keepAll(const std::vector<Keep> &changes, std::vector<KeepOutcome> *outcomes)
{
    if (!m_connection)
        return kNotOpen;
    std::vector<KeepOutcome> made;
    made.reserve(changes.size());
    const StoreResult result = inTransaction(m_connection->database(), [&](QSqlError *error) {
        Keeper keeper(m_connection->database());
        for (const Keep &change : changes) {
            KeepOutcome outcome = KeepOutcome::Refused;
            if (!keeper.keep(change, &outcome)) {
                *error = keeper.error();
                return false;
            }
            made.push_back(outcome);
        }
        if (!keeper.write()) {
            *error = keeper.error();
            return false;
        }
        return true;
    });
    if (result.ok()) {
        m_connection->changedHere = true;
        if (outcomes)
            *outcomes = std::move(made);
    }
    return result;
}

namespace {

// One statement on one player's row, in a transaction of its own; how many
// rows it changed.
StoreResult updatePlayer(QSqlDatabase db, const QString &statement, const QVariantList &values, qsizetype *changed)
{
    return inTransaction(db, [&](QSqlError *error) {
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
        *changed = query.numRowsAffected();
        return true;
    });
}

} // namespace

StoreResult BookStore::setNote(QStringView name, const QString &note, bool *found)
{
    if (!m_connection)
        return kNotOpen;
    const QString cleaned = cleanedText(note);
    qsizetype changed = 0;
    StoreResult result;
    if (checkNote(cleaned) == TextProblem::None)
        result = updatePlayer(m_connection->database(), u"UPDATE players SET note = ? WHERE name = ?"_s,
                              {notNull(cleaned), cleanedText(name)}, &changed);
    if (result.ok() && changed > 0)
        m_connection->changedHere = true;
    if (found)
        *found = changed > 0;
    return result;
}

StoreResult BookStore::setTags(QStringView name, const QStringList &tags, bool *found)
{
    if (!m_connection)
        return kNotOpen;
    QStringList joined;
    joinTags(joined, tags);
    const bool good = std::all_of(joined.begin(), joined.end(),
                                  [](const QString &tag) { return checkTag(tag) == TextProblem::None; });
    qsizetype changed = 0;
    StoreResult result;
    if (good)
        result = updatePlayer(m_connection->database(), u"UPDATE players SET tags = ? WHERE name = ?"_s,
                              {tagsText(joined), cleanedText(name)}, &changed);
    if (result.ok() && changed > 0)
        m_connection->changedHere = true;
    if (found)
        *found = changed > 0;
    return result;
}

StoreResult BookStore::remove(QStringView name, bool *found)
{
    std::optional<Player> removed;
    const StoreResult result = remove(name, &removed);
    if (found)
        *found = removed.has_value();
    return result;
}

StoreResult BookStore::remove(QStringView name, std::optional<Player> *removed)
{
    if (!m_connection)
        return kNotOpen;
    std::optional<Player> player;
    const StoreResult result = inTransaction(m_connection->database(), [&](QSqlError *error) {
        QSqlQuery query(m_connection->database());
        query.prepare(u"DELETE FROM players WHERE name = ? RETURNING note, tags, snapshots"_s);
        query.addBindValue(cleanedText(name));
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
        if (query.next())
            player = Player{cleanedText(name), query.value(0).toString(), tagsOf(query.value(1).toString()),
                            snapshotsOf(query.value(2).toByteArray())};
        return true;
    });
    if (result.ok() && player)
        m_connection->changedHere = true;
    if (removed)
        *removed = result.ok() ? std::move(player) : std::nullopt;
    return result;
}

StoreResult BookStore::restore(const Player &player)
{
    std::vector<Keep> keeps;
    keeps.reserve(player.snapshots.size());
    for (const Snapshot &snapshot : player.snapshots)
        keeps.push_back(Keep{player.name, snapshot, player.note, player.tags});
    return keepAll(keeps);
}

std::optional<Player> BookStore::player(QStringView name, StoreResult *result)
{
    return loadPlayer(name, result);
}

std::optional<Book> BookStore::load(StoreResult *result)
{
    StoreResult ignored;
    StoreResult &outcome = result ? *result : ignored;
    if (!m_connection) {
        outcome = kNotOpen;
        return std::nullopt;
    }
    QSqlDatabase db = m_connection->database();
    // One read transaction, so the version read is that of the rows read.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(u"BEGIN"_s)) {
        outcome = failure(query.lastError());
        return std::nullopt;
    }
    QSqlError error;
    const auto dataVersion = pragmaValue(db, u"data_version"_s, &error);
    Book book;
    if (dataVersion && query.exec(u"SELECT name, note, tags, snapshots FROM players ORDER BY id"_s)) {
        while (query.next()) {
            qsizetype unreadable = 0;
            const QString name = query.value(0).toString();
            book.restore(Player{name, query.value(1).toString(), tagsOf(query.value(2).toString()),
                                snapshotsOf(query.value(3).toByteArray(), &unreadable)});
            if (unreadable > 0)
                book.addUnreadable({name, unreadable});
        }
    }
    if (!dataVersion || query.lastError().isValid()) {
        outcome = failure(dataVersion ? query.lastError() : error);
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return std::nullopt;
    }
    QSqlQuery(db).exec(u"COMMIT"_s);
    m_connection->dataVersion = *dataVersion;
    m_connection->changedHere = false;
    outcome = {};
    return book;
}

std::optional<Player> BookStore::loadPlayer(QStringView name, StoreResult *result, qsizetype *unreadable)
{
    StoreResult ignored;
    StoreResult &outcome = result ? *result : ignored;
    qsizetype ignoredCount = 0;
    qsizetype &bad = unreadable ? *unreadable : ignoredCount;
    bad = 0;
    if (!m_connection) {
        outcome = kNotOpen;
        return std::nullopt;
    }
    QSqlQuery query(m_connection->database());
    query.prepare(u"SELECT name, note, tags, snapshots FROM players WHERE name = ?"_s);
    query.addBindValue(cleanedText(name));
    if (!query.exec()) {
        outcome = failure(query.lastError());
        return std::nullopt;
    }
    outcome = {};
    if (!query.next())
        return std::nullopt;
    Player player{query.value(0).toString(), query.value(1).toString(), tagsOf(query.value(2).toString()),
                  snapshotsOf(query.value(3).toByteArray(), &bad)};
    if (player.snapshots.empty())
        return std::nullopt;
    return player;
}

bool BookStore::changedSinceLoad()
{
    if (!m_connection)
        return false;
    if (m_connection->changedHere || m_connection->dataVersion < 0)
        return true;
    QSqlDatabase db = m_connection->database();
    QSqlError error;
    const auto version = pragmaValue(db, u"data_version"_s, &error);
    return !version || *version != m_connection->dataVersion;
}

} // namespace wagecourt::book
