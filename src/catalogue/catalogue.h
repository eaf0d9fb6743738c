#pragma once

#include "engine/playerstate.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

namespace wagecourt {

// Every text that changes with the game language. The level names and the
// Jump Shot caption are what the game's own pages show, because the import
// recognises a pasted list by them.
struct LanguageEntry
{
    QStringView name; // as listed in the language drop-down
    QStringView code; // ISO 639-1, as the translations and the command line name it
    std::array<QStringView, kLevelCount> levelNames;
    std::array<QStringView, kPositionCount> positionNames;
    std::array<QStringView, kSkillCaptionCount> skillCaptions; // Jump Shot .. Experience
    QStringView calculateCaption;
    QStringView salaryCaption;
    QStringView alwaysOnTopCaption;

    // Numbered from 1, like the game's levels, positions and skills.
    QString levelName(int level) const { return levelNames[std::size_t(level - 1)].toString(); }
    QString positionName(int position) const { return positionNames[std::size_t(position - 1)].toString(); }
    QString skillCaption(int skill) const { return skillCaptions[std::size_t(skill - 1)].toString(); }

    LevelNames levelNameTable() const;
    PositionNames positionNameTable() const;
};

inline constexpr int kLanguageCount = 8;

// The eight entries in list order; the first is applied at start.
std::span<const LanguageEntry, kLanguageCount> languages();

enum class LanguageMatch {
    Name,       // the name as the list shows it, character by character
    NameOrCode, // that, or the ISO 639-1 code as written: what a program passes on
    Code,       // the code alone
    Loose,      // the name or the code as a person types it: any letter case, with or without
                // accents, spaces around ("Turkce" finds Türkçe, "DE" finds Deutsch)
};

// The one look-up of a language by what names it; null when none matches.
const LanguageEntry *findLanguage(QStringView text, LanguageMatch match = LanguageMatch::Name);

QStringList languageNames();

// The entry's ISO 639-1 code: en tr es it fr de pl pt.
QStringView languageCode(const LanguageEntry &entry);

// The first of a desktop's languages, most wanted first, as locales name them
// ("de-DE", "pt_BR", "tr"), that is a game language; null when none is.
const LanguageEntry *firstGameLanguage(const QStringList &desktopLanguages);

} // namespace wagecourt
