// The web module's C functions, built natively, answer every case of the
// table the node test holds the WebAssembly build to exactly as the command
// line does with --json: imports in all eight languages (a list on one line
// inside a page too), calc and advise. The page's book exports what the
// command line's book imports and exports again byte for byte, and back.
#include "bookcases.h"
#include "cli/commands.h"
#include "i18n/translators.h"
#include "presentation/booktext.h"
#include "web/moduleapi.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The node test's generator, step for step in doubles as JavaScript computes it.
class Sequence
{
public:
    int next(int n)
    {
        m_seed = std::fmod(m_seed * 1103515245.0 + 12345.0, 2147483648.0);
        return int(std::fmod(m_seed, double(n)));
    }

private:
    double m_seed = 20261208;
};

struct Case
{
    QByteArray input;
    QStringList arguments;
    QByteArray answer;
};

QByteArray cliAnswer(const Case &c)
{
    QBuffer in, out, err;
    in.setData(c.input);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    wagecourt::cli::run(QStringList{u"wagecourt-cli"_s, u"--json"_s} + c.arguments, in, out, err);
    return out.data();
}

QByteArray cliOutput(const QStringList &arguments)
{
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = wagecourt::cli::run(QStringList{u"wagecourt-cli"_s} + arguments, in, out, err);
    return status == 0 ? out.data() : "exit " + QByteArray::number(status) + ": " + err.data();
}

QJsonObject json(const char *answer)
{
    return QJsonDocument::fromJson(answer).object();
}

QString listOf(const QJsonObject &catalogue, const QList<int> &levels, int lines, bool upper, bool turkish)
{
    QString text;
    const QJsonArray captions = catalogue[u"captions"_s].toArray();
    const QJsonArray names = catalogue[u"level_names"_s].toArray();
    for (int k = 0; k < lines; ++k) {
        QString name = names[levels[k] - 1].toString();
        if (upper)
            name = turkish ? QLocale(QLocale::Turkish).toUpper(name) : name.toUpper();
        text += captions[k].toString() + u' ' + name + (k + 1 < lines ? u"\n"_s : QString());
    }
    return text + u'\n';
}

QList<Case> cases()
{
    Sequence random;
    QList<Case> all;
    const QJsonArray languages = QJsonDocument::fromJson(wc_languages()).array();
    for (const QJsonValue &language : languages) {
        const QString name = language[u"name"_s].toString();
        const QJsonObject catalogue = json(wc_catalogue(name.toUtf8()));
        for (int i = 0; i < 6; ++i) {
            QList<int> levels;
            for (int k = 0; k < 13; ++k)
                levels << 1 + random.next(20);
            const QString full = listOf(catalogue, levels, 13, false, false);
            const QString shouted = listOf(catalogue, levels, 10 + random.next(4), true, i % 2);
            QString broken = full;
            broken.replace(broken.indexOf(catalogue[u"level_names"_s][levels[3] - 1].toString()),
                           catalogue[u"level_names"_s][levels[3] - 1].toString().size(), u"x"_s);
            const QString page = u"Player: Ann Lee\nAge: 24\n"_s + QString(full).replace(u'\n', u' ') + u"\nWage: 12 345\n"_s;
            for (const QString &text : {full, shouted, broken, u"  "_s + full + u"\r\n"_s, full.left(40), page}) {
                const QByteArray bytes = text.toUtf8();
                all.append({bytes, {u"import"_s, u"--lang"_s, name}, wc_import(bytes, name.toUtf8())});
                all.append({bytes, {u"import"_s, u"--lang"_s, u"auto"_s}, wc_import(bytes, "auto")});
            }
            QStringList ten;
            for (int k = 0; k < 10; ++k)
                ten << QString::number(levels[k]);
            const QByteArray joined = ten.join(u',').toUtf8();
            all.append({{}, QStringList{u"calc"_s} + ten + QStringList{u"--lang"_s, name}, wc_calc(joined, name.toUtf8())});
            all.append({{}, QStringList{u"advise"_s} + ten + QStringList{u"--lang"_s, name},
                        wc_advise(joined, name.toUtf8())});
            if (i < 2) { // the planner's answer, a plan, a limit and the cheapest raises
                const QByteArray target = "IS=" + QByteArray::number(1 + random.next(20));
                const QByteArray limit = QByteArray::number(20000 + random.next(60000));
                all.append({{}, QStringList{u"plan"_s} + ten + QStringList{u"--lang"_s, name, u"--to"_s,
                             QString::fromUtf8(target), u"--limit"_s, QString::fromUtf8(limit), u"--cheapest"_s,
                             u"3"_s, u"--skills"_s, u"JS,RB"_s},
                            wc_plan_json(joined, name.toUtf8(), target, limit, "3", "JS,RB")});
            }
        }
    }
    for (const QByteArray &text : {QByteArray(), "Hello: world"_ba, QByteArray(11, ':'),
                                   "Jump Shot: legendary\n"_ba.repeated(14)})
        all.append({text, {u"import"_s, u"--lang"_s, u"auto"_s}, wc_import(text, "auto")});
    return all;
}

} // namespace

class WebModuleTest : public QObject
{
    Q_OBJECT

    // English's plural forms, as the page has them in its tables.
    wagecourt::Translators m_translators;

private slots:
    void initTestCase() { m_translators.use(u"en"); }

    void answersAsTheCommandLine()
    {
        const QList<Case> table = cases();
        QCOMPARE(table.size(), 692);
        for (const Case &c : table) {
            const QByteArray expected = cliAnswer(c);
            QVERIFY2(c.answer == expected, qPrintable(u"wagecourt-cli %1\n  cli:    %2  module: %3"_s.arg(
                    c.arguments.join(u' '), QString::fromUtf8(expected), QString::fromUtf8(c.answer))));
        }
    }

    void bookGoesBetweenPageAndCommandLine_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("CSV") << u"csv"_s;
        QTest::newRow("JSON Lines") << u"jsonl"_s;
    }

    void bookGoesBetweenPageAndCommandLine()
    {
        QFETCH(QString, form);
        json(wc_book_load(""));
        const char *levels = "20,3,10,1,8,6,5,14,2,19,4,0,7";
        const char *later = "20,4,10,1,8,6,5,14,2,19,4,0,7";
        const char *ann = "Ann \"A, B\" Lee", *note = "tall; left hand";
        QVERIFY(json(wc_book_keep(ann, note, "U21, target", levels, "English", "2026-11-02"))[u"kept"_s].toBool());
        QCOMPARE(json(wc_book_keep(ann, note, "", later, "English", "2026-12-01"))[u"records"_s].toArray().size(), 2);
        // The same day and levels are one snapshot.
        QCOMPARE(json(wc_book_keep(ann, note, "target", later, "English", "2026-12-01"))[u"records"_s].toArray().size(), 2);
        QVERIFY(json(wc_book_keep("Işıl Çelik", "", "", "9,9,9,9,9,9,9,9,9,9,0,0,0", "Türkçe", "2026-12-09"))[u"kept"_s].toBool());
        QCOMPARE(json(wc_book_keep("a\tb", "", "", levels, "English", "2026-12-09"))[u"kept"_s].toBool(), false);
        QCOMPARE(json(wc_book_keep("Bo", "", "two words", levels, "English", "2026-12-09"))[u"kept"_s].toBool(), true);
        QCOMPARE(json(wc_book_keep("Bo", "", "a\x01b", levels, "English", "2026-12-09"))[u"kept"_s].toBool(), false);
        QVERIFY(json(wc_book_remove("Bo"))[u"removed"_s].toBool());
        const QByteArray page = wc_book_export(form.toUtf8());
        QCOMPARE(page.count('\n'), form == u"csv"_s ? 4 : 3);

        QTemporaryDir dir;
        const QString file = dir.filePath(u"book."_s + form), book = dir.filePath(u"book.sqlite"_s);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(page) == page.size());
        out.close();
        const QByteArray summary = cliOutput({u"book"_s, u"--book"_s, book, u"import"_s, file});
        const QStringList exportArguments{u"book"_s, u"--book"_s, book, u"export"_s};
        const QByteArray cli = cliOutput(form == u"csv"_s ? exportArguments : exportArguments + QStringList{u"--json"_s});
        QCOMPARE(cli, page);

        // One file, one summary, word for word, and the same book on both sides.
        json(wc_book_load(""));
        const QJsonObject imported = json(wc_book_import("book", cli.constData(), double(cli.size())));
        QCOMPARE(imported[u"records"_s].toArray().size(), 3);
        QCOMPARE(imported[u"message"_s].toString().toUtf8() + '\n', summary);
        QCOMPARE(QByteArray(wc_book_export(form.toUtf8())), page);
    }

    // The same file into the same book as the command line and the window
    // (tst_cli, tst_form1_book): the same summary and refused lines, as the page
    // shows them.
    void bookCases_data() { wagecourt::test::bookCaseRows(); }
    void bookCases()
    {
        QFETCH(QByteArray, book);
        QFETCH(QByteArray, file);
        QFETCH(QString, summary);
        QFETCH(QStringList, refused);
        json(wc_book_load(""));
        if (!book.isEmpty())
            QVERIFY(json(wc_book_import("book", book.constData(), double(book.size())))[u"errors"_s].toArray().isEmpty());
        const QJsonObject imported = json(wc_book_import("file", file.constData(), double(file.size())));
        QCOMPARE(imported[u"message"_s].toString(), summary);
        QStringList errors;
        for (const QJsonValue error : imported[u"errors"_s].toArray())
            errors << error.toString();
        QStringList expected;
        for (const QString &line : refused)
            expected << wagecourt::booktext::sentence(line);
        QCOMPARE(errors, expected);
    }
};

QTEST_GUILESS_MAIN(WebModuleTest)
#include "tst_webmodule.moc"
