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
        <source>it holds %1 colons, a skill list holds %2 to %3</source>
        <extracomment>The count of colons, the fewest and the most a skill list holds.</extracomment>
        <translation>metinde %1 iki nokta var, bir beceri listesinde %2 ile %3 arası olur</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;, as the %2 %3 caption does</source>
        <extracomment>The beginning looked for, the language, the Jump Shot caption without its colon.</extracomment>
        <translation>metin, %2 dilindeki %3 başlığı gibi &quot;%1&quot; ile başlamıyor</translation>
    </message>
    <message>
        <source>Not a skill list in %1: %2.</source>
        <extracomment>The language, then the reasons joined.</extracomment>
        <translation>%1 dilinde bir beceri listesi değil: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>no level name or number behind its colon</source>
        <translation>iki noktadan sonra seviye adı ya da sayı yok</translation>
    </message>
    <message>
        <source>%1 is not a level from 1 to 20</source>
        <translation>%1, 1 ile 20 arasında bir seviye değil</translation>
    </message>
    <message>
        <source>The level of %1 (skill %2) could not be read: %3.</source>
        <extracomment>The skill&apos;s caption without its colon, its number, what stands behind it.</extracomment>
        <translation>%1 seviyesi (beceri %2) okunamadı: %3.</translation>
    </message>
    <message>
        <source>The text holds %1 characters; a skill list is far shorter, and no more than %2 are read.</source>
        <translation>Metin %1 karakter içeriyor; bir beceri listesi çok daha kısadır ve en fazla %2 karakter okunur.</translation>
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
        <translation>JSON yaz: bir nesne, batch için satır başına bir nesne.</translation>
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
        <translation>bilinmeyen dil &apos;%1&apos;; diller şunlar: %2</translation>
    </message>
    <message>
        <source>%1 takes ten levels, %2 given</source>
        <extracomment>The command (calc or advise), the count of levels given.</extracomment>
        <translation>%1 on seviye ister, %2 verildi</translation>
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
        <source>import reads one list, %1 files given</source>
        <translation>import tek bir liste okur, %1 dosya verildi</translation>
    </message>
    <message>
        <source>batch reads one roster, %1 files given</source>
        <translation>batch tek bir kadro okur, %1 dosya verildi</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>The file, the reason.</extracomment>
        <translation>&apos;%1&apos; okunamıyor: %2</translation>
    </message>
    <message>
        <source>--header is for CSV; JSON lines name their fields</source>
        <translation>--header CSV içindir; JSON satırları alanlarını kendisi adlandırır</translation>
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
        <source>--lang given %1 times; give it once</source>
        <extracomment>How many times the option was given.</extracomment>
        <translation>--lang %1 kez verildi; bir kez verin</translation>
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
        <source>expected ten levels, found %1</source>
        <translation>on seviye bekleniyordu, %1 bulundu</translation>
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
        <extracomment>The levels paragraph (%1), the Calculate button&apos;s caption (%2), the option list (%3).</extracomment>
        <translation>Kullanım: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
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
  advise     her beceride bir seviye artışın ya da düşüşün getirisi, ardından
             her pozisyonun maaşı
  import     FILE&apos;dan ya da standart girdiden kopyalanmış bir beceri listesi
             (UTF-8) okur, tıpkı penceredeki &quot;%2&quot; düğmesinin panoyu okuması gibi,
             verilen dilde ya da --lang olmadan herhangi bir dilde
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
        <extracomment>The language used when the option is not given.</extracomment>
        <translation>Oyun dili: bir ad ya da kod (&apos;languages&apos; komutuna bakın). Verilmezse %1; import ise listeyi hangi dilde olursa olsun okur.</translation>
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
        <translation>Wagecourt, oyuncu maaşlarını hesaplayan bir araçtır ve Velmor&apos;un formüllerini kullanır. Emeği ve bu değerli formülleri toplulukla paylaştığı için Velmor&apos;a (35817) özellikle teşekkürler.</translation>
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
        <source>Works offline; fetches nothing but its own files, sets no cookies and counts nobody.</source>
        <translation>Çevrimdışı çalışır; yalnızca kendi dosyalarını yükler, çerez bırakmaz ve kimseyi saymaz.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wagecourt v1.0 - by Tarvel (58203)</source>
        <extracomment>The window&apos;s title: the name, the version and the author&apos;s game name and number stay as they are.</extracomment>
        <translation>Wagecourt v1.0 - Tarvel (58203) tarafından</translation>
    </message>
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
        <extracomment>A level label&apos;s description: the skill&apos;s name.</extracomment>
        <translation>%1 seviyesi</translation>
    </message>
</context>
</TS>
