<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %2 su %3, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>livello massimo</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>livello minimo</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 come %2</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: livello non letto</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Questa abilità non influisce sullo stipendio.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Stipendio settimanale in ogni ruolo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (migliore)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>I livelli sono numeri interi da 1 a 20 nell&apos;ordine del gioco: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Esegui &apos;wagecourt-cli --help&apos; per l&apos;uso.</translation>
    </message>
    <message>
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>contiene %1 due punti, una lista di abilità ne ha da %2 a %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>non inizia con &quot;%1&quot;, come la voce %3 in %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
        <translation>Non è una lista di abilità in %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>nessun nome di livello o numero dopo i due punti</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 non è un livello da 1 a 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>Impossibile leggere il livello di %1 (abilità %2): %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>Il testo contiene %1 caratteri; una lista di abilità è molto più corta e se ne leggono al massimo %2.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Il testo contiene più di %1 caratteri; una lista di abilità è molto più corta e se ne leggono al massimo %2.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Non è una lista di abilità in nessuna delle lingue del gioco.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>impossibile leggere l&apos;input: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>l&apos;input non contiene righe di giocatori</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>Stampa JSON: un oggetto, o uno per riga con batch.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: stampa prima una riga CSV con i nomi delle colonne.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <translation>lingua sconosciuta &apos;%1&apos;; le lingue sono: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 richiede dieci livelli, ne sono stati dati %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>il livello %1 &apos;%2&apos; non è un numero intero da 1 a 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>il livello &apos;%1&apos; non è un numero intero da 1 a 20</translation>
    </message>
    <message>
        <source>import reads one list, %1 files given</source>
        <translation>import legge una sola lista, dati %1 file</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch legge una sola rosa, dati %1 file</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header è per il CSV; le righe JSON nominano già i loro campi</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header vale solo per batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages non accetta argomenti, dato &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang indicato %1 volte; indicalo una volta sola</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>al nome tra virgolette manca la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; non è un livello (un numero intero da 1 a 20)</translation>
    </message>
    <message>
        <source>expected ten levels, found %1</source>
        <translation>attesi dieci livelli, trovati %1</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>il nome contiene il carattere di controllo U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>più lunga di %1 byte, saltata</translation>
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
        <translation>Uso: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  o:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  o:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  o:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  o:  wagecourt-cli languages [--json]
Calcola lo stipendio settimanale di un giocatore di basket di Courtlore,
esattamente come la finestra di Wagecourt.

%1

Le lingue si indicano come le elenca &apos;languages&apos;, in maiuscolo o minuscolo e
con o senza accenti (english, Turkce, espanol), oppure con i loro codici: en tr
es it fr de pl pt.

Una riga di batch contiene dieci livelli separati da spazi, tabulazioni o
virgole, e può iniziare con il nome del giocatore seguito da una virgola o una
tabulazione. Le righe vuote, quelle che iniziano con &apos;#&apos; e una prima riga con i
nomi delle colonne vengono saltate.

Comandi:
  calc       lo stipendio di un giocatore e quanto guadagna in ogni ruolo
  advise     quanto renderebbe un livello in più o in meno in ogni abilità,
             poi lo stipendio di ogni ruolo
  import     legge una lista di abilità copiata (UTF-8) da FILE o dallo
             standard input, esattamente come &quot;%2&quot; legge gli appunti nella,
             nella lingua indicata o, senza --lang, in qualsiasi
             finestra
  batch      un giocatore per riga da FILE o dallo standard input, una riga di
             risultato per giocatore (CSV: il nome se dato, livelli, stipendio,
             ruolo, nome del ruolo)
  languages  le lingue del gioco, una per riga, o con i codici in JSON

%3
Stato di uscita:
  0  fatto
  1  una lista rifiutata, una riga di batch errata o un output non scrivibile
  2  un errore di utilizzo
Una pipe chiusa (come con &apos;| head&apos;) termina il programma con SIGPIPE, come
accade agli altri strumenti da riga di comando.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Lingua del gioco: un nome o un codice (vedi &apos;languages&apos;). Se non indicata, %1; import legge allora la lista in qualunque lingua sia.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Copia di nuovo le abilità del tuo giocatore e assicurati di aver scelto la lingua giusta nel menu a tendina.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. Sul sito di Courtlore copia le abilità del tuo giocatore a partire da &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Fai clic sul pulsante &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt è uno strumento per calcolare gli stipendi dei giocatori con le formule di Velmor. Un grazie speciale a Velmor (35817) per il suo lavoro e per aver condiviso queste preziose formule con la comunità.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>ISTRUZIONI</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Scegli nel menu a tendina la lingua in cui giochi.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Fai clic sulle abilità per cambiarle (clic sinistro +1, clic destro -1).</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>A newer version of Wagecourt is already installed.</source>
        <extracomment>Shown by the Windows installer, which then stops, when a later version of Wagecourt is installed already.</extracomment>
        <translation>È già installata una versione più recente di Wagecourt.</translation>
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
        <translation>La lista di abilità copiata del tuo giocatore</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Lingua del gioco</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>Aumenta %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Diminuisci %1</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copia risultato</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Abilità</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
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
        <translation>Quanto rende un passo di allenamento</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Fai clic o tocca un livello per aumentarlo; fai clic destro o premi il suo − per diminuirlo (funzionano anche i tasti + e −)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Funziona offline; scarica solo i propri file, non usa cookie e non conta nessuno.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - di Tarvel (58203)</translation>
    </message>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Vedi info</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Chiudi info</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Incolla e calcola</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Scheda del giocatore</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Copiare le abilità di un giocatore in un browser web</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Ruolo migliore</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Stipendio settimanale</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Livello di %1</translation>
    </message>
</context>
</TS>
