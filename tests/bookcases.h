// The book's use cases as a manager meets them, one table for the three
// front-ends: each of the command line, the page's module and the window
// adds the same file to the same book and must say the same words.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTest>

namespace wagecourt::test {

using namespace Qt::StringLiterals;

// The book's CSV columns, as an export of today writes them.
inline const QByteArray kBookColumns = "name,date,jump_shot,jump_range,outside_def,handling,driving,passing,"
                                       "inside_shot,inside_def,rebounding,shot_blocking,stamina,free_throw,"
                                       "experience,salary,position,position_name,note,tags\n";

inline void bookCaseRows()
{
    QTest::addColumn<QByteArray>("book");    // the book before, as a CSV the book reads
    QTest::addColumn<QByteArray>("file");    // what is imported
    QTest::addColumn<QString>("summary");    // the summary, word for word
    QTest::addColumn<QStringList>("refused"); // every refused line, named

    const QByteArray ann = kBookColumns + "Ann,2026-11-02,8,7,9,10,8,11,3,3,5,2,8,6,5,0,0,x,scout,target\n";
    QTest::newRow("an empty book") << QByteArray() << ann
                                   << u"Imported: 1 snapshot added, 1 new player, 0 snapshots already in the book, 0 lines refused."_s
                                   << QStringList();
    QTest::newRow("one already there, one added, one new player")
            << ann
            << kBookColumns + "Ann,2026-11-02,8,7,9,10,8,11,3,3,5,2,8,6,5,0,0,x,,\n"
                              "Ann,2026-11-09,9,7,9,10,8,11,3,3,5,2,8,6,5,0,0,x,,U21\n"
                              "Bob,2026-11-09,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\n"
            << u"Imported: 2 snapshots added, 1 new player, 1 snapshot already in the book, 0 lines refused."_s
            << QStringList();
    QTest::newRow("bad lines named, the rest kept")
            << ann
            << kBookColumns + "Cid,2026-13-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\n"
                              "Dan,2026-12-01,21,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\n"
                              "Eve,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,two,words\n"
                              "Fay,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\"a\x01\"\n"
                              "Gus,2026-12-01,2,2,2,2,2,2,2,2,2,2,0,0,0,0,0,x,,\n"
            << u"Imported: 1 snapshot added, 1 new player, 0 snapshots already in the book, 4 lines refused."_s
            << QStringList{u"line 2: '2026-13-01' is not a date in the format YYYY-MM-DD"_s,
                           u"line 3: jump_shot '21' is not a level (1 to 20, or 0 for an unknown stamina, free throw or "
                           "experience)"_s,
                           u"line 4: 21 fields, not as many as the column names"_s,
                           u"line 5: a tag holds a control character"_s};
    QTest::newRow("semicolons, as a spreadsheet saves them")
            << QByteArray()
            << QByteArray("sep=;\r\n") + QByteArray(kBookColumns).replace(',', ';')
                       + "\"Ann; Lee\";2026-11-02;8;7;9;10;8;11;3;3;5;2;8;6;5;0;0;x;\"a, b\";\r\n"
            << u"Imported: 1 snapshot added, 1 new player, 0 snapshots already in the book, 0 lines refused."_s
            << QStringList();
    QTest::newRow("no columns named")
            << QByteArray() << QByteArray("Ann,1,1,1,1,1,1,1,1,1,1\n")
            << u"Imported: 0 snapshots added, 0 new players, 0 snapshots already in the book, 1 line refused."_s
            << QStringList{u"line 1: the first line names neither the book's columns nor those of 'wagecourt-cli "
                           "batch --header'; nothing was read"_s};
}

} // namespace wagecourt::test
