#include "catalogue/catalogue.h"

namespace wagecourt {

namespace {

// Stored exactly as the game spells them, Polish without diacritics included.
constexpr LanguageEntry kCatalogue[kLanguageCount] = {
    {
        u"English",
        u"en",
        {
            u"atrocious", u"pitiful", u"awful", u"inept", u"mediocre",
            u"average", u"respectable", u"strong", u"proficient", u"prominent",
            u"prolific", u"sensational", u"tremendous", u"wondrous", u"marvelous",
            u"prodigious", u"stupendous", u"phenomenal", u"colossal", u"legendary",
        },
        {
            u"Point Guard", u"Shooting Guard", u"Small Forward", u"Power Forward", u"Center",
        },
        {
            u"Jump Shot:", u"Jump Range:", u"Outside Def.:", u"Handling:",
            u"Driving:", u"Passing:", u"Inside Shot:", u"Inside Def.:",
            u"Rebounding:", u"Shot Blocking:", u"Stamina:", u"Free Throw:",
            u"Experience:",
        },
        u"Calculate Salary",
        u"Weekly Salary:",
        u"Always on Top",
    },
    {
        u"Türkçe",
        u"tr",
        {
            u"korkunç", u"değersiz", u"berbat", u"işe yaramaz", u"zayıf",
            u"vasat", u"iyi", u"güçlü", u"becerikli", u"üstün",
            u"verimli", u"sansasyonel", u"heybetli", u"harikulade", u"olağanüstü",
            u"muazzam", u"görkemli", u"dünya dışı", u"devasa", u"efsanevi",
        },
        {
            u"Oyunkurucu", u"Şutör Gard", u"Kısa Forvet", u"Uzun Forvet", u"Pivot",
        },
        {
            u"Uzaktan Şut:", u"Şut Menzili:", u"Dışarıdan Def.:", u"Top Tutma:",
            u"Top Sürme:", u"Pas Verme:", u"İçeriden Şut:", u"İçeriden Def.:",
            u"Ribaunt Alma:", u"Blok Yapma:", u"Kondisyon:", u"Serbest Atış:",
            u"Tecrübe:",
        },
        u"Maaşı Hesapla",
        u"Haftalık Maaş:",
        u"Her Zaman Üstte",
    },
    {
        u"Español",
        u"es",
        {
            u"pésimo", u"ridículo", u"horrible", u"inepto", u"mediocre",
            u"regular", u"respetable", u"fuerte", u"excelente", u"destacado",
            u"prolífico", u"sensacional", u"tremendo", u"asombroso", u"maravilloso",
            u"prodigioso", u"estupendo", u"fenomenal", u"colosal", u"legendario",
        },
        {
            u"Base", u"Escolta", u"Alero", u"Ala-pívot", u"Pívot",
        },
        {
            u"Tiro:", u"Alcance de tiro:", u"Def. exterior:", u"Manejo:",
            u"Penetración:", u"Pases:", u"Tiro interior:", u"Def. interior:",
            u"Rebotes:", u"Tapones:", u"Resistencia:", u"Tiros libres:",
            u"Experiencia:",
        },
        u"Calcular Sueldo",
        u"Sueldo semanal:",
        u"Siempre en la Cima",
    },
    {
        u"Italiano",
        u"it",
        {
            u"atroce", u"pietoso", u"scarso", u"inadeguato", u"mediocre",
            u"sufficiente", u"rispettabile", u"forte", u"valido", u"notevole",
            u"eccezionale", u"sensazionale", u"clamoroso", u"spettacolare", u"meraviglioso",
            u"prodigioso", u"geniale", u"fenomenale", u"colossale", u"leggendario",
        },
        {
            u"Playmaker", u"Guardia", u"Ala piccola", u"Ala grande", u"Centro",
        },
        {
            u"Tiro in sosp.:", u"Distanza di tiro:", u"Dif. perimetrale:", u"Palleggio:",
            u"Penetrazione:", u"Passaggio:", u"Tiro da sotto:", u"Difesa in area:",
            u"Rimbalzo:", u"Stoppata:", u"Resistenza:", u"Tiri liberi:",
            u"Esperienza:",
        },
        u"Calcolare Stipendio",
        u"Stipendio settimanale:",
        u"Sempre in Primo Piano",
    },
    {
        u"Français",
        u"fr",
        {
            u"atroce", u"pitoyable", u"horrible", u"mauvais", u"médiocre",
            u"moyen", u"respectable", u"fort", u"compétent", u"proéminent",
            u"prolifique", u"sensationnel", u"énorme", u"merveilleux", u"magnifique",
            u"prodigieux", u"stupéfiant", u"phénoménal", u"colossal", u"légendaire",
        },
        {
            u"Meneur", u"Arrière", u"Ailier shooteur", u"Ailier fort", u"Pivot",
        },
        {
            u"Jump shot:", u"Portée shoot:", u"Def. extérieure:", u"Agilité:",
            u"Dribble:", u"Passe:", u"Shoot intérieur:", u"Déf. intérieure:",
            u"Rebond:", u"Contre:", u"Endurance:", u"Lancer franc:",
            u"Experience:",
        },
        u"Calcule Salaire",
        u"Salaire:",
        u"Toujours en Haut",
    },
    {
        u"Deutsch",
        u"de",
        {
            u"miserabel", u"kläglich", u"furchtbar", u"unbeholfen", u"mittelmäßig",
            u"akzeptabel", u"beachtlich", u"überzeugend", u"ausgezeichnet", u"herausragend",
            u"erstklassig", u"sensationell", u"überwältigend", u"atemberaubend", u"fabelhaft",
            u"außergewöhnlich", u"ruhmreich", u"phänomenal", u"kolossal", u"legendär",
        },
        {
            u"Point Guard", u"Shooting Guard", u"Small Forward", u"Power Forward", u"Center",
        },
        {
            u"Sprungwurf:", u"Reichweite:", u"Aussenvert:", u"Dribbling:",
            u"Zug zum Korb:", u"Passspiel:", u"Zonenwurf:", u"Innenvert:",
            u"Rebounds:", u"Blocking:", u"Kondition:", u"Freiwurf:",
            u"Erfahrung:",
        },
        u"Berechn Gehalt",
        u"Gehalt:",
        u"Immer im Vordergrund",
    },
    {
        u"Polski",
        u"pl",
        {
            u"okropny", u"zalosny", u"tragiczny", u"niezdarny", u"slaby",
            u"przecietny", u"porzadny", u"silny", u"sprawny", u"znaczacy",
            u"wybitny", u"rewelacyjny", u"swietny", u"cudowny", u"wspanialy",
            u"zdumiewajacy", u"niesamowity", u"fenomenalny", u"kolosalny", u"legendarny",
        },
        {
            u"Point Guard", u"Shooting Guard", u"Small Forward", u"Power Forward", u"Center",
        },
        {
            u"Rzut z wyskoku:", u"Zasieg rzutu:", u"Obr. na dystansie:", u"Kozlowanie:",
            u"Wejscie pod kosz:", u"Podania:", u"Rzut z bliska:", u"Obr. pod koszem:",
            u"Zbieranie:", u"Blokowanie:", u"Kondycja:", u"Rzuty osobiste:",
            u"Doswiadczenie:",
        },
        u"Obliczac Pensja",
        u"Pensja (tygodniowo):",
        u"Zawsze na Wierzchu",
    },
    {
        u"Português",
        u"pt",
        {
            u"ridículo", u"horrível", u"tenebroso", u"desajeitado", u"medíocre",
            u"comum", u"respeitável", u"forte", u"impressionante", u"admirável",
            u"excepcional", u"sensacional", u"extraordinário", u"fantástico", u"maravilhoso",
            u"incrível", u"estupendo", u"fenomenal", u"colossal", u"lendário",
        },
        {
            u"Base Principal", u"Base Lançador", u"Extremo", u"Extremo-Poste", u"Poste",
        },
        {
            u"Lançamento:", u"Dist. de Lanç.:", u"Def. Exterior:", u"Drible:",
            u"Penetração:", u"Passe:", u"Lanç. Interior:", u"Def. Interior:",
            u"Ressalto:", u"Desarme Lanç.:", u"Resistência:", u"Lance Livre:",
            u"Experiência:",
        },
        u"Calcular Salário",
        u"Ordenado semanal:",
        u"Sempre em Cima",
    },
};

} // namespace

LevelNames LanguageEntry::levelNameTable() const
{
    LevelNames table;
    for (int level = 1; level <= kLevelCount; ++level)
        table[level] = levelName(level);
    return table;
}

PositionNames LanguageEntry::positionNameTable() const
{
    PositionNames table;
    for (int position = 1; position <= kPositionCount; ++position)
        table[position] = positionName(position);
    return table;
}

std::span<const LanguageEntry, kLanguageCount> languages()
{
    return std::span<const LanguageEntry, kLanguageCount>(kCatalogue);
}

namespace {

// Letter case and accents dropped. The Latin-1 letters' base letters are
// written out, and combining accents skipped, rather than asking Unicode's
// decomposition tables, which would come into the web module with it.
QString looseName(QStringView text)
{
    // U+00C0 to U+00FF, lower case already; '*' where no letter stands.
    static constexpr char16_t kLatin1Base[] = u"aaaaaaaceeeeiiiidnooooo*ouuuuyts"
                                              u"aaaaaaaceeeeiiiidnooooo*ouuuuyty";
    QString loose;
    loose.reserve(text.size());
    for (QChar c : text.trimmed().toString().toCaseFolded()) {
        const char16_t u = c.unicode();
        if (u >= 0x0300 && u <= 0x036F)
            continue;
        loose += u >= 0xC0 && u <= 0xFF && kLatin1Base[u - 0xC0] != u'*' ? QChar(kLatin1Base[u - 0xC0]) : c;
    }
    return loose;
}

} // namespace

const LanguageEntry *findLanguage(QStringView text, LanguageMatch match)
{
    const QString loose = match == LanguageMatch::Loose ? looseName(text) : QString();
    for (const LanguageEntry &entry : kCatalogue) {
        const bool found = match == LanguageMatch::Name         ? entry.name == text
                         : match == LanguageMatch::NameOrCode ? entry.name == text || entry.code == text
                         : match == LanguageMatch::Code       ? entry.code == text
                                                              : looseName(entry.name) == loose || entry.code == loose;
        if (found)
            return &entry;
    }
    return nullptr;
}

QStringList languageNames()
{
    QStringList names;
    names.reserve(kLanguageCount);
    for (const LanguageEntry &entry : kCatalogue)
        names << entry.name.toString();
    return names;
}

QStringView languageCode(const LanguageEntry &entry)
{
    return entry.code;
}

const LanguageEntry *firstGameLanguage(const QStringList &desktopLanguages)
{
    for (const QString &locale : desktopLanguages) {
        // The language is the letters before the territory, script or encoding.
        qsizetype end = 0;
        while (end < locale.size() && locale[end].isLetter())
            ++end;
        const QStringView language = QStringView(locale).first(end);
        for (const LanguageEntry &entry : kCatalogue)
            if (language.compare(languageCode(entry), Qt::CaseInsensitive) == 0)
                return &entry;
    }
    return nullptr;
}

} // namespace wagecourt
