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
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Los niveles son números enteros del 1 al 20 en el orden del juego: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Ejecuta &apos;wagecourt-cli --help&apos; para ver el uso.</translation>
    </message>
    <message>
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>tiene %1 dos puntos, una lista de habilidades tiene de %2 a %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>no empieza por &quot;%1&quot;, como la etiqueta %3 en %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
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
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>No se pudo leer el nivel de %1 (habilidad %2): %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>El texto tiene %1 caracteres; una lista de habilidades es mucho más corta y no se leen más de %2.</translation>
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
        <translation>idioma desconocido &apos;%1&apos;; los idiomas son: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 necesita diez niveles, se dieron %2</translation>
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
        <source>import reads one list, %1 files given</source>
        <translation>import lee una sola lista, se dieron %1 archivos</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch lee una sola plantilla, se dieron %1 archivos</translation>
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
        <translation>languages no admite argumentos, se dio &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se dio ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang dado %1 veces; dalo solo una vez</translation>
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
        <source>expected ten levels, found %1</source>
        <translation>se esperaban diez niveles, hay %1</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2), the option list (%3).</extracomment>
        <translation>Uso: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  o:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  o:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  o:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  o:  wagecourt-cli languages [--json]
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
             entrada estándar, igual que &quot;%2&quot; lee el portapapeles en la ventana,
             en el idioma indicado o, sin --lang, en cualquiera
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
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Idioma del juego: un nombre o código (véase &apos;languages&apos;). Sin él, %1; import lee entonces la lista en el idioma en que esté.</translation>
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
        <translation>Lo que paga un paso de entrenamiento</translation>
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
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Funciona sin conexión; solo descarga sus propios archivos, no usa cookies y no cuenta a nadie.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - por Tarvel (58203)</translation>
    </message>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Ver info</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Ocultar info</translation>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Nivel de %1</translation>
    </message>
</context>
</TS>
