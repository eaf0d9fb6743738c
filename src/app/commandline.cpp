#include "app/commandline.h"

#include "presentation/plantext.h"
#include "presentation/windowtexts.h"
#include "version.h"

#include <QCommandLineParser>

namespace wagecourt::app {

using namespace Qt::StringLiterals;

namespace {

// QApplication's and its platform plugins' options, so that they pass.
const char *const kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowicon", "icon", "qwindowtitle", "title", "session", "style", "stylesheet",
    "display", "name", "visual", "qmljsdebugger",
};
const char *const kToolkitFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

QString usageError(const QString &message, const QString &help)
{
    return u"wagecourt: "_s + message + u"\n\n"_s + help;
}

// The argument as the user typed it, for the error message.
QString typedArgument(const QStringList &arguments, const QString &optionName)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        while (name.startsWith(u'-'))
            name.remove(0, 1);
        if (name.section(u'=', 0, 0) == optionName)
            return arguments.at(i);
    }
    return u"-"_s + optionName;
}

QString quoted(const QString &value) { return u"'"_s + value + u"'"_s; }

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Like the toolkit's own: "-platform xcb", not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(windowtext::kWindowSummary.translated());
    const QCommandLineOption help({u"h"_s, u"help"_s}, windowtext::kWindowHelpOption.translated());
    const QCommandLineOption version({u"v"_s, u"version"_s}, windowtext::kWindowVersionOption.translated());
    parser.addOption(help);
    parser.addOption(version);

    QCommandLineOption quitAfterFirstFrame(u"quit-after-first-frame"_s);
    quitAfterFirstFrame.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitAfterFirstFrame);
    for (const char *name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Without an application object the parser knows no program name.
    const QString helpText = windowtext::kWindowUsage.translated() + u'\n' + parser.helpText().section(u'\n', 1)
        + u'\n' + windowtext::kToolkitOptions.translated() + u'\n';

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::UsageError;
        const QStringList unknown = parser.unknownOptionNames();
        QString message = parser.errorText();
        if (!unknown.isEmpty()) {
            message = windowtext::kWindowUnknownOption.translated().arg(quoted(typedArgument(arguments, unknown.first())));
        } else if (!message.isEmpty()) {
            message[0] = message.at(0).toLower();
            if (message.endsWith(u'.'))
                message.chop(1);
        }
        result.text = usageError(message, helpText);
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.text = helpText;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = plantext::versionText() + u'\n';
        return result;
    }
    // One wagecourt: link, as the desktop passes a clicked one; nothing else.
    QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && positional.first().startsWith(u"wagecourt:"_s, Qt::CaseInsensitive))
        result.link = positional.takeFirst();
    if (!positional.isEmpty()) {
        result.action = CommandLine::Action::UsageError;
        result.text = usageError(windowtext::kUnexpectedArgument.translated().arg(quoted(positional.first())), helpText);
        return result;
    }
    result.platform = parser.value(u"platform"_s);
    result.display = parser.value(u"display"_s);
    result.quitAfterFirstFrame = parser.isSet(quitAfterFirstFrame);
    return result;
}

} // namespace wagecourt::app
