<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %2 sur %3, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>niveau maximal</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>niveau minimal</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1 (poste&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: niveau non lu</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Cette compétence ne compte pas dans le salaire.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Salaire hebdomadaire à chaque poste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (meilleur)</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>le nom contient un saut de ligne, une tabulation ou un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>le nom n&apos;est pas un texte valide</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>la note dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>la note contient un saut de ligne, une tabulation ou un autre caractère de contrôle&#xa0;: une note tient sur une seule ligne</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>la note n&apos;est pas un texte valide</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>il manque le guillemet fermant d&apos;un champ entre guillemets</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 champs, pas autant que de noms de colonnes</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; contient %1 nombres, et non 13</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos; n&apos;est pas un jour écrit AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; n&apos;est pas un niveau (de 1 à 20, ou 0 pour une endurance, des lancers francs ou une expérience inconnus)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>la clé &quot;%1&quot; manque</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une langue du jeu</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>la première ligne ne nomme ni les colonnes du carnet ni celles de &apos;wagecourt-cli batch --header&apos;&#xa0;; rien n&apos;a été lu</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 n&apos;est pas un carnet de joueurs&#xa0;; il a été mis de côté sous le nom %2 et un nouveau carnet a été créé</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 a été écrit par une version plus récente de Wagecourt ; il a été mis de côté sous le nom %2 et un nouveau carnet a été commencé</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>le carnet %1 est utilisé par un autre programme&#xa0;; rien n&apos;a été changé, réessayez</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>impossible d&apos;ouvrir le carnet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>impossible de modifier le carnet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>comparez au moins deux joueurs</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>comparez au plus quatre joueurs</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; est nommé deux fois</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>aucun joueur nommé &apos;%1&apos; dans le carnet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; dépasse %2 Mio et n&apos;a pas été lu</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>le carnet ne contient encore aucun joueur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">relevés conservés : %1 (nouveaux joueurs : %2), déjà dans le carnet : %3, lignes refusées : %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>impossible de lire le carnet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>le carnet %1 est utilisé par un autre programme&#xa0;; réessayez</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>le carnet %1 a été écrit par une version plus récente de Wagecourt et a besoin de cette version&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 n&apos;est pas un carnet de joueurs&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>les relevés enregistrés de &apos;%1&apos; ne sont pas tous lisibles, donc rien ne lui est ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n relevé enregistré est illisible</numerusform>
            <numerusform>%1&#xa0;: %n relevés enregistrés sont illisibles</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>l&apos;export est incomplet&#xa0;: il laisse de côté les relevés illisibles</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>les modifications de %n joueur n&apos;ont pas pu être enregistrées dans %1&#xa0;: un autre programme occupait le carnet</numerusform>
            <numerusform>les modifications de %n joueurs n&apos;ont pas pu être enregistrées dans %1&#xa0;: un autre programme occupait le carnet</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>une étiquette est un seul mot&#xa0;: séparez les étiquettes par des espaces ou des virgules</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>une étiquette dépasse %1 caractères</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>une étiquette contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>une étiquette n&apos;est pas un texte valide</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>ces niveaux ne peuvent pas être ajoutés au carnet</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n relevé ajouté</numerusform>
            <numerusform>%n relevés ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n nouveau joueur</numerusform>
            <numerusform>%n nouveaux joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n déjà dans le carnet</numerusform>
            <numerusform>%n déjà dans le carnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n ligne refusée</numerusform>
            <numerusform>%n lignes refusées</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>Import&#xa0;: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 conservé&#xa0;: %2 (%3), un nouveau joueur</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 conservé&#xa0;: %2 (%3), son plus ancien relevé</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 conservé&#xa0;: %2 (%3), %4 depuis le %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 a déjà été conservé le %2 avec ces niveaux&#xa0;; rien n&apos;a été ajouté</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 supprimé (relevés&#xa0;: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>nombre de champs (%n) différent du nombre de colonnes</numerusform>
            <numerusform>nombre de champs (%n) différent du nombre de colonnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; contient %n nombre, et non 10 ou 13</numerusform>
            <numerusform>&quot;levels&quot; contient %n nombres, et non 10 ou 13</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une date au format AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>le lien est tronqué&#xa0;: copiez-le à nouveau, en entier</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>le lien a été modifié en chemin (sa somme de contrôle est fausse)&#xa0;: copiez-le à nouveau</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>le lien vient d&apos;une version plus récente de Wagecourt (version de lien %1)&#xa0;: mettez Wagecourt à jour pour l&apos;ajouter</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>le lien dépasse 1 Mio et n&apos;a pas été lu</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>le texte ne contient aucun lien de carnet de joueurs</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>le joueur n°&#xa0;%1 du lien ne peut pas être ajouté&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; figure deux fois dans le lien</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>son étiquette &apos;%1&apos; figure deux fois</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>il n&apos;a aucun relevé</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">la date de son relevé n°&#xa0;%1 n&apos;est pas un jour valide</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">son relevé n°&#xa0;%1 indique &apos;%2&apos;, qui n&apos;est pas une langue du jeu</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">son relevé n°&#xa0;%1 donne à %2 le niveau %3, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">les enregistrements du lien sont illisibles</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n relevé</numerusform>
            <numerusform>%n relevés</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>Le lien contient %1 et %2.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Les ajouter au carnet de joueurs&#xa0;?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>la date de son relevé n°&#xa0;%1 n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>son relevé n°&#xa0;%1 indique &apos;%2&apos;, qui n&apos;est pas une langue du jeu</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>son relevé n°&#xa0;%1 donne à %2 le niveau %3, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>compétence %1</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>les enregistrements du lien sont illisibles</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n relevé déjà dans le carnet</numerusform>
            <numerusform>%n relevés déjà dans le carnet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>Le fichier du carnet, au lieu de celui de la fenêtre.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep : une note d&apos;une ligne pour le joueur.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep : la date du relevé, AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list : trier par name, salary, position, change ou date.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Langue du jeu : un nom ou un code. keep y lit la liste ; compare y nomme les compétences.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>Écrire du JSON, un objet par ligne.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book attend une commande : keep, list, history, compare, export, import ou remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 prend %2 ; %3 donnés</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">un nom</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">un nom et au plus un fichier</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">un fichier</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">aucun argument</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos; n&apos;est pas un jour écrit AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un critère de tri : name, salary, position, change ou date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 ne sert qu&apos;à book %2</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 conservé : %2 (%3), un nouveau joueur</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 conservé : %2 (%3), %4 depuis le %5</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 était déjà conservé le %2 avec ces niveaux ; rien n&apos;a été ajouté</translation>
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
        <translation type="vanished">Usage : wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
   ou : wagecourt-cli book list [--sort KEY] [--json]
   ou : wagecourt-cli book history NAME [--json]
   ou : wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
   ou : wagecourt-cli book export [--json]
   ou : wagecourt-cli book import FILE|-
   ou : wagecourt-cli book remove NAME
Les joueurs conservés avec l&apos;historique de leurs niveaux, comme dans le Carnet
de joueurs de la fenêtre.

Commandes :
  keep     lit une liste de compétences copiée depuis FILE ou l&apos;entrée
           standard, dans n&apos;importe quelle langue du jeu (ou celle que donne
           --lang), et la conserve sous NAME, datée d&apos;aujourd&apos;hui ou de DAY
           (AAAA-MM-JJ) ; les mêmes niveaux le même jour sont conservés une fois
  list     le dernier relevé de chaque joueur et l&apos;écart de son salaire depuis
           le précédent ; --sort name, salary, position, change ou date
  history  les relevés d&apos;un joueur, du plus ancien au plus récent
  compare  de deux à quatre joueurs côte à côte, chacun mesuré au premier
  export   tout le carnet en CSV, ou avec --json en lignes JSON
  import   un fichier écrit par export ou par &apos;wagecourt-cli batch --header&apos; ;
           les lignes erronées sont signalées sur la sortie d&apos;erreur et chaque
           ligne correcte est conservée
  remove   un joueur et tous ses relevés

Le carnet est %1, sauf si --book désigne un autre fichier.

%2
Code de sortie :
  0  terminé
  1  une liste refusée, une ligne d&apos;import erronée, un joueur inconnu ou un
     carnet impossible à lire ou à écrire
  2  une erreur d&apos;utilisation
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 conservé : %2 (%3), son plus ancien relevé</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 supprimé (relevés : %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep : ajoute une étiquette au joueur (à répéter pour plusieurs) ; list : seulement les joueurs qui portent cette étiquette.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 ne prend aucun argument, mais en a reçu %n</numerusform>
            <numerusform>book %1 ne prend aucun argument, mais en a reçu %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 attend un nom, mais a reçu %n argument</numerusform>
            <numerusform>book %1 attend un nom, mais a reçu %n arguments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep attend un nom et au plus un fichier, mais a reçu %n argument</numerusform>
            <numerusform>book keep attend un nom et au plus un fichier, mais a reçu %n arguments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import attend un fichier, mais a reçu %n argument</numerusform>
            <numerusform>book import attend un fichier, mais a reçu %n arguments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note attend un nom et une note, mais a reçu %n argument</numerusform>
            <numerusform>book note attend un nom et une note, mais a reçu %n arguments</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags attend un nom et ses étiquettes, mais aucun nom n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une date au format AAAA-MM-JJ</translation>
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
        <translation type="vanished">Usage : wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                       [FILE|-]
   ou : wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
   ou : wagecourt-cli book history NAME [--json]
   ou : wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
   ou : wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
   ou : wagecourt-cli book export [--json | --link [NAME...]]
   ou : wagecourt-cli book import FILE|- | --link TEXT
   ou : wagecourt-cli book note NAME TEXT
   ou : wagecourt-cli book tags NAME [WORD...]
   ou : wagecourt-cli book remove NAME
Les joueurs conservés avec l&apos;historique de leurs niveaux, comme dans le Carnet
de joueurs de la fenêtre.

Commandes :
  keep     lit une liste de compétences copiée depuis FILE ou l&apos;entrée
           standard, dans n&apos;importe quelle langue du jeu (ou celle que donne
           --lang), et la conserve sous NAME, datée d&apos;aujourd&apos;hui ou de DAY
           (AAAA-MM-JJ) ; les mêmes niveaux le même jour ne sont conservés
           qu&apos;une fois
  list     le dernier relevé de chaque joueur et l&apos;évolution de son salaire
           depuis le précédent ; --sort name, salary, position, change ou date
  history  les relevés d&apos;un joueur, du plus ancien au plus récent
  compare  de deux à quatre joueurs côte à côte, chacun comparé au premier
  forecast où en sera un joueur dans W semaines à son propre rythme (8 sauf si
           --weeks en indique un autre), d&apos;après ses relevés, qui doivent
           couvrir au moins 14 jours
  export   tout le carnet en CSV, ou avec --json en lignes JSON ; avec --link
           les joueurs nommés (tous si aucun nom) en un lien à partager
  import   un fichier écrit par export ou par &apos;wagecourt-cli batch --header&apos; ;
           les lignes erronées sont signalées sur la sortie d&apos;erreur et chaque
           ligne correcte est conservée ; un lien (ou un fichier qui en
           contient un) ajoute ce qui manque au carnet
  note     définit la note d&apos;un joueur (un TEXT vide l&apos;efface)
  tags     définit les étiquettes d&apos;un joueur, de courts mots à vous (sans
           WORD, elles sont effacées)
  remove   un joueur et tous ses relevés

Le carnet est %1,
sauf si --book désigne un autre fichier.

%2
Code de sortie :
  0  terminé
  1  une liste refusée, une ligne d&apos;import erronée, un joueur inconnu ou un
     carnet impossible à lire ou à écrire en entier
  2  une erreur d&apos;utilisation
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast : combien de semaines à l&apos;avance (8 par défaut).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un nombre de semaines : indiquez un nombre entier de 1 à 520</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export : un lien vers une sélection de joueurs au lieu d&apos;un fichier ; import : le lien lui-même au lieu d&apos;un fichier.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book attend une commande : keep, list, history, compare, forecast, export, import, note, tags ou remove</translation>
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
        <translation>Usage : wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]
                                [FILE|-]
   ou : wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
   ou : wagecourt-cli book history NAME [--json]
   ou : wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
   ou : wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
   ou : wagecourt-cli book export [--json | --link [NAME...]]
   ou : wagecourt-cli book import FILE|- | --link TEXT
   ou : wagecourt-cli book note NAME TEXT
   ou : wagecourt-cli book tags NAME [WORD...]
   ou : wagecourt-cli book remove NAME
Les joueurs conservés avec l&apos;historique de leurs niveaux, comme dans le Carnet
de joueurs de la fenêtre.

Commandes :
  keep     lit une liste de compétences copiée depuis FILE ou l&apos;entrée
           standard, dans n&apos;importe quelle langue du jeu (ou celle que donne
           --lang), et la conserve sous NAME, datée d&apos;aujourd&apos;hui ou de DAY
           (AAAA-MM-JJ) ; les mêmes niveaux le même jour ne sont conservés
           qu&apos;une fois
  list     le dernier relevé de chaque joueur et l&apos;évolution de son salaire
           depuis le précédent ; --sort name, salary, position, change ou date
  history  les relevés d&apos;un joueur, du plus ancien au plus récent
  compare  de deux à quatre joueurs côte à côte, chacun comparé au premier
  forecast où en sera un joueur dans W semaines à son propre rythme (8 sauf si
           --weeks en indique un autre), d&apos;après ses relevés, qui doivent
           couvrir au moins 14 jours
  export   tout le carnet en CSV, ou avec --json en lignes JSON ; avec --link
           les joueurs nommés (tous si aucun nom) en un lien à partager
  import   un fichier écrit par export ou par &apos;wagecourt-cli batch --header&apos; ;
           les lignes erronées sont signalées sur la sortie d&apos;erreur et chaque
           ligne correcte est conservée ; un lien (ou un fichier qui en
           contient un) ajoute ce qui manque au carnet
  note     définit la note d&apos;un joueur (un TEXT vide l&apos;efface)
  tags     définit les étiquettes d&apos;un joueur, de courts mots à vous (sans
           WORD, elles sont effacées)
  remove   un joueur et tous ses relevés

Le carnet est %1,
sauf si --book désigne un autre fichier.

%2
Code de sortie :
  0  terminé
  1  une liste refusée, une ligne d&apos;import erronée, un joueur inconnu ou un
     carnet impossible à lire ou à écrire en entier
  2  une erreur d&apos;utilisation
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export : un lien vers les joueurs nommés au lieu d&apos;un fichier ; import : un tel lien au lieu d&apos;un fichier.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Ajouter au carnet</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Carnet de joueurs</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Nom du joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Note (facultative)&#xa0;:</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Déjà dans le carnet&#xa0;: les niveaux affichés s&apos;ajoutent à l&apos;historique de ce joueur.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Copier en tableau</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Copier pour le forum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Joueurs dans le carnet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Supprimé : %1. Appuyez sur Annuler la suppression (Ctrl+Z) pour le rétablir.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Un autre programme utilise le carnet&#xa0;; la modification sera enregistrée dès que possible.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Copié : %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Comparer des joueurs</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Salaire (meilleur poste)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>Salaire en tant que %1</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Choisissez de 2 à 4 joueurs à comparer (Ctrl ou Maj avec un clic ou les flèches).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Exporter le carnet</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Importer dans le carnet</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>Fichiers CSV (*.csv);;Fichiers JSON Lines (*.jsonl *.ndjson *.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Relevés exportés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>Le carnet ne contient encore aucun joueur.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Étiquettes (facultatives)&#xa0;:</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>cible U21 vente</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Supprimé&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n joueur supprimé.</numerusform>
            <numerusform>%n joueurs supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Pour rétablir, appuyez sur «&#xa0;Annuler la suppression&#xa0;» (Ctrl+Z).</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Pour rétablir, appuyez sur «&#xa0;Annuler la suppression&#xa0;».</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Copié sous forme de tableau.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Copié pour un message de forum.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Étiquette&#xa0;:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Collez d&apos;abord la liste de compétences d&apos;un joueur (Ctrl+V) ou affichez un joueur du carnet.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Carnet de joueurs (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, tel qu&apos;ajouté au carnet le %2.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Enregistrement du carnet de joueurs...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Un autre programme utilise le carnet de joueurs&#xa0;; les modifications de %n joueur ne sont donc pas encore enregistrées.

Attendre, ou quitter et les perdre&#xa0;?</numerusform>
            <numerusform>Un autre programme utilise le carnet de joueurs&#xa0;; les modifications de %n joueurs ne sont donc pas encore enregistrées.

Attendre, ou quitter et les perdre&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Attendre</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Quitter et les perdre</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Fichiers du carnet (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Lien copié. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Ajouter les joueurs</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Ne pas ajouter</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Lien en code QR</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Pointez l&apos;appareil photo d&apos;un téléphone vers le code pour ouvrir ces joueurs dans la page de Wagecourt.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>Le lien est trop long pour un code QR qu&apos;un téléphone peut lire sur un écran&#xa0;: envoyez plutôt le lien.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Les niveaux sont des nombres entiers de 1 à 20 dans l&apos;ordre du jeu : %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Saisissez « wagecourt-cli --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>le texte ne commence pas par « %1 », comme l&apos;intitulé %3 en %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
        <translation>Ce n&apos;est pas une liste de compétences (langue : %1) : %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>aucun nom de niveau ni nombre après les deux-points</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1 n&apos;est pas un niveau de 1 à 20</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>Le niveau en %1 (compétence %2) est illisible : %3.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Le texte contient plus de %1 caractères ; une liste de compétences est bien plus courte, et %2 au plus sont lus.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Ce n&apos;est une liste de compétences dans aucune des langues du jeu.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>impossible de lire l&apos;entrée : %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>l&apos;entrée ne contient aucune ligne de joueur</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>Écrire du JSON : un objet, ou un par ligne avec batch.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch : écrire d&apos;abord une ligne CSV de noms de colonnes.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>langue inconnue &apos;%1&apos; ; les langues sont : %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>le niveau %1 &apos;%2&apos; n&apos;est pas un nombre entier de 1 à 20</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>le niveau &apos;%1&apos; n&apos;est pas un nombre entier de 1 à 20</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>impossible de lire &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header est pour le CSV ; les lignes JSON nomment leurs champs</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header est réservé à batch</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages ne prend pas d&apos;argument, &apos;%1&apos; indiqué</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>il manque le guillemet fermant du nom entre guillemets</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; n&apos;est pas un niveau (un nombre entier de 1 à 20)</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>le nom contient le caractère de contrôle U+%1</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>plus de %1 octets, ignorée</translation>
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
        <translation type="vanished">Usage : wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
   ou : wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
   ou : wagecourt-cli import [--lang NAME] [--json] [FILE|-]
   ou : wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
   ou : wagecourt-cli languages [--json]
Calcule le salaire hebdomadaire d&apos;un joueur de basket de Courtlore, exactement
comme la fenêtre de Wagecourt.

%1

Les langues se nomment comme &apos;languages&apos; les liste, en majuscules ou
minuscules, avec ou sans accents (english, Turkce, espanol), ou par leur code :
en tr es it fr de pl pt.

Une ligne de batch contient dix niveaux séparés par des espaces, des
tabulations ou des virgules, et peut commencer par le nom du joueur suivi
d&apos;une virgule ou d&apos;une tabulation. Les lignes vides, celles qui commencent par
&apos;#&apos; et une première ligne de noms de colonnes sont ignorées.

Commandes :
  calc       le salaire d&apos;un joueur et ce qu&apos;il gagne à chaque poste
  advise     ce que rapporterait un niveau de plus ou de moins dans chaque
             compétence, puis le salaire à chaque poste
  import     lit une liste de compétences copiée (UTF-8) depuis FILE ou
             l&apos;entrée standard, exactement comme « %2 » lit
             le presse-papiers dans la fenêtre, dans la langue donnée ou,
             sans --lang, dans n&apos;importe laquelle
  batch      un joueur par ligne depuis FILE ou l&apos;entrée standard, une ligne de
             résultat par joueur (CSV : le nom s&apos;il est donné, niveaux,
             salaire, poste, nom du poste)
  languages  les langues du jeu, une par ligne, ou avec leur code en JSON

%3
Code de sortie :
  0  terminé
  1  une liste refusée, une ligne de batch erronée ou une sortie impossible à
     écrire
  2  une erreur d&apos;utilisation
Un tube fermé (comme avec &apos;| head&apos;) termine le programme par SIGPIPE, comme
les autres outils en ligne de commande.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Langue du jeu : un nom ou un code (voir &apos;languages&apos;). %1 par défaut ; import lit alors la liste dans la langue où elle est écrite.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>le texte contient %n deux-points, alors qu&apos;une liste de compétences en contient de %1 à %2</numerusform>
            <numerusform>le texte contient %n deux-points, alors qu&apos;une liste de compétences en contient de %1 à %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>Le texte contient %n caractère ; une liste de compétences est bien plus courte, et %1 au plus sont lus.</numerusform>
            <numerusform>Le texte contient %n caractères ; une liste de compétences est bien plus courte, et %1 au plus sont lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 attend dix niveaux, %n reçu</numerusform>
            <numerusform>%1 attend dix niveaux, %n reçus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import lit une seule liste, %n fichier indiqué</numerusform>
            <numerusform>import lit une seule liste, %n fichiers indiqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch lit un seul effectif, %n fichier indiqué</numerusform>
            <numerusform>batch lit un seul effectif, %n fichiers indiqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang indiqué %n fois ; indiquez-le une seule fois</numerusform>
            <numerusform>--lang indiqué %n fois ; indiquez-le une seule fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>dix niveaux attendus, %n trouvé</numerusform>
            <numerusform>dix niveaux attendus, %n trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>Le carnet de joueurs conserve les joueurs et leur historique :
voir &apos;wagecourt-cli book --help&apos;.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 indiqué %n fois ; indiquez-le une seule fois</numerusform>
            <numerusform>%1 indiqué %n fois ; indiquez-le une seule fois</numerusform>
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
        <translation>Usage : wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]
   ou : wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
   ou : wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                       [--cheapest N] [--skills LIST] [--lang NAME] [--json]
   ou : wagecourt-cli import [--lang NAME] [--json] [FILE|-]
   ou : wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
   ou : wagecourt-cli languages [--json]
Calcule le salaire hebdomadaire d&apos;un joueur de basket de Courtlore, exactement
comme la fenêtre de Wagecourt.

%1

Les langues se nomment comme &apos;languages&apos; les liste, en majuscules ou
minuscules, avec ou sans accents (english, Turkce, espanol), ou par leur code :
en tr es it fr de pl pt.

Une ligne de batch contient dix niveaux séparés par des espaces, des
tabulations ou des virgules, et peut commencer par le nom du joueur suivi
d&apos;une virgule ou d&apos;une tabulation. Les lignes vides, celles qui commencent par
&apos;#&apos; et une première ligne de noms de colonnes sont ignorées.

Commandes :
  calc       le salaire d&apos;un joueur et ce qu&apos;il gagne à chaque poste ; avec
             --shown, s&apos;il correspond au salaire affiché par le jeu
  advise     ce que rapporterait un niveau de plus ou de moins dans chaque
             compétence, puis le salaire à chaque poste
  plan       ce que rapporterait chaque niveau de chaque compétence, jusqu&apos;à
             20 ; --to planifie les étapes jusqu&apos;aux niveaux indiqués, un
             niveau à la fois, --limit trouve les niveaux les plus élevés sans
             dépasser un salaire, --cheapest les N hausses d&apos;un niveau qui
             coûtent le moins (parmi --skills, comme IS,ID,RB)
  import     lit une liste de compétences copiée (UTF-8) depuis FILE ou
             l&apos;entrée standard, exactement comme « %2 » lit
             le presse-papiers dans la fenêtre, dans la langue donnée ou,
             sans --lang, dans n&apos;importe laquelle
  batch      un joueur par ligne depuis FILE ou l&apos;entrée standard, une ligne de
             résultat par joueur (CSV : le nom s&apos;il est donné, niveaux,
             salaire, poste, nom du poste)
  languages  les langues du jeu, une par ligne, ou avec leur code en JSON

%3
Code de sortie :
  0  terminé
  1  une liste refusée, une ligne de batch erronée, un salaire différent de
     celui affiché ou une sortie impossible à écrire
  2  une erreur d&apos;utilisation
Un tube fermé (comme avec &apos;| head&apos;) termine le programme par SIGPIPE, comme
les autres outils en ligne de commande.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc : le salaire affiché par le jeu, à vérifier.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan : un niveau cible, comme IS=12 (à répéter pour plusieurs, dans l&apos;ordre).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan : les niveaux les plus élevés sans dépasser ce salaire.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan : les N hausses d&apos;un niveau (1 à 20) qui augmentent le moins le salaire.</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan : les compétences où peuvent aller les hausses les moins chères, comme IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 ne sert qu&apos;à %2</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan : les N hausses d&apos;un niveau (1 à 20) qui augmentent le moins le salaire.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Copiez à nouveau les compétences de votre joueur et vérifiez que vous avez choisi la bonne langue dans la liste déroulante.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. Sur le site de Courtlore, copiez les compétences de votre joueur depuis «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Cliquez sur le bouton «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt est un outil de calcul des salaires des joueurs qui utilise les formules de Velmor. Un grand merci à Velmor (35817) pour son travail et pour avoir partagé ces précieuses formules avec la communauté.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>MODE D&apos;EMPLOI</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Choisissez dans la liste déroulante la langue dans laquelle vous jouez.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Cliquez sur les compétences pour les changer (clic gauche +1, clic droit -1).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>In the information area, beside the picture, one line for each key of the player book: %1 the key as the system writes it (Ctrl+K), %2 what it does, the menu item&apos;s name (Keep in Book).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>A newer version of Wagecourt is already installed.</source>
        <extracomment>Shown by the Windows installer, which then stops, when a later version of Wagecourt is installed already.</extracomment>
        <translation>Une version plus récente de Wagecourt est déjà installée.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Plan d&apos;entraînement</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Actuellement&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Salaire hebdomadaire à chaque niveau, une compétence à la fois</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>Le plan, un niveau à la fois</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>À la fin&#xa0;: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Cliquez sur un niveau du tableau pour en faire l&apos;objectif de cette compétence.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Plafond de salaire&#xa0;:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>Niveaux les plus élevés jusqu&apos;à %1, une compétence à la fois</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>Le plan dépasse le plafond à l&apos;étape %1.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Tout le plan reste sous le plafond.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>Le joueur gagne déjà plus que le plafond.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>Hausses les moins chères&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>La hausse d&apos;un niveau qui augmente le moins le salaire</numerusform>
            <numerusform>Les %n hausses d&apos;un niveau qui augmentent le moins le salaire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>il ne reste que %n hausse possible dans les compétences indiquées</numerusform>
            <numerusform>il ne reste que %n hausses possibles dans les compétences indiquées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 dans %n semaine, à son propre rythme</numerusform>
            <numerusform>%1 dans %n semaines, à son propre rythme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>D&apos;après ses relevés du %1 au %2 (%n jour)</numerusform>
            <numerusform>D&apos;après ses relevés du %1 au %2 (%n jours)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Par semaine</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">À terme</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Salaire à terme&#xa0;: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Salaire affiché par le jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Copier le rapport</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, formule de salaire %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une compétence&#xa0;: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, ou JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un objectif&#xa0;: indiquez une compétence, = et un niveau de 1 à 20, comme IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un salaire&#xa0;: indiquez un nombre entier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un nombre de hausses&#xa0;: indiquez un nombre entier de 1 à 20</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 n&apos;a qu&apos;un relevé dans le carnet&#xa0;: une prévision en demande deux, à au moins 14 jours d&apos;intervalle</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>les relevés de %1 couvrent %n jour&#xa0;: une prévision en demande au moins 14</numerusform>
            <numerusform>les relevés de %1 couvrent %n jours&#xa0;: une prévision en demande au moins 14</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Identique au jeu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">Le jeu affiche %1, Wagecourt calcule %2 (%3). La formule du jeu a peut-être changé&#xa0;: merci d&apos;envoyer le rapport.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>La hausse d&apos;un niveau qui augmente le moins le salaire</numerusform>
            <numerusform>Les %n hausses d&apos;un niveau qui augmentent le moins le salaire</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Atteint</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>Le jeu affiche %1, Wagecourt calcule %2 (%3). La formule du jeu a peut-être changé&#xa0;: merci de copier le rapport et de l&apos;envoyer aux auteurs de Wagecourt.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 au niveau %2&#xa0;: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1 au niveau %2&#xa0;: %3 (%4), %5, au-dessus du plafond</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1 au niveau %2, actuellement&#xa0;: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 jusqu&apos;au niveau %2&#xa0;: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 jusqu&apos;au niveau %2&#xa0;: %3 (%4), %5, au-dessus du plafond</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1&#xa0;: +%2, jusqu&apos;au niveau %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Your player&apos;s copied skill list</source>
        <translation>La liste de compétences copiée de votre joueur</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Langue du jeu</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>Augmenter %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Baisser %1</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
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
        <translation>Ce que rapporte un niveau de plus</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Cliquez ou touchez un niveau pour l’augmenter&#xa0;; faites un clic droit ou appuyez sur son − pour le baisser (les touches + et − fonctionnent aussi)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Fonctionne hors ligne&#xa0;; ne charge que ses propres fichiers, ne dépose aucun cookie et ne mesure pas l&apos;audience.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Le calculateur n&apos;a pas pu être chargé. Rechargez la page ou ouvrez-la dans un navigateur à jour.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Nouvelle version&#xa0;: recharger</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Salaire hebdomadaire dans Wagecourt</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>Le salaire hebdomadaire d&apos;un joueur de Courtlore à partir d&apos;une liste de compétences sélectionnée sur une page</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Partager le résultat</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Ajouté au carnet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>Cochez de 2 à 4 joueurs, puis appuyez sur «&#xa0;Comparer&#xa0;».</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Collez d&apos;abord la liste de compétences d&apos;un joueur et appuyez sur «&#xa0;%1&#xa0;», ou affichez un joueur du carnet.</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Étiquettes déjà attribuées&#xa0;: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Appuyez sur «&#xa0;%1&#xa0;» sous la fiche pour ajouter le joueur affiché au carnet, sous un nom&#xa0;; «&#xa0;%2&#xa0;», en dessous, liste les joueurs ajoutés.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Dernier export le %1&#xa0;; relevés ajoutés depuis&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Jamais exporté&#xa0;; relevés conservés dans ce seul navigateur&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n relevé n&apos;est conservé que dans ce navigateur, qui peut l&apos;effacer. Appuyez sur «&#xa0;%1&#xa0;» pour enregistrer une copie du carnet.</numerusform>
            <numerusform>%n relevés ne sont conservés que dans ce navigateur, qui peut les effacer. Appuyez sur «&#xa0;%1&#xa0;» pour enregistrer une copie du carnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Lien vers les joueurs</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Code QR du lien</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Ce lien contient trop de données pour un code QR&#xa0;: appuyez sur «&#xa0;%1&#xa0;» pour envoyer le lien lui-même.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Ajouter au carnet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Voir info</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Cacher info</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Coller et calculer</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Fiche du joueur</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Copier les compétences d&apos;un joueur dans un navigateur web</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>Meilleur poste</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Salaire hebdomadaire</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>Niveau en %1</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - par Tarvel (58203)</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Joueur affiché</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Usage: wagecourt [options]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options]&quot; stays as it is.</extracomment>
        <translation type="vanished">Usage : wagecourt [options]</translation>
    </message>
    <message>
        <source>Work out the weekly salary of a Courtlore player from his skill list,
copied from the game&apos;s page.</source>
        <extracomment>Two lines of at most 79 characters each.</extracomment>
        <translation>Calcule le salaire hebdomadaire d&apos;un joueur de Courtlore à partir de sa liste
de compétences, copiée depuis la page du jeu.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Les options propres à la bibliothèque graphique, comme -platform NAME,
-display DISPLAY ou -style NAME, sont acceptées aussi.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Usage : wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
