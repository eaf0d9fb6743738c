<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Advice</name>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The skill, its level, the highest level, the level&apos;s name.</extracomment>
        <translation>%1: %3 üzerinden %2, %4</translation>
    </message>
    <message>
        <source>highest level</source>
        <extracomment>In place of a step up&apos;s salary: the level cannot go higher.</extracomment>
        <translation>en yüksek seviye</translation>
    </message>
    <message>
        <source>lowest level</source>
        <extracomment>In place of a step down&apos;s salary: the level cannot go lower.</extracomment>
        <translation>en düşük seviye</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <extracomment>A step with its salary (&quot;+1: 24 053 (-1 257)&quot;), the position it would be paid at.</extracomment>
        <translation>%1, %2 olarak</translation>
    </message>
    <message>
        <source>%1: no level read</source>
        <translation>%1: seviye okunamadı</translation>
    </message>
    <message>
        <source>This skill sets no salary.</source>
        <translation>Bu beceri maaşı etkilemez.</translation>
    </message>
    <message>
        <source>Weekly salary at each position</source>
        <translation>Her pozisyonda haftalık maaş</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A position and its salary in the chart&apos;s text for screen readers.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (best)</source>
        <extracomment>The best-paid position and its salary.</extracomment>
        <translation>%1: %2 (en iyi)</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>the name is empty</source>
        <translation>ad boş</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <extracomment>The most characters a name may hold.</extracomment>
        <translation>ad %1 karakterden uzun</translation>
    </message>
    <message>
        <source>the name holds a line break, a tab or another control character</source>
        <translation>ad bir satır sonu, sekme ya da başka bir denetim karakteri içeriyor</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>ad geçerli bir metin değil</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <extracomment>The most characters a note may hold.</extracomment>
        <translation>not %1 karakterden uzun</translation>
    </message>
    <message>
        <source>the note holds a line break, a tab or another control character: it is one line</source>
        <translation>not bir satır sonu, sekme ya da başka bir denetim karakteri içeriyor: not tek satırdır</translation>
    </message>
    <message>
        <source>the note is not valid text</source>
        <translation>not geçerli bir metin değil</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line&apos;s number in the file, the reason.</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>UTF-8 metni değil</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>tırnak içindeki bir alanın kapanış tırnağı yok</translation>
    </message>
    <message>
        <source>%1 fields, not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation type="vanished">%1 alan; sütun adlarıyla aynı sayıda değil</translation>
    </message>
    <message>
        <source>&quot;levels&quot; holds %1 numbers, not 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation type="vanished">&quot;levels&quot; 13 değil, %1 sayı içeriyor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation type="vanished">&apos;%1&apos;, YYYY-AA-GG biçiminde bir gün değil</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)</source>
        <extracomment>The column&apos;s name as the file names it, what stood there.</extracomment>
        <translation>%1 &apos;%2&apos; bir seviye değil (1 ile 20 arası; bilinmeyen kondisyon, serbest atış ya da tecrübe için 0)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>JSON nesnesi değil</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <extracomment>The key&apos;s name.</extracomment>
        <translation>&quot;%1&quot; anahtarı eksik</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a game language</source>
        <extracomment>What stood where the language belongs.</extracomment>
        <translation>&apos;%1&apos; bir oyun dili değil</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>%1 bayttan uzun</translation>
    </message>
    <message>
        <source>the first line names neither the book&apos;s columns nor those of &apos;wagecourt-cli batch --header&apos;; nothing was read</source>
        <translation>ilk satır ne defterin sütunlarını ne de &apos;wagecourt-cli batch --header&apos; sütunlarını adlandırıyor; hiçbir şey okunmadı</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was set aside as %2 and a new book begun</source>
        <extracomment>The book&apos;s file, the name it was moved to.</extracomment>
        <translation>%1 bir oyuncu defteri değil; %2 olarak kenara alındı ve yeni bir defter başlatıldı</translation>
    </message>
    <message>
        <source>%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun</source>
        <translation type="vanished">%1 Wagecourt&apos;un daha yeni bir sürümüyle yazılmış; %2 olarak kenara alındı ve yeni bir defter başlatıldı</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; nothing was changed, try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>%1 defteri başka bir program tarafından kullanılıyor; hiçbir şey değiştirilmedi, yeniden deneyin</translation>
    </message>
    <message>
        <source>the book %1 cannot be opened: %2</source>
        <extracomment>The book&apos;s file, the system&apos;s reason.</extracomment>
        <translation>%1 defteri açılamıyor: %2</translation>
    </message>
    <message>
        <source>the book %1 cannot be changed: %2</source>
        <translation>%1 defteri değiştirilemiyor: %2</translation>
    </message>
    <message>
        <source>compare at least two players</source>
        <translation>en az iki oyuncuyu karşılaştırın</translation>
    </message>
    <message>
        <source>compare at most four players</source>
        <translation>en fazla dört oyuncuyu karşılaştırın</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named twice</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; iki kez verildi</translation>
    </message>
    <message>
        <source>no player named &apos;%1&apos; in the book</source>
        <translation>defterde &apos;%1&apos; adlı oyuncu yok</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB and was not read</source>
        <extracomment>The file, how many bytes the largest allowed file holds (in MiB).</extracomment>
        <translation>&apos;%1&apos; %2 MiB&apos;tan büyük ve okunmadı</translation>
    </message>
    <message>
        <source>the book holds no player yet</source>
        <translation>defterde henüz oyuncu yok</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Maaş</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozisyon</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>The salary&apos;s change since the player&apos;s previous snapshot.</extracomment>
        <translation>Değişim</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Difference</source>
        <extracomment>A player&apos;s salary minus the first compared player&apos;s.</extracomment>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Levels</source>
        <extracomment>The thirteen levels of a snapshot, as numbers.</extracomment>
        <translation>Seviyeler</translation>
    </message>
    <message>
        <source>snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4</source>
        <extracomment>How many snapshots were added, how many of them were new players&apos;, how many were in the book already, how many lines were refused.</extracomment>
        <translation type="vanished">saklanan kayıtlar: %1 (yeni oyuncular: %2), defterde zaten olanlar: %3, reddedilen satırlar: %4</translation>
    </message>
    <message>
        <source>the book %1 cannot be read: %2</source>
        <translation>%1 defteri okunamıyor: %2</translation>
    </message>
    <message>
        <source>the book %1 is in use by another program; try again</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>%1 defteri başka bir program tarafından kullanılıyor; yeniden deneyin</translation>
    </message>
    <message>
        <source>the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is</source>
        <extracomment>The book&apos;s file.</extracomment>
        <translation>%1 defteri Wagecourt&apos;un daha yeni bir sürümüyle yazılmış ve o sürümü gerektiriyor; olduğu gibi bırakıldı</translation>
    </message>
    <message>
        <source>%1 is not a player book; it was left as it is</source>
        <extracomment>The file the user named.</extracomment>
        <translation>%1 bir oyuncu defteri değil; olduğu gibi bırakıldı</translation>
    </message>
    <message>
        <source>the stored snapshots of &apos;%1&apos; cannot all be read, so nothing is added to him</source>
        <extracomment>The player&apos;s name.</extracomment>
        <translation>&apos;%1&apos; oyuncusunun saklanan kayıtlarının hepsi okunamıyor, bu yüzden ona hiçbir şey eklenmiyor</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n stored snapshot(s) cannot be read</source>
        <extracomment>The player&apos;s name; %n how many of his stored snapshots cannot be read.</extracomment>
        <translation>
            <numerusform>%1: saklanan %n kayıt okunamıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>the export is incomplete: it leaves out the snapshots that cannot be read</source>
        <translation>dışa aktarma eksik: okunamayan kayıtlar dışarıda kaldı</translation>
    </message>
    <message numerus="yes">
        <source>the changes to %n player(s) could not be saved in %1: another program held the book</source>
        <extracomment>%n how many players&apos; changes were lost; %1 the book&apos;s file.</extracomment>
        <translation>
            <numerusform>%n oyuncudaki değişiklikler %1 dosyasına kaydedilemedi: defteri başka bir program kullanıyordu</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>hiçbir şey içe aktarılmadı</translation>
    </message>
    <message>
        <source>a tag is one word: separate tags with spaces or commas</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>etiket tek bir sözcüktür: etiketleri boşluk ya da virgülle ayırın</translation>
    </message>
    <message>
        <source>a tag is longer than %1 characters</source>
        <extracomment>The most characters a tag may hold.</extracomment>
        <translation>etiket %1 karakterden uzun</translation>
    </message>
    <message>
        <source>a tag holds a control character</source>
        <translation>etiket bir denetim karakteri içeriyor</translation>
    </message>
    <message>
        <source>a tag is not valid text</source>
        <translation>etiket geçerli bir metin değil</translation>
    </message>
    <message>
        <source>these levels cannot be kept</source>
        <translation>bu seviyeler saklanamıyor</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) added</source>
        <extracomment>How many snapshots the import added.</extracomment>
        <translation>
            <numerusform>%n kayıt eklendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new player(s)</source>
        <extracomment>How many players the book did not hold before the import.</extracomment>
        <translation>
            <numerusform>%n yeni oyuncu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation type="vanished">
            <numerusform>%n kayıt zaten defterde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <extracomment>How many lines of the import were refused.</extracomment>
        <translation>
            <numerusform>%n satır reddedildi</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported: %1, %2, %3, %4.</source>
        <extracomment>The four counts above, in this order, each with its own count: &quot;2 snapshots added&quot;, &quot;1 new player&quot;, ...</extracomment>
        <translation>İçe aktarma: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation>%1 saklandı: %2 (%3), yeni bir oyuncu</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation>%1 saklandı: %2 (%3), en eski kaydı</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation>%1 saklandı: %2 (%3), %5 tarihinden beri %4</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation>%1 %2 tarihinde bu seviyelerle zaten saklanmıştı; hiçbir şey eklenmedi</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation>%1 silindi (kayıtlar: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s), not as many as the column names</source>
        <extracomment>The count of fields found.</extracomment>
        <translation>
            <numerusform>%n alan; sütun adlarıyla aynı sayıda değil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;levels&quot; holds %n number(s), not 10 or 13</source>
        <extracomment>The count of numbers found.</extracomment>
        <translation>
            <numerusform>&quot;levels&quot; 10 ya da 13 değil, %n sayı içeriyor</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>The column of the players&apos; tags: short words of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>Etiketler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What stood where the date belongs.</extracomment>
        <translation>&apos;%1&apos;, YYYY-AA-GG biçiminde bir tarih değil</translation>
    </message>
    <message>
        <source>the link is cut off: copy it again, whole</source>
        <translation>bağlantı kesik: yeniden ve eksiksiz kopyalayın</translation>
    </message>
    <message>
        <source>the link was changed on its way (its checksum fails): copy it again</source>
        <translation>bağlantı yolda değişmiş (sağlama toplamı tutmuyor): yeniden kopyalayın</translation>
    </message>
    <message>
        <source>the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it</source>
        <extracomment>The version that made the link.</extracomment>
        <translation>bağlantı Wagecourt&apos;un daha yeni bir sürümüyle oluşturulmuş (bağlantı sürümü %1): eklemek için Wagecourt&apos;u güncelleyin</translation>
    </message>
    <message>
        <source>the link is larger than 1 MiB and was not read</source>
        <translation>bağlantı 1 MiB&apos;tan büyük ve okunmadı</translation>
    </message>
    <message>
        <source>the text holds no player book link</source>
        <translation>metinde oyuncu defteri bağlantısı yok</translation>
    </message>
    <message>
        <source>the link&apos;s player %1 cannot be kept: %2</source>
        <extracomment>The player&apos;s place in the link (1 for the first), then why he cannot be kept.</extracomment>
        <translation>bağlantıdaki %1. oyuncu saklanamıyor: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands in the link twice</source>
        <extracomment>The name that stands twice.</extracomment>
        <translation>&apos;%1&apos; bağlantıda iki kez geçiyor</translation>
    </message>
    <message>
        <source>his tag &apos;%1&apos; stands twice</source>
        <extracomment>The tag that stands twice.</extracomment>
        <translation>&apos;%1&apos; etiketi iki kez geçiyor</translation>
    </message>
    <message>
        <source>he has no snapshot</source>
        <translation>hiç kaydı yok</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is no day</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation type="vanished">%1. kaydının tarihi geçerli bir gün değil</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is no game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation type="vanished">%1. kaydında dil olarak &apos;%2&apos; yazıyor; bu bir oyun dili değil</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which is none</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s column name, the level that stood there.</extracomment>
        <translation type="vanished">%1. kaydında %2 için %3 seviyesi yazıyor; böyle bir seviye yok</translation>
    </message>
    <message>
        <source>the link&apos;s records do not read</source>
        <translation type="vanished">bağlantının verileri okunamıyor</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <extracomment>How many players a link holds.</extracomment>
        <translation>
            <numerusform>%n oyuncu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s)</source>
        <extracomment>How many snapshots a link holds.</extracomment>
        <translation>
            <numerusform>%n kayıt</numerusform>
        </translation>
    </message>
    <message>
        <source>The link holds %1 and %2.</source>
        <extracomment>The two counts above: &quot;3 players&quot;, &quot;12 snapshots&quot;.</extracomment>
        <translation>Bağlantıda %1 ve %2 var.</translation>
    </message>
    <message>
        <source>Add them to the player book?</source>
        <extracomment>The question before a link&apos;s players are added.</extracomment>
        <translation>Oyuncu defterine eklensinler mi?</translation>
    </message>
    <message>
        <source>the date of his snapshot %1 is not a valid date</source>
        <extracomment>The snapshot&apos;s place among the player&apos;s, oldest first.</extracomment>
        <translation>%1. kaydının tarihi geçerli bir tarih değil</translation>
    </message>
    <message>
        <source>his snapshot %1 names &apos;%2&apos;, which is not a game language</source>
        <extracomment>The snapshot&apos;s place, then what stood for the language.</extracomment>
        <translation>%1. kaydında dil olarak &apos;%2&apos; yazıyor; bu bir oyun dili değil</translation>
    </message>
    <message>
        <source>his snapshot %1 gives %2 the level %3, which does not exist</source>
        <extracomment>The snapshot&apos;s place, the skill&apos;s name in the game&apos;s language, the level that stood there.</extracomment>
        <translation>%1. kaydında %2 için %3 seviyesi yazıyor; böyle bir seviye yok</translation>
    </message>
    <message>
        <source>skill %1</source>
        <extracomment>A skill by its number in the game&apos;s order: 1 is Jump Shot, 13 Experience.</extracomment>
        <translation>%1. beceri</translation>
    </message>
    <message>
        <source>the link&apos;s records cannot be read</source>
        <translation>bağlantının verileri okunamıyor</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshot(s) already in the book</source>
        <extracomment>How many snapshots of the import the book held already.</extracomment>
        <translation>
            <numerusform>%n kayıt zaten defterde</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>The book&apos;s file, instead of the window&apos;s.</source>
        <translation>Pencerenin defteri yerine kullanılacak defter dosyası.</translation>
    </message>
    <message>
        <source>keep: a note of one line for the player.</source>
        <translation>keep: oyuncu için tek satırlık bir not.</translation>
    </message>
    <message>
        <source>keep: the day of the snapshot, YYYY-MM-DD.</source>
        <translation>keep: kaydın tarihi, YYYY-AA-GG.</translation>
    </message>
    <message>
        <source>list: sort by name, salary, position, change or date.</source>
        <translation>list: name, salary, position, change ya da date&apos;e göre sırala.</translation>
    </message>
    <message>
        <source>Game language: a name or code. keep reads the list in it; compare names the skills in it.</source>
        <translation>Oyun dili: bir ad ya da kod. keep listeyi bu dilde okur; compare becerileri bu dilde adlandırır.</translation>
    </message>
    <message>
        <source>Print JSON, one object per line.</source>
        <translation>JSON yaz, satır başına bir nesne.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, export, import or remove</source>
        <translation type="vanished">book bir komut ister: keep, list, history, compare, export, import ya da remove</translation>
    </message>
    <message>
        <source>book %1 takes %2, %3 given</source>
        <extracomment>The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.</extracomment>
        <translation type="vanished">book %1 şunu alır: %2; %3 verildi</translation>
    </message>
    <message>
        <source>one name</source>
        <translation type="vanished">bir ad</translation>
    </message>
    <message>
        <source>a name and at most one file</source>
        <translation type="vanished">bir ad ve en fazla bir dosya</translation>
    </message>
    <message>
        <source>one file</source>
        <translation type="vanished">bir dosya</translation>
    </message>
    <message>
        <source>no arguments</source>
        <translation type="vanished">argüman almaz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day written YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation type="vanished">&apos;%1&apos;, YYYY-AA-GG biçiminde bir gün değil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a sort: name, salary, position, change or date</source>
        <extracomment>The sort keys stay in English: they are what the user types.</extracomment>
        <translation>&apos;%1&apos; geçerli bir sıralama ölçütü değil: name, salary, position, change ya da date</translation>
    </message>
    <message>
        <source>%1 is for book %2 only</source>
        <extracomment>The option, then the command it is for.</extracomment>
        <translation>%1 yalnızca book %2 içindir</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), a new player</source>
        <extracomment>The player&apos;s name, the salary, the position.</extracomment>
        <translation type="vanished">%1 saklandı: %2 (%3), yeni bir oyuncu</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), %4 since %5</source>
        <extracomment>The player&apos;s name, the salary, the position, the salary&apos;s change, the day of the snapshot before.</extracomment>
        <translation type="vanished">%1 saklandı: %2 (%3), %5 tarihinden beri %4</translation>
    </message>
    <message>
        <source>%1 was kept on %2 with these levels already; nothing added</source>
        <extracomment>The player&apos;s name, the day.</extracomment>
        <translation type="vanished">%1 %2 tarihinde bu seviyelerle zaten saklanmıştı; hiçbir şey eklenmedi</translation>
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
        <translation type="vanished">Kullanım: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]
     veya: wagecourt-cli book list [--sort KEY] [--json]
     veya: wagecourt-cli book history NAME [--json]
     veya: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
     veya: wagecourt-cli book export [--json]
     veya: wagecourt-cli book import FILE|-
     veya: wagecourt-cli book remove NAME
Oyuncular seviyelerinin geçmişiyle saklanır, penceredeki Oyuncu Defteri gibi.

Komutlar:
  keep     FILE&apos;dan ya da standart girdiden kopyalanmış bir yetenek listesini
           herhangi bir oyun dilinde (ya da --lang ile verilende) okur ve NAME
           adıyla, bugünün ya da DAY&apos;in (YYYY-AA-GG) tarihiyle saklar; aynı gün
           aynı seviyeler bir kez saklanır
  list     her oyuncunun son kaydı ve maaşın bir önceki kayıttan beri değişimi;
           --sort name, salary, position, change ya da date
  history  bir oyuncunun kayıtları, en eskisi önce
  compare  iki ile dört oyuncu yan yana, her biri ilkiyle karşılaştırılarak
  export   tüm defter CSV olarak, ya da --json ile JSON satırları olarak
  import   export ya da &apos;wagecourt-cli batch --header&apos; ile yazılmış bir dosya;
           hatalı satırlar standart hataya yazılır, her doğru satır saklanır
  remove   bir oyuncu ve tüm kayıtları

--book başka bir dosya vermedikçe defter %1 dosyasıdır.

%2
Çıkış durumu:
  0  tamamlandı
  1  bir liste reddedildi, içe aktarılan bir satır hatalı, bilinmeyen bir
     oyuncu, ya da defter okunamadı veya yazılamadı
  2  kullanım hatası
</translation>
    </message>
    <message>
        <source>%1 kept: %2 (%3), his earliest snapshot</source>
        <extracomment>The player&apos;s name, the salary, the position: a snapshot dated before all his others.</extracomment>
        <translation type="vanished">%1 saklandı: %2 (%3), en eski kaydı</translation>
    </message>
    <message>
        <source>%1 removed (snapshots: %2)</source>
        <extracomment>The player&apos;s name, how many snapshots went with him.</extracomment>
        <translation type="vanished">%1 silindi (kayıtlar: %2)</translation>
    </message>
    <message>
        <source>keep: add a tag to the player (again for more); list: only players with this tag.</source>
        <extracomment>A tag is a short word of the user&apos;s own, such as &quot;target&quot; or &quot;U21&quot;.</extracomment>
        <translation>keep: oyuncuya bir etiket ekler (daha fazlası için yineleyin); list: yalnızca bu etiketi taşıyan oyuncular.</translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes no arguments, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 argüman almaz, ancak %n argüman verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book %1 takes one name, but %n were given</source>
        <extracomment>The command name stays as it is.</extracomment>
        <translation>
            <numerusform>book %1 bir ad ister, ancak %n argüman verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book keep takes a name and at most one file, but %n were given</source>
        <translation>
            <numerusform>book keep bir ad ve en fazla bir dosya ister, ancak %n argüman verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book import takes one file, but %n were given</source>
        <translation>
            <numerusform>book import bir dosya ister, ancak %n argüman verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>book note takes a name and a note, but %n were given</source>
        <translation>
            <numerusform>book note bir ad ve bir not ister, ancak %n argüman verildi</numerusform>
        </translation>
    </message>
    <message>
        <source>book tags takes a name and its tags, but no name was given</source>
        <translation>book tags bir ad ve etiketlerini ister, ancak ad verilmedi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date in the format YYYY-MM-DD</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos;, YYYY-AA-GG biçiminde bir tarih değil</translation>
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
        <translation type="vanished">Kullanım: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]...
                         [--date DAY] [FILE|-]
    veya: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
    veya: wagecourt-cli book history NAME [--json]
    veya: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
    veya: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
    veya: wagecourt-cli book export [--json | --link [NAME...]]
    veya: wagecourt-cli book import FILE|- | --link TEXT
    veya: wagecourt-cli book note NAME TEXT
    veya: wagecourt-cli book tags NAME [WORD...]
    veya: wagecourt-cli book remove NAME
Oyuncular seviyelerinin geçmişiyle saklanır, penceredeki Oyuncu Defteri gibi.

Komutlar:
  keep     FILE&apos;dan ya da standart girdiden kopyalanmış bir beceri listesini
           herhangi bir oyun dilinde (ya da --lang ile verilende) okur ve NAME
           adıyla, bugünün ya da DAY&apos;in (YYYY-AA-GG) tarihiyle saklar; aynı gün
           aynı seviyeler bir kez saklanır
  list     her oyuncunun son kaydı ve maaşın bir önceki kayıttan beri değişimi;
           --sort name, salary, position, change ya da date
  history  bir oyuncunun kayıtları, en eskisi önce
  compare  iki ile dört oyuncu yan yana, her biri ilkiyle karşılaştırılarak
  forecast oyuncunun kendi hızıyla W hafta sonra nereye varacağı (--weeks
           başka bir sayı vermedikçe 8), en az 14 günü kapsaması gereken
           kayıtlarına göre
  export   tüm defter CSV olarak, ya da --json ile JSON satırları olarak;
           --link ile adı verilen oyuncular (ad verilmezse hepsi) paylaşılacak
           tek bir bağlantı olarak
  import   export ya da &apos;wagecourt-cli batch --header&apos; ile yazılmış bir dosya;
           hatalı satırlar standart hataya yazılır, her doğru satır saklanır;
           bir bağlantı (ya da onu içeren bir dosya) defterde eksik olanı ekler
  note     bir oyuncunun notunu ayarlar (boş bir TEXT notu siler)
  tags     bir oyuncunun etiketlerini, kendi kısa sözcüklerinizi ayarlar (WORD
           verilmezse etiketler silinir)
  remove   bir oyuncu ve tüm kayıtları

--book başka bir dosya vermedikçe defter şu dosyadır:
%1

%2
Çıkış durumu:
  0  tamamlandı
  1  bir liste reddedildi, içe aktarılan bir satır hatalı, bilinmeyen bir
     oyuncu, ya da defter tam olarak okunamadı veya yazılamadı
  2  kullanım hatası
</translation>
    </message>
    <message>
        <source>forecast: how many weeks ahead (8 unless given).</source>
        <translation>forecast: kaç hafta ilerisi (verilmezse 8).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of weeks: write a whole number from 1 to 520</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; bir hafta sayısı değil: 1 ile 520 arasında bir tam sayı yazın</translation>
    </message>
    <message>
        <source>export: a shortlist link instead of a file; import: the link itself instead of a file.</source>
        <translation type="vanished">export: dosya yerine seçilen oyuncuları içeren bir bağlantı; import: dosya yerine bağlantının kendisi.</translation>
    </message>
    <message>
        <source>book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove</source>
        <translation>book bir komut ister: keep, list, history, compare, forecast, export, import, note, tags ya da remove</translation>
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
        <translation>Kullanım: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]...
                                  [--date DAY] [FILE|-]
    veya: wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]
    veya: wagecourt-cli book history NAME [--json]
    veya: wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]
    veya: wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]
    veya: wagecourt-cli book export [--json | --link [NAME...]]
    veya: wagecourt-cli book import FILE|- | --link TEXT
    veya: wagecourt-cli book note NAME TEXT
    veya: wagecourt-cli book tags NAME [WORD...]
    veya: wagecourt-cli book remove NAME
Oyuncular seviyelerinin geçmişiyle saklanır, penceredeki Oyuncu Defteri gibi.

Komutlar:
  keep     FILE&apos;dan ya da standart girdiden kopyalanmış bir beceri listesini
           herhangi bir oyun dilinde (ya da --lang ile verilende) okur ve NAME
           adıyla, bugünün ya da DAY&apos;in (YYYY-AA-GG) tarihiyle saklar; aynı gün
           aynı seviyeler bir kez saklanır
  list     her oyuncunun son kaydı ve maaşın bir önceki kayıttan beri değişimi;
           --sort name, salary, position, change ya da date
  history  bir oyuncunun kayıtları, en eskisi önce
  compare  iki ile dört oyuncu yan yana, her biri ilkiyle karşılaştırılarak
  forecast oyuncunun kendi hızıyla W hafta sonra nereye varacağı (--weeks
           başka bir sayı vermedikçe 8), en az 14 günü kapsaması gereken
           kayıtlarına göre
  export   tüm defter CSV olarak, ya da --json ile JSON satırları olarak;
           --link ile adı verilen oyuncular (ad verilmezse hepsi) paylaşılacak
           tek bir bağlantı olarak
  import   export ya da &apos;wagecourt-cli batch --header&apos; ile yazılmış bir dosya;
           hatalı satırlar standart hataya yazılır, her doğru satır saklanır;
           bir bağlantı (ya da onu içeren bir dosya) defterde eksik olanı ekler
  note     bir oyuncunun notunu ayarlar (boş bir TEXT notu siler)
  tags     bir oyuncunun etiketlerini, kendi kısa sözcüklerinizi ayarlar (WORD
           verilmezse etiketler silinir)
  remove   bir oyuncu ve tüm kayıtları

--book başka bir dosya vermedikçe defter şu dosyadır:
%1

%2
Çıkış durumu:
  0  tamamlandı
  1  bir liste reddedildi, içe aktarılan bir satır hatalı, bilinmeyen bir
     oyuncu, ya da defter tam olarak okunamadı veya yazılamadı
  2  kullanım hatası
</translation>
    </message>
    <message>
        <source>export: a link to the players named instead of a file; import: such a link instead of a file.</source>
        <translation>export: dosya yerine adı verilen oyunculara bir bağlantı; import: dosya yerine böyle bir bağlantı.</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Keep in Book</source>
        <extracomment>Menu item (Ctrl+K): keeps the player shown in the player book.</extracomment>
        <translation>Deftere Kaydet</translation>
    </message>
    <message>
        <source>Player Book</source>
        <extracomment>Menu item (Ctrl+B) and the title of the window that lists the kept players.</extracomment>
        <translation>Oyuncu Defteri</translation>
    </message>
    <message>
        <source>Player&apos;s name:</source>
        <translation>Oyuncunun adı:</translation>
    </message>
    <message>
        <source>Note (optional):</source>
        <extracomment>The note is a short line of the user&apos;s own about the player; it may stay empty.</extracomment>
        <translation>Not (isteğe bağlı):</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The button that keeps the player under the name typed.</extracomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Already in the book: the levels shown are added to this player&apos;s history.</source>
        <extracomment>Under the name field, when the name is one the book already holds.</extracomment>
        <translation>Defterde zaten var: gösterilen seviyeler bu oyuncunun geçmişine eklenir.</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Loads the chosen player&apos;s latest levels into the main window.</extracomment>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Compare</source>
        <extracomment>Shows 2 to 4 chosen players side by side.</extracomment>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <extracomment>Brings back the players deleted last.</extracomment>
        <translation>Silmeyi Geri Al</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Dışa Aktar...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>İçe Aktar...</translation>
    </message>
    <message>
        <source>Copy as Table</source>
        <extracomment>Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.</extracomment>
        <translation>Tablo Olarak Kopyala</translation>
    </message>
    <message>
        <source>Copy for Forum</source>
        <extracomment>Copies the chosen players as an aligned block of plain text, for a forum post.</extracomment>
        <translation>Forum İçin Kopyala</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>Heading of the table of one player&apos;s snapshots, oldest first; %1 is his name.</extracomment>
        <translation>Geçmiş: %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Players in the book: %1</source>
        <extracomment>Under the table: %1 is how many players the book holds.</extracomment>
        <translation>Defterdeki oyuncular: %1</translation>
    </message>
    <message>
        <source>Deleted: %1. Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>Under the table after a delete; %1 is the name, or how many players.</extracomment>
        <translation type="vanished">Silindi: %1. Geri getirmek için Silmeyi Geri Al&apos;a (Ctrl+Z) basın.</translation>
    </message>
    <message>
        <source>Another program is using the book; the change is saved as soon as it can be.</source>
        <extracomment>Under the table after the book could not be written at once because another program held it.</extracomment>
        <translation>Defteri başka bir program kullanıyor; değişiklik mümkün olur olmaz kaydedilecek.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>Under the table after a copy.</extracomment>
        <translation type="vanished">Kopyalandı: %1</translation>
    </message>
    <message>
        <source>Compare Players</source>
        <translation>Oyuncuları Karşılaştır</translation>
    </message>
    <message>
        <source>Salary (best position)</source>
        <extracomment>A row of the comparison: the salary at the position that pays him best.</extracomment>
        <translation>Maaş (en iyi pozisyon)</translation>
    </message>
    <message>
        <source>Salary as %1</source>
        <extracomment>A row of the comparison: the salary he would earn at this position; %1 is the position.</extracomment>
        <translation>%1 olarak maaş</translation>
    </message>
    <message>
        <source>Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).</source>
        <extracomment>The status line when fewer than 2 or more than 4 players are chosen for a comparison.</extracomment>
        <translation>Karşılaştırmak için 2 ile 4 arası oyuncu seçin (tıklama ya da ok tuşlarıyla birlikte Ctrl veya Shift).</translation>
    </message>
    <message>
        <source>Export the Book</source>
        <translation>Defteri Dışa Aktar</translation>
    </message>
    <message>
        <source>Import into the Book</source>
        <translation>Deftere İçe Aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)</source>
        <extracomment>File types of the export and import dialogs; keep the patterns in brackets as they are.</extracomment>
        <translation>CSV dosyaları (*.csv);;JSON Lines dosyaları (*.jsonl *.ndjson *.json);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be written: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>&apos;%1&apos; yazılamadı: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read: %2</source>
        <translation>&apos;%1&apos; okunamadı: %2</translation>
    </message>
    <message>
        <source>Snapshots exported: %1</source>
        <extracomment>Under the table after an export: %1 is how many snapshots the file holds.</extracomment>
        <translation>Dışa aktarılan kayıtlar: %1</translation>
    </message>
    <message>
        <source>The book holds no player yet.</source>
        <extracomment>Under the table of an empty book.</extracomment>
        <translation>Defterde henüz oyuncu yok.</translation>
    </message>
    <message>
        <source>Tags (optional):</source>
        <extracomment>Tags are short words of the user&apos;s own about the player, such as &quot;target&quot; or &quot;U21&quot;; they may stay empty.</extracomment>
        <translation>Etiketler (isteğe bağlı):</translation>
    </message>
    <message>
        <source>target U21 sell</source>
        <extracomment>Shown greyed in the empty tags field: example tags, separated by spaces.</extracomment>
        <translation>hedef U21 satılık</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>Under the table after one player was deleted; %1 is his name.</extracomment>
        <translation>Silindi: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n players deleted.</source>
        <extracomment>Under the table after several players were deleted.</extracomment>
        <translation>
            <numerusform>%n oyuncu silindi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press Undo Delete (Ctrl+Z) to restore.</source>
        <extracomment>After a delete, in the window, where Ctrl+Z undoes it.</extracomment>
        <translation>Geri getirmek için &quot;Silmeyi Geri Al&quot; düğmesine (Ctrl+Z) basın.</translation>
    </message>
    <message>
        <source>Press Undo Delete to restore.</source>
        <extracomment>After a delete, on the web page, which has no key for it.</extracomment>
        <translation>Geri getirmek için &quot;Silmeyi Geri Al&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>Copied as a table.</source>
        <extracomment>Under the table after Copy as Table.</extracomment>
        <translation>Tablo olarak kopyalandı.</translation>
    </message>
    <message>
        <source>Copied for a forum post.</source>
        <extracomment>Under the table after Copy for Forum.</extracomment>
        <translation>Forum iletisi için kopyalandı.</translation>
    </message>
    <message>
        <source>Tag:</source>
        <extracomment>Beside the list of tags that chooses which players the table shows.</extracomment>
        <translation>Etiket:</translation>
    </message>
    <message>
        <source>All players</source>
        <extracomment>The first entry of the list of tags: no tag chosen, every player shown.</extracomment>
        <translation>Tüm oyuncular</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list (Ctrl+V) or show one from the book first.</source>
        <extracomment>Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.</extracomment>
        <translation>Önce bir oyuncunun beceri listesini yapıştırın (Ctrl+V) ya da defterden bir oyuncu gösterin.</translation>
    </message>
    <message>
        <source>Player Book (%1)</source>
        <extracomment>Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.</extracomment>
        <translation>Oyuncu Defteri (%1)</translation>
    </message>
    <message>
        <source>%1, as kept in the book on %2.</source>
        <extracomment>Tooltip of the player&apos;s name on the main window&apos;s card after Show in the book&apos;s window: %1 is his name, %2 the day of the snapshot shown (YYYY-MM-DD).</extracomment>
        <translation>%1, defterde %2 tarihinde saklandığı haliyle.</translation>
    </message>
    <message>
        <source>Saving the player book...</source>
        <extracomment>Shown while the window, about to close, waits for another program to let go of the book.</extracomment>
        <translation>Oyuncu defteri kaydediliyor...</translation>
    </message>
    <message numerus="yes">
        <source>Another program is using the player book, so the changes to %n player(s) are not saved yet.

Wait for it, or quit and lose them?</source>
        <extracomment>Asked when the book could not be written within two seconds of quitting; %n is how many players&apos; changes would be lost.</extracomment>
        <translation>
            <numerusform>Oyuncu defterini başka bir program kullanıyor, bu yüzden %n oyuncudaki değişiklikler henüz kaydedilmedi.

Beklemek mi, yoksa çıkıp değişiklikleri kaybetmek mi istersiniz?</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>The answer that waits for the book to be free (a button).</extracomment>
        <translation>Bekle</translation>
    </message>
    <message>
        <source>Quit and Lose Them</source>
        <extracomment>The answer that quits without the changes the book has not taken (a button).</extracomment>
        <translation>Kaydetmeden Çık</translation>
    </message>
    <message>
        <source>Book files (*.csv *.jsonl *.ndjson *.json)</source>
        <extracomment>The import dialog&apos;s first file type, every form the book reads; keep the patterns in brackets as they are.</extracomment>
        <translation>Defter dosyaları (*.csv *.jsonl *.ndjson *.json)</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Copies the chosen players (those listed when none is chosen) as one link, to open on another device.</extracomment>
        <translation>Bağlantıyı Kopyala</translation>
    </message>
    <message>
        <source>Link copied. %1</source>
        <extracomment>Under the table after Copy Link; %1 says what the link holds (&quot;The link holds 3 players and 12 snapshots.&quot;).</extracomment>
        <translation>Bağlantı kopyalandı. %1</translation>
    </message>
    <message>
        <source>Add Players</source>
        <extracomment>The answers when a link&apos;s players are offered: add them, or leave the book as it is.</extracomment>
        <translation>Oyuncuları Ekle</translation>
    </message>
    <message>
        <source>Do Not Add</source>
        <translation>Ekleme</translation>
    </message>
    <message>
        <source>Link as a QR Code</source>
        <extracomment>Title of the window that shows a link as a QR code.</extracomment>
        <translation>Bağlantının QR Kodu</translation>
    </message>
    <message>
        <source>Point a phone&apos;s camera at the code to open these players in Wagecourt&apos;s page.</source>
        <extracomment>Under the QR code.</extracomment>
        <translation>Bu oyuncuları Wagecourt&apos;un sayfasında açmak için bir telefonun kamerasını koda tutun.</translation>
    </message>
    <message>
        <source>The link is too long for a QR code that a phone can read from a screen: send the link instead.</source>
        <extracomment>Instead of the QR code, when the link is too long for one.</extracomment>
        <translation>Bağlantı, bir telefonun ekrandan okuyabileceği bir QR kodu için fazla uzun: bunun yerine bağlantıyı gönderin.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Levels are whole numbers from 1 to 20 in the game&apos;s order: %1.</source>
        <extracomment>The ten skill names in the game&apos;s order, wrapped to the help&apos;s width.</extracomment>
        <translation>Seviyeler, oyundaki sırayla 1 ile 20 arasında tam sayılardır: %1.</translation>
    </message>
    <message>
        <source>Run &apos;wagecourt-cli --help&apos; for usage.</source>
        <translation>Kullanım için &apos;wagecourt-cli --help&apos; yazın.</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>&quot;it&quot; is the text read; the beginning looked for; the language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français); the Jump Shot caption without its colon.</extracomment>
        <translation>metin, %2 dilindeki %3 başlığı gibi &quot;%1&quot; ile başlamıyor</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language&apos;s own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.</extracomment>
        <translation>%1 dilinde bir beceri listesi değil: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>iki nokta üst üsteden sonra seviye adı ya da sayı yok</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1, 1 ile 20 arasında bir seviye değil</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what stands behind it.</extracomment>
        <translation>%1 seviyesi (%2. beceri) okunamadı: %3.</translation>
    </message>
    <message>
        <source>The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <extracomment>Said of a text cut off unread; %1 and %2 are the same count, the most characters read.</extracomment>
        <translation>Metin %1 karakterden fazla içeriyor; bir beceri listesi çok daha kısadır ve en fazla %2 karakter okunur.</translation>
    </message>
    <message>
        <source>Not a skill list in any of the game languages.</source>
        <translation>Oyun dillerinin hiçbirinde bir beceri listesi değil.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>The line number (with the player&apos;s name), the reason.</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>girdi okunamıyor: %1</translation>
    </message>
    <message>
        <source>the input holds no player line</source>
        <translation>girdide oyuncu satırı yok</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>standart çıktıya yazılamıyor: %1</translation>
    </message>
    <message>
        <source>Print JSON: one object, or one per line for batch.</source>
        <translation>JSON yaz: tek bir nesne ya da batch için satır başına bir nesne.</translation>
    </message>
    <message>
        <source>batch: print a CSV line of column names first.</source>
        <translation>batch: önce sütun adlarından oluşan bir CSV satırı yaz.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Bu yardımı göster.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Sürümü göster.</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;; the languages are: %2</source>
        <extracomment>What was written; the languages&apos; own names as the catalogue writes them, each with its code: &quot;Deutsch (de)&quot;.</extracomment>
        <translation>bilinmeyen dil &apos;%1&apos;; diller şunlar: %2</translation>
    </message>
    <message>
        <source>level %1 &apos;%2&apos; is not a whole number from 1 to 20</source>
        <extracomment>The level&apos;s place among the ten, what was written there.</extracomment>
        <translation>%1. seviye &apos;%2&apos;, 1 ile 20 arasında bir tam sayı değil</translation>
    </message>
    <message>
        <source>level &apos;%1&apos; is not a whole number from 1 to 20</source>
        <translation>&apos;%1&apos; seviyesi 1 ile 20 arasında bir tam sayı değil</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>&apos;%1&apos; okunamıyor: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header CSV içindir; JSON satırları alanlarını kendileri adlandırır</translation>
    </message>
    <message>
        <source>--header is for batch only</source>
        <translation>--header yalnızca batch içindir</translation>
    </message>
    <message>
        <source>languages takes no arguments, &apos;%1&apos; given</source>
        <translation>languages argüman almaz, &apos;%1&apos; verildi</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>bilinmeyen seçenek &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>komut verilmedi</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>bilinmeyen komut &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the quoted name has no closing quote</source>
        <translation>tırnak içindeki adın kapanış tırnağı yok</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a level (a whole number from 1 to 20)</source>
        <translation>&apos;%1&apos; bir seviye değil (1 ile 20 arasında bir tam sayı)</translation>
    </message>
    <message>
        <source>the name holds the control character U+%1</source>
        <extracomment>The character&apos;s code, in hexadecimal digits.</extracomment>
        <translation>ad, U+%1 denetim karakterini içeriyor</translation>
    </message>
    <message>
        <source>longer than %1 bytes, skipped</source>
        <extracomment>The most bytes a line may hold.</extracomment>
        <translation>%1 bayttan uzun, atlandı</translation>
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
        <translation type="vanished">Kullanım: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
    veya: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
    veya: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
    veya: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
    veya: wagecourt-cli languages [--json]
Bir Courtlore basketbol oyuncusunun haftalık maaşını, Wagecourt penceresiyle
tam olarak aynı biçimde hesaplar.

%1

Diller &apos;languages&apos; komutunun listelediği adlarla, büyük ya da küçük harfle,
aksanlı ya da aksansız (english, Turkce, espanol) veya kodlarıyla verilir:
en tr es it fr de pl pt.

Bir batch satırı boşluk, sekme ya da virgülle ayrılmış on seviye içerir ve
oyuncunun adı ile bir virgül ya da sekmeyle başlayabilir. Boş satırlar, &apos;#&apos; ile
başlayan satırlar ve sütun adlarından oluşan ilk satır atlanır.

Komutlar:
  calc       bir oyuncunun maaşı ve her pozisyonda ne kazandığı
  advise     her beceride bir seviyelik artışın ya da düşüşün getirisi, ardından
             her pozisyonun maaşı
  import     FILE&apos;dan ya da standart girdiden kopyalanmış bir beceri listesi
             (UTF-8) okur, tıpkı penceredeki &quot;%2&quot; düğmesinin
             panoyu okuması gibi, verilen dilde ya da --lang olmadan
             herhangi bir dilde
  batch      FILE&apos;dan ya da standart girdiden satır başına bir oyuncu, her biri
             için bir sonuç satırı (CSV: verilmişse ad, seviyeler, maaş,
             pozisyon, pozisyon adı)
  languages  oyun dilleri, satır başına bir tane ya da kodlarıyla JSON olarak

%3
Çıkış durumu:
  0  tamamlandı
  1  bir liste reddedildi, bir batch satırı hatalı ya da çıktı yazılamadı
  2  kullanım hatası
Kapanan bir boru (&apos;| head&apos; gibi) programı, diğer komut satırı araçlarında
olduğu gibi SIGPIPE ile sonlandırır.
</translation>
    </message>
    <message>
        <source>Game language: a name or code (see &apos;languages&apos;). %1 when not given; import then reads the list in whichever language it is.</source>
        <extracomment>The language used when the option is not given, as the catalogue writes its name: &quot;English&quot;.</extracomment>
        <translation>Oyun dili: bir ad ya da kod (&apos;languages&apos; komutuna bakın). Verilmezse %1; import ise listeyi hangi dilde olursa olsun okur.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n colon(s), a skill list holds %1 to %2</source>
        <extracomment>&quot;it&quot; is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.</extracomment>
        <translation>
            <numerusform>metinde %n adet iki nokta üst üste (:) var, bir beceri listesinde %1 ile %2 arası olur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.</source>
        <extracomment>The count of characters, more than the most that are read (%1, 1048576).</extracomment>
        <translation>
            <numerusform>Metin %n karakter içeriyor; bir beceri listesi çok daha kısadır ve en fazla %1 karakter okunur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes ten levels, %n given</source>
        <extracomment>The command (calc or advise); the count of levels given.</extracomment>
        <translation>
            <numerusform>%1 on seviye ister, %n verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import reads one list, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>import tek bir liste okur, %n dosya verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>batch reads one roster, %n file(s) given</source>
        <extracomment>The count of files given, two or more.</extracomment>
        <translation>
            <numerusform>batch tek bir kadro okur, %n dosya verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--lang given %n time(s); give it once</source>
        <extracomment>How many times the option was given, two or more.</extracomment>
        <translation type="vanished">
            <numerusform>--lang %n kez verildi; bir kez verin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected ten levels, found %n</source>
        <extracomment>The count of levels found on the line.</extracomment>
        <translation>
            <numerusform>on seviye bekleniyordu, %n bulundu</numerusform>
        </translation>
    </message>
    <message>
        <source>The player book keeps players and their history:
see &apos;wagecourt-cli book --help&apos;.
</source>
        <translation>Oyuncu defteri oyuncuları ve geçmişlerini saklar:
&apos;wagecourt-cli book --help&apos; komutuna bakın.
</translation>
    </message>
    <message numerus="yes">
        <source>%1 given %n time(s); give it once</source>
        <extracomment>The option as written (--lang, --book, ...); how many times it was given, two or more.</extracomment>
        <translation>
            <numerusform>%1 %n kez verildi; bir kez verin</numerusform>
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
        <translation>Kullanım: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
                         [--shown SALARY]
    veya: wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
    veya: wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]
                         [--cheapest N] [--skills LIST] [--lang NAME] [--json]
    veya: wagecourt-cli import [--lang NAME] [--json] [FILE|-]
    veya: wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
    veya: wagecourt-cli languages [--json]
Bir Courtlore basketbol oyuncusunun haftalık maaşını, Wagecourt penceresiyle
tam olarak aynı biçimde hesaplar.

%1

Diller &apos;languages&apos; komutunun listelediği adlarla, büyük ya da küçük harfle,
aksanlı ya da aksansız (english, Turkce, espanol) veya kodlarıyla verilir:
en tr es it fr de pl pt.

Bir batch satırı boşluk, sekme ya da virgülle ayrılmış on seviye içerir ve
oyuncunun adı ile bir virgül ya da sekmeyle başlayabilir. Boş satırlar, &apos;#&apos; ile
başlayan satırlar ve sütun adlarından oluşan ilk satır atlanır.

Komutlar:
  calc       bir oyuncunun maaşı ve her pozisyonda ne kazandığı; --shown ile,
             oyunun gösterdiği maaşla uyuşup uyuşmadığı
  advise     her beceride bir seviyelik artışın ya da düşüşün getirisi,
             ardından her pozisyonun maaşı
  plan       her becerinin her seviyesinin 20&apos;ye kadar getirisi; --to verilen
             seviyelere kadar adımları birer seviye olarak planlar, --limit bir
             maaşı aşmadan ulaşılan en yüksek seviyeleri bulur, --cheapest en
             az tutan N adet bir seviyelik artışı (--skills içinden, örneğin
             IS,ID,RB)
  import     FILE&apos;dan ya da standart girdiden kopyalanmış bir beceri listesi
             (UTF-8) okur, tıpkı penceredeki &quot;%2&quot; düğmesinin
             panoyu okuması gibi, verilen dilde ya da --lang olmadan
             herhangi bir dilde
  batch      FILE&apos;dan ya da standart girdiden satır başına bir oyuncu, her biri
             için bir sonuç satırı (CSV: verilmişse ad, seviyeler, maaş,
             pozisyon, pozisyon adı)
  languages  oyun dilleri, satır başına bir tane ya da kodlarıyla JSON olarak

%3
Çıkış durumu:
  0  tamamlandı
  1  bir liste reddedildi, bir batch satırı hatalı, maaş oyunun gösterdiğinden
     farklı ya da çıktı yazılamadı
  2  kullanım hatası
Kapanan bir boru (&apos;| head&apos; gibi) programı, diğer komut satırı araçlarında
olduğu gibi SIGPIPE ile sonlandırır.
</translation>
    </message>
    <message>
        <source>calc: the salary the game shows, to check against.</source>
        <translation>calc: karşılaştırmak için oyunun gösterdiği maaş.</translation>
    </message>
    <message>
        <source>plan: a target level, such as IS=12 (again for more, in order).</source>
        <extracomment>SKILL=LEVEL stays as it is.</extracomment>
        <translation>plan: bir hedef seviye, örneğin IS=12 (daha fazlası için sırayla yineleyin).</translation>
    </message>
    <message>
        <source>plan: the highest levels within this salary.</source>
        <translation>plan: bu maaşı aşmadan ulaşılabilecek en yüksek seviyeler.</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that raise the salary least.</source>
        <translation type="vanished">plan: maaşı en az artıran N adet bir seviyelik artış (1 ile 20 arası).</translation>
    </message>
    <message>
        <source>plan: the skills the cheapest raises may go to, such as IS,ID,RB.</source>
        <translation>plan: en ucuz artışların gidebileceği beceriler, örneğin IS,ID,RB.</translation>
    </message>
    <message>
        <source>%1 is for %2 only</source>
        <extracomment>The option, then the command it is for; both stay as they are.</extracomment>
        <translation>%1 yalnızca %2 içindir</translation>
    </message>
    <message>
        <source>plan: the N one-level raises (1 to 20) that add least to the salary.</source>
        <translation>plan: maaşa en az ekleyen N adet bir seviyelik artış (1 ile 20 arası).</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>ERROR</source>
        <extracomment>The title of the box that refuses a pasted text.</extracomment>
        <translation>HATA</translation>
    </message>
    <message>
        <source>Please copy your player&apos;s skills again and make sure that you chose the correct language from the drop-down menu..</source>
        <translation>Lütfen oyuncunuzun becerilerini yeniden kopyalayın ve açılır listeden doğru dili seçtiğinizden emin olun.</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>1. Go to Courtlore Website and copy your player&apos;s skills starting from &quot;%1&quot;..</source>
        <extracomment>The Jump Shot caption without its colon.</extracomment>
        <translation>1. Courtlore&apos;da oyuncunuzun becerilerini &quot;%1&quot; ile başlayarak kopyalayın.</translation>
    </message>
    <message>
        <source>3. Click &quot;%1&quot; button..</source>
        <extracomment>The Calculate button&apos;s caption.</extracomment>
        <translation>3. &quot;%1&quot; düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>   Wagecourt is a tool for calculating player salaries.. It uses Velmor&apos;s formulas ,so special thanks     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable formulas..   </source>
        <extracomment>Two lines in the window at most: no longer than the English.</extracomment>
        <translation>Wagecourt, oyuncu maaşlarını hesaplayan bir araçtır ve Velmor&apos;un formüllerini kullanır. Emeği ve bu değerli formülleri toplulukla paylaştığı için Velmor&apos;a (35817) özel teşekkürler.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>TALİMATLAR</translation>
    </message>
    <message>
        <source>2. Select your in-game language from the drop-down menu..</source>
        <extracomment>One line in the window, as are the other steps: no longer than the English.</extracomment>
        <translation>2. Açılır listeden oyunu oynadığınız dili seçin.</translation>
    </message>
    <message>
        <source>4. Click on the skills to change them ( Left-click --&gt; +1, Right-click --&gt; -1 )</source>
        <translation>4. Değiştirmek için becerilere tıklayın (sol tık +1, sağ tık -1).</translation>
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
        <translation>Wagecourt&apos;un daha yeni bir sürümü zaten yüklü.</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Training Plan</source>
        <extracomment>Title of the window and of the page&apos;s section that plans a player&apos;s training.</extracomment>
        <translation>Antrenman Planı</translation>
    </message>
    <message>
        <source>Now: %1 (%2)</source>
        <extracomment>The salary the levels shown earn now; %1 the salary, %2 the position.</extracomment>
        <translation>Şimdi: %1 (%2)</translation>
    </message>
    <message>
        <source>Weekly salary at each level, one skill at a time</source>
        <extracomment>Heading of the table of what each level of each skill would pay.</extracomment>
        <translation>Her seviyede haftalık maaş, her seferinde bir beceri</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The column of levels in that table.</extracomment>
        <translation>Seviye</translation>
    </message>
    <message>
        <source>The plan, one level at a time</source>
        <extracomment>Heading of the steps of a plan.</extracomment>
        <translation>Plan, her seferinde bir seviye</translation>
    </message>
    <message>
        <source>At the end: %1 (%2), %3</source>
        <extracomment>The plan&apos;s end: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Sonunda: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Click a level in the table to make it that skill&apos;s target.</source>
        <extracomment>Under an empty plan in the window and the page.</extracomment>
        <translation>Bir seviyeyi o becerinin hedefi yapmak için tablodaki seviyeye tıklayın.</translation>
    </message>
    <message>
        <source>Salary limit:</source>
        <extracomment>Label of the field where a salary limit is typed.</extracomment>
        <translation>Maaş sınırı:</translation>
    </message>
    <message>
        <source>Highest levels within %1, one skill at a time</source>
        <extracomment>Heading: %1 the limit.</extracomment>
        <translation>%1 sınırında en yüksek seviyeler, her seferinde bir beceri</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A skill that cannot rise at all within the limit.</extracomment>
        <translation>yok</translation>
    </message>
    <message>
        <source>The plan passes the limit at step %1.</source>
        <extracomment>The limit is passed; %1 is the number of the first step of the plan over it.</extracomment>
        <translation>Plan, %1. adımda sınırı aşıyor.</translation>
    </message>
    <message>
        <source>The whole plan stays within the limit.</source>
        <translation>Planın tamamı sınırın içinde kalıyor.</translation>
    </message>
    <message>
        <source>The player already earns more than the limit.</source>
        <extracomment>The current levels already earn more than the limit.</extracomment>
        <translation>Oyuncu zaten sınırdan fazla kazanıyor.</translation>
    </message>
    <message>
        <source>Cheapest raises:</source>
        <extracomment>Label of the field for how many one-level raises to look for.</extracomment>
        <translation>En ucuz artışlar:</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that raise the salary least</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation type="vanished">
            <numerusform>Maaşı en az artıran %n adet bir seviyelik artış</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n raise(s) remain in the skills given</source>
        <extracomment>The skills given cannot take that many raises before 20.</extracomment>
        <translation>
            <numerusform>verilen becerilerde yalnızca %n artış kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n week(s), at his own pace</source>
        <extracomment>Heading of a forecast: %1 the player&apos;s name, %n the weeks ahead.</extracomment>
        <translation>
            <numerusform>%1, %n hafta sonra, kendi hızıyla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From his snapshots of %1 to %2 (%n day(s))</source>
        <extracomment>What the forecast rests on: %1 and %2 the first and last days, %n the days between.</extracomment>
        <translation>
            <numerusform>%1 ile %2 arasındaki kayıtlarına göre (%n gün)</numerusform>
        </translation>
    </message>
    <message>
        <source>Gained</source>
        <extracomment>Columns of the forecast: the levels gained over the history, per week, and the level reached.</extracomment>
        <translation>Kazanılan</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Haftalık</translation>
    </message>
    <message>
        <source>Then</source>
        <translation type="vanished">Sonra</translation>
    </message>
    <message>
        <source>Salary then: %1 (%2), %3</source>
        <extracomment>The salary the forecast&apos;s levels earn: %1 the salary, %2 the position, %3 the change against now.</extracomment>
        <translation>Sonraki maaş: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Salary the game shows:</source>
        <extracomment>Label of the field where the salary the game shows is typed.</extracomment>
        <translation>Oyunun gösterdiği maaş:</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <extracomment>Label of the button that copies the report of a salary that differs.</extracomment>
        <translation>Raporu Kopyala</translation>
    </message>
    <message>
        <source>Wagecourt %1, salary formula %2</source>
        <extracomment>Where the formula&apos;s version is shown: %1 the program&apos;s version, %2 the formula&apos;s.</extracomment>
        <translation>Wagecourt %1, maaş formülü %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a skill: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking, or JS JR OD HA DR PA IS ID RB SB</source>
        <extracomment>What the user wrote; the names stay as they are.</extracomment>
        <translation>&apos;%1&apos; bir beceri değil: jump_shot, jump_range, outside_def, handling, driving, passing, inside_shot, inside_def, rebounding, shot_blocking ya da JS JR OD HA DR PA IS ID RB SB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a target: write a skill, = and a level from 1 to 20, such as IS=12</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; bir hedef değil: bir beceri, = ve 1 ile 20 arasında bir seviye yazın, örneğin IS=12</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a salary: write a whole number</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; bir maaş değil: bir tam sayı yazın</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of raises: write a whole number from 1 to 20</source>
        <extracomment>What the user wrote.</extracomment>
        <translation>&apos;%1&apos; bir artış sayısı değil: 1 ile 20 arasında bir tam sayı yazın</translation>
    </message>
    <message>
        <source>%1 has one snapshot in the book: a forecast needs two at least 14 days apart</source>
        <extracomment>The player&apos;s name: he has one snapshot only.</extracomment>
        <translation>%1 oyuncusunun defterde tek kaydı var: tahmin için aralarında en az 14 gün olan iki kayıt gerekir</translation>
    </message>
    <message numerus="yes">
        <source>the snapshots of %1 span %n day(s): a forecast needs at least 14</source>
        <extracomment>The player&apos;s name; %n the days his snapshots span.</extracomment>
        <translation>
            <numerusform>%1 oyuncusunun kayıtları %n günü kapsıyor: tahmin için en az 14 gün gerekir</numerusform>
        </translation>
    </message>
    <message>
        <source>It matches the game: %1.</source>
        <extracomment>%1 the salary.</extracomment>
        <translation>Oyunla aynı: %1.</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please send the report.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation type="vanished">Oyun %1 gösteriyor, Wagecourt %2 (%3) hesaplıyor. Oyunun formülü değişmiş olabilir: lütfen raporu gönderin.</translation>
    </message>
    <message numerus="yes">
        <source>The %n one-level raise(s) that add least to the salary</source>
        <extracomment>Heading: %n how many one-level raises, searched over every way.</extracomment>
        <translation>
            <numerusform>Maaşa en az ekleyen %n adet bir seviyelik artış</numerusform>
        </translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Ulaşılan</translation>
    </message>
    <message>
        <source>The game shows %1, Wagecourt works out %2 (%3). The game&apos;s formula may have changed: please copy the report and send it to Wagecourt&apos;s makers.</source>
        <extracomment>%1 the salary the game shows, %2 the one Wagecourt works out, %3 its position.</extracomment>
        <translation>Oyun %1 gösteriyor, Wagecourt %2 (%3) hesaplıyor. Oyunun formülü değişmiş olabilir: lütfen raporu kopyalayıp Wagecourt&apos;un yapımcılarına gönderin.</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5</source>
        <extracomment>A level&apos;s cell in the table, as a screen reader names it: %1 the skill, %2 the level, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1, seviye %2: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 at level %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a level whose salary is over the salary limit typed.</extracomment>
        <translation>%1, seviye %2: %3 (%4), %5, sınırın üzerinde</translation>
    </message>
    <message>
        <source>%1 at level %2, now: %3 (%4)</source>
        <extracomment>The current level&apos;s cell: %1 the skill, %2 the level, %3 the salary, %4 the position.</extracomment>
        <translation>%1, seviye %2, şimdi: %3 (%4)</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>One step of a plan, a line each: %1 the skill, %2 the level it reaches, %3 the salary, %4 the position, %5 the change against now.</extracomment>
        <translation>%1 %2 seviyesine: %3 (%4), %5</translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5, over the limit</source>
        <extracomment>The same for a step whose salary is over the salary limit typed.</extracomment>
        <translation>%1 %2 seviyesine: %3 (%4), %5, sınırın üzerinde</translation>
    </message>
    <message>
        <source>%1: +%2, to %3</source>
        <extracomment>A skill among the cheapest raises: %1 the skill, %2 how many levels it rises, %3 the level it reaches.</extracomment>
        <translation>%1: +%2, %3 seviyesine</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Your player&apos;s copied skill list</source>
        <translation>Oyuncunuzun kopyalanan beceri listesi</translation>
    </message>
    <message>
        <source>Game language</source>
        <translation>Oyun dili</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <extracomment>Buttons beside a level on touch screens; %1 is the skill&apos;s name.</extracomment>
        <translation>%1 seviyesini yükselt</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>%1 seviyesini düşür</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Sonucu kopyala</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>The heads of the training table: the skill, its level, one level up, one level down.</extracomment>
        <translation>Beceri</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Seviye</translation>
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
        <translation>Bir antrenman adımının getirisi</translation>
    </message>
    <message>
        <source>4. Click or tap a level to raise it, right-click it or press its − to lower it (+ and − keys work too)</source>
        <translation>4. Bir seviyeyi yükseltmek için tıklayın veya dokunun; düşürmek için sağ tıklayın ya da yanındaki −&apos;ye basın (+ ve − tuşları da çalışır)</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lisanslar</translation>
    </message>
    <message>
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts no visits.</source>
        <extracomment>The page keeps no count of its visitors: say that visits are not counted.</extracomment>
        <translation>Çevrimdışı çalışır; yalnızca kendi dosyalarını yükler, çerez bırakmaz ve ziyaretçi saymaz.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.</source>
        <translation>Hesaplayıcı yüklenemedi. Sayfayı yeniden yükleyin veya güncel bir tarayıcıda açın.</translation>
    </message>
    <message>
        <source>New version: reload</source>
        <extracomment>A button shown when the page has downloaded a newer version of itself.</extracomment>
        <translation>Yeni sürüm: yeniden yükle</translation>
    </message>
    <message>
        <source>Weekly salary in Wagecourt</source>
        <extracomment>The browser extension&apos;s item in the menu of a selected text.</extracomment>
        <translation>Wagecourt&apos;ta haftalık maaş</translation>
    </message>
    <message>
        <source>The weekly salary of a Courtlore player from a skill list selected on a page</source>
        <extracomment>The browser extension&apos;s description in the browser&apos;s list of extensions and in its store.</extracomment>
        <translation>Bir sayfada seçilen beceri listesinden bir Courtlore oyuncusunun haftalık maaşı</translation>
    </message>
    <message>
        <source>Share result</source>
        <extracomment>Hands the copied result to the device&apos;s share sheet (another app, a message).</extracomment>
        <translation>Sonucu paylaş</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>The page&apos;s colours: as the device is set, light or dark.</extracomment>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Sistemdeki gibi</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Kept in the book: %1</source>
        <extracomment>Under the Keep button once a player is kept; %1 is his name.</extracomment>
        <translation>Deftere kaydedildi: %1</translation>
    </message>
    <message>
        <source>Tick 2 to 4 players, then press Compare.</source>
        <extracomment>Above the book&apos;s list, whose rows have a tick box each; &quot;Compare&quot; is the button&apos;s text.</extracomment>
        <translation>2 ile 4 arası oyuncuyu işaretleyin, sonra &quot;Karşılaştır&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>Paste a player&apos;s skill list and press %1 first, or Show a player from the book.</source>
        <extracomment>Beside Keep in Book while no player is shown, and its tooltip; %1 is the game&apos;s Calculate button.</extracomment>
        <translation>Önce bir oyuncunun beceri listesini yapıştırıp &quot;%1&quot; düğmesine basın ya da defterden bir oyuncu gösterin.</translation>
    </message>
    <message>
        <source>Tags already given: %1</source>
        <extracomment>Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags typed are added to them.</extracomment>
        <translation>Zaten verilmiş etiketler: %1</translation>
    </message>
    <message>
        <source>5. Press %1 under the card to keep the player shown, under a name; %2, below it, lists the players kept.</source>
        <extracomment>The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book&apos;s heading.</extracomment>
        <translation>5. Gösterilen oyuncuyu bir adla saklamak için kartın altındaki &quot;%1&quot; düğmesine basın; onun altındaki &quot;%2&quot;, saklanan oyuncuları listeler.</translation>
    </message>
    <message>
        <source>Last exported on %1; snapshots kept since: %2.</source>
        <extracomment>Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.</extracomment>
        <translation>Son dışa aktarma: %1; o zamandan beri saklanan kayıtlar: %2.</translation>
    </message>
    <message>
        <source>Never exported; snapshots kept in this browser only: %1.</source>
        <extracomment>Under the book, which this browser alone holds; %1 is how many snapshots were kept.</extracomment>
        <translation>Hiç dışa aktarılmadı; yalnızca bu tarayıcıda saklanan kayıtlar: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n snapshots are kept in this browser only, which may clear them. Press %1 to keep a copy of the book.</source>
        <extracomment>Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.</extracomment>
        <translation>
            <numerusform>%n kayıt yalnızca bu tarayıcıda saklanıyor ve tarayıcı bunları silebilir. Defterin bir kopyasını saklamak için &quot;%1&quot; düğmesine basın.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Hands a link to the ticked players (the whole book when none is ticked) to the device&apos;s share sheet.</extracomment>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <extracomment>Where the device has no share sheet: copies that link.</extracomment>
        <translation>Bağlantıyı kopyala</translation>
    </message>
    <message>
        <source>Link to the players</source>
        <extracomment>The name of the field that shows the link made, for screen readers.</extracomment>
        <translation>Oyunculara bağlantı</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <extracomment>The name of the link&apos;s QR code, for screen readers.</extracomment>
        <translation>Bağlantının QR kodu</translation>
    </message>
    <message>
        <source>This link holds too much for a QR code: press %1 to send the link itself.</source>
        <extracomment>In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share or Copy Link button.</extracomment>
        <translation>Bu bağlantı bir QR kodu için fazla veri içeriyor: bağlantının kendisini göndermek için &quot;%1&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>Add to Book</source>
        <extracomment>The answers to &quot;Add them to the player book?&quot; after a link is opened (buttons).</extracomment>
        <translation>Deftere ekle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Show Info</source>
        <extracomment>A small button, ten letters wide at most, that shows the instructions below the player card.</extracomment>
        <translation>Bilgi Aç</translation>
    </message>
    <message>
        <source>Hide Info</source>
        <extracomment>The same button while the instructions are shown; ten letters at most.</extracomment>
        <translation>Bilgi Kapat</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu item: copies the player&apos;s skill list and salary.</extracomment>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste and Calculate</source>
        <extracomment>Menu item: pastes a copied skill list and works out its salary.</extracomment>
        <translation>Yapıştır ve Hesapla</translation>
    </message>
    <message>
        <source>Player card</source>
        <extracomment>What a screen reader says of the picture behind the skills and the salary.</extracomment>
        <translation>Oyuncu kartı</translation>
    </message>
    <message>
        <source>Copying a player&apos;s skills in a web browser</source>
        <translation>Bir oyuncunun becerilerini web tarayıcısında kopyalama</translation>
    </message>
    <message>
        <source>Best position</source>
        <translation>En iyi pozisyon</translation>
    </message>
    <message>
        <source>Weekly salary</source>
        <translation>Haftalık maaş</translation>
    </message>
    <message>
        <source>%1 level</source>
        <extracomment>A level label&apos;s description: the skill&apos;s name as the catalogue writes it, which may begin with a vowel. The page adds &quot;: &quot; and the level&apos;s name after it.</extracomment>
        <translation>%1 seviyesi</translation>
    </message>
    <message>
        <source>Wagecourt v%1 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version (%1, such as 1.0) and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v%1 - Tarvel (58203) tarafından</translation>
    </message>
    <message>
        <source>Player shown</source>
        <extracomment>What a screen reader says of the player&apos;s name on the card, shown after a keep or a Show from the book.</extracomment>
        <translation>Gösterilen oyuncu</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Usage: wagecourt [options]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options]&quot; stays as it is.</extracomment>
        <translation type="vanished">Kullanım: wagecourt [options]</translation>
    </message>
    <message>
        <source>Work out the weekly salary of a Courtlore player from his skill list,
copied from the game&apos;s page.</source>
        <extracomment>Two lines of at most 79 characters each.</extracomment>
        <translation>Bir Courtlore oyuncusunun haftalık maaşını, oyunun sayfasından kopyalanan
beceri listesinden hesaplar.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Bu yardımı göster ve çık.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Sürümü göster ve çık.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s own options, such as -platform NAME, -display DISPLAY or
-style NAME, are accepted too.</source>
        <extracomment>Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.</extracomment>
        <translation>Arayüz kitaplığının kendi seçenekleri de kabul edilir, örneğin -platform NAME,
-display DISPLAY ya da -style NAME.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>The option as it was typed, in quotes.</extracomment>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <extracomment>The argument as it was typed, in quotes.</extracomment>
        <translation>beklenmeyen argüman %1</translation>
    </message>
    <message>
        <source>Usage: wagecourt [options] [wagecourt:LINK]</source>
        <extracomment>The first line of the window&apos;s --help; &quot;wagecourt [options] [wagecourt:LINK]&quot; stays as it is.</extracomment>
        <translation>Kullanım: wagecourt [options] [wagecourt:LINK]</translation>
    </message>
</context>
</TS>
