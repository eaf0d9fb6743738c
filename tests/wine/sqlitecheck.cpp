// Run under Wine from a copy of a Windows folder of Wagecourt, where it finds
// the folder's DLLs and plugin folders beside itself: opens a database in memory through
// the folder's SQLite driver, keeps a few rows in one transaction and reads
// them back, and prints the SQLite version the driver holds.
// Exit status: 0 when all of that worked, 1 otherwise.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>

static int fail(const QString &what)
{
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    return 1;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("no QSQLITE driver among [%1]").arg(QSqlDatabase::drivers().join(u", ")));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        return fail(db.lastError().text());
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE player (name TEXT, salary INTEGER)")) || !db.transaction())
        return fail(query.lastError().text());
    query.prepare(QStringLiteral("INSERT INTO player VALUES (?, ?)"));
    for (int salary : {1200, 34567, 890123}) {
        query.addBindValue(QStringLiteral("Łukasz Çelik %1").arg(salary));
        query.addBindValue(salary);
        if (!query.exec())
            return fail(query.lastError().text());
    }
    if (!db.commit())
        return fail(db.lastError().text());
    if (!query.exec(QStringLiteral("SELECT count(*), sum(salary), max(name), sqlite_version() FROM player")) || !query.next())
        return fail(query.lastError().text());
    if (query.value(0).toInt() != 3 || query.value(1).toLongLong() != 925890
        || query.value(2).toString() != QStringLiteral("Łukasz Çelik 890123"))
        return fail(QStringLiteral("read back %1 rows, %2, %3").arg(query.value(0).toString(),
                    query.value(1).toString(), query.value(2).toString()));
    std::printf("%s\n", qPrintable(query.value(3).toString()));
    return 0;
}
