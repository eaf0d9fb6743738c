<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>
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
</context>
</TS>
