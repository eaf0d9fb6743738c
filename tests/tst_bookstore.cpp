#include "book/bookstore.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace wagecourt;
using namespace wagecourt::book;
using namespace Qt::StringLiterals;

namespace {

Keep keepOf(const QString &name, int jumpShot, QDate date = QDate(2026, 12, 1))
{
    SkillLevels levels;
    levels.fill(3);
    levels[1] = qint16(jumpShot);
    return Keep{name, snapshotOf(levels, OtherSkillLevels{}, languages()[2], date), std::nullopt, {}};
}

// An SQLite file made as another program would, with the pragmas and statements given.
void writeDatabase(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"maker"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"maker"_s);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class BookStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void aFileThatIsNoBookIsSetAside_data();
    void aFileThatIsNoBookIsSetAside();
    void changesAreWholeAndSeenByTheOtherConnection();
    void aBookOfTheFirstVersionOpensWhole();

private:
    QTemporaryDir m_dir;
};

void BookStoreTest::aFileThatIsNoBookIsSetAside_data()
{
    QTest::addColumn<QStringList>("statements"); // an SQLite file made with these; none: the bytes alone
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("badTaken");          // book.sqlite.bad is there already
    QTest::addColumn<bool>("named");             // a file the user named, not the book's own place
    QTest::addColumn<OpenOutcome>("outcome");
    QTest::addColumn<QString>("movedTo");

    const OpenOutcome opened = OpenOutcome::Opened;
    const OpenOutcome moved = OpenOutcome::MovedAside;
    const QStringList later{u"PRAGMA application_id = 1466385003"_s,
                            u"PRAGMA user_version = %1"_s.arg(BookStore::schemaVersion() + 1),
                            u"CREATE TABLE players(id INTEGER PRIMARY KEY, name TEXT, tags TEXT, ratings BLOB)"_s};
    QTest::newRow("no file") << QStringList() << QByteArray() << false << false << opened << QString();
    QTest::newRow("an empty file") << QStringList() << QByteArray("") << false << false << opened << QString();
    QTest::newRow("text") << QStringList() << QByteArray("name,date\nAnn,2026-12-01\n") << false << false << moved
                          << u"book.sqlite.bad"_s;
    QTest::newRow("text, .bad taken") << QStringList() << QByteArray("junk") << true << false << moved
                                      << u"book.sqlite.bad.2"_s;
    QTest::newRow("a cut SQLite file") << QStringList() << QByteArray("SQLite format 3\0\x10\0\x01\x01", 20) << false
                                       << false << moved << u"book.sqlite.bad"_s;
    QTest::newRow("another program's database")
            << QStringList{u"CREATE TABLE mail(id INTEGER)"_s} << QByteArray() << false << false << moved
            << u"book.sqlite.bad"_s;
    QTest::newRow("a later version") << later << QByteArray() << false << false << OpenOutcome::LaterVersion
                                     << QString();
    QTest::newRow("a later version, named") << later << QByteArray() << false << true << OpenOutcome::LaterVersion
                                            << QString();
    QTest::newRow("text, named") << QStringList() << QByteArray("my notes\n") << false << true
                                 << OpenOutcome::NotABook << QString();
    QTest::newRow("another program's database, named")
            << QStringList{u"CREATE TABLE mail(id INTEGER)"_s} << QByteArray() << false << true
            << OpenOutcome::NotABook << QString();
}

void BookStoreTest::aFileThatIsNoBookIsSetAside()
{
    QFETCH(QStringList, statements);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, badTaken);
    QFETCH(bool, named);
    QFETCH(OpenOutcome, outcome);
    QFETCH(QString, movedTo);

    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/book.sqlite"_s;
    if (!statements.isEmpty())
        writeDatabase(path, statements);
    else if (!bytes.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const QByteArray before = contents(path);
    if (badTaken) {
        QFile bad(path + u".bad"_s);
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("older") == 5);
    }

    // Set aside once, then opened as the new book it is; what is not ours to
    // change is left so at every try.
    const bool left = outcome == OpenOutcome::LaterVersion || outcome == OpenOutcome::NotABook;
    for (int run = 0; run < 2; ++run) {
        BookStore store(path, kWindowBusyMilliseconds, named ? ForeignFile::Refuse : ForeignFile::SetAside);
        const OpenResult result = store.open();
        QCOMPARE(result.outcome, run == 0 || left ? outcome : OpenOutcome::Opened);
        QCOMPARE(QFileInfo(result.movedTo).fileName(), run == 0 ? movedTo : QString());
        QCOMPARE(store.keep(keepOf(u"Ann"_s, 5 + run)).ok(), !left);
        if (!left)
            QCOMPARE(store.load()->players().front().snapshots.size(), std::size_t(run + 1));
    }
    if (left)
        QCOMPARE(contents(path), before);
    QCOMPARE(QFileInfo::exists(path + u".bad"_s), badTaken || movedTo == u"book.sqlite.bad"_s);
    if (!movedTo.isEmpty())
        QCOMPARE(contents(folder + u'/' + movedTo), before);
    if (badTaken)
        QCOMPARE(contents(path + u".bad"_s), QByteArray("older"));
}

void BookStoreTest::changesAreWholeAndSeenByTheOtherConnection()
{
    const QString path = m_dir.filePath(u"shared/book.sqlite"_s);
    BookStore window(path);
    BookStore commandLine(path, kCommandLineBusyMilliseconds);
    QVERIFY(window.open().ok());
    QVERIFY(commandLine.open().ok());
    QVERIFY(commandLine.load()->isEmpty());
    QVERIFY(!commandLine.changedSinceLoad());

    KeepOutcome outcome = KeepOutcome::Refused;
    QVERIFY(window.keep(keepOf(u"Ann"_s, 5), &outcome).ok());
    QCOMPARE(outcome, KeepOutcome::NewPlayer);
    QVERIFY(commandLine.changedSinceLoad());
    QCOMPARE(commandLine.load()->players().size(), std::size_t(1));
    QVERIFY(!commandLine.changedSinceLoad());

    KeepCounts counts;
    QVERIFY(commandLine.keepAll({keepOf(u"Ann"_s, 5), keepOf(u"Ann"_s, 6), keepOf(u"Bob"_s, 7),
                                 keepOf(u"Bad\tname"_s, 7)}, &counts).ok());
    QCOMPARE((std::array{counts.newPlayers, counts.added, counts.alreadyKept, counts.refused}),
             (std::array<qsizetype, 4>{1, 2, 1, 1}));
    QCOMPARE(window.load()->snapshotCount(), 3);

    // While another program writes, a change is refused at once and nothing of it is made.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(u"BEGIN IMMEDIATE"_s));
        QCOMPARE(window.keepAll({keepOf(u"Cid"_s, 8), keepOf(u"Ann"_s, 9)}).status, StoreStatus::Busy);
        QCOMPARE(window.remove(u"Ann").status, StoreStatus::Busy);
        QVERIFY(QSqlQuery(other).exec(u"ROLLBACK"_s));
        other.close();
    }
    QSqlDatabase::removeDatabase(u"writer"_s);
    const std::optional<Book> book = commandLine.load();
    QCOMPARE(book->snapshotCount(), 3);
    QVERIFY(!book->find(u"Cid"));

    // Removed and given back as he was, note and all.
    QVERIFY(window.setNote(u"Ann", u"  scout  "_s).ok());
    const std::optional<Player> ann = window.loadPlayer(u"Ann");
    QCOMPARE(ann->note, u"scout"_s);
    bool found = false;
    QVERIFY(window.remove(u"Ann", &found).ok() && found);
    QVERIFY(!commandLine.loadPlayer(u"Ann"));
    QVERIFY(window.restore(*ann).ok());
    const std::optional<Player> back = commandLine.loadPlayer(u"Ann");
    QCOMPARE(back->note, ann->note);
    QVERIFY(back->snapshots == ann->snapshots);
}

// A book written before tags came, as that version left it: every player and
// snapshot reads, the export is that version's but for the tags, and the
// players then carry tags; a player whose stored snapshots do not all read
// is named, kept as he is, and refused a keep.
void BookStoreTest::aBookOfTheFirstVersionOpensWhole()
{
    const QString path = m_dir.filePath(u"first/book.sqlite"_s);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(QFile::copy(QStringLiteral(WAGECOURT_TEST_DATA "/book-v1.sqlite"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    BookStore store(path);
    QCOMPARE(store.open().outcome, OpenOutcome::Opened);
    const std::optional<Book> book = store.load();
    QVERIFY(book && book->unreadable().empty());
    QCOMPARE(book->players().size(), std::size_t(4));
    QCOMPARE(book->snapshotCount(), 8);
    QByteArray exported = exportBook(*book, ExchangeForm::JsonLines);
    QCOMPARE(exported.replace(",\"tags\":[]", ""), contents(QStringLiteral(WAGECOURT_TEST_DATA "/book-v1.jsonl")));

    bool found = false;
    QVERIFY(store.setTags(u"Antoine Dupont"_s, {u"target"_s, u"U21"_s}, &found).ok() && found);
    QCOMPARE(store.loadPlayer(u"Antoine Dupont"_s)->tags, (QStringList{u"target"_s, u"U21"_s}));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery damage(db);
        QVERIFY(damage.exec(u"UPDATE players SET snapshots = CAST(snapshots || x'00' AS BLOB) WHERE name = 'Player 10'"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"damage"_s);
    const QByteArray before = contents(path);
    QCOMPARE(store.load()->unreadable(), (std::vector<UnreadablePlayer>{{u"Player 10"_s, 1}}));
    KeepCounts counts;
    QVERIFY(store.keepAll({keepOf(u"Player 10"_s, 7)}, &counts).ok());
    QCOMPARE(counts.refused, 1);
    QCOMPARE(store.load()->find(u"Player 10"_s)->snapshots.size(), std::size_t(2));
    QCOMPARE(contents(path), before);
}

QTEST_GUILESS_MAIN(BookStoreTest)
#include "tst_bookstore.moc"
