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
        <translation>%1: %2 (beste)</translation>
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
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>er enthält %1 Doppelpunkte, eine Fähigkeitenliste %2 bis %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>er beginnt nicht mit „%1“ wie die Beschriftung %3 auf %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
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
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>Die Stufe von %1 (Fähigkeit %2) ist nicht lesbar: %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>Der Text hat %1 Zeichen; eine Fähigkeitenliste ist weit kürzer, und höchstens %2 werden gelesen.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Der Text hat mehr als %1 Zeichen; eine Fähigkeitenliste ist weit kürzer, und höchstens %2 werden gelesen.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Keine Fähigkeitenliste in einer der Spielsprachen.</translation>
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
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <translation>unbekannte Sprache &apos;%1&apos;; die Sprachen sind: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 braucht zehn Stufen, %2 angegeben</translation>
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
        <source>import reads one list, %1 files given</source>
        <translation>import liest eine Liste, %1 Dateien angegeben</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch liest einen Kader, %1 Dateien angegeben</translation>
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
        <translation>languages nimmt keine Argumente, &apos;%1&apos; angegeben</translation>
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
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang %1-mal angegeben; bitte nur einmal</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>dem Namen in Anführungszeichen fehlt das schließende</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; ist keine Stufe (eine ganze Zahl von 1 bis 20)</translation>
    </message>
    <message>
        <source>expected ten levels, found %1</source>
        <translation>zehn Stufen erwartet, %1 gefunden</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2), the option list (%3).</extracomment>
        <translation>Aufruf: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
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
             Standardeingabe, genau wie „%2“ im Fenster die Zwischenablage,
             in der angegebenen Sprache oder, ohne --lang, in jeder
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
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Spielsprache: Name oder Kürzel (siehe &apos;languages&apos;). Ohne Angabe %1; import liest die Liste dann in jeder Sprache, in der sie vorliegt.</translation>
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
        <translation>4. Klicke oder tippe auf eine Stufe, um sie zu erhöhen; ein Rechtsklick oder ihr − senkt sie (die Tasten + und − gehen auch)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Funktioniert offline; lädt nur die eigenen Dateien, setzt keine Cookies und zählt niemanden.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - von Tarvel (58203)</translation>
    </message>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Stufe für %1</translation>
    </message>
</context>
</TS>
