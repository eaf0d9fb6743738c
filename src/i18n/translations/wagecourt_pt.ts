<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>nível máximo</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>nível mínimo</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: nível não lido</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Esta habilidade não conta para o ordenado.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Ordenado semanal em cada posição</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (melhor)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Os níveis são números inteiros de 1 a 20 pela ordem do jogo: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Execute &apos;wagecourt-cli --help&apos; para ver a utilização.</translation>
    </message>
    <message>
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>tem %1 dois-pontos, uma lista de habilidades tem de %2 a %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>não começa por &quot;%1&quot;, como a etiqueta %3 em %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
        <translation>Não é uma lista de habilidades em %1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>nenhum nome de nível ou número depois dos dois-pontos</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 não é um nível de 1 a 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>Não foi possível ler o nível de %1 (habilidade %2): %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>O texto tem %1 caracteres; uma lista de habilidades é muito mais curta e não se leem mais de %2.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>O texto tem mais de %1 caracteres; uma lista de habilidades é muito mais curta e não se leem mais de %2.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Não é uma lista de habilidades em nenhum dos idiomas do jogo.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>não é possível ler a entrada: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>a entrada não tem nenhuma linha de jogador</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível escrever na saída padrão: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>Escrever JSON: um objeto, ou um por linha com batch.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: escrever primeiro uma linha CSV com os nomes das colunas.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar a versão.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <translation>idioma desconhecido &apos;%1&apos;; os idiomas são: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 precisa de dez níveis, foram dados %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>o nível %1 &apos;%2&apos; não é um número inteiro de 1 a 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>o nível &apos;%1&apos; não é um número inteiro de 1 a 20</translation>
    </message>
    <message>
        <source>import reads one list, %1 files given</source>
        <translation>import lê uma só lista, foram dados %1 ficheiros</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch lê um só plantel, foram dados %1 ficheiros</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>não é possível ler &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header é para CSV; as linhas JSON já nomeiam os seus campos</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header é só para batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages não aceita argumentos, foi dado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando indicado</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang indicado %1 vezes; indique-o uma só vez</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>falta a aspa de fecho ao nome entre aspas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; não é um nível (um número inteiro de 1 a 20)</translation>
    </message>
    <message>
        <source>expected ten levels, found %1</source>
        <translation>esperavam-se dez níveis, encontrados %1</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>o nome contém o carácter de controlo U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>mais de %1 bytes, ignorada</translation>
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
  ou:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  ou:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  ou:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  ou:  wagecourt-cli languages [--json]
Calcula o ordenado semanal de um jogador de basquetebol do Courtlore,
exatamente como a janela do Wagecourt.

%1

Os idiomas indicam-se como &apos;languages&apos; os lista, em maiúsculas ou minúsculas e
com ou sem acentos (english, Turkce, espanol), ou pelos seus códigos: en tr es
it fr de pl pt.

Uma linha de batch contém dez níveis separados por espaços, tabulações ou
vírgulas, e pode começar com o nome do jogador e uma vírgula ou tabulação. As
linhas em branco, as que começam por &apos;#&apos; e uma primeira linha com os nomes das
colunas são ignoradas.

Comandos:
  calc       o ordenado de um jogador e o que ganha em cada posição
  advise     quanto renderia um nível a mais ou a menos em cada habilidade,
             depois o ordenado de cada posição
  import     lê uma lista de habilidades copiada (UTF-8) de FILE ou da entrada
             padrão, exatamente como &quot;%2&quot; lê a área de transferência na janela,
             no idioma indicado ou, sem --lang, em qualquer um
  batch      um jogador por linha de FILE ou da entrada padrão, uma linha de
             resultado por jogador (CSV: o nome, se indicado, níveis, ordenado,
             posição, nome da posição)
  languages  os idiomas do jogo, um por linha, ou com os códigos em JSON

%3
Estado de saída:
  0  concluído
  1  uma lista recusada, uma linha de batch errada ou uma saída que não pôde
     ser escrita
  2  um erro de utilização
Um pipe fechado (como com &apos;| head&apos;) termina o programa com SIGPIPE, tal como
acontece a outras ferramentas da linha de comandos.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Idioma do jogo: um nome ou código (veja &apos;languages&apos;). Sem ele, %1; import lê então a lista no idioma em que estiver.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Copie novamente as habilidades do seu jogador e confirme que escolheu o idioma certo no menu de seleção.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. No site do Courtlore, copie as habilidades do seu jogador a partir de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Clique no botão &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>O Wagecourt calcula os ordenados dos jogadores com as fórmulas de Velmor. Um agradecimento especial a Velmor (35817) pelo seu trabalho e por partilhar estas fórmulas com a comunidade.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Escolha no menu de seleção o idioma em que joga.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Clique nas habilidades para as alterar (clique esquerdo +1, direito -1).</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>A newer version of Wagecourt is already installed.</source>
        <extracomment>Shown by the Windows installer, which then stops, when a later version of Wagecourt is installed already.</extracomment>
        <translation>Já está instalada uma versão mais recente do Wagecourt.</translation>
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
        <translation>A lista de habilidades copiada do seu jogador</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Idioma do jogo</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Descer %1</translation>
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
        <translation>Habilidade</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
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
        <translation>O que rende um passo de treino</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Clique ou toque num nível para o subir; clique com o botão direito ou prima o seu − para o descer (as teclas + e − também funcionam)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenças</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Funciona offline; só obtém os seus próprios ficheiros, não usa cookies e não conta ninguém.</translation>
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
        <translation>Fechar info</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Colar e calcular</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Ficha do jogador</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Copiar as habilidades de um jogador num navegador web</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Melhor posição</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Ordenado semanal</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Nível de %1</translation>
    </message>
</context>
</TS>
