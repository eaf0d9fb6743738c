#include "commands.h"

#include "batch.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "resultformat.h"
#include "version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonObject>
#include <QStringDecoder>

#include <optional>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kAutoLanguage = u"auto";

const QString kUsage = uR"(Usage:
  wagecourt-cli calc L1 ... L10 [--lang NAME] [--json]
  wagecourt-cli import [--lang NAME|auto] [--json] [FILE|-]
  wagecourt-cli batch [--lang NAME] [--json]
  wagecourt-cli languages

Levels are whole numbers from 1 to 20 in the game's order: Jump Shot, Jump Range,
Outside Def., Handling, Driving, Passing, Inside Shot, Inside Def., Rebounding,
Shot Blocking.

  calc       the salary of one player
  import     read one copied skill list (UTF-8) from FILE or standard input,
             exactly as the window's "Calculate Salary" reads the clipboard
  batch      one player per line on standard input, one result line out
             (CSV: levels, salary, position, position name)
  languages  the game languages, one per line

Exit status: 0 done, 1 a list rejected or a batch line bad, 2 a usage error.
)"_s;

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
    int calc(const QStringList &levels);
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
    QCommandLineOption m_lang{u"lang"_s, u"Game language (see 'languages'); import also takes 'auto'."_s,
                              u"NAME"_s, u"English"_s};
    QCommandLineOption m_json{u"json"_s, u"Print JSON instead of a table."_s};
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
        if (name != u"--json"_s && name != u"--help"_s && name != u"-h"_s && name != u"--version"_s
            && name != u"-v"_s)
            return argument;
    }
    return {};
}

std::optional<const LanguageEntry *> Session::languageOption(bool allowAuto)
{
    const QString name = m_parser.value(m_lang);
    if (allowAuto && name == kAutoLanguage)
        return nullptr;
    if (const LanguageEntry *entry = findLanguage(name))
        return entry;
    usageError(u"unknown language '%1'; the languages are: %2"_s.arg(name, languageNames().join(u", "_s)));
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

int Session::calc(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    if (arguments.size() != kSalarySkillCount)
        return usageError(u"calc takes ten levels, %1 given"_s.arg(arguments.size()));

    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QString &argument = arguments[k - 1];
        bool ok = false;
        const int level = argument.toInt(&ok);
        if (!ok || !isValidLevel(level))
            return usageError(u"level %1 '%2' is not a whole number from 1 to 20"_s.arg(k).arg(argument));
        levels[k] = qint16(level);
    }
    const auto result = computeSalary(levels);
    Q_ASSERT(result);
    printResult(**language, levels, *result, false);
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

    // With 'auto', the first language in list order that accepts the list; when
    // none does, the report names the first that at least passed the check.
    const LanguageEntry *reported = nullptr;
    SkillListImport outcome;
    for (const LanguageEntry &candidate : wagecourt::languages()) {
        if (*language && &candidate != *language)
            continue;
        SkillListImport attempt = importSkillList(text, candidate.skillCaption(1), candidate.levelNameTable());
        if (attempt.accepted()) {
            const auto result = computeSalary(attempt.levels);
            Q_ASSERT(result);
            printResult(candidate, attempt.levels, *result, true);
            return ExitOk;
        }
        if (!reported
            || (attempt.outcome == ImportOutcome::LevelUnreadable && outcome.outcome == ImportOutcome::CheckFailed)) {
            reported = &candidate;
            outcome = std::move(attempt);
        }
    }

    const bool checkFailed = outcome.outcome == ImportOutcome::CheckFailed;
    const bool named = *language || !checkFailed;
    return rejectList(named ? reported : nullptr,
                      named ? rejectionDetail(outcome, *reported) : u"Not a skill list in any of the game languages."_s,
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
    if (!arguments.isEmpty())
        return usageError(u"batch reads standard input and takes no arguments, '%1' given"_s.arg(arguments.first()));
    return runBatch(m_in, m_out, m_err, **language,
                    m_parser.isSet(m_json) ? OutputFormat::Json : OutputFormat::Text);
}

int Session::languages(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(u"languages takes no arguments, '%1' given"_s.arg(arguments.first()));
    writeOut(languageNames().join(u'\n') + u'\n');
    return ExitOk;
}

int Session::run(const QStringList &arguments)
{
    m_parser.addOptions({m_lang, m_json, m_help, m_version});

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
        // The parser's own text for the options, under our usage lines.
        writeOut(kUsage + u'\n' + m_parser.helpText().section(u'\n', 2).trimmed() + u'\n');
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
    if (command == u"calc"_s)
        return calc(positional);
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
