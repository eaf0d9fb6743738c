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
        <translation>%1 da %2</translation>
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
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>il nome supera i %1 caratteri</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>il nome contiene un a capo, una tabulazione o un altro carattere di controllo</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>il nome non è un testo valido</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>la nota supera i %1 caratteri</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>la nota contiene un a capo, una tabulazione o un altro carattere di controllo: la nota deve stare su una sola riga</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>la nota non è un testo valido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>a un campo tra virgolette manca la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 campi, non quanti i nomi delle colonne</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; contiene %1 numeri, non 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; non è un giorno scritto AAAA-MM-GG</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; non è un livello (da 1 a 20, o 0 per resistenza, tiri liberi o esperienza sconosciuti)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>manca la chiave &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; non è una lingua del gioco</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>più lunga di %1 byte</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>la prima riga non nomina né le colonne del taccuino né quelle di &apos;wagecourt-cli batch --header&apos;; non è stato letto nulla</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 non è un taccuino dei giocatori; è stato messo da parte come %2 e ne è stato creato uno nuovo</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 è stato scritto da una versione successiva di Wagecourt; è stato messo da parte come %2 e ne è stato iniziato uno nuovo</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>il taccuino %1 è in uso da parte di un altro programma; non è cambiato nulla, riprova</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>impossibile aprire il taccuino %1: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>impossibile modificare il taccuino %1: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>confronta almeno due giocatori</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>confronta al massimo quattro giocatori</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; è indicato due volte</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>nessun giocatore di nome &apos;%1&apos; nel taccuino</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; supera i %2 MiB e non è stato letto</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>il taccuino non contiene ancora nessun giocatore</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Stipendio</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Variazione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">rilevazioni salvate: %1 (giocatori nuovi: %2), già nel taccuino: %3, righe rifiutate: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>impossibile leggere il taccuino %1: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>il taccuino %1 è in uso da parte di un altro programma; riprova</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>il taccuino %1 è stato scritto da una versione successiva di Wagecourt e richiede quella versione; è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 non è un taccuino dei giocatori; è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>non tutte le rilevazioni salvate di &apos;%1&apos; sono leggibili, quindi non gli viene aggiunto nulla</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: %n rilevazione salvata non è leggibile</numerusform>
            <numerusform>%1: %n rilevazioni salvate non sono leggibili</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>l&apos;esportazione è incompleta: tralascia le rilevazioni non leggibili</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>impossibile salvare in %1 le modifiche a %n giocatore: un altro programma stava usando il taccuino</numerusform>
            <numerusform>impossibile salvare in %1 le modifiche a %n giocatori: un altro programma stava usando il taccuino</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>non è stato importato nulla</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>un&apos;etichetta è una sola parola: separa le etichette con spazi o virgole</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>un&apos;etichetta supera i %1 caratteri</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>un&apos;etichetta contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>un&apos;etichetta non è un testo valido</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>questi livelli non possono essere salvati</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n rilevazione aggiunta</numerusform>
            <numerusform>%n rilevazioni aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n giocatore nuovo</numerusform>
            <numerusform>%n giocatori nuovi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n già nel taccuino</numerusform>
            <numerusform>%n già nel taccuino</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n riga rifiutata</numerusform>
            <numerusform>%n righe rifiutate</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Importazione: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 salvato: %2 (%3), un giocatore nuovo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 salvato: %2 (%3), la sua rilevazione più vecchia</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 salvato: %2 (%3), %4 dal %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 è già stato salvato il %2 con questi livelli; non è stato aggiunto nulla</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 eliminato (rilevazioni: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>numero di campi (%n) diverso da quello delle colonne</numerusform>
            <numerusform>numero di campi (%n) diverso da quello delle colonne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; contiene %n numero, non 10 o 13</numerusform>
            <numerusform>&quot;levels&quot; contiene %n numeri, non 10 o 13</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos; non è una data nel formato AAAA-MM-GG</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>il link è troncato: copialo di nuovo, per intero</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>il link è stato alterato lungo il percorso (il checksum non torna): copialo di nuovo</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>il link è stato creato da una versione successiva di Wagecourt (versione del link %1): aggiorna Wagecourt per aggiungerlo</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>il link supera 1 MiB e non è stato letto</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>il testo non contiene alcun link del taccuino dei giocatori</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>il giocatore n. %1 del link non può essere salvato: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; compare due volte nel link</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>la sua etichetta &apos;%1&apos; compare due volte</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>non ha alcuna rilevazione</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">la data della sua rilevazione n. %1 non è un giorno valido</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">la sua rilevazione n. %1 indica &apos;%2&apos;, che non è una lingua del gioco</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">la sua rilevazione n. %1 dà a %2 il livello %3, che non esiste</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">i dati del link non sono leggibili</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n giocatore</numerusform>
            <numerusform>%n giocatori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n rilevazione</numerusform>
            <numerusform>%n rilevazioni</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>Il link contiene %1 e %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Aggiungerli al taccuino dei giocatori?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>la data della sua rilevazione n. %1 non è una data valida</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>la sua rilevazione n. %1 indica '%2', che non è una lingua del gioco</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>la sua rilevazione n. %1 indica per %2 il livello %3, che non esiste</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>l'abilità n. %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>i dati del link non sono leggibili</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n rilevazione già nel taccuino</numerusform>
            <numerusform>%n rilevazioni già nel taccuino</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>Il file del taccuino, invece di quello della finestra.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: una nota di una riga per il giocatore.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: la data della rilevazione, AAAA-MM-GG.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: ordina per name, salary, position, change o date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Lingua del gioco: un nome o un codice. È la lingua in cui keep legge la lista e in cui compare nomina le abilità.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>Stampa JSON, un oggetto per riga.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book richiede un comando: keep, list, history, compare, export, import o remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 accetta %2; indicati %3</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">un nome</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">un nome e al massimo un file</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">un file</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">nessun argomento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; non è un giorno scritto AAAA-MM-GG</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; non è un criterio di ordinamento: name, salary, position, change o date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 vale solo per book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 salvato: %2 (%3), un giocatore nuovo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 salvato: %2 (%3), %4 dal %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 era già salvato il %2 con questi livelli; non è stato aggiunto nulla</translation>
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
        <translation type="vanished">Uso: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
  o:  wagecourt-cli book list [--sort KEY] [--json]
  o:  wagecourt-cli book history NAME [--json]
  o:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  o:  wagecourt-cli book export [--json]
  o:  wagecourt-cli book import FILE|-
  o:  wagecourt-cli book remove NAME
Giocatori conservati con la storia dei loro livelli, come nel Taccuino dei
giocatori della finestra.

Comandi:
  keep     legge una lista di abilità copiata da FILE o dallo standard input,
           in qualunque lingua del gioco (o in quella indicata da --lang), e la
           salva come NAME, con la data di oggi o di DAY (AAAA-MM-GG); gli
           stessi livelli nello stesso giorno sono salvati una volta sola
  list     l&apos;ultima rilevazione di ogni giocatore e la variazione dello
           stipendio dalla precedente; --sort name, salary, position, change
           o date
  history  le rilevazioni di un giocatore, dalla più vecchia
  compare  da due a quattro giocatori affiancati, ognuno misurato sul primo
  export   l&apos;intero taccuino in CSV, o con --json in righe JSON
  import   un file scritto da export o da &apos;wagecourt-cli batch --header&apos;; le
           righe errate sono indicate sullo standard error e ogni riga valida
           è salvata
  remove   un giocatore e tutte le sue rilevazioni

Il taccuino è %1, a meno che --book non indichi un altro file.

%2
Stato di uscita:
  0  fatto
  1  una lista rifiutata, una riga errata in un&apos;importazione, un giocatore
     sconosciuto o un taccuino che non è stato possibile leggere o scrivere
  2  un errore di utilizzo
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 salvato: %2 (%3), la sua rilevazione più vecchia</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 eliminato (rilevazioni: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: aggiunge un&apos;etichetta al giocatore (ripeti per aggiungerne altre); list: solo i giocatori con questa etichetta.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 non accetta argomenti, ma ne è stato indicato %n</numerusform>
            <numerusform>book %1 non accetta argomenti, ma ne sono stati indicati %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 richiede un nome, ma è stato indicato %n argomento</numerusform>
            <numerusform>book %1 richiede un nome, ma sono stati indicati %n argomenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep richiede un nome e al massimo un file, ma è stato indicato %n argomento</numerusform>
            <numerusform>book keep richiede un nome e al massimo un file, ma sono stati indicati %n argomenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import richiede un file, ma è stato indicato %n argomento</numerusform>
            <numerusform>book import richiede un file, ma sono stati indicati %n argomenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note richiede un nome e una nota, ma è stato indicato %n argomento</numerusform>
            <numerusform>book note richiede un nome e una nota, ma sono stati indicati %n argomenti</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags richiede un nome e le sue etichette, ma non è stato indicato alcun nome</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; non è una data nel formato AAAA-MM-GG</translation>
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
        <translation type="vanished">Uso: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                    [FILE|-]
  o: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  o: wagecourt-cli book history NAME [--json]
  o: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  o: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  o: wagecourt-cli book export [--json | --link [NAME...]]
  o: wagecourt-cli book import FILE|- | --link TEXT
  o: wagecourt-cli book note NAME TEXT
  o: wagecourt-cli book tags NAME [WORD...]
  o: wagecourt-cli book remove NAME
Giocatori conservati con lo storico dei loro livelli, come nel Taccuino dei
giocatori della finestra.

Comandi:
  keep     legge una lista di abilità copiata da FILE o dallo standard input,
           in qualunque lingua del gioco (o in quella indicata da --lang), e la
           salva come NAME, con la data di oggi o di DAY (AAAA-MM-GG); gli
           stessi livelli nello stesso giorno sono salvati una volta sola
  list     l&apos;ultima rilevazione di ogni giocatore e la variazione dello
           stipendio dalla precedente; --sort name, salary, position, change
           o date
  history  le rilevazioni di un giocatore, dalla più vecchia
  compare  da due a quattro giocatori affiancati, ognuno rispetto al primo
  forecast dove arriva un giocatore al suo ritmo in W settimane (8 se --weeks
           non dice altro), in base alle sue rilevazioni, che devono coprire
           almeno 14 giorni
  export   l&apos;intero taccuino in CSV, o con --json in righe JSON; con --link i
           giocatori indicati (tutti, se non c&apos;è un nome) come un link da
           condividere
  import   un file scritto da export o da &apos;wagecourt-cli batch --header&apos;; le
           righe errate sono indicate sullo standard error e ogni riga valida
           è salvata; un link (o un file che ne contiene uno) aggiunge ciò che
           manca al taccuino
  note     imposta la nota di un giocatore (un TEXT vuoto la cancella)
  tags     imposta le etichette di un giocatore, brevi parole tue (senza WORD
           vengono cancellate)
  remove   un giocatore e tutte le sue rilevazioni

Il taccuino è %1,
a meno che --book non indichi un altro file.

%2
Stato di uscita:
  0  fatto
  1  una lista rifiutata, una riga errata in un&apos;importazione, un giocatore
     sconosciuto o un taccuino che non è stato possibile leggere o scrivere
     per intero
  2  un errore di utilizzo
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: quante settimane in avanti (8 se non indicato).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; non è un numero di settimane: scrivi un numero intero da 1 a 520</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: un link con i giocatori scelti invece di un file; import: il link stesso invece di un file.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book richiede un comando: keep, list, history, compare, forecast, export, import, note, tags o remove</translation>
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
        <translation>Uso: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                             [FILE|-]
  o: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
  o: wagecourt-cli book history NAME [--json]
  o: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  o: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
  o: wagecourt-cli book export [--json | --link [NAME...]]
  o: wagecourt-cli book import FILE|- | --link TEXT
  o: wagecourt-cli book note NAME TEXT
  o: wagecourt-cli book tags NAME [WORD...]
  o: wagecourt-cli book remove NAME
Giocatori conservati con lo storico dei loro livelli, come nel Taccuino dei
giocatori della finestra.

Comandi:
  keep     legge una lista di abilità copiata da FILE o dallo standard input,
           in qualunque lingua del gioco (o in quella indicata da --lang), e la
           salva come NAME, con la data di oggi o di DAY (AAAA-MM-GG); gli
           stessi livelli nello stesso giorno sono salvati una volta sola
  list     l'ultima rilevazione di ogni giocatore e la variazione dello
           stipendio dalla precedente; --sort name, salary, position, change
           o date
  history  le rilevazioni di un giocatore, dalla più vecchia
  compare  da due a quattro giocatori affiancati, ognuno rispetto al primo
  forecast dove arriva un giocatore al suo ritmo in W settimane (8 se --weeks
           non dice altro), in base alle sue rilevazioni, che devono coprire
           almeno 14 giorni
  export   l'intero taccuino in CSV, o con --json in righe JSON; con --link i
           giocatori indicati (tutti, se non c'è un nome) come un link da
           condividere
  import   un file scritto da export o da 'wagecourt-cli batch --header'; le
           righe errate sono indicate sullo standard error e ogni riga valida
           è salvata; un link (o un file che ne contiene uno) aggiunge ciò che
           manca al taccuino
  note     imposta la nota di un giocatore (un TEXT vuoto la cancella)
  tags     imposta le etichette di un giocatore, brevi parole tue (senza WORD
           vengono cancellate)
  remove   un giocatore e tutte le sue rilevazioni

Il taccuino è %1,
a meno che --book non indichi un altro file.

%2
Stato di uscita:
  0  fatto
  1  una lista rifiutata, una riga errata in un'importazione, un giocatore
     sconosciuto o un taccuino che non è stato possibile leggere o scrivere
     per intero
  2  un errore di utilizzo
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: un link ai giocatori indicati invece di un file; import: un link di questo tipo invece di un file.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Salva nel taccuino</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Taccuino dei giocatori</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Nome del giocatore:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Nota (facoltativa):</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Già nel taccuino: i livelli mostrati vengono aggiunti allo storico di questo giocatore.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Annulla eliminazione</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Copia come tabella</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Copia per il forum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Storico di %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Storico</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Giocatori nel taccuino: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Eliminato: %1. Premi Annulla eliminazione (Ctrl+Z) per ripristinarlo.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Un altro programma sta usando il taccuino; la modifica verrà salvata appena possibile.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Copiato: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Confronta giocatori</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Stipendio (ruolo migliore)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Stipendio da %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Scegli da 2 a 4 giocatori da confrontare (Ctrl o Maiusc con un clic o con le frecce).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Esporta il taccuino</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Importa nel taccuino</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>File CSV (*.csv);;File JSON Lines (*.jsonl *.ndjson *.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>Impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Rilevazioni esportate: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>Il taccuino non contiene ancora nessun giocatore.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Etichette (facoltative):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>obiettivo U21 vendere</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Eliminato: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n giocatore eliminato.</numerusform>
            <numerusform>%n giocatori eliminati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Premi &quot;Annulla eliminazione&quot; (Ctrl+Z) per ripristinare.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Premi &quot;Annulla eliminazione&quot; per ripristinare.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Copiato come tabella.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Copiato per un post sul forum.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Etichetta:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Tutti i giocatori</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Prima incolla la lista di abilità di un giocatore (Ctrl+V) o mostrane uno dal taccuino.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Taccuino dei giocatori (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, come salvato nel taccuino il %2.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Salvataggio del taccuino dei giocatori...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Un altro programma sta usando il taccuino dei giocatori, quindi le modifiche a %n giocatore non sono ancora salvate.

Vuoi attendere o uscire e perderle?</numerusform>
            <numerusform>Un altro programma sta usando il taccuino dei giocatori, quindi le modifiche a %n giocatori non sono ancora salvate.

Vuoi attendere o uscire e perderle?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Attendi</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Esci e perdile</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>File del taccuino (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Link copiato. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Aggiungi giocatori</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Non aggiungere</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Link come codice QR</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Inquadra il codice con la fotocamera di un telefono per aprire questi giocatori nella pagina di Wagecourt.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>Il link è troppo lungo per un codice QR che un telefono possa leggere da uno schermo: invia il link.</translation>
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
        <translation>Esegui &apos;wagecourt-cli --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>non inizia con &quot;%1&quot;, come la voce %3 in %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
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
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>Impossibile leggere il livello di %1 (abilità %2): %3.</translation>
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
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>lingua sconosciuta &apos;%1&apos;; le lingue sono: %2</translation>
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
        <translation>languages non accetta argomenti, indicato &apos;%1&apos;</translation>
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
        <source>the quoted name has no closing quote</source>
        <translation>al nome tra virgolette manca la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; non è un livello (un numero intero da 1 a 20)</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2, always the 16 characters of &quot;Calculate Salary&quot;), the option list (%3). Every line at most 79 characters once %2 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation type="vanished">Uso: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  o: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  o: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  o: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  o: wagecourt-cli languages [--json]
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
             standard input, esattamente come &quot;%2&quot; nella
             finestra legge gli appunti, nella lingua indicata o, senza
             --lang, in qualsiasi
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
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Lingua del gioco: un nome o un codice (vedi &apos;languages&apos;). Se non indicata, %1; import legge allora la lista in qualunque lingua sia.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>contiene %n segno di due punti (:), una lista di abilità ne ha da %1 a %2</numerusform>
            <numerusform>contiene %n segni di due punti (:), una lista di abilità ne ha da %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>Il testo contiene %n carattere; una lista di abilità è molto più corta e se ne leggono al massimo %1.</numerusform>
            <numerusform>Il testo contiene %n caratteri; una lista di abilità è molto più corta e se ne leggono al massimo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 richiede dieci livelli, ne è stato indicato %n</numerusform>
            <numerusform>%1 richiede dieci livelli, ne sono stati indicati %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import legge una sola lista, indicato %n file</numerusform>
            <numerusform>import legge una sola lista, indicati %n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch legge una sola rosa, indicato %n file</numerusform>
            <numerusform>batch legge una sola rosa, indicati %n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang indicato %n volta; indicalo una volta sola</numerusform>
            <numerusform>--lang indicato %n volte; indicalo una volta sola</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>attesi dieci livelli, trovato %n</numerusform>
            <numerusform>attesi dieci livelli, trovati %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>Il taccuino dei giocatori conserva i giocatori e il loro storico:
vedi &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 indicato %n volta; indicalo una volta sola</numerusform>
            <numerusform>%1 indicato %n volte; indicalo una volta sola</numerusform>
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
        <translation>Uso: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]
  o: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  o: wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                    [--cheapest N] [--skills LIST] [--lang NAME] [--json]
  o: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  o: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  o: wagecourt-cli languages [--json]
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
  calc       lo stipendio di un giocatore e quanto guadagna in ogni ruolo; con
             --shown, se corrisponde allo stipendio mostrato dal gioco
  advise     quanto renderebbe un livello in più o in meno in ogni abilità,
             poi lo stipendio di ogni ruolo
  plan       quanto renderebbe ogni livello di ogni abilità, fino a 20; --to
             pianifica i passi fino ai livelli indicati, un livello alla
             volta, --limit trova i livelli più alti entro uno stipendio,
             --cheapest gli N aumenti di un livello che costano meno (tra
             --skills, come IS,ID,RB)
  import     legge una lista di abilità copiata (UTF-8) da FILE o dallo
             standard input, esattamente come &quot;%2&quot; nella
             finestra legge gli appunti, nella lingua indicata o, senza
             --lang, in qualsiasi
  batch      un giocatore per riga da FILE o dallo standard input, una riga di
             risultato per giocatore (CSV: il nome se dato, livelli, stipendio,
             ruolo, nome del ruolo)
  languages  le lingue del gioco, una per riga, o con i codici in JSON

%3
Stato di uscita:
  0  fatto
  1  una lista rifiutata, una riga di batch errata, uno stipendio diverso da
     quello mostrato o un output non scrivibile
  2  un errore di utilizzo
Una pipe chiusa (come con &apos;| head&apos;) termina il programma con SIGPIPE, come
accade agli altri strumenti da riga di comando.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: lo stipendio mostrato dal gioco, da verificare.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: un livello obiettivo, come IS=12 (ripeti per aggiungerne altri, in ordine).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: i livelli più alti entro questo stipendio.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: gli N aumenti di un livello (da 1 a 20) che alzano di meno lo stipendio.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: le abilità in cui possono andare gli aumenti più economici, come IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 vale solo per %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: gli N aumenti di un livello (da 1 a 20) che aggiungono meno allo stipendio.</translation>
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
        <translation>È già installata una versione più recente di Wagecourt.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Piano di allenamento</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Ora: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Stipendio settimanale a ogni livello, un&apos;abilità alla volta</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>Il piano, un livello alla volta</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Alla fine: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Fai clic su un livello nella tabella per renderlo l&apos;obiettivo di quell&apos;abilità.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Limite di stipendio:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Livelli più alti entro %1, un&apos;abilità alla volta</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>Il piano supera il limite al passo %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>L&apos;intero piano resta entro il limite.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>Il giocatore guadagna già più del limite.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Aumenti più economici:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>L&apos;aumento di un livello che alza di meno lo stipendio</numerusform>
            <numerusform>%n aumenti di un livello che alzano di meno lo stipendio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>nelle abilità indicate resta solo %n aumento</numerusform>
            <numerusform>nelle abilità indicate restano solo %n aumenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 tra %n settimana, al suo ritmo</numerusform>
            <numerusform>%1 tra %n settimane, al suo ritmo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>In base alle sue rilevazioni dal %1 al %2 (%n giorno)</numerusform>
            <numerusform>In base alle sue rilevazioni dal %1 al %2 (%n giorni)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>A settimana</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Dopo</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Stipendio dopo: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Stipendio mostrato dal gioco:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Copia rapporto</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, formula dello stipendio %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; non è un&apos;abilità: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, o JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; non è un obiettivo: scrivi un&apos;abilità, = e un livello da 1 a 20, come IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; non è uno stipendio: scrivi un numero intero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; non è un numero di aumenti: scrivi un numero intero da 1 a 20</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 ha una sola rilevazione nel taccuino: una previsione ne richiede due ad almeno 14 giorni di distanza</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>le rilevazioni di %1 coprono %n giorno: una previsione ne richiede almeno 14</numerusform>
            <numerusform>le rilevazioni di %1 coprono %n giorni: una previsione ne richiede almeno 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Corrisponde al gioco: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">Il gioco mostra %1, Wagecourt calcola %2 (%3). La formula del gioco potrebbe essere cambiata: invia il rapporto, per favore.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>L'aumento di un livello che aggiunge meno allo stipendio</numerusform>
            <numerusform>I %n aumenti di un livello che aggiungono meno allo stipendio</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Raggiunto</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>Il gioco mostra %1, Wagecourt calcola %2 (%3). La formula del gioco potrebbe essere cambiata: copia il rapporto e invialo agli autori di Wagecourt, per favore.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 al livello %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1 al livello %2: %3 (%4), %5, oltre il limite</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1 al livello %2, ora: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 a %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 a %2: %3 (%4), %5, oltre il limite</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, fino a %3</translation>
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
        <translation>Quanto vale un livello in più</translation>
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
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Funziona offline; scarica solo i propri file, non usa cookie e non conta le visite.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Impossibile caricare il calcolatore. Ricarica la pagina o aprila in un browser aggiornato.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Nuova versione: ricarica</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Stipendio settimanale in Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>Lo stipendio settimanale di un giocatore di Courtlore da una lista di abilità selezionata in una pagina</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Condividi risultato</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Come nel sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Salvato nel taccuino: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Spunta da 2 a 4 giocatori, poi premi &quot;Confronta&quot;.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Prima incolla la lista di abilità di un giocatore e premi "%1", oppure mostra un giocatore del taccuino con "Mostra".</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Etichette già assegnate: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Premi "%1" sotto la scheda per salvare con un nome il giocatore mostrato; "%2", più in basso, elenca i giocatori salvati.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Ultima esportazione: %1; rilevazioni salvate da allora: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Mai esportato; rilevazioni salvate solo in questo browser: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n rilevazione è salvata solo in questo browser, che potrebbe cancellarla. Premi "%1" per conservare una copia del taccuino.</numerusform>
            <numerusform>%n rilevazioni sono salvate solo in questo browser, che potrebbe cancellarle. Premi "%1" per conservare una copia del taccuino.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Link ai giocatori</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Codice QR del link</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Questo link contiene troppo per un codice QR: premi %1 per inviare il link.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Salva nel taccuino</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Window</name>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Livello di %1</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - di Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Giocatore mostrato</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Usage: wagecourt [options]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options]&quot; stays as it is.</extracomment>
        <translation type="vanished">Uso: wagecourt [options]</translation>
    </message>
    <message>
        <source>Work out the weekly salary of a Courtlore player from his skill list,
copied from the game&apos;s page.</source>
        <extracomment>Two lines of at most 79 characters each.</extracomment>
        <translation>Calcola lo stipendio settimanale di un giocatore di Courtlore dalla sua lista
di abilità, copiata dalla pagina del gioco.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Sono accettate anche le opzioni proprie della libreria grafica, come
-platform NAME, -display DISPLAY o -style NAME.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Uso: wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
