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

const LanguageEntry *languageOfCode(char first, char second)
{
    for (const LanguageEntry &language : languages()) {
        const QStringView code = languageCode(language);
        if (code[0] == QLatin1Char(first) && code[1] == QLatin1Char(second))
            return &language;
    }
    return nullptr;
}

// What another program wrote wrongly is left out rather than shown wrong.
std::vector<Snapshot> snapshotsOf(const QByteArray &bytes)
{
    std::vector<Snapshot> snapshots;
    snapshots.reserve(std::size_t(bytes.size() / kSnapshotBytes));
    for (qsizetype at = 0; at + kSnapshotBytes <= bytes.size(); at += kSnapshotBytes) {
        const auto *from = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
        Snapshot snapshot;
        const quint32 day = quint32(from[0]) | quint32(from[1]) << 8 | quint32(from[2]) << 16 | quint32(from[3]) << 24;
        snapshot.date = QDate::fromJulianDay(day);
        snapshot.language = languageOfCode(char(from[4]), char(from[5]));
        for (std::size_t k = 0; k < snapshot.levels.size(); ++k)
            snapshot.levels[k] = qint16(from[6 + k]);
        if (isValidSnapshot(snapshot) && (snapshots.empty() || snapshots.back().date <= snapshot.date))
            snapshots.push_back(snapshot);
    }
    return snapshots;
}

// Whether the first bytes could begin an SQLite file at all; an empty file is a new one.
bool mayBeSqlite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // let SQLite say why
    const QByteArray head = file.read(kSqliteMagic.size());
    return head.isEmpty() || head == kSqliteMagic;
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

BookStore::BookStore(QString path, int busyMilliseconds) : m_path(std::move(path)), m_busyMilliseconds(busyMilliseconds)
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
    int version = 0;
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

Inspection inspect(QSqlDatabase &db, const QString &path)
{
    if (!mayBeSqlite(path))
        return {Found::NotABook, 0, {}};
    QSqlError error;
    const auto id = pragmaValue(db, u"application_id"_s, &error);
    const auto version = id ? pragmaValue(db, u"user_version"_s, &error) : std::nullopt;
    const auto objects = version ? pragmaValue(db, u"schema_version"_s, &error) : std::nullopt;
    if (!objects) {
        if (isBusy(error))
            return {Found::Busy, 0, error.text()};
        return {isNotABook(error) ? Found::NotABook : Found::Failed, 0, error.text()};
    }
    // A file SQLite never wrote a table into has schema version 0.
    if (*id == 0 && *version == 0 && *objects == 0)
        return {Found::Empty, 0, {}};
    if (*id != kApplicationId || *version <= 0)
        return {Found::NotABook, 0, {}};
    if (*version > kSchemaVersion)
        return {Found::Later, int(*version), {}};
    return {*version < kSchemaVersion ? Found::Older : Found::Book, int(*version), {}};
}

// Brings an empty or older book to this version, all steps in one transaction.
Inspection migrate(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return {isBusy(query.lastError()) ? Found::Busy : Found::Failed, 0, query.lastError().text()};
    // Another program may have done it while this one waited.
    QSqlError error;
    const auto version = pragmaValue(db, u"user_version"_s, &error);
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
        return {isBusy(error) ? Found::Busy : Found::Failed, 0, error.text()};
    }
    return {Found::Book, kSchemaVersion, {}};
}

} // namespace

OpenResult BookStore::open()
{
    if (m_connection)
        return {OpenOutcome::Opened, {}, false, {}};
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return {OpenOutcome::Failed, {}, false, u"cannot make the folder %1"_s.arg(folder)};

    auto connect = [&] {
        auto connection = std::make_unique<Connection>();
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection->name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(m_busyMilliseconds));
        return connection;
    };
    auto opened = [&](Connection &connection, Inspection *seen) {
        QSqlDatabase db = connection.database();
        if (!db.open()) {
            *seen = {isBusy(db.lastError()) ? Found::Busy : Found::Failed, 0, db.lastError().text()};
            return;
        }
        *seen = inspect(db, m_path);
    };

    OpenResult result{OpenOutcome::Opened, {}, false, {}};
    auto connection = connect();
    Inspection seen;
    opened(*connection, &seen);
    if (seen.found == Found::NotABook || seen.found == Found::Later) {
        connection.reset();
        // Looked at once more under a lock: another program may have set it
        // aside and begun a new book meanwhile, which must stay.
        QLockFile lock(m_path + u".lock"_s);
        lock.setStaleLockTime(1000);
        if (!lock.tryLock(kMoveAsideLockMilliseconds))
            return {OpenOutcome::Busy, {}, false, u"another program is setting the file aside"_s};
        connection = connect();
        opened(*connection, &seen);
        if (seen.found == Found::NotABook || seen.found == Found::Later) {
            connection.reset();
            result.laterVersion = seen.found == Found::Later;
            result.movedTo = moveAside(m_path);
            if (result.movedTo.isEmpty())
                return {OpenOutcome::Failed, {}, false, u"cannot move it aside"_s};
            result.outcome = OpenOutcome::MovedAside;
            connection = connect();
            opened(*connection, &seen);
        }
    }
    if (seen.found == Found::Empty || seen.found == Found::Older) {
        QSqlDatabase db = connection->database();
        QSqlQuery(db).exec(u"PRAGMA journal_mode = WAL"_s);
        seen = migrate(db);
    }
    if (seen.found != Found::Book) {
        const OpenOutcome outcome = seen.found == Found::Busy ? OpenOutcome::Busy : OpenOutcome::Failed;
        return {outcome, result.movedTo, result.laterVersion, seen.detail};
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
        m_find.prepare(u"SELECT id, note, snapshots FROM players WHERE name = ?"_s);
        m_add.prepare(u"INSERT INTO players(name, note, snapshots) VALUES(?, ?, ?)"_s);
        m_update.prepare(u"UPDATE players SET note = ?, snapshots = ? WHERE id = ?"_s);
    }

    // False when a statement failed; the transaction is then to be rolled back.
    bool keep(const Keep &change, KeepOutcome *outcome)
    {
        const QString name = cleanedText(change.name);
        if (!m_touched.contains(name) && checkName(name) == TextProblem::None) {
            m_find.addBindValue(name);
            if (!m_find.exec())
                return fail(m_find);
            if (m_find.next()) {
                m_ids.insert(name, m_find.value(0).toLongLong());
                m_book.restore(Player{name, m_find.value(1).toString(), {}, snapshotsOf(m_find.value(2).toByteArray())});
            }
            m_find.finish();
        }
        *outcome = m_book.keep(change);
        if (*outcome != KeepOutcome::Refused)
            m_touched.insert(name);
        if (*outcome == KeepOutcome::NewPlayer && m_ids.contains(name))
            *outcome = KeepOutcome::Added; // kept before, though his snapshots were all unreadable
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
    Book m_book;                 // the players touched, as they are to be written
    QHash<QString, qint64> m_ids; // of those already in the file
    QSet<QString> m_touched;
    QSqlError m_error;
};

} // namespace

// Runs work inside one write transaction; work returns false after a failed
// statement, whose error it leaves in *error.
template <typename Work>
static StoreResult inTransaction(QSqlDatabase db, Work work)
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

StoreResult BookStore::keep(const Keep &change, KeepOutcome *outcome)
{
    KeepCounts counts;
    const StoreResult result = keepAll({change}, &counts);
    if (outcome) {
        *outcome = counts.newPlayers ? KeepOutcome::NewPlayer
                 : counts.added      ? KeepOutcome::Added
                 : counts.refused    ? KeepOutcome::Refused
                                     : KeepOutcome::AlreadyKept;
    }
    return result;
}

StoreResult BookStore::keepAll(const std::vector<Keep> &changes, KeepCounts *counts)
{
    if (!m_connection)
        return {StoreStatus::Failed, u"the book is not open"_s};
    KeepCounts made;
    const StoreResult result = inTransaction(m_connection->database(), [&](QSqlError *error) {
        Keeper keeper(m_connection->database());
        for (const Keep &change : changes) {
            KeepOutcome outcome = KeepOutcome::Refused;
            if (!keeper.keep(change, &outcome)) {
                *error = keeper.error();
                return false;
            }
            ++(outcome == KeepOutcome::NewPlayer ? made.newPlayers
               : outcome == KeepOutcome::Added   ? made.added
               : outcome == KeepOutcome::Refused ? made.refused
                                                 : made.alreadyKept);
        }
        if (!keeper.write()) {
            *error = keeper.error();
            return false;
        }
        return true;
    });
    if (result.ok()) {
        m_connection->changedHere = true;
        if (counts)
            *counts = made;
    }
    return result;
}

StoreResult BookStore::setNote(QStringView name, const QString &note, bool *found)
{
    if (!m_connection)
        return {StoreStatus::Failed, u"the book is not open"_s};
    const QString cleaned = cleanedText(note);
    if (checkNote(cleaned) != TextProblem::None) {
        if (found)
            *found = false;
        return {};
    }
    qsizetype changed = 0;
    const StoreResult result = inTransaction(m_connection->database(), [&](QSqlError *error) {
        QSqlQuery query(m_connection->database());
        query.prepare(u"UPDATE players SET note = ? WHERE name = ?"_s);
        query.addBindValue(notNull(cleaned));
        query.addBindValue(cleanedText(name));
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
        changed = query.numRowsAffected();
        return true;
    });
    if (result.ok())
        m_connection->changedHere = true;
    if (found)
        *found = changed > 0;
    return result;
}

StoreResult BookStore::remove(QStringView name, bool *found)
{
    if (!m_connection)
        return {StoreStatus::Failed, u"the book is not open"_s};
    qsizetype removed = 0;
    const StoreResult result = inTransaction(m_connection->database(), [&](QSqlError *error) {
        QSqlQuery query(m_connection->database());
        query.prepare(u"DELETE FROM players WHERE name = ?"_s);
        query.addBindValue(cleanedText(name));
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
        removed = query.numRowsAffected();
        return true;
    });
    if (result.ok())
        m_connection->changedHere = true;
    if (found)
        *found = removed > 0;
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

std::optional<Book> BookStore::load(StoreResult *result)
{
    StoreResult ignored;
    StoreResult &outcome = result ? *result : ignored;
    if (!m_connection) {
        outcome = {StoreStatus::Failed, u"the book is not open"_s};
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
    if (dataVersion && query.exec(u"SELECT name, note, snapshots FROM players ORDER BY id"_s)) {
        while (query.next())
            book.restore(Player{query.value(0).toString(), query.value(1).toString(), {},
                                snapshotsOf(query.value(2).toByteArray())});
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

std::optional<Player> BookStore::loadPlayer(QStringView name, StoreResult *result)
{
    StoreResult ignored;
    StoreResult &outcome = result ? *result : ignored;
    if (!m_connection) {
        outcome = {StoreStatus::Failed, u"the book is not open"_s};
        return std::nullopt;
    }
    QSqlQuery query(m_connection->database());
    query.prepare(u"SELECT name, note, snapshots FROM players WHERE name = ?"_s);
    query.addBindValue(cleanedText(name));
    if (!query.exec()) {
        outcome = failure(query.lastError());
        return std::nullopt;
    }
    outcome = {};
    if (!query.next())
        return std::nullopt;
    Player player{query.value(0).toString(), query.value(1).toString(), {}, snapshotsOf(query.value(2).toByteArray())};
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
