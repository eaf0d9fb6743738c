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
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>liczba dwukropków: %1, a lista umiejętności ma ich od %2 do %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>nie zaczyna się od „%1”, jak etykieta %3 w języku %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
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
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>Nie udało się odczytać poziomu %1 (umiejętność %2): %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>Liczba znaków w tekście: %1; lista umiejętności jest dużo krótsza, a czytanych jest najwyżej %2.</translation>
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
        <translation>nieznany język &apos;%1&apos;; dostępne języki: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 wymaga dziesięciu poziomów, podano %2</translation>
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
        <source>import reads one list, %1 files given</source>
        <translation>import czyta jedną listę, podano plików: %1</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch czyta jeden skład, podano plików: %1</translation>
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
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang podano %1 razy; podaj je raz</translation>
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
        <source>expected ten levels, found %1</source>
        <translation>oczekiwano dziesięciu poziomów, znaleziono %1</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2), the option list (%3).</extracomment>
        <translation>Użycie: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
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
             standardowego wejścia, dokładnie tak, jak „%2” w oknie czyta,
             w podanym języku lub, bez --lang, w dowolnym
             schowek
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
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Język gry: nazwa lub kod (zob. &apos;languages&apos;). Bez podania: %1; import czyta wtedy listę w dowolnym języku, w jakim jest.</translation>
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
    <name>Salary</name>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>The salary caption, the salary, the position.</extracomment>
        <translation>%1 %2 (%3)</translation>
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
        <translation>Ile daje jeden krok treningu</translation>
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
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Działa offline; pobiera tylko własne pliki, nie ustawia ciasteczek i nikogo nie liczy.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - autor: Tarvel (58203)</translation>
    </message>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Poziom: %1</translation>
    </message>
</context>
</TS>
