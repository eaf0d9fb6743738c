#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif
#ifdef WAGECOURT_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace wagecourt::ui {

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
    parser.setApplicationDescription(u"Work out the weekly salary of a Courtlore player from his skill list,\n"
                                     "copied from the game's page."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and exit."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version and exit."_s);
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
    const QString helpText = u"Usage: wagecourt [options]\n"_s + parser.helpText().section(u'\n', 1)
        + u"\nThe toolkit's own options, such as -platform NAME, -display DISPLAY or\n"
          "-style NAME, are accepted too.\n"_s;

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::UsageError;
        const QStringList unknown = parser.unknownOptionNames();
        QString message = parser.errorText();
        if (!unknown.isEmpty()) {
            message = u"unknown option "_s + quoted(typedArgument(arguments, unknown.first()));
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
        result.text = QStringLiteral(WAGECOURT_VERSION_TEXT) + u'\n';
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::UsageError;
        result.text = usageError(u"unexpected argument "_s + quoted(parser.positionalArguments().first()),
                                 helpText);
        return result;
    }
    result.platform = parser.value(u"platform"_s);
    result.display = parser.value(u"display"_s);
    result.quitAfterFirstFrame = parser.isSet(quitAfterFirstFrame);
    return result;
}

PlatformChoice choosePlatform(const DisplayEnvironment &environment)
{
    const QString noDisplay = u"wagecourt: no display to open the window on ("_s;
    PlatformChoice choice;
    if (!environment.platformAskedFor.isEmpty()) {
        choice.failure = u"wagecourt: the window cannot open on the platform "_s
            + quoted(environment.platformAskedFor)
            + u" that was asked for (its Qt plugin is missing, or it found no display)"_s;
        return choice;
    }
    const bool hasX = !environment.display.isEmpty();
    const bool hasWayland = !environment.waylandDisplay.isEmpty();
    const QString xServer = hasX ? u"no X server answers at DISPLAY "_s + quoted(environment.display)
                                 : u"DISPLAY is not set"_s;
    if (!hasX && !hasWayland) {
        choice.refusal = noDisplay + u"DISPLAY and WAYLAND_DISPLAY are not set)"_s;
        return choice;
    }
    if (!hasWayland) {
        // A plain X11 session: no probe, the toolkit finds out soon enough.
        choice.platform = "xcb";
        choice.failure = noDisplay + xServer + u')';
        return choice;
    }
    const QString compositor = quoted(environment.waylandDisplay);
    if (hasX && environment.xServerAnswers && environment.xServerAnswers()) {
        choice.platform = "xcb;wayland";
        choice.failure = u"wagecourt: the window could start neither on the X server at DISPLAY "_s
            + quoted(environment.display) + u" nor on the Wayland compositor at WAYLAND_DISPLAY "_s
            + compositor;
        return choice;
    }
    if (environment.waylandCompositorAnswers && environment.waylandCompositorAnswers()) {
        choice.platform = "wayland";
        choice.failure = noDisplay + xServer
            + u", and Qt's Wayland platform, from the qt6-wayland package, did not start)"_s;
        return choice;
    }
    choice.refusal = noDisplay + xServer + u", and no Wayland compositor answers at WAYLAND_DISPLAY "_s
        + compositor + u')';
    return choice;
}

namespace {

bool xServerAnswers(const QByteArray &display)
{
#ifdef WAGECOURT_HAVE_XCB
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    Q_UNUSED(display);
    return true; // let the toolkit try
#endif
}

bool waylandCompositorAnswers(const QByteArray &waylandDisplay)
{
#if defined(Q_OS_UNIX)
    // The socket lies where the Wayland client library looks for it.
    QByteArray path = waylandDisplay;
    if (!path.startsWith('/')) {
        const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
        if (runtimeDir.isEmpty())
            return false;
        path = runtimeDir + '/' + path;
    }
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
#else
    Q_UNUSED(waylandDisplay);
    return false;
#endif
}

} // namespace

DisplayEnvironment currentDisplayEnvironment(const CommandLine &commandLine)
{
    DisplayEnvironment environment;
    environment.platformAskedFor = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (environment.platformAskedFor.isEmpty())
        environment.platformAskedFor = commandLine.platform;
    environment.display = commandLine.display.isEmpty() ? qEnvironmentVariable("DISPLAY") : commandLine.display;
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QByteArray display = environment.display.toLocal8Bit();
    const QByteArray waylandDisplay = environment.waylandDisplay.toLocal8Bit();
    environment.xServerAnswers = [display] { return xServerAnswers(display); };
    environment.waylandCompositorAnswers = [waylandDisplay] { return waylandCompositorAnswers(waylandDisplay); };
    return environment;
}

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct GuardState
{
    std::mutex mutex;
    QByteArray failure;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
};

GuardState &guardState()
{
    static GuardState state;
    return state;
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    GuardState &state = guardState();
    if (type == QtFatalMsg) {
        // Qt would abort right after this returns.
        std::fputs(state.failure.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(state.mutex);
    state.held.push_back({type, QByteArray(context.category), text});
}

} // namespace

PlatformStartGuard::PlatformStartGuard(const QString &failure)
{
    GuardState &state = guardState();
    state.failure = (failure.isEmpty() ? u"wagecourt: the window cannot open: no platform could start"_s
                                       : failure).toLocal8Bit()
        + '\n';
    state.previous = qInstallMessageHandler(holdMessage);
}

PlatformStartGuard::~PlatformStartGuard()
{
    GuardState &state = guardState();
    qInstallMessageHandler(state.previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(state.mutex);
        held.swap(state.held);
    }
    // Through whatever handler is in place again.
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace wagecourt::ui
