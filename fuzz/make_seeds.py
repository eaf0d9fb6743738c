#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: skill lists in all eight languages and the
shapes that have tripped readers of such lists. Run from the repository root:
fuzz/make_seeds.py  (writes fuzz/corpus/*)."""
import os

CAPTIONS = {
    0: ["Jump Shot:", "Jump Range:", "Outside Def.:", "Handling:", "Driving:", "Passing:", "Inside Shot:",
        "Inside Def.:", "Rebounding:", "Shot Blocking:", "Stamina:", "Free Throw:", "Experience:"],
    1: ["Uzaktan Şut:", "Şut Menzili:", "Dışarıdan Def.:", "Top Tutma:", "Top Sürme:", "Pas Verme:",
        "İçeriden Şut:", "İçeriden Def.:", "Ribaunt Alma:", "Blok Yapma:", "Kondisyon:", "Serbest Atış:", "Tecrübe:"],
    2: ["Tiro:", "Alcance de tiro:", "Def. exterior:", "Manejo:", "Penetración:", "Pases:", "Tiro interior:",
        "Def. interior:", "Rebotes:", "Tapones:", "Resistencia:", "Tiros libres:", "Experiencia:"],
    3: ["Tiro in sosp.:", "Distanza di tiro:", "Dif. perimetrale:", "Palleggio:", "Penetrazione:", "Passaggio:",
        "Tiro da sotto:", "Difesa in area:", "Rimbalzo:", "Stoppata:", "Resistenza:", "Tiri liberi:", "Esperienza:"],
    4: ["Jump shot:", "Portée shoot:", "Def. extérieure:", "Agilité:", "Dribble:", "Passe:", "Shoot intérieur:",
        "Déf. intérieure:", "Rebond:", "Contre:", "Endurance:", "Lancer franc:", "Experience:"],
    5: ["Sprungwurf:", "Reichweite:", "Aussenvert:", "Dribbling:", "Zug zum Korb:", "Passspiel:", "Zonenwurf:",
        "Innenvert:", "Rebounds:", "Blocking:", "Kondition:", "Freiwurf:", "Erfahrung:"],
    6: ["Rzut z wyskoku:", "Zasieg rzutu:", "Obr. na dystansie:", "Kozlowanie:", "Wejscie pod kosz:", "Podania:",
        "Rzut z bliska:", "Obr. pod koszem:", "Zbieranie:", "Blokowanie:", "Kondycja:", "Rzuty osobiste:",
        "Doswiadczenie:"],
    7: ["Lançamento:", "Dist. de Lanç.:", "Def. Exterior:", "Drible:", "Penetração:", "Passe:", "Lanç. Interior:",
        "Def. Interior:", "Ressalto:", "Desarme Lanç.:", "Resistência:", "Lance Livre:", "Experiência:"],
}
LEVELS = {
    0: "atrocious pitiful awful inept mediocre average respectable strong proficient prominent prolific "
       "sensational tremendous wondrous marvelous prodigious stupendous phenomenal colossal legendary",
    1: "korkunç|değersiz|berbat|işe yaramaz|zayıf|vasat|iyi|güçlü|becerikli|üstün|verimli|sansasyonel|heybetli|"
       "harikulade|olağanüstü|muazzam|görkemli|dünya dışı|devasa|efsanevi",
    2: "pésimo ridículo horrible inepto mediocre regular respetable fuerte excelente destacado prolífico "
       "sensacional tremendo asombroso maravilloso prodigioso estupendo fenomenal colosal legendario",
    3: "atroce pietoso scarso inadeguato mediocre sufficiente rispettabile forte valido notevole eccezionale "
       "sensazionale clamoroso spettacolare meraviglioso prodigioso geniale fenomenale colossale leggendario",
    4: "atroce pitoyable horrible mauvais médiocre moyen respectable fort compétent proéminent prolifique "
       "sensationnel énorme merveilleux magnifique prodigieux stupéfiant phénoménal colossal légendaire",
    5: "miserabel kläglich furchtbar unbeholfen mittelmäßig akzeptabel beachtlich überzeugend ausgezeichnet "
       "herausragend erstklassig sensationell überwältigend atemberaubend fabelhaft außergewöhnlich ruhmreich "
       "phänomenal kolossal legendär",
    6: "okropny zalosny tragiczny niezdarny slaby przecietny porzadny silny sprawny znaczacy wybitny rewelacyjny "
       "swietny cudowny wspanialy zdumiewajacy niesamowity fenomenalny kolosalny legendarny",
    7: "ridículo horrível tenebroso desajeitado medíocre comum respeitável forte impressionante admirável "
       "excepcional sensacional extraordinário fantástico maravilhoso incrível estupendo fenomenal colossal lendário",
}


def names(language):
    text = LEVELS[language]
    return text.split("|") if "|" in text else text.split(" ")


def skill_list(language, levels, sep=" ", eol="\n", skills=13, form=lambda name: name):
    return eol.join(CAPTIONS[language][k] + sep + form(names(language)[levels[k] - 1]) for k in range(skills))


def turkish_upper(text):
    """Capitals as a Turkish keyboard writes them: İ for i, I for ı."""
    return text.replace("i", "\u0130").upper()


def write(folder, name, language, text, utf16=False):
    header = bytes([(language & 7) | (8 if utf16 else 0)])
    body = text.encode("utf-16-le", "surrogatepass") if utf16 else text.encode("utf-8", "surrogatepass")
    with open(os.path.join(folder, name), "wb") as out:
        out.write(header + body)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    sample = [20, 3, 10, 1, 8, 6, 5, 14, 2, 19, 4, 9, 7]
    for language in range(8):
        write(folder, f"list-{language}", language, skill_list(language, sample))
        write(folder, f"list-{language}-utf16", language, skill_list(language, sample[::-1]), utf16=True)
        write(folder, f"list-{language}-ten", language, skill_list(language, [11] * 13, skills=10))
        write(folder, f"list-{language}-caps", language, skill_list(language, sample).upper())
        write(folder, f"list-{language}-names-turkish-caps", language, skill_list(language, sample, form=turkish_upper))
        # Inside a copied page, and with its line breaks turned into spaces.
        write(folder, f"list-{language}-in-page", language,
              "Player: Ann Lee, age: 24\nBest: " + CAPTIONS[language][0] + " " + names(language)[11] + "\n"
              + skill_list(language, sample) + "\nForm: " + names(language)[8] + "\nWage: 12 345\nMatch: 12:30")
        write(folder, f"list-{language}-one-line", language, "Post: " + skill_list(language, sample, eol=" "))
    # Level names in capitals (I for ı, SS for ß) and ß written as ss, the captions as listed.
    write(folder, "list-1-names-caps", 1, skill_list(1, sample, form=str.upper))
    write(folder, "list-5-names-caps", 5, skill_list(5, sample, form=str.upper))
    write(folder, "list-5-ss", 5, skill_list(5, [5, 16] * 6 + [5], form=lambda name: name.replace("ß", "ss")))
    # Letters that stay apart: İ is no ı, ı is no i, ß is no ss, one s is no ß.
    write(folder, "shape-turkish-letters-apart", 1,
          skill_list(1, sample) + "\nZAYİF ıyı İYİ IYI ZAYIF DIŞI dışİ İŞE YARAMAZ")
    write(folder, "shape-german-letters-apart", 5,
          skill_list(5, sample) + "\nKOLOßAL mittelmäsig MITTELMÄSS AUSSsERGEWÖHNLICH mittelmäßig MİTTELMÄSSİG")
    english = skill_list(0, sample)
    shapes = {
        "two-spaces": skill_list(0, sample, sep="  "),
        "no-space": skill_list(0, sample, sep=""),
        "tabs-crlf": skill_list(0, sample, sep="\t", eol="\r\n"),
        "leading-spaces": "    " + english,
        "leading-tab": "\t" + english,
        "numbers": "\n".join(c + " " + str(n) for c, n in zip(CAPTIONS[0], [20, 0, 21, 99, 5, 7, 1, 2, 3, 4, 5, 6, 7])),
        "fourteen-colons": english + "\nAge: 21",
        "nine-colons": skill_list(0, sample, skills=9),
        "french-as-english": skill_list(4, sample),
        "names-in-prose": english + "\nA strong, prolific, legendary shooter; respectablelegendary; awfulegendary.",
        # The beginning passes the check but its levels do not read; a whole
        # list stands further in.
        "unreadable-beginning": "Jump Shot: ?\nJump Range: ?\n" + skill_list(0, sample, skills=10),
        "nul-and-surrogates": "Jump Shot: \x00legendary\ud800\n" + english[21:],
        "empty": "",
    }
    for name, text in shapes.items():
        write(folder, f"shape-{name}", 0, text)
    write(folder, "shape-lone-surrogates-utf16", 0, "Jump Shot:\udc00 atrocious\ud83d" + english[20:], utf16=True)


if __name__ == "__main__":
    main()
