#include "book/bookstore.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
constexpr const char *kMigrations[] = {
    "CREATE TABLE players(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, note TEXT NOT NULL DEFAULT '');"
    "CREATE TABLE snapshots(id INTEGER PRIMARY KEY,"
    " player INTEGER NOT NULL REFERENCES players(id) ON DELETE CASCADE,"
    " day INTEGER NOT NULL," // Julian day
    " language TEXT NOT NULL," // the language's code
    " levels BLOB NOT NULL," // thirteen bytes, Jump Shot first
    " UNIQUE(player, day, levels));",
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

QByteArray levelBytes(const SnapshotLevels &levels)
{
    QByteArray bytes(kSnapshotLevelCount, Qt::Uninitialized);
    for (std::size_t k = 0; k < levels.size(); ++k)
        bytes[qsizetype(k)] = char(levels[k]);
    return bytes;
}

std::optional<SnapshotLevels> levelsOf(const QByteArray &bytes)
{
    if (bytes.size() != kSnapshotLevelCount)
        return std::nullopt;
    SnapshotLevels levels;
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = qint16(static_cast<unsigned char>(bytes[qsizetype(k)]));
    return levels;
}

const LanguageEntry *languageOfCode(QStringView code)
{
    for (const LanguageEntry &language : languages())
        if (languageCode(language) == code)
            return &language;
    return nullptr;
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
    query.exec(u"PRAGMA foreign_keys = ON"_s);
    m_connection = std::move(connection);
    return result;
}

namespace {

struct CheckedKeep
{
    QString name;
    std::optional<QString> note;
};

// The same checks as Book::keep, so the file never holds what a book refuses.
std::optional<CheckedKeep> checked(const Keep &change)
{
    CheckedKeep keep{cleanedText(change.name), change.note ? std::optional(cleanedText(*change.note)) : std::nullopt};
    if (checkName(keep.name) != TextProblem::None || (keep.note && checkNote(*keep.note) != TextProblem::None)
        || !isValidSnapshot(change.snapshot))
        return std::nullopt;
    return keep;
}

// One transaction's keeps, with its statements prepared once.
class Keeper
{
public:
    explicit Keeper(QSqlDatabase db) : m_find(db), m_addPlayer(db), m_setNote(db), m_addSnapshot(db)
    {
        m_find.prepare(u"SELECT id, note FROM players WHERE name = ?"_s);
        m_addPlayer.prepare(u"INSERT INTO players(name, note) VALUES(?, ?)"_s);
        m_setNote.prepare(u"UPDATE players SET note = ? WHERE id = ?"_s);
        m_addSnapshot.prepare(u"INSERT OR IGNORE INTO snapshots(player, day, language, levels) VALUES(?, ?, ?, ?)"_s);
    }

    // False when a statement failed; the transaction is then to be rolled back.
    bool keep(const Keep &change, KeepOutcome *outcome)
    {
        const auto keep = checked(change);
        if (!keep) {
            *outcome = KeepOutcome::Refused;
            return true;
        }
        auto known = m_players.find(keep->name);
        bool isNew = false;
        if (known == m_players.end()) {
            m_find.addBindValue(keep->name);
            if (!m_find.exec())
                return fail(m_find);
            if (m_find.next()) {
                known = m_players.insert(keep->name, {m_find.value(0).toLongLong(), m_find.value(1).toString()});
            } else {
                m_addPlayer.addBindValue(keep->name);
                m_addPlayer.addBindValue(notNull(keep->note.value_or(QString())));
                if (!m_addPlayer.exec())
                    return fail(m_addPlayer);
                known = m_players.insert(keep->name, {m_addPlayer.lastInsertId().toLongLong(), keep->note.value_or(QString())});
                isNew = true;
            }
            m_find.finish();
        }
        if (keep->note && *keep->note != known->note) {
            m_setNote.addBindValue(notNull(*keep->note));
            m_setNote.addBindValue(known->id);
            if (!m_setNote.exec())
                return fail(m_setNote);
            known->note = *keep->note;
        }
        m_addSnapshot.addBindValue(known->id);
        m_addSnapshot.addBindValue(change.snapshot.date.toJulianDay());
        m_addSnapshot.addBindValue(languageCode(*change.snapshot.language).toString());
        m_addSnapshot.addBindValue(levelBytes(change.snapshot.levels));
        if (!m_addSnapshot.exec())
            return fail(m_addSnapshot);
        *outcome = isNew ? KeepOutcome::NewPlayer
                         : m_addSnapshot.numRowsAffected() > 0 ? KeepOutcome::Added : KeepOutcome::AlreadyKept;
        return true;
    }

    const QSqlError &error() const { return m_error; }

private:
    struct Known
    {
        qint64 id;
        QString note;
    };

    bool fail(const QSqlQuery &query)
    {
        m_error = query.lastError();
        return false;
    }

    QSqlQuery m_find, m_addPlayer, m_setNote, m_addSnapshot;
    QHash<QString, Known> m_players;
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
        query.prepare(u"DELETE FROM players WHERE name = ?"_s); // its snapshots go with it
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
        keeps.push_back(Keep{player.name, snapshot, player.note});
    return keepAll(keeps);
}

namespace {

// Rows of (player id, day, language, levels), in the order they were kept.
bool readSnapshots(QSqlQuery &query, QHash<qint64, Player> &players, QString *why)
{
    while (query.next()) {
        const auto found = players.find(query.value(0).toLongLong());
        const LanguageEntry *language = languageOfCode(query.value(2).toString());
        const auto levels = levelsOf(query.value(3).toByteArray());
        Snapshot snapshot{QDate::fromJulianDay(query.value(1).toLongLong()), levels.value_or(SnapshotLevels{}),
                          language};
        // What another program wrote wrongly is left out rather than shown wrong.
        if (found == players.end() || !levels || !isValidSnapshot(snapshot))
            continue;
        found->snapshots.push_back(snapshot);
    }
    if (query.lastError().isValid()) {
        *why = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace

std::optional<Book> BookStore::load(StoreResult *result)
{
    StoreResult ignored;
    StoreResult &outcome = result ? *result : ignored;
    if (!m_connection) {
        outcome = {StoreStatus::Failed, u"the book is not open"_s};
        return std::nullopt;
    }
    QSqlDatabase db = m_connection->database();
    // One read transaction, so the players and their snapshots agree.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(u"BEGIN"_s)) {
        outcome = failure(query.lastError());
        return std::nullopt;
    }
    auto failed = [&](const QSqlError &error) {
        outcome = failure(error);
        QSqlQuery(db).exec(u"ROLLBACK"_s);
        return std::nullopt;
    };
    QSqlError versionError;
    const auto dataVersion = pragmaValue(db, u"data_version"_s, &versionError);
    if (!dataVersion)
        return failed(versionError);
    QHash<qint64, Player> players;
    std::vector<qint64> order;
    if (!query.exec(u"SELECT id, name, note FROM players ORDER BY id"_s))
        return failed(query.lastError());
    while (query.next()) {
        order.push_back(query.value(0).toLongLong());
        players.insert(order.back(), Player{query.value(1).toString(), query.value(2).toString(), {}});
    }
    QString why;
    if (!query.exec(u"SELECT player, day, language, levels FROM snapshots ORDER BY id"_s)
        || !readSnapshots(query, players, &why))
        return failed(query.lastError());
    QSqlQuery(db).exec(u"COMMIT"_s);

    Book book;
    for (qint64 id : order) {
        Player &player = players[id];
        if (player.snapshots.empty())
            continue;
        std::stable_sort(player.snapshots.begin(), player.snapshots.end(),
                         [](const Snapshot &a, const Snapshot &b) { return a.date < b.date; });
        book.restore(std::move(player));
    }
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
    query.prepare(u"SELECT p.id, p.name, p.note, s.day, s.language, s.levels FROM players p"
                  u" JOIN snapshots s ON s.player = p.id WHERE p.name = ? ORDER BY s.id"_s);
    query.addBindValue(cleanedText(name));
    if (!query.exec()) {
        outcome = failure(query.lastError());
        return std::nullopt;
    }
    std::optional<Player> player;
    while (query.next()) {
        if (!player)
            player = Player{query.value(1).toString(), query.value(2).toString(), {}};
        const auto levels = levelsOf(query.value(5).toByteArray());
        const Snapshot snapshot{QDate::fromJulianDay(query.value(3).toLongLong()), levels.value_or(SnapshotLevels{}),
                                languageOfCode(query.value(4).toString())};
        if (levels && isValidSnapshot(snapshot))
            player->snapshots.push_back(snapshot);
    }
    outcome = {};
    if (player) {
        std::stable_sort(player->snapshots.begin(), player->snapshots.end(),
                         [](const Snapshot &a, const Snapshot &b) { return a.date < b.date; });
        if (player->snapshots.empty())
            player.reset();
    }
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
