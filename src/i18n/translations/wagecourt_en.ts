<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Book</name>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: %n stored snapshot cannot be read</numerusform>
            <numerusform>%1: %n stored snapshots cannot be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>the changes to %n player could not be saved in %1: another program held the book</numerusform>
            <numerusform>the changes to %n players could not be saved in %1: another program held the book</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n snapshot added</numerusform>
            <numerusform>%n snapshots added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n new player</numerusform>
            <numerusform>%n new players</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n already in the book</numerusform>
            <numerusform>%n already in the book</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n line refused</numerusform>
            <numerusform>%n lines refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>%n field, not as many as the column names</numerusform>
            <numerusform>%n fields, not as many as the column names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; holds %n number, not 10 or 13</numerusform>
            <numerusform>&quot;levels&quot; holds %n numbers, not 10 or 13</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n player</numerusform>
            <numerusform>%n players</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n snapshot</numerusform>
            <numerusform>%n snapshots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n snapshot already in the book</numerusform>
            <numerusform>%n snapshots already in the book</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 takes no arguments, but %n was given</numerusform>
            <numerusform>book %1 takes no arguments, but %n were given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 takes one name, but %n was given</numerusform>
            <numerusform>book %1 takes one name, but %n were given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep takes a name and at most one file, but %n was given</numerusform>
            <numerusform>book keep takes a name and at most one file, but %n were given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import takes one file, but %n was given</numerusform>
            <numerusform>book import takes one file, but %n were given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note takes a name and a note, but %n was given</numerusform>
            <numerusform>book note takes a name and a note, but %n were given</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n player deleted.</numerusform>
            <numerusform>%n players deleted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Another program is using the player book, so the changes to %n player are not saved yet.

Wait for it, or quit and lose them?</numerusform>
            <numerusform>Another program is using the player book, so the changes to %n players are not saved yet.

Wait for it, or quit and lose them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>it holds %n colon, a skill list holds %1 to %2</numerusform>
            <numerusform>it holds %n colons, a skill list holds %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>The text holds %n character; a skill list is far shorter, and no more than %1 are read.</numerusform>
            <numerusform>The text holds %n characters; a skill list is far shorter, and no more than %1 are read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 takes ten levels, %n given</numerusform>
            <numerusform>%1 takes ten levels, %n given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import reads one list, %n file given</numerusform>
            <numerusform>import reads one list, %n files given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch reads one roster, %n file given</numerusform>
            <numerusform>batch reads one roster, %n files given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang given %n time; give it once</numerusform>
            <numerusform>--lang given %n times; give it once</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>expected ten levels, found %n</numerusform>
            <numerusform>expected ten levels, found %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 given %n time; give it once</numerusform>
            <numerusform>%1 given %n times; give it once</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>The %n one-level raise that raises the salary least</numerusform>
            <numerusform>The %n one-level raises that raise the salary least</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>only %n raise remains in the skills given</numerusform>
            <numerusform>only %n raises remain in the skills given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1 in %n week, at his own pace</numerusform>
            <numerusform>%1 in %n weeks, at his own pace</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>From his snapshots of %1 to %2 (%n day)</numerusform>
            <numerusform>From his snapshots of %1 to %2 (%n days)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>the snapshots of %1 span %n day: a forecast needs at least 14</numerusform>
            <numerusform>the snapshots of %1 span %n days: a forecast needs at least 14</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>The %n one-level raise that adds least to the salary</numerusform>
            <numerusform>The %n one-level raises that add least to the salary</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n snapshot is kept in this browser only, which may clear it. Press %1 to keep a copy of the book.</numerusform>
            <numerusform>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</numerusform>
        </translation>
    </message>
</context>
</TS>
