<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>o nome está vazio</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>o nome tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>o nome contém uma quebra de linha, uma tabulação ou outro carácter de controlo</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>o nome não é um texto válido</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>a nota tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>a nota contém uma quebra de linha, uma tabulação ou outro carácter de controlo: a nota tem de ocupar uma só linha</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>a nota não é um texto válido</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>falta a aspa de fecho a um campo entre aspas</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 campos, não tantos como os nomes das colunas</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; contém %1 números, não 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; não é um dia escrito AAAA-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; não é um nível (de 1 a 20, ou 0 para resistência, lances livres ou experiência desconhecidos)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>não é um objeto JSON</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>falta a chave &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; não é um idioma do jogo</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>mais de %1 bytes</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>a primeira linha não indica nem as colunas do caderno nem as de &apos;wagecourt-cli batch --header&apos;; nada foi lido</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 não é um caderno de jogadores; foi posto de parte como %2 e foi criado um caderno novo</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 foi escrito por uma versão mais recente do Wagecourt; foi posto de parte como %2 e foi começado um caderno novo</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>o caderno %1 está a ser usado por outro programa; nada foi alterado, tente de novo</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>não é possível abrir o caderno %1: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>não é possível alterar o caderno %1: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>compare pelo menos dois jogadores</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>compare no máximo quatro jogadores</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; é indicado duas vezes</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>não há nenhum jogador chamado &apos;%1&apos; no caderno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; tem mais de %2 MiB e não foi lido</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>o caderno ainda não tem nenhum jogador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Ordenado</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Variação</translation>
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
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Níveis</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">registos guardados: %1 (jogadores novos: %2), já no caderno: %3, linhas recusadas: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>não é possível ler o caderno %1: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>o caderno %1 está a ser usado por outro programa; tente de novo</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>o caderno %1 foi escrito por uma versão mais recente do Wagecourt e precisa dessa versão; foi deixado como estava</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 não é um caderno de jogadores; foi deixado como estava</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>nem todos os registos guardados de &apos;%1&apos; podem ser lidos, por isso não lhe é acrescentado nada</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: não é possível ler %n registo guardado</numerusform>
            <numerusform>%1: não é possível ler %n registos guardados</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>a exportação está incompleta: deixa de fora os registos que não podem ser lidos</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>não foi possível guardar em %1 as alterações a %n jogador: outro programa estava a usar o caderno</numerusform>
            <numerusform>não foi possível guardar em %1 as alterações a %n jogadores: outro programa estava a usar o caderno</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>nada foi importado</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>uma etiqueta é uma só palavra: separe as etiquetas com espaços ou vírgulas</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>uma etiqueta tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>uma etiqueta contém um carácter de controlo</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>uma etiqueta não é um texto válido</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>estes níveis não podem ser guardados</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n registo acrescentado</numerusform>
            <numerusform>%n registos acrescentados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n jogador novo</numerusform>
            <numerusform>%n jogadores novos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n já no caderno</numerusform>
            <numerusform>%n já no caderno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n linha recusada</numerusform>
            <numerusform>%n linhas recusadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Importação: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 guardado: %2 (%3), um jogador novo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 guardado: %2 (%3), o seu registo mais antigo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 guardado: %2 (%3), %4 desde %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 já tinha sido guardado em %2 com estes níveis; nada foi acrescentado</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 eliminado (registos: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>número de campos (%n) diferente do número de colunas</numerusform>
            <numerusform>número de campos (%n) diferente do número de colunas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; tem %n número, e não 10 ou 13</numerusform>
            <numerusform>&quot;levels&quot; tem %n números, e não 10 ou 13</numerusform>
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
        <translation>&apos;%1&apos; não é uma data no formato AAAA-MM-DD</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>a ligação está cortada: copie-a novamente, inteira</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>a ligação foi alterada pelo caminho (a soma de verificação falha): copie-a novamente</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>a ligação foi criada por uma versão mais recente do Wagecourt (versão de ligação %1): atualize o Wagecourt para a acrescentar</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>a ligação tem mais de 1 MiB e não foi lida</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>o texto não contém nenhuma ligação de caderno de jogadores</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>o jogador n.º %1 da ligação não pode ser guardado: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; aparece duas vezes na ligação</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>a sua etiqueta &apos;%1&apos; aparece duas vezes</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>não tem nenhum registo</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">a data do seu registo n.º %1 não é um dia válido</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">o seu registo n.º %1 indica &apos;%2&apos;, que não é um idioma do jogo</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">o seu registo n.º %1 dá a %2 o nível %3, que não existe</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">os dados da ligação não podem ser lidos</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n jogador</numerusform>
            <numerusform>%n jogadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n registo</numerusform>
            <numerusform>%n registos</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>A ligação contém %1 e %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Acrescentá-los ao caderno de jogadores?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>a data do seu registo n.º %1 não é uma data válida</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>o seu registo n.º %1 indica &apos;%2&apos;, que não é um idioma do jogo</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>o seu registo n.º %1 dá a %2 o nível %3, que não existe</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>habilidade n.º %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>os dados da ligação não podem ser lidos</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n registo já estava no caderno</numerusform>
            <numerusform>%n registos já estavam no caderno</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>O ficheiro do caderno, em vez do da janela.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: uma nota de uma linha para o jogador.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: a data do registo, AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: ordenar por name, salary, position, change ou date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Idioma do jogo: um nome ou código. keep lê a lista nesse idioma; compare mostra nele os nomes das habilidades.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>Escrever JSON, um objeto por linha.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book precisa de um comando: keep, list, history, compare, export, import ou remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 aceita %2; foram dados %3</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">um nome</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">um nome e no máximo um ficheiro</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">um ficheiro</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">nenhum argumento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; não é um dia escrito AAAA-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; não é um critério de ordenação: name, salary, position, change ou date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 é só para book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), um jogador novo</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), %4 desde %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 já estava guardado a %2 com estes níveis; nada foi acrescentado</translation>
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
  ou:  wagecourt-cli book list [--sort KEY] [--json]
  ou:  wagecourt-cli book history NAME [--json]
  ou:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
  ou:  wagecourt-cli book export [--json]
  ou:  wagecourt-cli book import FILE|-
  ou:  wagecourt-cli book remove NAME
Jogadores guardados com o histórico dos seus níveis, como no Caderno de
jogadores da janela.

Comandos:
  keep     lê uma lista de capacidades copiada de FILE ou da entrada padrão,
           em qualquer idioma do jogo (ou no indicado por --lang), e guarda-a
           como NAME, com a data de hoje ou de DAY (AAAA-MM-DD); os mesmos
           níveis no mesmo dia são guardados uma só vez
  list     o último registo de cada jogador e a variação do ordenado desde o
           anterior; --sort name, salary, position, change ou date
  history  os registos de um jogador, do mais antigo ao mais recente
  compare  de dois a quatro jogadores lado a lado, cada um face ao primeiro
  export   o caderno inteiro em CSV, ou com --json em linhas JSON
  import   um ficheiro escrito por export ou por &apos;wagecourt-cli batch --header&apos;;
           as linhas erradas são indicadas na saída de erro e cada linha certa
           é guardada
  remove   um jogador e todos os seus registos

O caderno é %1, a menos que --book indique outro ficheiro.

%2
Estado de saída:
  0  concluído
  1  uma lista recusada, uma linha errada numa importação, um jogador
     desconhecido ou um caderno que não pôde ser lido ou escrito
  2  um erro de utilização
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 guardado: %2 (%3), o seu registo mais antigo</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 removido (registos: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: acrescenta uma etiqueta ao jogador (repita para mais); list: só os jogadores com esta etiqueta.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 não aceita argumentos, mas foi indicado %n</numerusform>
            <numerusform>book %1 não aceita argumentos, mas foram indicados %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 precisa de um nome, mas foi indicado %n argumento</numerusform>
            <numerusform>book %1 precisa de um nome, mas foram indicados %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep precisa de um nome e no máximo um ficheiro, mas foi indicado %n argumento</numerusform>
            <numerusform>book keep precisa de um nome e no máximo um ficheiro, mas foram indicados %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import precisa de um ficheiro, mas foi indicado %n argumento</numerusform>
            <numerusform>book import precisa de um ficheiro, mas foram indicados %n argumentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note precisa de um nome e de uma nota, mas foi indicado %n argumento</numerusform>
            <numerusform>book note precisa de um nome e de uma nota, mas foram indicados %n argumentos</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags precisa de um nome e das suas etiquetas, mas não foi indicado nenhum nome</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; não é uma data no formato AAAA-MM-DD</translation>
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
 ou: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
 ou: wagecourt-cli book history NAME [--json]
 ou: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
 ou: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
 ou: wagecourt-cli book export [--json | --link [NAME...]]
 ou: wagecourt-cli book import FILE|- | --link TEXT
 ou: wagecourt-cli book note NAME TEXT
 ou: wagecourt-cli book tags NAME [WORD...]
 ou: wagecourt-cli book remove NAME
Jogadores guardados com o histórico dos seus níveis, como no Caderno de
jogadores da janela.

Comandos:
  keep     lê uma lista de habilidades copiada de FILE ou da entrada padrão,
           em qualquer idioma do jogo (ou no indicado por --lang), e guarda-a
           como NAME, com a data de hoje ou de DAY (AAAA-MM-DD); os mesmos
           níveis no mesmo dia são guardados uma só vez
  list     o último registo de cada jogador e a variação do ordenado desde o
           anterior; --sort name, salary, position, change ou date
  history  os registos de um jogador, do mais antigo ao mais recente
  compare  de dois a quatro jogadores lado a lado, cada um face ao primeiro
  forecast onde o próprio ritmo de um jogador o leva em W semanas (8, a menos
           que --weeks diga outra coisa), com base nos seus registos, que
           devem abranger pelo menos 14 dias
  export   o caderno inteiro em CSV, ou com --json em linhas JSON; com --link
           os jogadores indicados (todos, se não houver nomes) numa ligação
           para partilhar
  import   um ficheiro escrito por export ou por
           &apos;wagecourt-cli batch --header&apos;; as linhas erradas são indicadas
           na saída de erro e cada linha certa é guardada; uma ligação (ou um
           ficheiro que a contenha) acrescenta o que falta ao caderno
  note     define a nota de um jogador (um TEXT vazio apaga-a)
  tags     define as etiquetas de um jogador, palavras curtas suas (sem WORD
           são apagadas)
  remove   um jogador e todos os seus registos

O caderno é %1,
a menos que --book indique outro ficheiro.

%2
Estado de saída:
  0  concluído
  1  uma lista recusada, uma linha errada numa importação, um jogador
     desconhecido ou um caderno que não pôde ser lido ou escrito por inteiro
  2  um erro de utilização
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: quantas semanas à frente (8 se não for indicado).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; não é um número de semanas: escreva um número inteiro de 1 a 520</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: uma ligação com os jogadores escolhidos em vez de um ficheiro; import: a própria ligação em vez de um ficheiro.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book precisa de um comando: keep, list, history, compare, forecast, export, import, note, tags ou remove</translation>
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
 ou: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
 ou: wagecourt-cli book history NAME [--json]
 ou: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
 ou: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
 ou: wagecourt-cli book export [--json | --link [NAME...]]
 ou: wagecourt-cli book import FILE|- | --link TEXT
 ou: wagecourt-cli book note NAME TEXT
 ou: wagecourt-cli book tags NAME [WORD...]
 ou: wagecourt-cli book remove NAME
Jogadores guardados com o histórico dos seus níveis, como no Caderno de
jogadores da janela.

Comandos:
  keep     lê uma lista de habilidades copiada de FILE ou da entrada padrão,
           em qualquer idioma do jogo (ou no indicado por --lang), e guarda-a
           como NAME, com a data de hoje ou de DAY (AAAA-MM-DD); os mesmos
           níveis no mesmo dia são guardados uma só vez
  list     o último registo de cada jogador e a variação do ordenado desde o
           anterior; --sort name, salary, position, change ou date
  history  os registos de um jogador, do mais antigo ao mais recente
  compare  de dois a quatro jogadores lado a lado, cada um face ao primeiro
  forecast onde o próprio ritmo de um jogador o leva em W semanas (8, a menos
           que --weeks diga outra coisa), com base nos seus registos, que
           devem abranger pelo menos 14 dias
  export   o caderno inteiro em CSV, ou com --json em linhas JSON; com --link
           os jogadores indicados (todos, se não houver nomes) numa ligação
           para partilhar
  import   um ficheiro escrito por export ou por
           &apos;wagecourt-cli batch --header&apos;; as linhas erradas são indicadas
           na saída de erro e cada linha certa é guardada; uma ligação (ou um
           ficheiro que a contenha) acrescenta o que falta ao caderno
  note     define a nota de um jogador (um TEXT vazio apaga-a)
  tags     define as etiquetas de um jogador, palavras curtas suas (sem WORD
           são apagadas)
  remove   um jogador e todos os seus registos

O caderno é %1,
a menos que --book indique outro ficheiro.

%2
Estado de saída:
  0  concluído
  1  uma lista recusada, uma linha errada numa importação, um jogador
     desconhecido ou um caderno que não pôde ser lido ou escrito por inteiro
  2  um erro de utilização
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: uma ligação para os jogadores indicados em vez de um ficheiro; import: uma ligação dessas em vez de um ficheiro.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Guardar no caderno</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Caderno de jogadores</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Nome do jogador:</translation>
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
        <translation>Já está no caderno: os níveis mostrados são acrescentados ao histórico deste jogador.</translation>
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
        <translation>Anular eliminação</translation>
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
        <translation>Copiar como tabela</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Copiar para o fórum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Histórico de %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Jogadores no caderno: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Eliminado: %1. Prima Anular eliminação (Ctrl+Z) para repor.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Outro programa está a usar o caderno; a alteração será guardada assim que possível.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Copiado: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Comparar jogadores</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Ordenado (melhor posição)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Ordenado como %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Escolha de 2 a 4 jogadores para comparar (Ctrl ou Shift com um clique ou as setas).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Exportar o caderno</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Importar para o caderno</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>Ficheiros CSV (*.csv);;Ficheiros JSON Lines (*.jsonl *.ndjson *.json);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível escrever &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>Não foi possível ler &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Registos exportados: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>O caderno ainda não tem nenhum jogador.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Etiquetas (opcional):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>alvo sub21 vender</translation>
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
            <numerusform>%n jogador eliminado.</numerusform>
            <numerusform>%n jogadores eliminados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Prima &quot;Anular eliminação&quot; (Ctrl+Z) para repor.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Prima &quot;Anular eliminação&quot; para repor.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Copiado como tabela.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Copiado para uma publicação no fórum.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Etiqueta:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Todos os jogadores</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Primeiro cole a lista de habilidades de um jogador (Ctrl+V) ou mostre um jogador do caderno.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Caderno de jogadores (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, tal como foi guardado no caderno em %2.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>A guardar o caderno de jogadores...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Outro programa está a usar o caderno de jogadores, por isso as alterações a %n jogador ainda não foram guardadas.

Esperar ou sair e perdê-las?</numerusform>
            <numerusform>Outro programa está a usar o caderno de jogadores, por isso as alterações a %n jogadores ainda não foram guardadas.

Esperar ou sair e perdê-las?</numerusform>
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
        <translation>Sair sem guardar</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Ficheiros do caderno (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Copiar ligação</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Ligação copiada. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Acrescentar jogadores</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Não acrescentar</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Ligação como código QR</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Aponte a câmara de um telemóvel para o código para abrir estes jogadores na página do Wagecourt.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>A ligação é demasiado longa para um código QR que um telemóvel consiga ler num ecrã: envie antes a ligação.</translation>
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
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>não começa por &quot;%1&quot;, como a etiqueta %3 em %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
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
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>Não foi possível ler o nível de %1 (habilidade %2): %3.</translation>
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
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>idioma desconhecido &apos;%1&apos;; os idiomas são: %2</translation>
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
        <translation>languages não aceita argumentos, foi indicado &apos;%1&apos;</translation>
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
        <source>the quoted name has no closing quote</source>
        <translation>falta a aspa de fecho ao nome entre aspas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; não é um nível (um número inteiro de 1 a 20)</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2, always the 16 characters of &quot;Calculate Salary&quot;), the option list (%3). Every line at most 79 characters once %2 is filled in; the commands after &quot;Usage:&quot; and &quot;or:&quot; start in one column.</extracomment>
        <translation type="vanished">Uso: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
 ou: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
 ou: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
 ou: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
 ou: wagecourt-cli languages [--json]
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
             padrão, exatamente como &quot;%2&quot; lê a área de
             transferência na janela, no idioma indicado ou, sem --lang, em
             qualquer um
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
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Idioma do jogo: um nome ou código (veja &apos;languages&apos;). Sem ele, %1; import lê então a lista no idioma em que estiver.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>tem %n sinal de dois-pontos (:), uma lista de habilidades tem de %1 a %2</numerusform>
            <numerusform>tem %n sinais de dois-pontos (:), uma lista de habilidades tem de %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>O texto tem %n carácter; uma lista de habilidades é muito mais curta e não se leem mais de %1.</numerusform>
            <numerusform>O texto tem %n caracteres; uma lista de habilidades é muito mais curta e não se leem mais de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 precisa de dez níveis, foi indicado %n</numerusform>
            <numerusform>%1 precisa de dez níveis, foram indicados %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import lê uma só lista, foi indicado %n ficheiro</numerusform>
            <numerusform>import lê uma só lista, foram indicados %n ficheiros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch lê um só plantel, foi indicado %n ficheiro</numerusform>
            <numerusform>batch lê um só plantel, foram indicados %n ficheiros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang indicado %n vez; indique-o uma só vez</numerusform>
            <numerusform>--lang indicado %n vezes; indique-o uma só vez</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>esperavam-se dez níveis, foi encontrado %n</numerusform>
            <numerusform>esperavam-se dez níveis, foram encontrados %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>O caderno de jogadores guarda jogadores e o seu histórico:
veja &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 indicado %n vez; indique-o uma só vez</numerusform>
            <numerusform>%1 indicado %n vezes; indique-o uma só vez</numerusform>
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
 ou: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
 ou: wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                    [--cheapest N] [--skills LIST] [--lang NAME] [--json]
 ou: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
 ou: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
 ou: wagecourt-cli languages [--json]
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
  calc       o ordenado de um jogador e o que ganha em cada posição; com
             --shown, se coincide com o ordenado que o jogo mostra
  advise     quanto renderia um nível a mais ou a menos em cada habilidade,
             depois o ordenado de cada posição
  plan       quanto renderia cada nível de cada habilidade, até 20; --to
             planeia os passos até aos níveis indicados, um nível de cada vez,
             --limit encontra os níveis mais altos sem passar de um ordenado,
             --cheapest as N subidas de um nível que custam menos (entre
             --skills, como IS,ID,RB)
  import     lê uma lista de habilidades copiada (UTF-8) de FILE ou da entrada
             padrão, exatamente como &quot;%2&quot; lê a área de
             transferência na janela, no idioma indicado ou, sem --lang, em
             qualquer um
  batch      um jogador por linha de FILE ou da entrada padrão, uma linha de
             resultado por jogador (CSV: o nome, se indicado, níveis, ordenado,
             posição, nome da posição)
  languages  os idiomas do jogo, um por linha, ou com os códigos em JSON

%3
Estado de saída:
  0  concluído
  1  uma lista recusada, uma linha de batch errada, um ordenado diferente do
     mostrado ou uma saída que não pôde ser escrita
  2  um erro de utilização
Um pipe fechado (como com &apos;| head&apos;) termina o programa com SIGPIPE, tal como
acontece a outras ferramentas da linha de comandos.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: o ordenado que o jogo mostra, para verificar.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: um nível-alvo, como IS=12 (repita para mais, por ordem).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: os níveis mais altos sem passar deste ordenado.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: as N subidas de um nível (1 a 20) que menos sobem o ordenado.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: as habilidades para onde podem ir as subidas mais baratas, como IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 é só para %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: as N subidas de um nível (1 a 20) que menos acrescentam ao ordenado.</translation>
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
        <translation>Copie novamente as habilidades do seu jogador e confirme que escolheu o idioma certo na lista pendente.</translation>
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
        <translation>2. Escolha na lista pendente o idioma em que joga.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Clique nas habilidades para as alterar (clique esquerdo +1, direito -1).</translation>
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
        <translation>Já está instalada uma versão mais recente do Wagecourt.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Plano de treino</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Agora: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Ordenado semanal em cada nível, uma habilidade de cada vez</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Nível</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>O plano, um nível de cada vez</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>No fim: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Clique num nível da tabela para o tornar o objetivo dessa habilidade.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Limite de ordenado:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Níveis mais altos até %1, uma habilidade de cada vez</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>O plano passa o limite no passo %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Todo o plano fica dentro do limite.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>O jogador já ganha mais do que o limite.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Subidas mais baratas:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>A subida de um nível que menos sobe o ordenado</numerusform>
            <numerusform>As %n subidas de um nível que menos sobem o ordenado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>só resta %n subida nas habilidades indicadas</numerusform>
            <numerusform>só restam %n subidas nas habilidades indicadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 daqui a %n semana, ao seu próprio ritmo</numerusform>
            <numerusform>%1 daqui a %n semanas, ao seu próprio ritmo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>Com base nos seus registos de %1 a %2 (%n dia)</numerusform>
            <numerusform>Com base nos seus registos de %1 a %2 (%n dias)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Por semana</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Depois</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Ordenado depois: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Ordenado que o jogo mostra:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Copiar relatório</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, fórmula do ordenado %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; não é uma habilidade: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, ou JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; não é um objetivo: escreva uma habilidade, = e um nível de 1 a 20, como IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; não é um ordenado: escreva um número inteiro</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; não é um número de subidas: escreva um número inteiro de 1 a 20</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 tem um só registo no caderno: uma previsão precisa de dois com pelo menos 14 dias de intervalo</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>os registos de %1 abrangem %n dia: uma previsão precisa de pelo menos 14</numerusform>
            <numerusform>os registos de %1 abrangem %n dias: uma previsão precisa de pelo menos 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Coincide com o jogo: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">O jogo mostra %1 e o Wagecourt calcula %2 (%3). A fórmula do jogo pode ter mudado: envie o relatório, por favor.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>A subida de um nível que menos acrescenta ao ordenado</numerusform>
            <numerusform>As %n subidas de um nível que menos acrescentam ao ordenado</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Atingido</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>O jogo mostra %1 e o Wagecourt calcula %2 (%3). A fórmula do jogo pode ter mudado: copie o relatório e envie-o aos criadores do Wagecourt, por favor.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 no nível %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1 no nível %2: %3 (%4), %5, acima do limite</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1 no nível %2, agora: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 até %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 até %2: %3 (%4), %5, acima do limite</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, até %3</translation>
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
        <translation>O que vale um nível a mais</translation>
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
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Funciona offline; só obtém os seus próprios ficheiros, não usa cookies e não conta visitas.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Não foi possível carregar a calculadora. Recarregue a página ou abra-a num navegador atualizado.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Nova versão: recarregar</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Ordenado semanal no Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>O ordenado semanal de um jogador de Courtlore a partir de uma lista de habilidades selecionada numa página</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Partilhar resultado</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Aspeto</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Como no sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Guardado no caderno: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Marque de 2 a 4 jogadores e depois prima &quot;Comparar&quot;.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Primeiro cole a lista de habilidades de um jogador e prima &quot;%1&quot;, ou mostre um jogador do caderno.</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Etiquetas já atribuídas: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Prima &quot;%1&quot; por baixo da ficha para guardar o jogador mostrado com um nome; &quot;%2&quot;, mais abaixo, lista os jogadores guardados.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Última exportação em %1; registos guardados desde então: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Nunca exportado; registos guardados só neste navegador: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n registo está guardado só neste navegador, que o pode apagar. Prima &quot;%1&quot; para guardar uma cópia do caderno.</numerusform>
            <numerusform>%n registos estão guardados só neste navegador, que os pode apagar. Prima &quot;%1&quot; para guardar uma cópia do caderno.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Partilhar</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Copiar ligação</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Ligação para os jogadores</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Código QR da ligação</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Esta ligação contém demasiado para um código QR: prima &quot;%1&quot; para enviar a própria ligação.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Acrescentar ao caderno</translation>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Nível de %1</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - por Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Jogador mostrado</translation>
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
        <translation>Calcula o ordenado semanal de um jogador de Courtlore a partir da sua lista de
habilidades, copiada da página do jogo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Também são aceites as opções próprias da biblioteca gráfica, como
-platform NAME, -display DISPLAY ou -style NAME.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>opção desconhecida %1</translation>
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
