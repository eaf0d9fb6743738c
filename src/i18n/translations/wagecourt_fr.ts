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
        <translation>%1 comme %2</translation>
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
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Les niveaux sont des nombres entiers de 1 à 20 dans l&apos;ordre du jeu : %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Lancez &apos;wagecourt-cli --help&apos; pour l&apos;usage.</translation>
    </message>
    <message>
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>il contient %1 deux-points, une liste de compétences en contient de %2 à %3</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>il ne commence pas par « %1 », comme l&apos;intitulé %3 en %2</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
        <translation>Pas une liste de compétences en %1 : %2.</translation>
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
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>Le niveau de %1 (compétence %2) est illisible : %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>Le texte contient %1 caractères ; une liste de compétences est bien plus courte, et %2 au plus sont lus.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Le texte contient plus de %1 caractères ; une liste de compétences est bien plus courte, et %2 au plus sont lus.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Pas une liste de compétences dans l&apos;une des langues du jeu.</translation>
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
        <translation>langue inconnue &apos;%1&apos; ; les langues sont : %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 attend dix niveaux, %2 donnés</translation>
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
        <source>import reads one list, %1 files given</source>
        <translation>import lit une seule liste, %1 fichiers donnés</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch lit un seul effectif, %1 fichiers donnés</translation>
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
        <translation>languages ne prend pas d&apos;argument, &apos;%1&apos; donné</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang donné %1 fois ; donnez-le une seule fois</translation>
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
        <source>expected ten levels, found %1</source>
        <translation>dix niveaux attendus, %1 trouvés</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2), the option list (%3).</extracomment>
        <translation>Usage : wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
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
             l&apos;entrée standard, exactement comme « %2 » lit le presse-papiers,
             dans la langue donnée ou, sans --lang, dans n&apos;importe laquelle
             dans la fenêtre
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
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Langue du jeu : un nom ou un code (voir &apos;languages&apos;). %1 par défaut ; import lit alors la liste dans la langue où elle est écrite.</translation>
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
        <translation>1. Sur le site de Courtlore, copiez les compétences de votre joueur depuis « %1 ».</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. Cliquez sur le bouton « %1 ».</translation>
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
        <translation>Ce que rapporte une étape d’entraînement</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Cliquez ou touchez un niveau pour l’augmenter ; clic droit ou son − pour le baisser (les touches + et − marchent aussi)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Fonctionne hors ligne ; ne charge que ses propres fichiers, ne dépose aucun cookie et ne compte personne.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - par Tarvel (58203)</translation>
    </message>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>Niveau de %1</translation>
    </message>
</context>
</TS>
