<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %2 de %3, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>nivel máximo</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>nivel mínimo</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: nivel no leído</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Esta habilidad no influye en el sueldo.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Sueldo semanal en cada posición</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (mejor)</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>el nombre contiene un salto de línea, un tabulador u otro carácter de control</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>el nombre no es un texto válido</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>la nota tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>la nota contiene un salto de línea, un tabulador u otro carácter de control: la nota debe ocupar una sola línea</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>la nota no es un texto válido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>a un campo entre comillas le falta la comilla de cierre</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 campos, no tantos como nombres de columna</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; contiene %1 números, no 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; no es un día escrito AAAA-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; no es un nivel (del 1 al 20, o 0 si se desconocen la resistencia, los tiros libres o la experiencia)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>falta la clave &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; no es un idioma del juego</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>la primera línea no nombra ni las columnas de la libreta ni las de &apos;wagecourt-cli batch --header&apos;; no se leyó nada</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 no es una libreta de jugadores; se guardó aparte como %2 y se creó una libreta nueva</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 lo escribió una versión posterior de Wagecourt; se apartó como %2 y se empezó una libreta nueva</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>otro programa está usando la libreta %1; no se cambió nada, inténtalo de nuevo</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>no se puede abrir la libreta %1: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>no se puede cambiar la libreta %1: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>compara al menos dos jugadores</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>compara como mucho cuatro jugadores</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; aparece dos veces</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>no hay ningún jugador llamado &apos;%1&apos; en la libreta</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; ocupa más de %2 MiB y no se leyó</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>la libreta aún no tiene ningún jugador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Sueldo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">registros guardados: %1 (jugadores nuevos: %2), ya en la libreta: %3, líneas rechazadas: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>no se puede leer la libreta %1: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>otro programa está usando la libreta %1; inténtalo de nuevo</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>la libreta %1 la escribió una versión posterior de Wagecourt y necesita esa versión; se ha dejado tal como estaba</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 no es una libreta de jugadores; se ha dejado tal como estaba</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>no se pueden leer todos los registros guardados de &apos;%1&apos;, así que no se le añade nada</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: no se puede leer %n registro guardado</numerusform>
            <numerusform>%1: no se pueden leer %n registros guardados</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>la exportación está incompleta: deja fuera los registros que no se pueden leer</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>no se pudieron guardar en %1 los cambios de %n jugador: otro programa estaba usando la libreta</numerusform>
            <numerusform>no se pudieron guardar en %1 los cambios de %n jugadores: otro programa estaba usando la libreta</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>no se importó nada</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>una etiqueta es una sola palabra: separa las etiquetas con espacios o comas</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>una etiqueta tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>una etiqueta contiene un carácter de control</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>una etiqueta no es un texto válido</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>estos niveles no se pueden guardar</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n registro añadido</numerusform>
            <numerusform>%n registros añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n jugador nuevo</numerusform>
            <numerusform>%n jugadores nuevos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n ya en la libreta</numerusform>
            <numerusform>%n ya en la libreta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n línea rechazada</numerusform>
            <numerusform>%n líneas rechazadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Importación: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 guardado: %2 (%3), un jugador nuevo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 guardado: %2 (%3), su registro más antiguo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 guardado: %2 (%3), %4 desde el %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 ya se guardó el %2 con estos niveles; no se añadió nada</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 eliminado (registros: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>número de campos (%n) distinto del de columnas</numerusform>
            <numerusform>número de campos (%n) distinto del de columnas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; contiene %n número, no 10 ni 13</numerusform>
            <numerusform>&quot;levels&quot; contiene %n números, no 10 ni 13</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos; no es una fecha con el formato AAAA-MM-DD</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>el enlace está cortado: cópialo otra vez, entero</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>el enlace se alteró por el camino (su suma de comprobación falla): cópialo otra vez</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>el enlace lo creó una versión posterior de Wagecourt (versión de enlace %1): actualiza Wagecourt para añadirlo</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>el enlace ocupa más de 1 MiB y no se leyó</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>el texto no contiene ningún enlace de libreta de jugadores</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>el jugador n.º %1 del enlace no se puede guardar: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; aparece dos veces en el enlace</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>su etiqueta &apos;%1&apos; aparece dos veces</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>no tiene ningún registro</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">la fecha de su registro n.º %1 no es un día válido</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">su registro n.º %1 indica &apos;%2&apos;, que no es un idioma del juego</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">su registro n.º %1 da a %2 el nivel %3, que no existe</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">los datos del enlace no se pueden leer</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>El enlace contiene %1 y %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>¿Añadirlos a la libreta de jugadores?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>la fecha de su registro n.º %1 no es una fecha válida</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>su registro n.º %1 indica '%2', que no es un idioma del juego</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>su registro n.º %1 da a %2 el nivel %3, que no existe</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>la habilidad %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>los datos del enlace no se pueden leer</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n registro ya en la libreta</numerusform>
            <numerusform>%n registros ya en la libreta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>El archivo de la libreta, en lugar del de la ventana.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: una nota de una línea para el jugador.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: la fecha del registro, AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: ordenar por name, salary, position, change o date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Idioma del juego: un nombre o código. Es el idioma en que keep lee la lista y en que compare nombra las habilidades.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>Escribir JSON, un objeto por línea.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book necesita una orden: keep, list, history, compare, export, import o remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 admite %2; se dieron %3</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">un nombre</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">un nombre y como mucho un archivo</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">un archivo</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">ningún argumento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; no es un día escrito AAAA-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; no es un criterio de ordenación: name, salary, position, change o date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 es solo para book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), un jugador nuevo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), %4 desde el %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 ya se guardó el %2 con estos niveles; no se añadió nada</translation>
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
Jugadores guardados con el historial de sus niveles, como en la Libreta de
jugadores de la ventana.

Órdenes:
  keep     lee una lista de habilidades copiada de FILE o de la entrada
           estándar, en cualquier idioma del juego (o en el que indique --lang),
           y la guarda como NAME, con fecha de hoy o de DAY (AAAA-MM-DD); los
           mismos niveles en un mismo día se guardan una sola vez
  list     el último registro de cada jugador y el cambio de su sueldo desde el
           anterior; --sort name, salary, position, change o date
  history  los registros de un jugador, del más antiguo al más reciente
  compare  de dos a cuatro jugadores lado a lado, cada uno frente al primero
  export   toda la libreta como CSV, o con --json como líneas JSON
  import   un archivo escrito por export o por &apos;wagecourt-cli batch --header&apos;;
           las líneas erróneas se indican en la salida de error y se guardan
           todas las correctas
  remove   un jugador y todos sus registros

La libreta es %1, salvo que --book indique otro archivo.

%2
Estado de salida:
  0  hecho
  1  una lista rechazada, una línea errónea en una importación, un jugador
     desconocido o una libreta que no se pudo leer o escribir
  2  un error de uso
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), su registro más antiguo</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 eliminado (registros: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: añade una etiqueta al jugador (repítelo para añadir más); list: solo los jugadores con esta etiqueta.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 no admite argumentos, pero se indicó %n</numerusform>
            <numerusform>book %1 no admite argumentos, pero se indicaron %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 necesita un nombre, pero se indicó %n argumento</numerusform>
            <numerusform>book %1 necesita un nombre, pero se indicaron %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep necesita un nombre y como mucho un archivo, pero se indicó %n argumento</numerusform>
            <numerusform>book keep necesita un nombre y como mucho un archivo, pero se indicaron %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import necesita un archivo, pero se indicó %n argumento</numerusform>
            <numerusform>book import necesita un archivo, pero se indicaron %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note necesita un nombre y una nota, pero se indicó %n argumento</numerusform>
            <numerusform>book note necesita un nombre y una nota, pero se indicaron %n argumentos</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags necesita un nombre y sus etiquetas, pero no se indicó ningún nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; no es una fecha con el formato AAAA-MM-DD</translation>
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
Jugadores guardados con el historial de sus niveles, como en la Libreta de
jugadores de la ventana.

Órdenes:
  keep     lee una lista de habilidades copiada de FILE o de la entrada
           estándar, en cualquier idioma del juego (o en el que indique
           --lang), y la guarda como NAME, con fecha de hoy o de DAY
           (AAAA-MM-DD); los mismos niveles en un mismo día se guardan
           una sola vez
  list     el último registro de cada jugador y el cambio de su sueldo desde el
           anterior; --sort name, salary, position, change o date
  history  los registros de un jugador, del más antiguo al más reciente
  compare  de dos a cuatro jugadores lado a lado, cada uno frente al primero
  forecast adónde llega un jugador a su propio ritmo en W semanas (8 si
           --weeks no indica otra cosa), según sus registros, que deben
           abarcar al menos 14 días
  export   toda la libreta como CSV, o con --json como líneas JSON; con --link
           los jugadores indicados (todos si no se indica ninguno) como un
           enlace para compartir
  import   un archivo escrito por export o por &apos;wagecourt-cli batch --header&apos;;
           las líneas erróneas se indican en la salida de error y se guardan
           todas las correctas; un enlace (o un archivo que lo contenga)
           añade lo que le falta a la libreta
  note     fija la nota de un jugador (un TEXT vacío la borra)
  tags     fija las etiquetas de un jugador, palabras cortas tuyas (sin WORD
           se borran)
  remove   un jugador y todos sus registros

La libreta es %1,
salvo que --book indique otro archivo.

%2
Estado de salida:
  0  hecho
  1  una lista rechazada, una línea errónea en una importación, un jugador
     desconocido o una libreta que no se pudo leer o escribir entera
  2  un error de uso
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: cuántas semanas hacia delante (8 si no se indica).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; no es un número de semanas: escribe un número entero del 1 al 520</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: un enlace con los jugadores elegidos en lugar de un archivo; import: el propio enlace en lugar de un archivo.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book necesita una orden: keep, list, history, compare, forecast, export, import, note, tags o remove</translation>
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
Jugadores guardados con el historial de sus niveles, como en la Libreta de
jugadores de la ventana.

Órdenes:
  keep     lee una lista de habilidades copiada de FILE o de la entrada
           estándar, en cualquier idioma del juego (o en el que indique
           --lang), y la guarda como NAME, con fecha de hoy o de DAY
           (AAAA-MM-DD); los mismos niveles en un mismo día se guardan
           una sola vez
  list     el último registro de cada jugador y el cambio de su sueldo desde el
           anterior; --sort name, salary, position, change o date
  history  los registros de un jugador, del más antiguo al más reciente
  compare  de dos a cuatro jugadores lado a lado, cada uno frente al primero
  forecast adónde llega un jugador a su propio ritmo en W semanas (8 si
           --weeks no indica otra cosa), según sus registros, que deben
           abarcar al menos 14 días
  export   toda la libreta como CSV, o con --json como líneas JSON; con --link
           los jugadores indicados (todos si no se indica ninguno) como un
           enlace para compartir
  import   un archivo escrito por export o por 'wagecourt-cli batch --header';
           las líneas erróneas se indican en la salida de error y se guardan
           todas las correctas; un enlace (o un archivo que lo contenga)
           añade lo que le falta a la libreta
  note     fija la nota de un jugador (un TEXT vacío la borra)
  tags     fija las etiquetas de un jugador, palabras cortas tuyas (sin WORD
           se borran)
  remove   un jugador y todos sus registros

La libreta es %1,
salvo que --book indique otro archivo.

%2
Estado de salida:
  0  hecho
  1  una lista rechazada, una línea errónea en una importación, un jugador
     desconocido o una libreta que no se pudo leer o escribir entera
  2  un error de uso
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: un enlace a los jugadores indicados en lugar de un archivo; import: un enlace así en lugar de un archivo.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Guardar en la libreta</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Libreta de jugadores</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Nombre del jugador:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Nota (opcional):</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Ya está en la libreta: los niveles mostrados se añaden al historial de este jugador.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Deshacer eliminación</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Copiar como tabla</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Copiar para el foro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Jugadores en la libreta: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Eliminado: %1. Pulsa Deshacer eliminación (Ctrl+Z) para recuperarlo.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Otro programa está usando la libreta; el cambio se guardará en cuanto se pueda.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Copiado: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Comparar jugadores</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Sueldo (mejor posición)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Sueldo como %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Elige de 2 a 4 jugadores para comparar (Ctrl o Mayús con un clic o con las flechas).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Exportar la libreta</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Importar a la libreta</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>Archivos CSV (*.csv);;Archivos JSON Lines (*.jsonl *.ndjson *.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>No se pudo leer &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Registros exportados: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>La libreta aún no tiene ningún jugador.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Etiquetas (opcional):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>objetivo sub21 vender</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Eliminado: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n jugador eliminado.</numerusform>
            <numerusform>%n jugadores eliminados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Pulsa &quot;Deshacer eliminación&quot; (Ctrl+Z) para recuperar lo eliminado.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Pulsa &quot;Deshacer eliminación&quot; para recuperar lo eliminado.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Copiado como tabla.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Copiado para publicarlo en el foro.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Primero pega la lista de habilidades de un jugador (Ctrl+V) o muestra uno de la libreta.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Libreta de jugadores (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, tal como se guardó en la libreta el %2.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Guardando la libreta de jugadores...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Otro programa está usando la libreta de jugadores, así que los cambios de %n jugador aún no se han guardado.

¿Esperar o salir y perderlos?</numerusform>
            <numerusform>Otro programa está usando la libreta de jugadores, así que los cambios de %n jugadores aún no se han guardado.

¿Esperar o salir y perderlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Esperar</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Salir y perderlos</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Archivos de la libreta (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Enlace copiado. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Añadir jugadores</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>No añadir</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Enlace como código QR</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Apunta la cámara de un teléfono al código para abrir estos jugadores en la página de Wagecourt.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>El enlace es demasiado largo para un código QR que un teléfono pueda leer en una pantalla: envía el enlace.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Los niveles son números enteros del 1 al 20 en el orden del juego: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Ejecuta &apos;wagecourt-cli --help&apos; para más información.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>no empieza por &quot;%1&quot;, como la etiqueta %3 en %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
        <translation>No es una lista de habilidades en %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>no hay nombre de nivel ni número tras los dos puntos</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 no es un nivel del 1 al 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>No se pudo leer el nivel de %1 (habilidad %2): %3.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>El texto tiene más de %1 caracteres; una lista de habilidades es mucho más corta y no se leen más de %2.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>No es una lista de habilidades en ninguno de los idiomas del juego.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>no se puede leer la entrada: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>la entrada no tiene ninguna línea de jugador</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>Escribir JSON: un objeto, o uno por línea con batch.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: escribir primero una línea CSV con los nombres de las columnas.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>idioma desconocido &apos;%1&apos;; los idiomas son: %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>el nivel %1 &apos;%2&apos; no es un número entero del 1 al 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>el nivel &apos;%1&apos; no es un número entero del 1 al 20</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>no se puede leer &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header es para CSV; las líneas JSON ya nombran sus campos</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header es solo para batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages no admite argumentos, se indicó &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>al nombre entre comillas le falta la comilla de cierre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; no es un nivel (un número entero del 1 al 20)</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>el nombre contiene el carácter de control U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>más de %1 bytes, omitida</translation>
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
Calcula el sueldo semanal de un jugador de baloncesto de Courtlore, igual que
la ventana de Wagecourt.

%1

Los idiomas se nombran como los lista &apos;languages&apos;, en mayúsculas o minúsculas
y con o sin acentos (english, Turkce, espanol), o por sus códigos: en tr es it
fr de pl pt.

Una línea de batch contiene diez niveles separados por espacios, tabuladores o
comas, y puede empezar con el nombre del jugador y una coma o un tabulador. Se
omiten las líneas en blanco, las que empiezan por &apos;#&apos; y una primera línea con
los nombres de las columnas.

Órdenes:
  calc       el sueldo de un jugador y lo que gana en cada posición
  advise     lo que pagaría un nivel más o menos en cada habilidad, y luego el
             sueldo de cada posición
  import     lee una lista de habilidades copiada (UTF-8) de FILE o de la
             entrada estándar, igual que &quot;%2&quot; lee el
             portapapeles en la ventana, en el idioma indicado o, sin --lang,
             en cualquiera
  batch      un jugador por línea de FILE o de la entrada estándar, una línea
             de resultado por jugador (CSV: el nombre si se da, niveles,
             sueldo, posición, nombre de la posición)
  languages  los idiomas del juego, uno por línea, o con sus códigos en JSON

%3
Estado de salida:
  0  hecho
  1  una lista rechazada, una línea de batch errónea o una salida que no se
     pudo escribir
  2  un error de uso
Una tubería cerrada (como con &apos;| head&apos;) termina el programa con SIGPIPE, igual
que a otras herramientas de línea de órdenes.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Idioma del juego: un nombre o código (véase &apos;languages&apos;). Si no se indica, %1; import lee entonces la lista en el idioma en que esté.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>tiene %n signo de dos puntos (:), una lista de habilidades tiene de %1 a %2</numerusform>
            <numerusform>tiene %n signos de dos puntos (:), una lista de habilidades tiene de %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>El texto tiene %n carácter; una lista de habilidades es mucho más corta y no se leen más de %1.</numerusform>
            <numerusform>El texto tiene %n caracteres; una lista de habilidades es mucho más corta y no se leen más de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 necesita diez niveles, se indicó %n</numerusform>
            <numerusform>%1 necesita diez niveles, se indicaron %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import lee una sola lista, se indicó %n archivo</numerusform>
            <numerusform>import lee una sola lista, se indicaron %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch lee una sola plantilla, se indicó %n archivo</numerusform>
            <numerusform>batch lee una sola plantilla, se indicaron %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang se indicó %n vez; indícalo solo una vez</numerusform>
            <numerusform>--lang se indicó %n veces; indícalo solo una vez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>se esperaban diez niveles, hay %n</numerusform>
            <numerusform>se esperaban diez niveles, hay %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>La libreta de jugadores guarda jugadores y su historial:
véase &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 se indicó %n vez; indícalo solo una vez</numerusform>
            <numerusform>%1 se indicó %n veces; indícalo solo una vez</numerusform>
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
Calcula el sueldo semanal de un jugador de baloncesto de Courtlore, igual que
la ventana de Wagecourt.

%1

Los idiomas se nombran como los lista &apos;languages&apos;, en mayúsculas o minúsculas
y con o sin acentos (english, Turkce, espanol), o por sus códigos: en tr es it
fr de pl pt.

Una línea de batch contiene diez niveles separados por espacios, tabuladores o
comas, y puede empezar con el nombre del jugador y una coma o un tabulador. Se
omiten las líneas en blanco, las que empiezan por &apos;#&apos; y una primera línea con
los nombres de las columnas.

Órdenes:
  calc       el sueldo de un jugador y lo que gana en cada posición; con
             --shown, si coincide con el sueldo que muestra el juego
  advise     lo que pagaría un nivel más o menos en cada habilidad, y luego el
             sueldo de cada posición
  plan       lo que pagaría cada nivel de cada habilidad, hasta 20; --to
             planifica los pasos hasta los niveles indicados, un nivel cada
             vez, --limit busca los niveles más altos sin pasar de un sueldo,
             --cheapest las N subidas de un nivel que menos cuestan (entre
             --skills, como IS,ID,RB)
  import     lee una lista de habilidades copiada (UTF-8) de FILE o de la
             entrada estándar, igual que &quot;%2&quot; lee el
             portapapeles en la ventana, en el idioma indicado o, sin --lang,
             en cualquiera
  batch      un jugador por línea de FILE o de la entrada estándar, una línea
             de resultado por jugador (CSV: el nombre si se da, niveles,
             sueldo, posición, nombre de la posición)
  languages  los idiomas del juego, uno por línea, o con sus códigos en JSON

%3
Estado de salida:
  0  hecho
  1  una lista rechazada, una línea de batch errónea, un sueldo distinto del
     mostrado o una salida que no se pudo escribir
  2  un error de uso
Una tubería cerrada (como con &apos;| head&apos;) termina el programa con SIGPIPE, igual
que a otras herramientas de línea de órdenes.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: el sueldo que muestra el juego, para comprobarlo.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: un nivel objetivo, como IS=12 (repítelo para añadir más, en orden).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: los niveles más altos sin pasar de este sueldo.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: las N subidas de un nivel (del 1 al 20) que menos suben el sueldo.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: las habilidades a las que pueden ir las subidas más baratas, como IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 es solo para %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: las N subidas de un nivel (del 1 al 20) que menos añaden al sueldo.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Copia de nuevo las habilidades de tu jugador y asegúrate de haber elegido el idioma correcto en la lista desplegable.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. En la web de Courtlore, copia las habilidades de tu jugador desde &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Pulsa el botón &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt es una herramienta para calcular los sueldos de los jugadores con las fórmulas de Velmor. Muchas gracias a Velmor (35817) por su trabajo y por compartir estas valiosas fórmulas con la comunidad.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCCIONES</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Elige en la lista desplegable el idioma en el que juegas.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Haz clic en las habilidades para cambiarlas (clic izquierdo +1, derecho -1).</translation>
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
        <translation>Ya hay instalada una versión más reciente de Wagecourt.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Plan de entrenamiento</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Ahora: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Sueldo semanal en cada nivel, una habilidad cada vez</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>El plan, un nivel cada vez</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Al final: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Haz clic en un nivel de la tabla para convertirlo en el objetivo de esa habilidad.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Límite de sueldo:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Niveles más altos hasta %1, una habilidad cada vez</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>El plan supera el límite en el paso %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Todo el plan queda dentro del límite.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>El jugador ya gana más que el límite.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Subidas más baratas:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>La subida de un nivel que menos sube el sueldo</numerusform>
            <numerusform>Las %n subidas de un nivel que menos suben el sueldo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>solo queda %n subida en las habilidades indicadas</numerusform>
            <numerusform>solo quedan %n subidas en las habilidades indicadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 dentro de %n semana, a su propio ritmo</numerusform>
            <numerusform>%1 dentro de %n semanas, a su propio ritmo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>Según sus registros del %1 al %2 (%n día)</numerusform>
            <numerusform>Según sus registros del %1 al %2 (%n días)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Por semana</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Después</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Sueldo después: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Sueldo que muestra el juego:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Copiar informe</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, fórmula del sueldo %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; no es una habilidad: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, o JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; no es un objetivo: escribe una habilidad, = y un nivel del 1 al 20, como IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; no es un sueldo: escribe un número entero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; no es un número de subidas: escribe un número entero del 1 al 20</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 tiene un solo registro en la libreta: una previsión necesita dos separados por al menos 14 días</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>los registros de %1 abarcan %n día: una previsión necesita al menos 14</numerusform>
            <numerusform>los registros de %1 abarcan %n días: una previsión necesita al menos 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Coincide con el juego: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">El juego muestra %1 y Wagecourt calcula %2 (%3). Puede que la fórmula del juego haya cambiado: envía el informe, por favor.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>La subida de un nivel que menos añade al sueldo</numerusform>
            <numerusform>Las %n subidas de un nivel que menos añaden al sueldo</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Alcanzado</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>El juego muestra %1 y Wagecourt calcula %2 (%3). Puede que la fórmula del juego haya cambiado: copia el informe y envíaselo a los creadores de Wagecourt, por favor.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 en nivel %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1 en nivel %2: %3 (%4), %5, por encima del límite</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1 en nivel %2, ahora: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 a %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 a %2: %3 (%4), %5, por encima del límite</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, hasta %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Your player&apos;s copied skill list</source>
        <translation>La lista de habilidades copiada de tu jugador</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Idioma del juego</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
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
        <translation>Lo que vale un nivel más</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Haz clic o toca un nivel para subirlo; haz clic derecho o pulsa su − para bajarlo (las teclas + y − también sirven)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Funciona sin conexión; solo descarga sus propios archivos, no usa cookies y no mide las visitas.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>No se pudo cargar la calculadora. Recarga la página o ábrela en un navegador actualizado.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Nueva versión: recargar</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Sueldo semanal en Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>El sueldo semanal de un jugador de Courtlore a partir de una lista de habilidades seleccionada en una página</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Compartir resultado</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Según el sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Guardado en la libreta: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Marca de 2 a 4 jugadores y pulsa &quot;Comparar&quot;.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Primero pega la lista de habilidades de un jugador y pulsa "%1", o muestra un jugador de la libreta con "Mostrar".</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Etiquetas ya asignadas: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Pulsa "%1" bajo la ficha para guardar al jugador mostrado con un nombre; "%2", debajo, muestra los jugadores guardados.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Última exportación: %1; registros guardados desde entonces: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Nunca se ha exportado; registros guardados solo en este navegador: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n registro está guardado solo en este navegador, que puede borrarlo. Pulsa "%1" para guardar una copia de la libreta.</numerusform>
            <numerusform>%n registros están guardados solo en este navegador, que puede borrarlos. Pulsa "%1" para guardar una copia de la libreta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Enlace a los jugadores</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Código QR del enlace</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Este enlace contiene demasiado para un código QR: pulsa %1 para enviar el enlace.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Guardar en la libreta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Ver info</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Cerrar info</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Pegar y calcular</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Ficha del jugador</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Copiar las habilidades de un jugador en un navegador web</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Mejor posición</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Sueldo semanal</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Nivel de %1</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - por Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Jugador mostrado</translation>
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
        <translation>Calcula el sueldo semanal de un jugador de Courtlore a partir de su lista de
habilidades, copiada de la página del juego.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>También se aceptan las opciones propias de la biblioteca gráfica, como
-platform NAME, -display DISPLAY o -style NAME.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Uso: wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
