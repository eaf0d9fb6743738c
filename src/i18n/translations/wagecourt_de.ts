<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %2 von %3, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>höchste Stufe</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>niedrigste Stufe</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: keine Stufe gelesen</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Diese Fähigkeit zählt nicht fürs Gehalt.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Wochengehalt auf jeder Position</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (Bestwert)</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>der Name enthält einen Zeilenumbruch, einen Tabulator oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>der Name ist kein gültiger Text</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>die Notiz ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>die Notiz enthält einen Zeilenumbruch, einen Tabulator oder ein anderes Steuerzeichen: Notizen sind einzeilig</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>die Notiz ist kein gültiger Text</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>einem Feld in Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 Felder, nicht so viele wie Spaltennamen</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; enthält %1 Zahlen, nicht 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; ist kein Tag in der Form JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; ist keine Stufe (1 bis 20, oder 0, wenn Kondition, Freiwurf oder Erfahrung unbekannt ist)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>der Schlüssel &quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; ist keine Spielsprache</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>länger als %1 Bytes</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>die erste Zeile nennt weder die Spalten des Buchs noch die von &apos;wagecourt-cli batch --header&apos;; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 ist kein Spielerbuch; es wurde als %2 beiseitegelegt und ein neues angelegt</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 wurde von einer neueren Version von Wagecourt geschrieben; es wurde als %2 beiseitegelegt und ein neues Buch begonnen</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>das Buch %1 wird von einem anderen Programm benutzt; nichts wurde geändert, versuche es noch einmal</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>das Buch %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>das Buch %1 lässt sich nicht ändern: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>vergleiche mindestens zwei Spieler</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>vergleiche höchstens vier Spieler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; ist zweimal genannt</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>kein Spieler namens &apos;%1&apos; im Buch</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; ist größer als %2 MiB und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>das Buch enthält noch keinen Spieler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">gespeicherte Einträge: %1 (neue Spieler: %2), schon im Buch: %3, abgelehnte Zeilen: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>das Buch %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>das Buch %1 wird von einem anderen Programm benutzt; versuche es noch einmal</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>das Buch %1 wurde von einer neueren Version von Wagecourt geschrieben und braucht diese Version; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 ist kein Spielerbuch; die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>nicht alle gespeicherten Einträge von &apos;%1&apos; sind lesbar, daher wird ihm nichts hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: %n gespeicherter Eintrag ist nicht lesbar</numerusform>
            <numerusform>%1: %n gespeicherte Einträge sind nicht lesbar</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>der Export ist unvollständig: die nicht lesbaren Einträge fehlen darin</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>die Änderungen an %n Spieler konnten nicht in %1 gespeichert werden: ein anderes Programm hatte das Buch belegt</numerusform>
            <numerusform>die Änderungen an %n Spielern konnten nicht in %1 gespeichert werden: ein anderes Programm hatte das Buch belegt</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>nichts wurde importiert</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>ein Schlagwort ist ein einzelnes Wort: trenne Schlagwörter mit Leerzeichen oder Kommas</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>ein Schlagwort ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>ein Schlagwort enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>ein Schlagwort ist kein gültiger Text</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>diese Stufen lassen sich nicht speichern</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n Eintrag hinzugefügt</numerusform>
            <numerusform>%n Einträge hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n neuer Spieler</numerusform>
            <numerusform>%n neue Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n schon im Buch</numerusform>
            <numerusform>%n schon im Buch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n Zeile abgelehnt</numerusform>
            <numerusform>%n Zeilen abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Importiert: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 gespeichert: %2 (%3), ein neuer Spieler</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 gespeichert: %2 (%3), sein ältester Eintrag</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 gespeichert: %2 (%3), %4 seit dem %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 wurde am %2 schon mit diesen Stufen gespeichert; nichts hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 entfernt (Einträge: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>Anzahl der Felder (%n) passt nicht zur Zahl der Spalten</numerusform>
            <numerusform>Anzahl der Felder (%n) passt nicht zur Zahl der Spalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; enthält %n Zahl, nicht 10 oder 13</numerusform>
            <numerusform>&quot;levels&quot; enthält %n Zahlen, nicht 10 oder 13</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos; ist kein Datum im Format JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>der Link ist abgeschnitten: kopiere ihn noch einmal vollständig</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>der Link wurde unterwegs verändert (seine Prüfsumme stimmt nicht): kopiere ihn noch einmal</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>der Link stammt von einer neueren Version von Wagecourt (Link-Version %1): aktualisiere Wagecourt, um ihn hinzuzufügen</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>der Link ist größer als 1 MiB und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>der Text enthält keinen Spielerbuch-Link</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>der %1. Spieler des Links lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; steht zweimal im Link</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>sein Schlagwort &apos;%1&apos; steht zweimal da</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>er hat keinen Eintrag</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">das Datum seines %1. Eintrags ist kein gültiger Tag</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">sein %1. Eintrag nennt &apos;%2&apos;, und das ist keine Spielsprache</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">sein %1. Eintrag gibt %2 die Stufe %3, die es nicht gibt</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">die Datensätze des Links sind nicht lesbar</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>Der Link enthält %1 und %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Ins Spielerbuch aufnehmen?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>das Datum seines %1. Eintrags ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>sein %1. Eintrag nennt &apos;%2&apos;, und das ist keine Spielsprache</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>sein %1. Eintrag gibt %2 die Stufe %3, die es nicht gibt</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>Fähigkeit %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>die Datensätze des Links sind nicht lesbar</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n Eintrag schon im Buch</numerusform>
            <numerusform>%n Einträge schon im Buch</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>Die Datei des Buchs statt der des Fensters.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: eine einzeilige Notiz zum Spieler.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: das Datum des Eintrags, JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: sortieren nach name, salary, position, change oder date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Spielsprache: Name oder Kürzel. keep liest die Liste in dieser Sprache, compare benennt die Fähigkeiten darin.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>JSON ausgeben, ein Objekt pro Zeile.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book braucht einen Befehl: keep, list, history, compare, export, import oder remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 erwartet %2, %3 angegeben</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">einen Namen</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">einen Namen und höchstens eine Datei</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">eine Datei</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">keine Argumente</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; ist kein Tag in der Form JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; ist kein Sortierschlüssel: name, salary, position, change oder date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 gilt nur für book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 gespeichert: %2 (%3), ein neuer Spieler</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 gespeichert: %2 (%3), %4 seit %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 ist am %2 schon mit diesen Stufen gespeichert; nichts hinzugefügt</translation>
    </message>
    <message>
        <source>Usage: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
  or:  wagecourt-cli book list [--sort KEY] [--json]
  or:  wagecourt-cli book history NAME [--json]
  or:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  or:  wagecourt-cli book export [--json]
  or:  wagecourt-cli book import FILE|-
  or:  wagecourt-cli book remove NAME
Players kept with the history of their levels, as in the window&apos;s Player Book.

Commands:
  keep     read one copied skill list from FILE or standard input, in any game
           language (or the one --lang names), and keep it under NAME, dated
           today or DAY (YYYY-MM-DD); the same levels on one day are kept once
  list     each player&apos;s latest snapshot and the salary&apos;s change since the one
           before; --sort name, salary, position, change or date
  history  one player&apos;s snapshots, oldest first
  compare  two to four players side by side, each measured against the first
  export   the whole book as CSV, or with --json as JSON lines
  import   a file written by export or by &apos;wagecourt-cli batch --header&apos;;
           bad lines are named on standard error and every good one is kept
  remove   a player and all his snapshots

The book is %1 unless --book names another file.

%2
Exit status:
  0  done
  1  a list rejected, a line of an import bad, an unknown player, or a book
     that could not be read or written
  2  a usage error
</source>
        <extracomment>The command and option names stay as they are. The book&apos;s file (%1), the option list (%2).</extracomment>
        <translation type="vanished">Aufruf: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
  oder: wagecourt-cli book list [--sort KEY] [--json]
  oder: wagecourt-cli book history NAME [--json]
  oder: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  oder: wagecourt-cli book export [--json]
  oder: wagecourt-cli book import FILE|-
  oder: wagecourt-cli book remove NAME
Spieler mit dem Verlauf ihrer Stufen gespeichert, wie im Spielerbuch des
Fensters.

Befehle:
  keep     liest eine kopierte Fähigkeitenliste aus FILE oder der
           Standardeingabe, in jeder Spielsprache (oder der mit --lang
           genannten), und speichert sie unter NAME, mit dem Datum von heute
           oder DAY (JJJJ-MM-TT); dieselben Stufen am selben Tag werden nur
           einmal gespeichert
  list     der letzte Eintrag jedes Spielers und die Änderung seines Gehalts
           seit dem vorigen; --sort name, salary, position, change oder date
  history  die Einträge eines Spielers, der älteste zuerst
  compare  zwei bis vier Spieler nebeneinander, jeder am ersten gemessen
  export   das ganze Buch als CSV, oder mit --json als JSON-Zeilen
  import   eine Datei, die export oder &apos;wagecourt-cli batch --header&apos;
           geschrieben hat; fehlerhafte Zeilen werden in der Fehlerausgabe
           genannt, jede gute wird gespeichert
  remove   ein Spieler mit allen seinen Einträgen

Das Buch ist %1, außer --book nennt eine andere Datei.

%2
Rückgabewert:
  0  erledigt
  1  eine Liste abgelehnt, eine Zeile eines Imports fehlerhaft, ein
     unbekannter Spieler oder ein Buch, das nicht lesbar oder schreibbar war
  2  ein Aufruffehler
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 gespeichert: %2 (%3), sein ältester Eintrag</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 entfernt (Einträge: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: dem Spieler ein Schlagwort geben (mehrfach für mehrere); list: nur Spieler mit diesem Schlagwort.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 erwartet keine Argumente, aber %n wurde angegeben</numerusform>
            <numerusform>book %1 erwartet keine Argumente, aber %n wurden angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 erwartet einen Namen, aber %n Argument wurde angegeben</numerusform>
            <numerusform>book %1 erwartet einen Namen, aber %n Argumente wurden angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep erwartet einen Namen und höchstens eine Datei, aber %n Argument wurde angegeben</numerusform>
            <numerusform>book keep erwartet einen Namen und höchstens eine Datei, aber %n Argumente wurden angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import erwartet eine Datei, aber %n Argument wurde angegeben</numerusform>
            <numerusform>book import erwartet eine Datei, aber %n Argumente wurden angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note erwartet einen Namen und eine Notiz, aber %n Argument wurde angegeben</numerusform>
            <numerusform>book note erwartet einen Namen und eine Notiz, aber %n Argumente wurden angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags erwartet einen Namen und seine Schlagwörter, aber es wurde kein Name angegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; ist kein Datum im Format JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Usage: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY] [FILE|-]
  or:  wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  or:  wagecourt-cli book history NAME [--json]
  or:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  or:  wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  or:  wagecourt-cli book export [--json | --link [NAME...]]
  or:  wagecourt-cli book import FILE|- | --link TEXT
  or:  wagecourt-cli book note NAME TEXT
  or:  wagecourt-cli book tags NAME [WORD...]
  or:  wagecourt-cli book remove NAME
Players kept with the history of their levels, as in the window&apos;s Player Book.

Commands:
  keep     read one copied skill list from FILE or standard input, in any game
           language (or the one --lang names), and keep it under NAME, dated
           today or DAY (YYYY-MM-DD); the same levels on one day are kept once
  list     each player&apos;s latest snapshot and the salary&apos;s change since the one
           before; --sort name, salary, position, change or date
  history  one player&apos;s snapshots, oldest first
  compare  two to four players side by side, each measured against the first
  forecast where a player&apos;s own pace leads in W weeks (8 unless --weeks says),
           from his snapshots, which must span 14 days at least
  export   the whole book as CSV, or with --json as JSON lines; with --link
           the players named (all without a name) as one link to share
  import   a file written by export or by &apos;wagecourt-cli batch --header&apos;;
           bad lines are named on standard error and every good one is kept;
           a link (or a file holding one) adds what the book lacks
  note     set a player&apos;s note (an empty TEXT clears it)
  tags     set a player&apos;s tags, short words of your own (none clears them)
  remove   a player and all his snapshots

The book is %1 unless --book names another file.

%2
Exit status:
  0  done
  1  a list rejected, a line of an import bad, an unknown player, or a book
     that could not be read or written whole
  2  a usage error
</source>
        <extracomment>The command and option names stay as they are. The book&apos;s file (%1), the option list (%2). Every line at most 79 characters once %1 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation type="vanished">Aufruf: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                       [FILE|-]
  oder: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  oder: wagecourt-cli book history NAME [--json]
  oder: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  oder: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  oder: wagecourt-cli book export [--json | --link [NAME...]]
  oder: wagecourt-cli book import FILE|- | --link TEXT
  oder: wagecourt-cli book note NAME TEXT
  oder: wagecourt-cli book tags NAME [WORD...]
  oder: wagecourt-cli book remove NAME
Spieler mit dem Verlauf ihrer Stufen gespeichert, wie im Spielerbuch des
Fensters.

Befehle:
  keep     liest eine kopierte Fähigkeitenliste aus FILE oder der
           Standardeingabe, in jeder Spielsprache (oder der mit --lang
           genannten), und speichert sie unter NAME, mit dem Datum von heute
           oder DAY (JJJJ-MM-TT); dieselben Stufen am selben Tag werden nur
           einmal gespeichert
  list     der letzte Eintrag jedes Spielers und die Änderung seines Gehalts
           seit dem vorigen; --sort name, salary, position, change oder date
  history  die Einträge eines Spielers, der älteste zuerst
  compare  zwei bis vier Spieler nebeneinander, jeder am ersten gemessen
  forecast wohin das eigene Tempo eines Spielers in W Wochen führt (8, wenn
           --weeks nichts anderes sagt), aus seinen Einträgen, die mindestens
           14 Tage umfassen müssen
  export   das ganze Buch als CSV, oder mit --json als JSON-Zeilen; mit --link
           die genannten Spieler (ohne Namen alle) als ein Link zum Teilen
  import   eine Datei, die export oder &apos;wagecourt-cli batch --header&apos;
           geschrieben hat; fehlerhafte Zeilen werden in der Fehlerausgabe
           genannt, jede gute wird gespeichert; ein Link (oder eine Datei mit
           einem Link) ergänzt, was dem Buch fehlt
  note     setzt die Notiz eines Spielers (ein leerer TEXT löscht sie)
  tags     setzt die Schlagwörter eines Spielers, kurze eigene Wörter (ohne
           WORD werden sie gelöscht)
  remove   ein Spieler mit allen seinen Einträgen

Das Buch ist %1,
sofern --book keine andere Datei nennt.

%2
Rückgabewert:
  0  erledigt
  1  eine Liste abgelehnt, eine Zeile eines Imports fehlerhaft, ein
     unbekannter Spieler oder ein Buch, das nicht vollständig gelesen oder
     geschrieben werden konnte
  2  ein Aufruffehler
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: wie viele Wochen voraus (ohne Angabe 8).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; ist keine Zahl von Wochen: gib eine ganze Zahl von 1 bis 520 an</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: ein Link mit ausgewählten Spielern statt einer Datei; import: der Link selbst statt einer Datei.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book braucht einen Befehl: keep, list, history, compare, forecast, export, import, note, tags oder remove</translation>
    </message>
    <message>
        <source>Usage: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                               [FILE|-]
  or:  wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  or:  wagecourt-cli book history NAME [--json]
  or:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  or:  wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  or:  wagecourt-cli book export [--json | --link [NAME...]]
  or:  wagecourt-cli book import FILE|- | --link TEXT
  or:  wagecourt-cli book note NAME TEXT
  or:  wagecourt-cli book tags NAME [WORD...]
  or:  wagecourt-cli book remove NAME
Players kept with the history of their levels, as in the window&apos;s Player Book.

Commands:
  keep     read one copied skill list from FILE or standard input, in any game
           language (or the one --lang names), and keep it under NAME, dated
           today or DAY (YYYY-MM-DD); the same levels on one day are kept once
  list     each player&apos;s latest snapshot and the salary&apos;s change since the one
           before; --sort name, salary, position, change or date
  history  one player&apos;s snapshots, oldest first
  compare  two to four players side by side, each measured against the first
  forecast where a player&apos;s own pace leads in W weeks (8 unless --weeks says),
           from his snapshots, which must span 14 days at least
  export   the whole book as CSV, or with --json as JSON lines; with --link
           the players named (all without a name) as one link to share
  import   a file written by export or by &apos;wagecourt-cli batch --header&apos;;
           bad lines are named on standard error and every good one is kept;
           a link (or a file holding one) adds what the book lacks
  note     set a player&apos;s note (an empty TEXT clears it)
  tags     set a player&apos;s tags, short words of your own (none clears them)
  remove   a player and all his snapshots

The book is %1
unless --book names another file.

%2
Exit status:
  0  done
  1  a list rejected, a line of an import bad, an unknown player, or a book
     that could not be read or written whole
  2  a usage error
</source>
        <extracomment>The command and option names stay as they are. The book&apos;s file (%1), the option list (%2). Every line at most 79 characters once %1 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation>Aufruf: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                                [FILE|-]
  oder: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  oder: wagecourt-cli book history NAME [--json]
  oder: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  oder: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  oder: wagecourt-cli book export [--json | --link [NAME...]]
  oder: wagecourt-cli book import FILE|- | --link TEXT
  oder: wagecourt-cli book note NAME TEXT
  oder: wagecourt-cli book tags NAME [WORD...]
  oder: wagecourt-cli book remove NAME
Spieler mit dem Verlauf ihrer Stufen gespeichert, wie im Spielerbuch des
Fensters.

Befehle:
  keep     liest eine kopierte Fähigkeitenliste aus FILE oder der
           Standardeingabe, in jeder Spielsprache (oder der mit --lang
           genannten), und speichert sie unter NAME, mit dem Datum von heute
           oder DAY (JJJJ-MM-TT); dieselben Stufen am selben Tag werden nur
           einmal gespeichert
  list     der letzte Eintrag jedes Spielers und die Änderung seines Gehalts
           seit dem vorigen; --sort name, salary, position, change oder date
  history  die Einträge eines Spielers, der älteste zuerst
  compare  zwei bis vier Spieler nebeneinander, jeder am ersten gemessen
  forecast wohin das eigene Tempo eines Spielers in W Wochen führt (8, wenn
           --weeks nichts anderes sagt), aus seinen Einträgen, die mindestens
           14 Tage umfassen müssen
  export   das ganze Buch als CSV, oder mit --json als JSON-Zeilen; mit --link
           die genannten Spieler (ohne Namen alle) als ein Link zum Teilen
  import   eine Datei, die export oder &apos;wagecourt-cli batch --header&apos;
           geschrieben hat; fehlerhafte Zeilen werden in der Fehlerausgabe
           genannt, jede gute wird gespeichert; ein Link (oder eine Datei mit
           einem Link) ergänzt, was dem Buch fehlt
  note     setzt die Notiz eines Spielers (ein leerer TEXT löscht sie)
  tags     setzt die Schlagwörter eines Spielers, kurze eigene Wörter (ohne
           WORD werden sie gelöscht)
  remove   ein Spieler mit allen seinen Einträgen

Das Buch ist %1,
sofern --book keine andere Datei nennt.

%2
Rückgabewert:
  0  erledigt
  1  eine Liste abgelehnt, eine Zeile eines Imports fehlerhaft, ein
     unbekannter Spieler oder ein Buch, das nicht vollständig gelesen oder
     geschrieben werden konnte
  2  ein Aufruffehler
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: ein Link zu den genannten Spielern statt einer Datei; import: ein solcher Link statt einer Datei.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Ins Spielerbuch aufnehmen</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Spielerbuch</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Name des Spielers:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Notiz (optional):</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Schon im Spielerbuch: Die gezeigten Stufen kommen zum Verlauf dieses Spielers hinzu.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Als Tabelle kopieren</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Fürs Forum kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Spieler im Spielerbuch: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Gelöscht: %1. Drücke Löschen rückgängig (Strg+Z) zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Ein anderes Programm benutzt das Spielerbuch; die Änderung wird gespeichert, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Kopiert: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Spieler vergleichen</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Gehalt (beste Position)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Gehalt als %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Wähle 2 bis 4 Spieler zum Vergleichen (Strg oder Umschalt mit einem Klick oder den Pfeiltasten).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Spielerbuch exportieren</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Ins Spielerbuch importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>CSV-Dateien (*.csv);;JSON-Lines-Dateien (*.jsonl *.ndjson *.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Exportierte Einträge: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>Das Spielerbuch enthält noch keinen Spieler.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Schlagwörter (optional):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>Ziel U21 verkaufen</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Gelöscht: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n Spieler gelöscht.</numerusform>
            <numerusform>%n Spieler gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Drücke „Löschen rückgängig“ (Strg+Z) zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Drücke „Löschen rückgängig“ zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Als Tabelle kopiert.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Für einen Forumsbeitrag kopiert.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Schlagwort:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Füge zuerst die Fähigkeitenliste eines Spielers ein (Strg+V) oder zeige einen Spieler aus dem Spielerbuch an.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Spielerbuch (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, wie am %2 ins Spielerbuch aufgenommen.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Spielerbuch wird gespeichert...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Ein anderes Programm benutzt das Spielerbuch, daher sind die Änderungen an %n Spieler noch nicht gespeichert.

Warten oder beenden und die Änderungen verwerfen?</numerusform>
            <numerusform>Ein anderes Programm benutzt das Spielerbuch, daher sind die Änderungen an %n Spielern noch nicht gespeichert.

Warten oder beenden und die Änderungen verwerfen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Beenden und verwerfen</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Spielerbuch-Dateien (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Link kopiert. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Spieler aufnehmen</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Nicht aufnehmen</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Link als QR-Code</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Richte die Kamera eines Handys auf den Code, um diese Spieler auf der Seite von Wagecourt zu öffnen.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>Der Link ist zu lang für einen QR-Code, den ein Handy vom Bildschirm lesen kann: Schicke stattdessen den Link.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Stufen sind ganze Zahlen von 1 bis 20 in der Reihenfolge des Spiels: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Mehr dazu mit &apos;wagecourt-cli --help&apos;.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>der Text beginnt nicht mit „%1“ wie die Beschriftung %3 auf %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
        <translation>Keine Fähigkeitenliste auf %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>kein Stufenname und keine Zahl hinter dem Doppelpunkt</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 ist keine Stufe von 1 bis 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>Die Stufe von %1 (Fähigkeit %2) ist nicht lesbar: %3.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Der Text hat mehr als %1 Zeichen; eine Fähigkeitenliste ist weit kürzer, und höchstens %2 werden gelesen.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>In keiner der Spielsprachen eine Fähigkeitenliste.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>Eingabe nicht lesbar: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>die Eingabe enthält keine Spielerzeile</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Standardausgabe nicht beschreibbar: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>JSON ausgeben: ein Objekt, bei batch eines pro Zeile.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: zuerst eine CSV-Zeile mit Spaltennamen ausgeben.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Version anzeigen.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>unbekannte Sprache &apos;%1&apos;; die Sprachen sind: %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>Stufe %1 &apos;%2&apos; ist keine ganze Zahl von 1 bis 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>Stufe &apos;%1&apos; ist keine ganze Zahl von 1 bis 20</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>&apos;%1&apos; nicht lesbar: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header gilt für CSV; JSON-Zeilen benennen ihre Felder selbst</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header gilt nur für batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages erwartet keine Argumente, &apos;%1&apos; angegeben</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>beim Namen in Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; ist keine Stufe (eine ganze Zahl von 1 bis 20)</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>der Name enthält das Steuerzeichen U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>länger als %1 Bytes, übersprungen</translation>
    </message>
    <message>
        <source>Usage: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  or:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  or:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  or:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  or:  wagecourt-cli languages [--json]
Work out the weekly salary of a Courtlore basketball player, exactly as the
Wagecourt window does.

%1

Languages are named as &apos;languages&apos; lists them, in any letter case and with or
without accents (english, Turkce, espanol), or by their codes: en tr es it fr
de pl pt.

A batch line holds ten levels separated by spaces, tabs or commas, and may
begin with the player&apos;s name and a comma or tab. Blank lines, lines starting
with &apos;#&apos; and a first line of column names are skipped.

Commands:
  calc       the salary of one player and what he earns at each position
  advise     what one level up or down in each skill would pay, then each
             position&apos;s salary
  import     read one copied skill list (UTF-8) from FILE or standard input,
             exactly as the window&apos;s &quot;%2&quot; reads the clipboard,
             in the language given or, without --lang, in any
  batch      one player per line from FILE or standard input, one result line
             out (CSV: the name if given, levels, salary, position, position
             name)
  languages  the game languages, one per line, or with their codes as JSON

%3
Exit status:
  0  done
  1  a list rejected, a batch line bad, or output that could not be written
  2  a usage error
A closed pipe (as with &apos;| head&apos;) ends the program by SIGPIPE, as it ends other
command-line tools.
</source>
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2, always the 16 characters of &quot;Calculate Salary&quot;), the option list (%3). Every line at most 79 characters once %2 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation type="vanished">Aufruf: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  oder: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  oder: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  oder: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  oder: wagecourt-cli languages [--json]
Berechnet das Wochengehalt eines Courtlore-Basketballspielers, genau wie das
Wagecourt-Fenster.

%1

Sprachen werden so benannt, wie &apos;languages&apos; sie auflistet, in beliebiger
Groß- und Kleinschreibung und mit oder ohne Akzente (english, Turkce, espanol),
oder mit ihren Kürzeln: en tr es it fr de pl pt.

Eine Batch-Zeile enthält zehn Stufen, getrennt durch Leerzeichen, Tabulatoren
oder Kommas, und darf mit dem Namen des Spielers und einem Komma oder Tabulator
beginnen. Leere Zeilen, Zeilen mit &apos;#&apos; am Anfang und eine erste Zeile mit
Spaltennamen werden übersprungen.

Befehle:
  calc       das Gehalt eines Spielers und was er auf jeder Position verdient
  advise     was eine Stufe mehr oder weniger in jeder Fähigkeit einbrächte,
             dann das Gehalt jeder Position
  import     liest eine kopierte Fähigkeitenliste (UTF-8) aus FILE oder der
             Standardeingabe, genau wie „%2“ im Fenster
             die Zwischenablage, in der angegebenen Sprache oder, ohne
             --lang, in jeder
  batch      ein Spieler pro Zeile aus FILE oder der Standardeingabe, eine
             Ergebniszeile pro Spieler (CSV: Name falls angegeben, Stufen,
             Gehalt, Position, Name der Position)
  languages  die Spielsprachen, eine pro Zeile, oder mit Kürzeln als JSON

%3
Rückgabewert:
  0  erledigt
  1  eine Liste abgelehnt, eine Batch-Zeile fehlerhaft oder die Ausgabe nicht
     schreibbar
  2  ein Aufruffehler
Eine geschlossene Pipe (wie bei &apos;| head&apos;) beendet das Programm mit SIGPIPE,
wie andere Kommandozeilenprogramme auch.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Spielsprache: Name oder Kürzel (siehe &apos;languages&apos;). Ohne Angabe %1; import liest die Liste dann in jeder Sprache, in der sie vorliegt.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>der Text enthält %n Doppelpunkt, eine Fähigkeitenliste %1 bis %2</numerusform>
            <numerusform>der Text enthält %n Doppelpunkte, eine Fähigkeitenliste %1 bis %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>Der Text hat %n Zeichen; eine Fähigkeitenliste ist weit kürzer, und höchstens %1 werden gelesen.</numerusform>
            <numerusform>Der Text hat %n Zeichen; eine Fähigkeitenliste ist weit kürzer, und höchstens %1 werden gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 braucht zehn Stufen, %n angegeben</numerusform>
            <numerusform>%1 braucht zehn Stufen, %n angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import liest nur eine Liste, %n Datei angegeben</numerusform>
            <numerusform>import liest nur eine Liste, %n Dateien angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch liest nur einen Kader, %n Datei angegeben</numerusform>
            <numerusform>batch liest nur einen Kader, %n Dateien angegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang %n-mal angegeben; bitte nur einmal</numerusform>
            <numerusform>--lang %n-mal angegeben; bitte nur einmal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>zehn Stufen erwartet, %n gefunden</numerusform>
            <numerusform>zehn Stufen erwartet, %n gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>Das Spielerbuch speichert Spieler und ihren Verlauf:
siehe &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 %n-mal angegeben; bitte nur einmal</numerusform>
            <numerusform>%1 %n-mal angegeben; bitte nur einmal</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]
  or:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  or:  wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                      [--cheapest N] [--skills LIST] [--lang NAME] [--json]
  or:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  or:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  or:  wagecourt-cli languages [--json]
Work out the weekly salary of a Courtlore basketball player, exactly as the
Wagecourt window does.

%1

Languages are named as &apos;languages&apos; lists them, in any letter case and with or
without accents (english, Turkce, espanol), or by their codes: en tr es it fr
de pl pt.

A batch line holds ten levels separated by spaces, tabs or commas, and may
begin with the player&apos;s name and a comma or tab. Blank lines, lines starting
with &apos;#&apos; and a first line of column names are skipped.

Commands:
  calc       the salary of one player and what he earns at each position;
             with --shown, whether it matches the salary the game shows
  advise     what one level up or down in each skill would pay, then each
             position&apos;s salary
  plan       what each level of each skill would pay, up to 20; --to plans
             steps to the levels given, one level at a time, --limit finds
             the highest levels within a salary, --cheapest the N one-level
             raises that cost least (among --skills, such as IS,ID,RB)
  import     read one copied skill list (UTF-8) from FILE or standard input,
             exactly as the window&apos;s &quot;%2&quot; reads the clipboard,
             in the language given or, without --lang, in any
  batch      one player per line from FILE or standard input, one result line
             out (CSV: the name if given, levels, salary, position, position
             name)
  languages  the game languages, one per line, or with their codes as JSON

%3
Exit status:
  0  done
  1  a list rejected, a batch line bad, a salary that differs from the one
     shown, or output that could not be written
  2  a usage error
A closed pipe (as with &apos;| head&apos;) ends the program by SIGPIPE, as it ends other
command-line tools.
</source>
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2, always the 16 characters of &quot;Calculate Salary&quot;), the option list (%3). Every line at most 79 characters once %2 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation>Aufruf: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]
  oder: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  oder: wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                       [--cheapest N] [--skills LIST] [--lang NAME] [--json]
  oder: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  oder: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  oder: wagecourt-cli languages [--json]
Berechnet das Wochengehalt eines Courtlore-Basketballspielers, genau wie das
Wagecourt-Fenster.

%1

Sprachen werden so benannt, wie &apos;languages&apos; sie auflistet, in beliebiger
Groß- und Kleinschreibung und mit oder ohne Akzente (english, Turkce, espanol),
oder mit ihren Kürzeln: en tr es it fr de pl pt.

Eine Batch-Zeile enthält zehn Stufen, getrennt durch Leerzeichen, Tabulatoren
oder Kommas, und darf mit dem Namen des Spielers und einem Komma oder Tabulator
beginnen. Leere Zeilen, Zeilen mit &apos;#&apos; am Anfang und eine erste Zeile mit
Spaltennamen werden übersprungen.

Befehle:
  calc       das Gehalt eines Spielers und was er auf jeder Position verdient;
             mit --shown, ob es zu dem Gehalt passt, das das Spiel anzeigt
  advise     was eine Stufe mehr oder weniger in jeder Fähigkeit einbrächte,
             dann das Gehalt jeder Position
  plan       was jede Stufe jeder Fähigkeit einbrächte, bis 20; --to plant
             Schritte zu den angegebenen Stufen, eine Stufe nach der anderen,
             --limit findet die höchsten Stufen innerhalb eines Gehalts,
             --cheapest die N Steigerungen um eine Stufe, die am wenigsten
             kosten (unter --skills, etwa IS,ID,RB)
  import     liest eine kopierte Fähigkeitenliste (UTF-8) aus FILE oder der
             Standardeingabe, genau wie „%2“ im Fenster
             die Zwischenablage, in der angegebenen Sprache oder, ohne
             --lang, in jeder
  batch      ein Spieler pro Zeile aus FILE oder der Standardeingabe, eine
             Ergebniszeile pro Spieler (CSV: Name falls angegeben, Stufen,
             Gehalt, Position, Name der Position)
  languages  die Spielsprachen, eine pro Zeile, oder mit Kürzeln als JSON

%3
Rückgabewert:
  0  erledigt
  1  eine Liste abgelehnt, eine Batch-Zeile fehlerhaft, ein Gehalt, das vom
     angezeigten abweicht, oder die Ausgabe nicht schreibbar
  2  ein Aufruffehler
Eine geschlossene Pipe (wie bei &apos;| head&apos;) beendet das Programm mit SIGPIPE,
wie andere Kommandozeilenprogramme auch.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: das Gehalt, das das Spiel anzeigt, zum Abgleich.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: eine Zielstufe, etwa IS=12 (mehrfach für mehrere, der Reihe nach).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: die höchsten Stufen innerhalb dieses Gehalts.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: die N Steigerungen um eine Stufe (1 bis 20), die das Gehalt am wenigsten erhöhen.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: die Fähigkeiten, in die die günstigsten Steigerungen gehen dürfen, etwa IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 gilt nur für %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: die N Steigerungen um eine Stufe (1 bis 20), die das Gehalt am wenigsten erhöhen.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Bitte kopiere die Fähigkeiten deines Spielers noch einmal und achte darauf, dass du im Auswahlmenü die richtige Sprache gewählt hast.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. Kopiere auf der Courtlore-Seite die Fähigkeiten deines Spielers ab „%1“.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Klicke auf „%1“.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt berechnet die Gehälter der Spieler mit Velmors Formeln. Besonderer Dank an Velmor (35817) für seine Arbeit und dafür, dass er diese wertvollen Formeln mit der Community teilt.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>ANLEITUNG</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Wähle im Auswahlmenü die Sprache, in der du spielst.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Klicke auf eine Fähigkeit, um sie zu ändern (Linksklick +1, Rechtsklick -1).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>In the information area, beside the picture, one line for each key of the player book: %1 the key as the system writes it (Ctrl+K), %2 what it does, the menu item&apos;s name (Keep in Book).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>A newer version of Wagecourt is already installed.</source>
        <extracomment>Shown by the Windows installer, which then stops, when a later version of Wagecourt is installed already.</extracomment>
        <translation>Eine neuere Version von Wagecourt ist bereits installiert.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Trainingsplan</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Jetzt: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Wochengehalt auf jeder Stufe, je eine Fähigkeit für sich</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>Der Plan, eine Stufe nach der anderen</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Am Ende: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Klicke in der Tabelle auf eine Stufe, um sie zum Ziel dieser Fähigkeit zu machen.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Gehaltsgrenze:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Höchste Stufen bis %1, je eine Fähigkeit für sich</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>Der Plan überschreitet die Grenze bei Schritt %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Der ganze Plan bleibt innerhalb der Grenze.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>Der Spieler verdient schon mehr, als die Grenze erlaubt.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Günstigste Steigerungen:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>Die Steigerung um eine Stufe, die das Gehalt am wenigsten erhöht</numerusform>
            <numerusform>Die %n Steigerungen um eine Stufe, die das Gehalt am wenigsten erhöhen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>in den angegebenen Fähigkeiten bleibt nur %n Steigerung</numerusform>
            <numerusform>in den angegebenen Fähigkeiten bleiben nur %n Steigerungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 in %n Woche, in seinem eigenen Tempo</numerusform>
            <numerusform>%1 in %n Wochen, in seinem eigenen Tempo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>Aus seinen Einträgen vom %1 bis %2 (%n Tag)</numerusform>
            <numerusform>Aus seinen Einträgen vom %1 bis %2 (%n Tage)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Zuwachs</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Pro Woche</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Dann</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Gehalt dann: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Gehalt laut Spiel:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, Gehaltsformel %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; ist keine Fähigkeit: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking oder JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; ist kein Ziel: gib eine Fähigkeit, = und eine Stufe von 1 bis 20 an, etwa IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; ist kein Gehalt: gib eine ganze Zahl an</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; ist keine Zahl von Steigerungen: gib eine ganze Zahl von 1 bis 20 an</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 hat nur einen Eintrag im Buch: eine Prognose braucht zwei, die mindestens 14 Tage auseinanderliegen</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>die Einträge von %1 umfassen %n Tag: eine Prognose braucht mindestens 14</numerusform>
            <numerusform>die Einträge von %1 umfassen %n Tage: eine Prognose braucht mindestens 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Es stimmt mit dem Spiel überein: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">Das Spiel zeigt %1, Wagecourt berechnet %2 (%3). Die Formel des Spiels hat sich vielleicht geändert: Bitte schicke den Bericht.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>Die Steigerung um eine Stufe, die das Gehalt am wenigsten erhöht</numerusform>
            <numerusform>Die %n Steigerungen um eine Stufe, die das Gehalt am wenigsten erhöhen</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>Das Spiel zeigt %1, Wagecourt berechnet %2 (%3). Die Formel des Spiels hat sich vielleicht geändert: Bitte kopiere den Bericht und schicke ihn an die Macher von Wagecourt.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 auf Stufe %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1 auf Stufe %2: %3 (%4), %5, über der Grenze</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1 auf Stufe %2, jetzt: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 auf %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 auf %2: %3 (%4), %5, über der Grenze</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, auf %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Your player&apos;s copied skill list</source>
        <translation>Die kopierte Fähigkeitenliste deines Spielers</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Spielsprache</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>%1 erhöhen</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>%1 senken</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Fähigkeit</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>What one training step pays</source>
        <translation>Was ein Trainingsschritt bringt</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Klicke oder tippe auf eine Stufe, um sie zu erhöhen; ein Rechtsklick oder ihr − senkt sie (die Tasten + und − funktionieren auch)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Funktioniert offline; lädt nur die eigenen Dateien, setzt keine Cookies und zählt keine Besucher.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Der Rechner konnte nicht geladen werden. Lade die Seite neu oder öffne sie in einem aktuellen Browser.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Neue Version: neu laden</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Wochengehalt in Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>Das Wochengehalt eines Courtlore-Spielers aus einer auf einer Seite markierten Fähigkeitenliste</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Ergebnis teilen</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Wie im System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Ins Spielerbuch aufgenommen: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Hake 2 bis 4 Spieler an und drücke dann auf „Vergleichen“.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Füge zuerst die Fähigkeitenliste eines Spielers ein und drücke „%1“ oder zeige einen Spieler aus dem Spielerbuch an.</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Bereits vergebene Schlagwörter: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Drücke „%1“ unter der Karte, um den angezeigten Spieler unter einem Namen aufzunehmen; darunter listet „%2“ die aufgenommenen Spieler auf.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Zuletzt exportiert am %1; seitdem gespeicherte Einträge: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Nie exportiert; nur in diesem Browser gespeicherte Einträge: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n Eintrag ist nur in diesem Browser gespeichert, der ihn löschen kann. Drücke „%1“, um eine Kopie des Spielerbuchs zu sichern.</numerusform>
            <numerusform>%n Einträge sind nur in diesem Browser gespeichert, der sie löschen kann. Drücke „%1“, um eine Kopie des Spielerbuchs zu sichern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Link zu den Spielern</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>QR-Code des Links</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Dieser Link enthält zu viel für einen QR-Code: Drücke „%1“, um den Link selbst zu schicken.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Info ein</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Info aus</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Einfügen und berechnen</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Spielerkarte</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Die Fähigkeiten eines Spielers im Webbrowser kopieren</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Beste Position</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Wochengehalt</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Stufe für %1</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - von Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Angezeigter Spieler</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Usage: wagecourt [options]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options]&quot; stays as it is.</extracomment>
        <translation type="vanished">Aufruf: wagecourt [options]</translation>
    </message>
    <message>
        <source>Work out the weekly salary of a Courtlore player from his skill list,
copied from the game&apos;s page.</source>
        <extracomment>Two lines of at most 79 characters each.</extracomment>
        <translation>Berechnet das Wochengehalt eines Courtlore-Spielers aus seiner
Fähigkeitenliste, kopiert von der Seite des Spiels.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Die eigenen Optionen der Oberflächenbibliothek, etwa -platform NAME,
-display DISPLAY oder -style NAME, werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Aufruf: wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
