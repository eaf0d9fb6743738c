#include "commands.h"

#include "batch.h"
#include "engine/advice.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "resultformat.h"
#include "version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <optional>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kAutoLanguage = u"auto";

// Laid out as help2man reads it: usage lines, a summary, then sections.
const QString kUsage = uR"(Usage: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  or:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]
  or:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]
  or:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]
  or:  wagecourt-cli languages [--json]
Work out the weekly salary of a Courtlore basketball player, exactly as the
Wagecourt window does.

Levels are whole numbers from 1 to 20 in the game's order: Jump Shot, Jump
Range, Outside Def., Handling, Driving, Passing, Inside Shot, Inside Def.,
Rebounding, Shot Blocking.

Languages are named as 'languages' lists them, in any letter case and with or
without accents (english, Turkce, espanol), or by their codes: en tr es it fr
de pl pt.

A batch line holds ten levels separated by spaces, tabs or commas, and may
begin with the player's name and a comma or tab. Blank lines, lines starting
with '#' and a first line of column names are skipped.

Commands:
  calc       the salary of one player and what he earns at each position
  advise     what one level up or down in each skill would pay, then each
             position's salary
  import     read one copied skill list (UTF-8) from FILE or standard input,
             exactly as the window's "Calculate Salary" reads the clipboard,
             in the language given or, without --lang, in any
  batch      one player per line from FILE or standard input, one result line
             out (CSV: the name if given, levels, salary, position, position
             name)
  languages  the game languages, one per line, or with their codes as JSON

%1
Exit status:
  0  done
  1  a list rejected, a batch line bad, or output that could not be written
  2  a usage error
A closed pipe (as with '| head') ends the program by SIGPIPE, as it ends other
command-line tools.
)"_s;

// Letter case and accents dropped, so "Turkce" finds "Türkçe".
QString looseName(QStringView name)
{
    const QString decomposed = name.toString().normalized(QString::NormalizationForm_KD);
    QString loose;
    loose.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            loose += c;
    return loose.toCaseFolded();
}

const LanguageEntry *matchLanguage(QStringView name)
{
    const QString wanted = looseName(name.trimmed());
    for (const LanguageEntry &entry : wagecourt::languages())
        if (looseName(entry.name) == wanted || wagecourt::languageCode(entry) == wanted)
            return &entry;
    return nullptr;
}

class Session
{
public:
    Session(QIODevice &in, QIODevice &out, QIODevice &err) : m_in(in), m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    int usageError(const QString &message)
    {
        writeErr(u"wagecourt-cli: "_s + message + u"\nRun 'wagecourt-cli --help' for usage.\n"_s);
        return ExitUsage;
    }
    void writeOut(const QString &text) { m_out.write(text.toUtf8()); }
    void writeErr(const QString &text) { m_err.write(text.toUtf8()); }

    std::optional<const LanguageEntry *> languageOption(bool allowAuto);
    std::optional<SkillLevels> levelArguments(const QString &command, const QStringList &arguments);
    int calc(const QStringList &levels);
    int advise(const QStringList &levels);
    int importList(const QStringList &files);
    // Reports a refused list; language is null when none applies.
    int rejectList(const LanguageEntry *language, const QString &detail, const QString &reason);
    int batch(const QStringList &extra);
    int languages(const QStringList &extra);
    void printResult(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result,
                     bool fromImport);
    QString badArgument(const QStringList &arguments) const;

    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
    QCommandLineParser m_parser;
    QCommandLineOption m_lang{u"lang"_s,
                              u"Game language: a name or code (see 'languages'). English when not given; "
                              u"import then reads the list in whichever language it is."_s,
                              u"NAME"_s, u"English"_s};
    QCommandLineOption m_json{u"json"_s, u"Print JSON: one object, or one per line for batch."_s};
    QCommandLineOption m_header{u"header"_s, u"batch: print a CSV line of column names first."_s};
    QCommandLineOption m_help{{u"h"_s, u"help"_s}, u"Show this help."_s};
    QCommandLineOption m_version{{u"v"_s, u"version"_s}, u"Show the version."_s};
};

// QCommandLineParser takes "-3" for an option; name the argument the user wrote.
QString Session::badArgument(const QStringList &arguments) const
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--"_s)
            break;
        if (!argument.startsWith(u'-') || argument == u"-"_s)
            continue;
        const QString name = argument.section(u'=', 0, 0);
        if (name == u"--lang"_s) {
            ++i;
            continue;
        }
        if (name != u"--json"_s && name != u"--header"_s && name != u"--help"_s && name != u"-h"_s
            && name != u"--version"_s && name != u"-v"_s)
            return argument;
    }
    return {};
}

std::optional<const LanguageEntry *> Session::languageOption(bool allowAuto)
{
    const QString name = m_parser.value(m_lang);
    // import reads any language unless one is named; 'auto' says so outright.
    if (allowAuto && (!m_parser.isSet(m_lang) || name.trimmed().compare(kAutoLanguage, Qt::CaseInsensitive) == 0))
        return nullptr;
    if (const LanguageEntry *entry = matchLanguage(name))
        return entry;
    QStringList known;
    for (const LanguageEntry &entry : wagecourt::languages())
        known << u"%1 (%2)"_s.arg(entry.name, languageCode(entry));
    usageError(u"unknown language '%1'; the languages are: %2"_s.arg(name, known.join(u", "_s)));
    return std::nullopt;
}

void Session::printResult(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result,
                          bool fromImport)
{
    if (m_parser.isSet(m_json)) {
        QJsonObject object = resultObject(language, levels, result);
        if (fromImport)
            object.insert(u"accepted"_s, true);
        m_out.write(jsonLine(object));
    } else {
        writeOut(resultTable(language, result));
    }
}

std::optional<SkillLevels> Session::levelArguments(const QString &command, const QStringList &arguments)
{
    if (arguments.size() != kSalarySkillCount) {
        usageError(u"%1 takes ten levels, %2 given"_s.arg(command).arg(arguments.size()));
        return std::nullopt;
    }
    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QString &argument = arguments[k - 1];
        bool ok = false;
        const int level = argument.toInt(&ok);
        if (!ok || !isValidLevel(level)) {
            usageError(u"level %1 '%2' is not a whole number from 1 to 20"_s.arg(k).arg(argument));
            return std::nullopt;
        }
        levels[k] = qint16(level);
    }
    return levels;
}

int Session::calc(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    const auto levels = levelArguments(u"calc"_s, arguments);
    if (!levels)
        return ExitUsage;
    const auto result = computeSalary(*levels);
    Q_ASSERT(result);
    printResult(**language, *levels, *result, false);
    return ExitOk;
}

int Session::advise(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    const auto levels = levelArguments(u"advise"_s, arguments);
    if (!levels)
        return ExitUsage;
    const auto advice = adviseTraining(*levels);
    Q_ASSERT(advice); // levels within 1 to 20 always give advice
    if (m_parser.isSet(m_json))
        m_out.write(jsonLine(adviceObject(**language, *advice)));
    else
        writeOut(adviceTable(**language, *advice));
    return ExitOk;
}

QString rejectionDetail(const SkillListImport &import, const LanguageEntry &language)
{
    if (import.outcome == ImportOutcome::CheckFailed) {
        QStringList reasons;
        if (import.colonCount < kFewestColons || import.colonCount > kMostColons)
            reasons << u"it holds %1 colons, a skill list holds %2 to %3"_s.arg(import.colonCount)
                               .arg(kFewestColons)
                               .arg(kMostColons);
        if (!import.beginningMatches)
            reasons << u"it does not begin with \"%1\", as the %2 Jump Shot caption does"_s.arg(
                    language.skillCaption(1).left(kComparedBeginning), language.name);
        return u"Not a skill list in %1: %2."_s.arg(language.name, reasons.join(u"; "_s));
    }
    const QString skill = language.skillCaption(import.failedSkill).chopped(1);
    const QString found = import.numberRead < 0 ? u"no level name or number behind its colon"_s
                                                : u"%1 is not a level from 1 to 20"_s.arg(import.numberRead);
    return u"The level of %1 (skill %2) could not be read: %3."_s.arg(skill).arg(import.failedSkill).arg(found);
}

int Session::importList(const QStringList &arguments)
{
    const auto language = languageOption(true);
    if (!language)
        return ExitUsage;
    if (arguments.size() > 1)
        return usageError(u"import reads one list, %1 files given"_s.arg(arguments.size()));

    QByteArray bytes;
    const QString path = arguments.value(0, u"-"_s);
    if (path == u"-"_s) {
        bytes = m_in.readAll();
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return usageError(u"cannot read '%1': %2"_s.arg(path, file.errorString()));
        bytes = file.readAll();
    }
    QStringDecoder decoder(QStringDecoder::Utf8); // drops a byte-order mark, as editors write one
    const QString text = decoder.decode(bytes);
    if (text.size() > kMaxPastedCharacters)
        return rejectList(*language, u"The text holds %1 characters; a skill list is far shorter, and no more "
                                   u"than %2 are read."_s.arg(text.size()).arg(kMaxPastedCharacters),
                          u"check"_s);

    // Without a language named, the first in list order that reads the list.
    const LanguageImport found = importInAnyLanguage(
            text, *language, *language ? LanguageSearch::OnlyFirst : LanguageSearch::AnyLanguage);
    if (found.accepted()) {
        const auto result = computeSalary(found.import.levels);
        Q_ASSERT(result);
        printResult(*found.language, found.import.levels, *result, true);
        return ExitOk;
    }
    const bool checkFailed = found.import.outcome == ImportOutcome::CheckFailed;
    const bool named = *language || !checkFailed;
    return rejectList(named ? found.language : nullptr,
                      named ? rejectionDetail(found.import, *found.language)
                            : u"Not a skill list in any of the game languages."_s,
                      checkFailed ? u"check"_s : u"level"_s);
}

int Session::rejectList(const LanguageEntry *language, const QString &detail, const QString &reason)
{
    if (m_parser.isSet(m_json)) {
        m_out.write(jsonLine(QJsonObject{
                {u"accepted"_s, false},
                {u"language"_s, language ? QJsonValue(language->name.toString()) : QJsonValue(QJsonValue::Null)},
                {u"reason"_s, reason},
                {u"error"_s, kImportErrorText.toString()},
                {u"detail"_s, detail},
        }));
    }
    writeErr(kImportErrorText.toString() + u'\n' + detail + u'\n');
    return ExitRejected;
}

int Session::batch(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    if (arguments.size() > 1)
        return usageError(u"batch reads one roster, %1 files given"_s.arg(arguments.size()));
    const bool json = m_parser.isSet(m_json);
    if (json && m_parser.isSet(m_header))
        return usageError(u"--header is for CSV; JSON lines name their fields"_s);

    const QString path = arguments.value(0, u"-"_s);
    QFile file(path);
    if (path != u"-"_s && !file.open(QIODevice::ReadOnly))
        return usageError(u"cannot read '%1': %2"_s.arg(path, file.errorString()));
    return runBatch(path == u"-"_s ? m_in : file, m_out, m_err, **language,
                    json ? OutputFormat::Json : OutputFormat::Text, m_parser.isSet(m_header));
}

int Session::languages(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(u"languages takes no arguments, '%1' given"_s.arg(arguments.first()));
    if (m_parser.isSet(m_json)) {
        QJsonArray list;
        for (const LanguageEntry &entry : wagecourt::languages())
            list.append(QJsonObject{{u"name"_s, entry.name.toString()}, {u"code"_s, languageCode(entry).toString()}});
        m_out.write(QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n');
    } else {
        writeOut(languageNames().join(u'\n') + u'\n');
    }
    return ExitOk;
}

int Session::run(const QStringList &arguments)
{
    m_parser.addOptions({m_lang, m_json, m_header, m_help, m_version});

    if (!m_parser.parse(arguments)) {
        const QString bad = badArgument(arguments);
        if (bad.isEmpty())
            return usageError(m_parser.errorText());
        bool isNumber = false;
        bad.toInt(&isNumber);
        return usageError(isNumber ? u"level '%1' is not a whole number from 1 to 20"_s.arg(bad)
                                   : u"unknown option '%1'"_s.arg(bad));
    }
    if (m_parser.isSet(m_help)) {
        // The parser's own text for the options, between the commands and the exit status.
        writeOut(kUsage.arg(m_parser.helpText().section(u'\n', 2).trimmed() + u'\n'));
        return ExitOk;
    }
    if (m_parser.isSet(m_version)) {
        writeOut(QStringLiteral(WAGECOURT_VERSION_TEXT) + u'\n');
        return ExitOk;
    }

    QStringList positional = m_parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(u"no command given"_s);
    const QString command = positional.takeFirst();
    if (m_parser.isSet(m_header) && command != u"batch"_s)
        return usageError(u"--header is for batch only"_s);
    if (command == u"calc"_s)
        return calc(positional);
    if (command == u"advise"_s)
        return advise(positional);
    if (command == u"import"_s)
        return importList(positional);
    if (command == u"batch"_s)
        return batch(positional);
    if (command == u"languages"_s)
        return languages(positional);
    return usageError(u"unknown command '%1'"_s.arg(command));
}

} // namespace

int run(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err)
{
    Session session(in, out, err);
    return session.run(arguments);
}

} // namespace wagecourt::cli
