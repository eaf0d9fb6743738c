#include "cli/commands.h"

#include "cli/batch.h"
#include "cli/book.h"
#include "cli/session.h"
#include "engine/advice.h"
#include "engine/salary.h"
#include "presentation/clitexts.h"
#include "presentation/plantext.h"
#include "presentation/windowtexts.h"
#include "presentation/resulttext.h"
#include "format/resultformat.h"
#include "usecases/readlist.h"
#include "usecases/planning.h"
#include "usecases/playerview.h"
#include "version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kAutoLanguage = u"auto";

// calc, advise, import, batch and languages.
class Commands : public CommandSession
{
public:
    Commands(QIODevice &in, QIODevice &out, QIODevice &err) : CommandSession(in, out, err) {}

    int run(const QStringList &arguments);

private:

    std::optional<const LanguageEntry *> languageOption(bool allowAuto);
    std::optional<SkillLevels> levelArguments(const QString &command, const QStringList &arguments);
    int calc(const QStringList &levels);
    int plan(const QStringList &levels);
    int advise(const QStringList &levels);
    int importList(const QStringList &files);
    // Reports a refused list: as JSON where asked, and for people on standard error.
    int rejectList(const usecase::Refusal &refusal);
    int batch(const QStringList &extra);
    int languages(const QStringList &extra);
    void printResult(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result);
    QString badArgument(const QStringList &arguments) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_lang{u"lang"_s, clitext::kLangOption.translated().arg(wagecourt::languages().front().name),
                              u"NAME"_s, wagecourt::languages().front().name.toString()};
    QCommandLineOption m_json{u"json"_s, clitext::kJsonOption.translated()};
    QCommandLineOption m_header{u"header"_s, clitext::kHeaderOption.translated()};
    QCommandLineOption m_shown{u"shown"_s, clitext::kShownOption.translated(), u"SALARY"_s};
    QCommandLineOption m_to{u"to"_s, clitext::kToOption.translated(), u"SKILL=LEVEL"_s};
    QCommandLineOption m_limit{u"limit"_s, clitext::kLimitOption.translated(), u"SALARY"_s};
    QCommandLineOption m_cheapest{u"cheapest"_s, clitext::kCheapestOption.translated(), u"N"_s};
    QCommandLineOption m_skills{u"skills"_s, clitext::kSkillsOption.translated(), u"LIST"_s};
    QCommandLineOption m_help{{u"h"_s, u"help"_s}, clitext::kHelpOption.translated()};
    QCommandLineOption m_version{{u"v"_s, u"version"_s}, clitext::kVersionOption.translated()};
};

// QCommandLineParser takes "-3" for an option; name the argument the user wrote.
QString Commands::badArgument(const QStringList &arguments) const
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--"_s)
            break;
        if (!argument.startsWith(u'-') || argument == u"-"_s)
            continue;
        const QString name = argument.section(u'=', 0, 0);
        if (name == u"--lang"_s || name == u"--shown"_s || name == u"--to"_s || name == u"--limit"_s
            || name == u"--cheapest"_s || name == u"--skills"_s) {
            i += argument.contains(u'=') ? 0 : 1;
            continue;
        }
        if (name != u"--json"_s && name != u"--header"_s && name != u"--help"_s && name != u"-h"_s
            && name != u"--version"_s && name != u"-v"_s)
            return argument;
    }
    return {};
}

std::optional<const LanguageEntry *> Commands::languageOption(bool allowAuto)
{
    const QString name = m_parser.value(m_lang);
    // import reads any language unless one is named; 'auto' says so outright.
    if (allowAuto && (!m_parser.isSet(m_lang) || name.trimmed().compare(kAutoLanguage, Qt::CaseInsensitive) == 0))
        return nullptr;
    if (const LanguageEntry *entry = findLanguage(name, LanguageMatch::Loose))
        return entry;
    QStringList known;
    for (const LanguageEntry &entry : wagecourt::languages())
        known << u"%1 (%2)"_s.arg(entry.name, languageCode(entry));
    usageError(clitext::kUnknownLanguage.translated().arg(name, known.join(u", "_s)));
    return std::nullopt;
}

void Commands::printResult(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result)
{
    if (m_parser.isSet(m_json))
        m_out.write(format::jsonLine(format::resultObject(language, levels, result)));
    else
        writeOut(resultTable(language, result));
}

std::optional<SkillLevels> Commands::levelArguments(const QString &command, const QStringList &arguments)
{
    if (arguments.size() != kSalarySkillCount) {
        usageError(clitext::kTenLevelsWanted.translated(int(arguments.size())).arg(command));
        return std::nullopt;
    }
    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QString &argument = arguments[k - 1];
        bool ok = false;
        const int level = argument.toInt(&ok);
        if (!ok || !isValidLevel(level)) {
            usageError(clitext::kNumberedLevelNotALevel.translated().arg(k).arg(argument));
            return std::nullopt;
        }
        levels[k] = qint16(level);
    }
    return levels;
}

int Commands::calc(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    const auto levels = levelArguments(u"calc"_s, arguments);
    if (!levels)
        return ExitUsage;
    if (!m_parser.isSet(m_shown)) {
        printResult(**language, *levels, usecase::salaryOf(*levels));
        return ExitOk;
    }
    qint32 shown = 0;
    if (const usecase::Parsed salary = usecase::parseSalary(m_parser.value(m_shown), &shown); !salary.ok())
        return usageError(salary.problemText);
    // The game's salary against ours: a mismatch is named, with a report to send.
    const usecase::ShownCheck check = usecase::checkShown(**language, *levels, shown);
    if (m_parser.isSet(m_json)) {
        QJsonObject object = format::resultObject(**language, *levels, check.result);
        object.insert(u"shown"_s, shown);
        object.insert(u"matches"_s, check.matches);
        m_out.write(format::jsonLine(object));
    } else {
        writeOut(resultTable(**language, check.result));
    }
    writeErr(check.text + u'\n' + (check.matches ? QString() : u'\n' + check.report));
    return check.matches ? ExitOk : ExitRejected;
}

int Commands::plan(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    const auto levels = levelArguments(u"plan"_s, arguments);
    if (!levels)
        return ExitUsage;
    usecase::PlanRequest request;
    request.levels = *levels;
    for (const QString &to : m_parser.values(m_to)) {
        planner::PlanTarget target;
        if (const usecase::Parsed read = usecase::parseTarget(to, &target); !read.ok())
            return usageError(read.problemText);
        request.targets << target;
    }
    if (m_parser.isSet(m_limit)) {
        qint32 limit = 0;
        if (const usecase::Parsed read = usecase::parseSalary(m_parser.value(m_limit), &limit); !read.ok())
            return usageError(read.problemText);
        request.limit = limit;
    }
    if (m_parser.isSet(m_cheapest)) {
        int raises = 0;
        if (const usecase::Parsed read = usecase::parseRaises(m_parser.value(m_cheapest), &raises); !read.ok())
            return usageError(read.problemText);
        request.cheapest = raises;
    }
    if (m_parser.isSet(m_skills))
        if (const usecase::Parsed read = usecase::parseSkills(m_parser.value(m_skills), &request.skills); !read.ok())
            return usageError(read.problemText);
    const std::optional<usecase::PlanAnswer> answer = usecase::planPlayer(request);
    Q_ASSERT(answer); // every input was checked above
    if (m_parser.isSet(m_json)) {
        m_out.write(format::jsonLine(format::planObject(**language, *answer, request.limit)));
    } else {
        QString text = plantext::worthTable(**language, answer->worth);
        if (answer->plan)
            text += u'\n' + plantext::planTable(**language, *answer->plan);
        if (answer->within)
            text += u'\n' + plantext::withinTable(**language, *request.limit, *answer->within,
                                                  answer->worth.current.salary, answer->passedAt,
                                                  answer->plan.has_value());
        if (answer->cheapest)
            text += u'\n' + plantext::cheapestTable(**language, *answer->cheapest);
        writeOut(text);
    }
    if (!answer->problemText.isEmpty())
        return failed(answer->problemText);
    return ExitOk;
}

int Commands::advise(const QStringList &arguments)
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
        m_out.write(format::jsonLine(format::adviceObject(**language, *advice)));
    else
        writeOut(adviceTable(**language, *advice));
    return ExitOk;
}

int Commands::importList(const QStringList &arguments)
{
    const auto language = languageOption(true);
    if (!language)
        return ExitUsage;
    if (arguments.size() > 1)
        return usageError(clitext::kOneListOnly.translated(int(arguments.size())));

    int status = ExitOk;
    const std::optional<QByteArray> bytes = readInput(arguments.value(0, u"-"_s), usecase::kMostPastedBytes, &status);
    if (!bytes)
        return status;
    // Without a language named, the first in list order that reads the list.
    const usecase::ReadOutcome read = usecase::readPastedBytes(
            *bytes, *language, *language ? LanguageSearch::OnlyFirst : LanguageSearch::AnyLanguage);
    if (!read.accepted())
        return rejectList(read.refusal);
    if (m_parser.isSet(m_json))
        m_out.write(format::jsonLine(format::acceptedObject(*read.list)));
    else
        writeOut(resultTable(*read.list->language, read.list->result));
    return ExitOk;
}

int Commands::rejectList(const usecase::Refusal &refusal)
{
    if (m_parser.isSet(m_json))
        m_out.write(format::jsonLine(format::refusalObject(refusal)));
    writeErr(windowtext::kErrorText.translated() + u'\n' + refusal.detail(Reader::Person) + u'\n');
    return ExitRejected;
}

int Commands::batch(const QStringList &arguments)
{
    const auto language = languageOption(false);
    if (!language)
        return ExitUsage;
    if (arguments.size() > 1)
        return usageError(clitext::kOneRosterOnly.translated(int(arguments.size())));
    const bool json = m_parser.isSet(m_json);
    if (json && m_parser.isSet(m_header))
        return usageError(clitext::kHeaderIsForCsv.translated());

    const QString path = arguments.value(0, u"-"_s);
    QFile file(path);
    if (path != u"-"_s && !file.open(QIODevice::ReadOnly))
        return usageError(clitext::kCannotRead.translated().arg(path, file.errorString()));
    return runBatch(path == u"-"_s ? m_in : file, m_out, m_err, **language,
                    json ? OutputFormat::Json : OutputFormat::Text, m_parser.isSet(m_header));
}

int Commands::languages(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(clitext::kNoArgumentsWanted.translated().arg(arguments.first()));
    if (m_parser.isSet(m_json)) {
        m_out.write(format::languagesJson());
    } else {
        writeOut(languageNames().join(u'\n') + u'\n');
    }
    return ExitOk;
}

int Commands::run(const QStringList &arguments)
{
    m_parser.addOptions({m_lang, m_json, m_header, m_shown, m_to, m_limit, m_cheapest, m_skills, m_help, m_version});

    if (!m_parser.parse(arguments)) {
        const QString bad = badArgument(arguments);
        if (bad.isEmpty())
            return usageError(m_parser.errorText());
        bool isNumber = false;
        bad.toInt(&isNumber);
        return usageError((isNumber ? clitext::kLevelNotALevel : clitext::kUnknownOption).translated().arg(bad));
    }
    if (const QString twice = givenTwiceText(m_parser, {&m_lang, &m_shown, &m_limit, &m_cheapest, &m_skills});
        !twice.isEmpty())
        return usageError(twice);
    if (m_parser.isSet(m_help)) {
        // The parser's own text for the options, between the commands and the exit status.
        writeOut(clitext::usageText(m_parser.helpText().section(u'\n', 2).trimmed() + u'\n'));
        return ExitOk;
    }
    if (m_parser.isSet(m_version)) {
        writeOut(plantext::versionText() + u'\n');
        return ExitOk;
    }

    QStringList positional = m_parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(clitext::kNoCommand.translated());
    const QString command = positional.takeFirst();
    if (m_parser.isSet(m_header) && command != u"batch"_s)
        return usageError(clitext::kHeaderIsForBatch.translated());
    for (const QCommandLineOption *option : {&m_to, &m_limit, &m_cheapest, &m_skills})
        if (m_parser.isSet(*option) && command != u"plan"_s)
            return usageError(clitext::kOptionForCommand.translated().arg(u"--"_s + option->names().front(), u"plan"_s));
    if (m_parser.isSet(m_shown) && command != u"calc"_s)
        return usageError(clitext::kOptionForCommand.translated().arg(u"--shown"_s, u"calc"_s));
    if (command == u"plan"_s)
        return plan(positional);
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
    return usageError(clitext::kUnknownCommand.translated().arg(command));
}

} // namespace

int run(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err)
{
    if (isBookCommand(arguments))
        return runBook(arguments, in, out, err);
    Commands commands(in, out, err);
    return commands.run(arguments);
}

} // namespace wagecourt::cli
