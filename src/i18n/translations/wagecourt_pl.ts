<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %2 z %3, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>najwyższy poziom</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>najniższy poziom</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 jako %2</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: nie odczytano poziomu</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Ta umiejętność nie wpływa na pensję.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Pensja tygodniowa na każdej pozycji</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (najlepsza)</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>nazwisko jest puste</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>nazwisko ma więcej niż %1 znaków</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>nazwisko zawiera znak nowego wiersza, tabulator lub inny znak sterujący</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>nazwisko nie jest poprawnym tekstem</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>notatka ma więcej niż %1 znaków</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>notatka zawiera znak nowego wiersza, tabulator lub inny znak sterujący: notatka musi mieścić się w jednym wierszu</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>notatka nie jest poprawnym tekstem</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>to nie jest tekst UTF-8</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>polu w cudzysłowie brakuje cudzysłowu zamykającego</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">pól: %1, a nie tyle, ile nazw kolumn</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; zawiera liczb: %1, a nie 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; nie jest dniem zapisanym jako RRRR-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; nie jest poziomem (od 1 do 20 albo 0 dla nieznanej kondycji, rzutów osobistych lub doświadczenia)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>to nie jest obiekt JSON</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>brakuje klucza &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; nie jest językiem gry</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>dłuższy niż %1 bajtów</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>pierwszy wiersz nie podaje ani kolumn notesu, ani kolumn &apos;wagecourt-cli batch --header&apos;; nic nie wczytano</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 nie jest notesem zawodników; odłożono go jako %2 i założono nowy notes</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 zapisała nowsza wersja Wagecourt; odłożono go jako %2 i założono nowy notes</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>notes %1 jest używany przez inny program; nic nie zmieniono, spróbuj ponownie</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>nie można otworzyć notesu %1: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>nie można zmienić notesu %1: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>porównaj co najmniej dwóch zawodników</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>porównaj najwyżej czterech zawodników</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; podano dwa razy</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>w notesie nie ma zawodnika &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; ma więcej niż %2 MiB i nie został wczytany</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>notes nie zawiera jeszcze żadnego zawodnika</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Pensja</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">zapisane wpisy: %1 (nowi zawodnicy: %2), już w notesie: %3, odrzucone wiersze: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>nie można odczytać notesu %1: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>notes %1 jest używany przez inny program; spróbuj ponownie</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>notes %1 został zapisany przez nowszą wersję programu Wagecourt i wymaga tej wersji; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 nie jest notesem zawodników; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>nie wszystkie zapisane wpisy zawodnika &apos;%1&apos; dają się odczytać, więc nic do niego nie dodano</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: nie można odczytać %n zapisanego wpisu</numerusform>
            <numerusform>%1: nie można odczytać %n zapisanych wpisów</numerusform>
            <numerusform>%1: nie można odczytać %n zapisanych wpisów</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>eksport jest niepełny: pomija wpisy, których nie da się odczytać</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>nie udało się zapisać w %1 zmian dotyczących %n zawodnika: notes był zajęty przez inny program</numerusform>
            <numerusform>nie udało się zapisać w %1 zmian dotyczących %n zawodników: notes był zajęty przez inny program</numerusform>
            <numerusform>nie udało się zapisać w %1 zmian dotyczących %n zawodników: notes był zajęty przez inny program</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>nic nie zaimportowano</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>tag to jedno słowo: oddzielaj tagi spacjami lub przecinkami</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>tag ma więcej niż %1 znaków</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>tag zawiera znak sterujący</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>tag nie jest poprawnym tekstem</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>tych poziomów nie można zapisać</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>dodano %n wpis</numerusform>
            <numerusform>dodano %n wpisy</numerusform>
            <numerusform>dodano %n wpisów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n nowy zawodnik</numerusform>
            <numerusform>%n nowych zawodników</numerusform>
            <numerusform>%n nowych zawodników</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n już w notesie</numerusform>
            <numerusform>%n już w notesie</numerusform>
            <numerusform>%n już w notesie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>odrzucono %n wiersz</numerusform>
            <numerusform>odrzucono %n wiersze</numerusform>
            <numerusform>odrzucono %n wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Import: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 – zapisano: %2 (%3), nowy zawodnik</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 – zapisano: %2 (%3), najstarszy wpis</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 – zapisano: %2 (%3), %4 od %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1: wpis z %2 z tymi poziomami już istnieje; nic nie dodano</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>usunięto: %1 (wpisy: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>liczba pól (%n) nie zgadza się z liczbą kolumn</numerusform>
            <numerusform>liczba pól (%n) nie zgadza się z liczbą kolumn</numerusform>
            <numerusform>liczba pól (%n) nie zgadza się z liczbą kolumn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; zawiera %n liczbę, a nie 10 ani 13</numerusform>
            <numerusform>&quot;levels&quot; zawiera %n liczby, a nie 10 ani 13</numerusform>
            <numerusform>&quot;levels&quot; zawiera %n liczb, a nie 10 ani 13</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Tagi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos; nie jest datą w formacie RRRR-MM-DD</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>link jest ucięty: skopiuj go ponownie w całości</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>link został zmieniony po drodze (suma kontrolna się nie zgadza): skopiuj go ponownie</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>link utworzyła nowsza wersja programu Wagecourt (wersja linku %1): zaktualizuj Wagecourt, aby go dodać</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>link ma więcej niż 1 MiB i nie został wczytany</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>tekst nie zawiera linku do notesu zawodników</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>nie można zapisać zawodnika nr %1 z linku: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; występuje w linku dwa razy</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>jego tag &apos;%1&apos; występuje dwa razy</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>nie ma żadnego wpisu</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">data jego wpisu nr %1 nie jest prawidłowym dniem</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">jego wpis nr %1 podaje &apos;%2&apos;, a to nie jest język gry</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">jego wpis nr %1 podaje dla %2 poziom %3, który nie istnieje</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">nie można odczytać danych linku</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n zawodnika</numerusform>
            <numerusform>%n zawodników</numerusform>
            <numerusform>%n zawodników</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>Link zawiera %1 i %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Dodać ich do notesu zawodników?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>data jego wpisu nr %1 nie jest prawidłową datą</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>jego wpis nr %1 podaje &apos;%2&apos;, a to nie jest język gry</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>jego wpis nr %1 podaje dla umiejętności %2 poziom %3, który nie istnieje</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>umiejętność nr %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>nie można odczytać danych linku</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n wpis był już w notesie</numerusform>
            <numerusform>%n wpisy były już w notesie</numerusform>
            <numerusform>%n wpisów było już w notesie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>Plik notesu zamiast pliku okna.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: jednowierszowa notatka o zawodniku.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: data wpisu, RRRR-MM-DD.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: sortuj według name, salary, position, change lub date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Język gry: nazwa lub kod. keep czyta listę w tym języku; compare podaje w nim nazwy umiejętności.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>Wypisz JSON, jeden obiekt na wiersz.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book wymaga polecenia: keep, list, history, compare, export, import lub remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 przyjmuje %2, podano %3</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">jedno nazwisko</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">nazwisko i najwyżej jeden plik</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">jeden plik</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">żadnych argumentów</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; nie jest dniem zapisanym jako RRRR-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; nie jest kluczem sortowania: name, salary, position, change lub date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 jest tylko dla book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">zapisano: %1: %2 (%3), nowy zawodnik</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">zapisano: %1: %2 (%3), %4 od %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1: wpis z %2 z tymi poziomami już istnieje; nic nie dodano</translation>
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
        <translation type="vanished">Użycie: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
  lub:  wagecourt-cli book list [--sort KEY] [--json]
  lub:  wagecourt-cli book history NAME [--json]
  lub:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  lub:  wagecourt-cli book export [--json]
  lub:  wagecourt-cli book import FILE|-
  lub:  wagecourt-cli book remove NAME
Zawodnicy zapisani z historią ich poziomów, jak w Notesie zawodników w oknie.

Polecenia:
  keep     czyta skopiowaną listę umiejętności z FILE lub standardowego
           wejścia, w dowolnym języku gry (albo w tym, który podaje --lang),
           i zapisuje ją jako NAME z datą dzisiejszą lub DAY (RRRR-MM-DD);
           te same poziomy tego samego dnia są zapisywane raz
  list     ostatni wpis każdego zawodnika i zmiana jego pensji od poprzedniego;
           --sort name, salary, position, change lub date
  history  wpisy jednego zawodnika, od najstarszego
  compare  od dwóch do czterech zawodników obok siebie, każdy wobec pierwszego
  export   cały notes jako CSV albo z --json jako wiersze JSON
  import   plik zapisany przez export lub &apos;wagecourt-cli batch --header&apos;;
           błędne wiersze są wypisywane na standardowe wyjście błędów, a każdy
           poprawny jest zapisywany
  remove   zawodnik i wszystkie jego wpisy

Notes to %1, chyba że --book wskazuje inny plik.

%2
Kod wyjścia:
  0  gotowe
  1  odrzucona lista, błędny wiersz importu, nieznany zawodnik lub notes,
     którego nie dało się odczytać albo zapisać
  2  błąd użycia
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">zapisano: %1: %2 (%3), najstarszy wpis</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">usunięto: %1 (wpisy: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: dodaj zawodnikowi tag (powtórz, aby dodać więcej); list: tylko zawodnicy z tym tagiem.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 nie przyjmuje argumentów; podano argumentów: %n</numerusform>
            <numerusform>book %1 nie przyjmuje argumentów; podano argumentów: %n</numerusform>
            <numerusform>book %1 nie przyjmuje argumentów; podano argumentów: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 wymaga jednego nazwiska; podano argumentów: %n</numerusform>
            <numerusform>book %1 wymaga jednego nazwiska; podano argumentów: %n</numerusform>
            <numerusform>book %1 wymaga jednego nazwiska; podano argumentów: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep wymaga nazwiska i najwyżej jednego pliku; podano argumentów: %n</numerusform>
            <numerusform>book keep wymaga nazwiska i najwyżej jednego pliku; podano argumentów: %n</numerusform>
            <numerusform>book keep wymaga nazwiska i najwyżej jednego pliku; podano argumentów: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import wymaga jednego pliku; podano argumentów: %n</numerusform>
            <numerusform>book import wymaga jednego pliku; podano argumentów: %n</numerusform>
            <numerusform>book import wymaga jednego pliku; podano argumentów: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note wymaga nazwiska i notatki; podano argumentów: %n</numerusform>
            <numerusform>book note wymaga nazwiska i notatki; podano argumentów: %n</numerusform>
            <numerusform>book note wymaga nazwiska i notatki; podano argumentów: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags wymaga nazwiska i tagów, a nie podano nazwiska</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; nie jest datą w formacie RRRR-MM-DD</translation>
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
        <translation type="vanished">Użycie: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                       [FILE|-]
  lub:  wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  lub:  wagecourt-cli book history NAME [--json]
  lub:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  lub:  wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  lub:  wagecourt-cli book export [--json | --link [NAME...]]
  lub:  wagecourt-cli book import FILE|- | --link TEXT
  lub:  wagecourt-cli book note NAME TEXT
  lub:  wagecourt-cli book tags NAME [WORD...]
  lub:  wagecourt-cli book remove NAME
Zawodnicy zapisani z historią ich poziomów, jak w Notesie zawodników w oknie.

Polecenia:
  keep     czyta skopiowaną listę umiejętności z FILE lub standardowego
           wejścia, w dowolnym języku gry (albo w tym, który podaje --lang),
           i zapisuje ją jako NAME z datą dzisiejszą lub DAY (RRRR-MM-DD);
           te same poziomy tego samego dnia są zapisywane raz
  list     ostatni wpis każdego zawodnika i zmiana jego pensji od poprzedniego;
           --sort name, salary, position, change lub date
  history  wpisy jednego zawodnika, od najstarszego
  compare  od dwóch do czterech zawodników obok siebie, każdy wobec pierwszego
  forecast dokąd doprowadzi zawodnika jego własne tempo za W tygodni (8, chyba
           że --weeks podaje inaczej), na podstawie jego wpisów, które muszą
           obejmować co najmniej 14 dni
  export   cały notes jako CSV albo z --json jako wiersze JSON; z --link
           wskazani zawodnicy (bez nazwisk wszyscy) jako jeden link do
           udostępnienia
  import   plik zapisany przez export lub &apos;wagecourt-cli batch --header&apos;;
           błędne wiersze są wypisywane na standardowe wyjście błędów, a każdy
           poprawny jest zapisywany; link (lub plik, który go zawiera) dodaje
           to, czego brakuje w notesie
  note     ustawia notatkę zawodnika (pusty TEXT ją usuwa)
  tags     ustawia tagi zawodnika, własne krótkie słowa (bez WORD są
           usuwane)
  remove   zawodnik i wszystkie jego wpisy

Notes to %1,
chyba że --book wskazuje inny plik.

%2
Kod wyjścia:
  0  gotowe
  1  odrzucona lista, błędny wiersz importu, nieznany zawodnik lub notes,
     którego nie dało się w całości odczytać albo zapisać
  2  błąd użycia
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: na ile tygodni naprzód (domyślnie 8).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; nie jest liczbą tygodni: podaj liczbę całkowitą od 1 do 520</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: link z wybranymi zawodnikami zamiast pliku; import: sam link zamiast pliku.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book wymaga polecenia: keep, list, history, compare, forecast, export, import, note, tags lub remove</translation>
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
        <translation>Użycie: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                                [FILE|-]
  lub:  wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  lub:  wagecourt-cli book history NAME [--json]
  lub:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  lub:  wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  lub:  wagecourt-cli book export [--json | --link [NAME...]]
  lub:  wagecourt-cli book import FILE|- | --link TEXT
  lub:  wagecourt-cli book note NAME TEXT
  lub:  wagecourt-cli book tags NAME [WORD...]
  lub:  wagecourt-cli book remove NAME
Zawodnicy zapisani z historią ich poziomów, jak w Notesie zawodników w oknie.

Polecenia:
  keep     czyta skopiowaną listę umiejętności z FILE lub standardowego
           wejścia, w dowolnym języku gry (albo w tym, który podaje --lang),
           i zapisuje ją jako NAME z datą dzisiejszą lub DAY (RRRR-MM-DD);
           te same poziomy tego samego dnia są zapisywane raz
  list     ostatni wpis każdego zawodnika i zmiana jego pensji od poprzedniego;
           --sort name, salary, position, change lub date
  history  wpisy jednego zawodnika, od najstarszego
  compare  od dwóch do czterech zawodników obok siebie, każdy wobec pierwszego
  forecast dokąd doprowadzi zawodnika jego własne tempo za W tygodni (8, chyba
           że --weeks podaje inaczej), na podstawie jego wpisów, które muszą
           obejmować co najmniej 14 dni
  export   cały notes jako CSV albo z --json jako wiersze JSON; z --link
           wskazani zawodnicy (bez nazwisk wszyscy) jako jeden link do
           udostępnienia
  import   plik zapisany przez export lub &apos;wagecourt-cli batch --header&apos;;
           błędne wiersze są wypisywane na standardowe wyjście błędów, a każdy
           poprawny jest zapisywany; link (lub plik, który go zawiera) dodaje
           to, czego brakuje w notesie
  note     ustawia notatkę zawodnika (pusty TEXT ją usuwa)
  tags     ustawia tagi zawodnika, własne krótkie słowa (bez WORD są
           usuwane)
  remove   zawodnik i wszystkie jego wpisy

Notes to %1,
chyba że --book wskazuje inny plik.

%2
Kod wyjścia:
  0  gotowe
  1  odrzucona lista, błędny wiersz importu, nieznany zawodnik lub notes,
     którego nie dało się w całości odczytać albo zapisać
  2  błąd użycia
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: link do wskazanych zawodników zamiast pliku; import: taki link zamiast pliku.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Zapisz w notesie</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Notes zawodników</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Nazwisko zawodnika:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Notatka (opcjonalnie):</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Już jest w notesie: pokazane poziomy zostaną dodane do historii tego zawodnika.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Cofnij usunięcie</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importuj...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Kopiuj jako tabelę</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Kopiuj do posta na forum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Zawodnicy</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Historia: %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Zawodnicy w notesie: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Usunięto: %1. Naciśnij Cofnij usunięcie (Ctrl+Z), aby przywrócić.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Inny program używa notesu; zmiana zostanie zapisana, gdy tylko będzie to możliwe.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Skopiowano: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Porównanie zawodników</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Pensja (najlepsza pozycja)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Pensja jako %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Wybierz od 2 do 4 zawodników do porównania (Ctrl lub Shift z kliknięciem albo strzałkami).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Eksportuj notes</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Importuj do notesu</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>Pliki CSV (*.csv);;Pliki JSON Lines (*.jsonl *.ndjson *.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>Nie udało się odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Wyeksportowane wpisy: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>W notesie nie ma jeszcze żadnego zawodnika.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Tagi (opcjonalnie):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>cel U21 sprzedaż</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Usunięto: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>Usunięto %n zawodnika.</numerusform>
            <numerusform>Usunięto %n zawodników.</numerusform>
            <numerusform>Usunięto %n zawodników.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Naciśnij „Cofnij usunięcie” (Ctrl+Z), aby przywrócić.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Naciśnij „Cofnij usunięcie”, aby przywrócić.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Skopiowano jako tabelę.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Skopiowano do posta na forum.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Wszyscy zawodnicy</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Najpierw wklej listę umiejętności zawodnika (Ctrl+V) lub pokaż zawodnika z notesu.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Notes zawodników (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1 – wpis w notesie z dnia %2.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Zapisywanie notesu zawodników...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Inny program używa notesu zawodników, więc zmiany dotyczące %n zawodnika nie zostały jeszcze zapisane.

Czekać na niego czy zakończyć i utracić te zmiany?</numerusform>
            <numerusform>Inny program używa notesu zawodników, więc zmiany dotyczące %n zawodników nie zostały jeszcze zapisane.

Czekać na niego czy zakończyć i utracić te zmiany?</numerusform>
            <numerusform>Inny program używa notesu zawodników, więc zmiany dotyczące %n zawodników nie zostały jeszcze zapisane.

Czekać na niego czy zakończyć i utracić te zmiany?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Czekaj</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Zakończ bez zapisu</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Pliki notesu (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Skopiowano link. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Dodaj zawodników</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Nie dodawaj</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Link jako kod QR</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Skieruj aparat telefonu na kod, aby otworzyć tych zawodników na stronie Wagecourt.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>Link jest za długi na kod QR, który telefon odczyta z ekranu: zamiast tego wyślij link.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Poziomy to liczby całkowite od 1 do 20 w kolejności z gry: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Uruchom &apos;wagecourt-cli --help&apos;, aby zobaczyć użycie.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>nie zaczyna się od „%1”, jak etykieta %3 w języku %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
        <translation>To nie jest lista umiejętności w języku %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>brak nazwy poziomu lub liczby po dwukropku</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 nie jest poziomem od 1 do 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>Nie udało się odczytać poziomu %1 (umiejętność %2): %3.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Tekst ma ponad %1 znaków; lista umiejętności jest dużo krótsza, a czytanych jest najwyżej %2.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>To nie jest lista umiejętności w żadnym z języków gry.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>nie można odczytać wejścia: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>wejście nie zawiera wiersza z zawodnikiem</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>Wypisz JSON: jeden obiekt lub jeden na wiersz dla batch.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: najpierw wypisz wiersz CSV z nazwami kolumn.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Pokaż tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Pokaż wersję.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>nieznany język &apos;%1&apos;; dostępne języki: %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>poziom %1 &apos;%2&apos; nie jest liczbą całkowitą od 1 do 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>poziom &apos;%1&apos; nie jest liczbą całkowitą od 1 do 20</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>nie można odczytać &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header dotyczy CSV; wiersze JSON same nazywają swoje pola</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header dotyczy tylko batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages nie przyjmuje argumentów, podano &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>nazwisku w cudzysłowie brakuje cudzysłowu zamykającego</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; nie jest poziomem (liczbą całkowitą od 1 do 20)</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>nazwisko zawiera znak sterujący U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>dłuższy niż %1 bajtów, pominięty</translation>
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
        <translation type="vanished">Użycie: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  lub:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  lub:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  lub:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  lub:  wagecourt-cli languages [--json]
Oblicza tygodniową pensję koszykarza z Courtlore, dokładnie tak jak okno
Wagecourt.

%1

Języki podaje się tak, jak wypisuje je &apos;languages&apos;, dowolną wielkością liter,
ze znakami diakrytycznymi lub bez (english, Turkce, espanol), albo kodami:
en tr es it fr de pl pt.

Wiersz dla batch zawiera dziesięć poziomów rozdzielonych spacjami,
tabulatorami lub przecinkami i może zaczynać się od nazwiska zawodnika oraz
przecinka lub tabulatora. Puste wiersze, wiersze zaczynające się od &apos;#&apos;
i pierwszy wiersz z nazwami kolumn są pomijane.

Polecenia:
  calc       pensja jednego zawodnika i jego zarobki na każdej pozycji
  advise     ile dałby poziom więcej lub mniej w każdej umiejętności, potem
             pensja na każdej pozycji
  import     czyta jedną skopiowaną listę umiejętności (UTF-8) z FILE lub
             standardowego wejścia, dokładnie tak, jak „%2”
             w oknie czyta schowek, w podanym języku lub, bez --lang,
             w dowolnym
  batch      jeden zawodnik na wiersz z FILE lub standardowego wejścia, jeden
             wiersz wyniku na zawodnika (CSV: nazwisko, jeśli podane, poziomy,
             pensja, pozycja, nazwa pozycji)
  languages  języki gry, po jednym w wierszu, lub z kodami jako JSON

%3
Kod wyjścia:
  0  gotowe
  1  odrzucona lista, błędny wiersz dla batch lub wyjście, którego nie dało
     się zapisać
  2  błąd użycia
Zamknięty potok (jak przy &apos;| head&apos;) kończy program sygnałem SIGPIPE, tak jak
inne narzędzia wiersza poleceń.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Język gry: nazwa lub kod (zob. &apos;languages&apos;). Domyślnie: %1; import czyta wtedy listę w dowolnym języku, w jakim jest.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>liczba dwukropków: %n, a lista umiejętności ma ich od %1 do %2</numerusform>
            <numerusform>liczba dwukropków: %n, a lista umiejętności ma ich od %1 do %2</numerusform>
            <numerusform>liczba dwukropków: %n, a lista umiejętności ma ich od %1 do %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>Liczba znaków w tekście: %n; lista umiejętności jest dużo krótsza, a wczytywanych jest najwyżej %1 znaków.</numerusform>
            <numerusform>Liczba znaków w tekście: %n; lista umiejętności jest dużo krótsza, a wczytywanych jest najwyżej %1 znaków.</numerusform>
            <numerusform>Liczba znaków w tekście: %n; lista umiejętności jest dużo krótsza, a wczytywanych jest najwyżej %1 znaków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 wymaga dziesięciu poziomów, podano %n</numerusform>
            <numerusform>%1 wymaga dziesięciu poziomów, podano %n</numerusform>
            <numerusform>%1 wymaga dziesięciu poziomów, podano %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import czyta jedną listę, podano plików: %n</numerusform>
            <numerusform>import czyta jedną listę, podano plików: %n</numerusform>
            <numerusform>import czyta jedną listę, podano plików: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch czyta jeden skład, podano plików: %n</numerusform>
            <numerusform>batch czyta jeden skład, podano plików: %n</numerusform>
            <numerusform>batch czyta jeden skład, podano plików: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>opcję --lang podano %n raz; podaj ją tylko raz</numerusform>
            <numerusform>opcję --lang podano %n razy; podaj ją tylko raz</numerusform>
            <numerusform>opcję --lang podano %n razy; podaj ją tylko raz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>oczekiwano dziesięciu poziomów, znaleziono %n</numerusform>
            <numerusform>oczekiwano dziesięciu poziomów, znaleziono %n</numerusform>
            <numerusform>oczekiwano dziesięciu poziomów, znaleziono %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>Notes zawodników przechowuje zawodników i ich historię:
zob. &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>opcję %1 podano %n raz; podaj ją tylko raz</numerusform>
            <numerusform>opcję %1 podano %n razy; podaj ją tylko raz</numerusform>
            <numerusform>opcję %1 podano %n razy; podaj ją tylko raz</numerusform>
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
        <translation>Użycie: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]
  lub:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  lub:  wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                       [--cheapest N] [--skills LIST] [--lang NAME] [--json]
  lub:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  lub:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  lub:  wagecourt-cli languages [--json]
Oblicza tygodniową pensję koszykarza z Courtlore, dokładnie tak jak okno
Wagecourt.

%1

Języki podaje się tak, jak wypisuje je &apos;languages&apos;, dowolną wielkością liter,
ze znakami diakrytycznymi lub bez (english, Turkce, espanol), albo kodami:
en tr es it fr de pl pt.

Wiersz dla batch zawiera dziesięć poziomów rozdzielonych spacjami,
tabulatorami lub przecinkami i może zaczynać się od nazwiska zawodnika oraz
przecinka lub tabulatora. Puste wiersze, wiersze zaczynające się od &apos;#&apos;
i pierwszy wiersz z nazwami kolumn są pomijane.

Polecenia:
  calc       pensja jednego zawodnika i jego zarobki na każdej pozycji;
             z --shown: czy zgadza się z pensją pokazywaną w grze
  advise     ile dałby poziom więcej lub mniej w każdej umiejętności, potem
             pensja na każdej pozycji
  plan       ile dałby każdy poziom każdej umiejętności, do 20; --to planuje
             kroki do podanych poziomów, po jednym poziomie, --limit szuka
             najwyższych poziomów w granicach pensji, --cheapest N podniesień
             o jeden poziom, które kosztują najmniej (spośród --skills,
             np. IS,ID,RB)
  import     czyta jedną skopiowaną listę umiejętności (UTF-8) z FILE lub
             standardowego wejścia, dokładnie tak, jak „%2”
             w oknie czyta schowek, w podanym języku lub, bez --lang,
             w dowolnym
  batch      jeden zawodnik na wiersz z FILE lub standardowego wejścia, jeden
             wiersz wyniku na zawodnika (CSV: nazwisko, jeśli podane, poziomy,
             pensja, pozycja, nazwa pozycji)
  languages  języki gry, po jednym w wierszu, lub z kodami jako JSON

%3
Kod wyjścia:
  0  gotowe
  1  odrzucona lista, błędny wiersz dla batch, pensja inna niż pokazywana
     w grze lub wyjście, którego nie dało się zapisać
  2  błąd użycia
Zamknięty potok (jak przy &apos;| head&apos;) kończy program sygnałem SIGPIPE, tak jak
inne narzędzia wiersza poleceń.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: pensja pokazywana w grze, do sprawdzenia.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: poziom docelowy, np. IS=12 (powtórz, aby dodać więcej, po kolei).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: najwyższe poziomy w granicach tej pensji.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: N podniesień o jeden poziom (od 1 do 20), które najmniej podnoszą pensję.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: umiejętności, w których mogą być najtańsze podniesienia, np. IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 jest tylko dla %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: N podniesień o jeden poziom (od 1 do 20), które najmniej zwiększają pensję.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Skopiuj ponownie umiejętności swojego zawodnika i upewnij się, że na liście rozwijanej wybrano właściwy język.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. Na stronie Courtlore skopiuj umiejętności zawodnika od „%1”.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Kliknij przycisk „%1”.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt to narzędzie do obliczania pensji zawodników według wzorów Velmora. Specjalne podziękowania dla Velmora (35817) za jego pracę i udostępnienie tych cennych wzorów społeczności.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUKCJA</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Wybierz z listy rozwijanej język, w którym grasz.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Kliknij umiejętność, aby ją zmienić (lewy przycisk +1, prawy przycisk -1).</translation>
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
        <translation>Nowsza wersja programu Wagecourt jest zainstalowana.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Plan treningowy</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Teraz: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Pensja tygodniowa na każdym poziomie, po jednej umiejętności</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>Plan, po jednym poziomie</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Na końcu: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Kliknij poziom w tabeli, aby ustawić go jako cel tej umiejętności.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Limit pensji:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Najwyższe poziomy do %1, po jednej umiejętności</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>Plan przekracza limit w kroku %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Cały plan mieści się w limicie.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>Zawodnik już zarabia więcej, niż wynosi limit.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Najtańsze podniesienia:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>Podniesienie o jeden poziom, które najmniej podnosi pensję</numerusform>
            <numerusform>%n podniesienia o jeden poziom, które najmniej podnoszą pensję</numerusform>
            <numerusform>%n podniesień o jeden poziom, które najmniej podnoszą pensję</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>w podanych umiejętnościach zostało tylko %n podniesienie</numerusform>
            <numerusform>w podanych umiejętnościach zostały tylko %n podniesienia</numerusform>
            <numerusform>w podanych umiejętnościach zostało tylko %n podniesień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 za %n tydzień, w jego własnym tempie</numerusform>
            <numerusform>%1 za %n tygodnie, w jego własnym tempie</numerusform>
            <numerusform>%1 za %n tygodni, w jego własnym tempie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>Na podstawie jego wpisów od %1 do %2 (%n dzień)</numerusform>
            <numerusform>Na podstawie jego wpisów od %1 do %2 (%n dni)</numerusform>
            <numerusform>Na podstawie jego wpisów od %1 do %2 (%n dni)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Przyrost</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Na tydzień</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Potem</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Pensja potem: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Pensja w grze:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Kopiuj raport</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, formuła pensji %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; nie jest umiejętnością: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking lub JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; nie jest celem: podaj umiejętność, = i poziom od 1 do 20, np. IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; nie jest pensją: podaj liczbę całkowitą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; nie jest liczbą podniesień: podaj liczbę całkowitą od 1 do 20</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 ma w notesie tylko jeden wpis: prognoza wymaga dwóch, odległych o co najmniej 14 dni</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>wpisy zawodnika %1 obejmują %n dzień: prognoza wymaga co najmniej 14</numerusform>
            <numerusform>wpisy zawodnika %1 obejmują %n dni: prognoza wymaga co najmniej 14</numerusform>
            <numerusform>wpisy zawodnika %1 obejmują %n dni: prognoza wymaga co najmniej 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Zgadza się z grą: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">Gra pokazuje %1, a Wagecourt oblicza %2 (%3). Formuła gry mogła się zmienić: wyślij raport.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>Podniesienie o jeden poziom, które najmniej zwiększa pensję</numerusform>
            <numerusform>%n podniesienia o jeden poziom, które najmniej zwiększają pensję</numerusform>
            <numerusform>%n podniesień o jeden poziom, które najmniej zwiększają pensję</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Osiągnięty</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>Gra pokazuje %1, a Wagecourt oblicza %2 (%3). Formuła gry mogła się zmienić: skopiuj raport i wyślij go twórcom Wagecourt.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1, poziom %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1, poziom %2: %3 (%4), %5, ponad limit</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1, poziom %2, teraz: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 do %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 do %2: %3 (%4), %5, ponad limit</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, do %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Your player&apos;s copied skill list</source>
        <translation>Skopiowana lista umiejętności twojego zawodnika</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Język gry</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>Podnieś: %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Obniż: %1</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Kopiuj wynik</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Umiejętność</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
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
        <translation>Ile daje jeden poziom więcej</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Kliknij lub dotknij poziomu, aby go podnieść; kliknij prawym przyciskiem lub naciśnij jego −, aby go obniżyć (działają też klawisze + i −)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Działa offline; pobiera tylko własne pliki, nie ustawia ciasteczek i nie zlicza odwiedzin.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Nie udało się wczytać kalkulatora. Odśwież stronę lub otwórz ją w aktualnej przeglądarce.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Nowa wersja: odśwież</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Tygodniowa pensja w Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>Tygodniowa pensja zawodnika Courtlore z listy umiejętności zaznaczonej na stronie</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Udostępnij wynik</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Zapisano w notesie: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Zaznacz od 2 do 4 zawodników, a potem naciśnij „Porównaj”.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Najpierw wklej listę umiejętności zawodnika i naciśnij „%1” albo pokaż zawodnika z notesu.</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Nadane już tagi: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Naciśnij „%1” pod kartą, aby zapisać pokazanego zawodnika pod wybranym nazwiskiem; niżej „%2” wymienia zapisanych zawodników.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Ostatni eksport: %1; wpisy zapisane od tego czasu: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Nigdy nie eksportowano; wpisy zapisane tylko w tej przeglądarce: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n wpis jest zapisany tylko w tej przeglądarce, która może go usunąć. Naciśnij „%1”, aby zachować kopię notesu.</numerusform>
            <numerusform>%n wpisy są zapisane tylko w tej przeglądarce, która może je usunąć. Naciśnij „%1”, aby zachować kopię notesu.</numerusform>
            <numerusform>%n wpisów jest zapisanych tylko w tej przeglądarce, która może je usunąć. Naciśnij „%1”, aby zachować kopię notesu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Kopiuj link</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Link do zawodników</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Kod QR linku</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Ten link zawiera za dużo danych na kod QR: naciśnij „%1”, aby wysłać sam link.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Dodaj do notesu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Pokaż info</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Ukryj info</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Wklej i oblicz</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Karta zawodnika</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Kopiowanie umiejętności zawodnika w przeglądarce</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Najlepsza pozycja</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Pensja tygodniowa</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Poziom umiejętności „%1”</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - autor: Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Pokazany zawodnik</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Usage: wagecourt [options]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options]&quot; stays as it is.</extracomment>
        <translation type="vanished">Użycie: wagecourt [options]</translation>
    </message>
    <message>
        <source>Work out the weekly salary of a Courtlore player from his skill list,
copied from the game&apos;s page.</source>
        <extracomment>Two lines of at most 79 characters each.</extracomment>
        <translation>Oblicza tygodniową pensję zawodnika Courtlore z jego listy umiejętności,
skopiowanej ze strony gry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Akceptowane są też własne opcje biblioteki interfejsu, takie jak
-platform NAME, -display DISPLAY lub -style NAME.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Użycie: wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
