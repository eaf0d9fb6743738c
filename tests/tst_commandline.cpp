#include "app/commandline.h"
#include "app/linkinbox.h"
#include "app/platformchoice.h"
#include "app/startguard.h"
#include "version.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace wagecourt::app;
using namespace Qt::StringLiterals;

namespace {

using Action = CommandLine::Action;

const QString kNoDisplay = u"wagecourt: no display to open the window on ("_s;

QStringList capturedMessages;
void captureMessage(QtMsgType, const QMessageLogContext &, const QString &text) { capturedMessages << text; }

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void choosePlatform_data();
    void choosePlatform();
    void guardPassesMessagesOnWhenThePlatformStarts();
    void program_data();
    void program();
    void linkGoesToTheWindowOpen();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("firstLine"); // of the text; empty when Run
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("quitAfterFirstFrame");
    QTest::addColumn<QString>("link");

    const auto run = int(Action::Run);
    const auto help = int(Action::Help);
    const auto error = int(Action::UsageError);
    const QString usage = u"Usage: wagecourt [options] [wagecourt:LINK]"_s;
    const QString version = QStringLiteral(WAGECOURT_VERSION_TEXT " (formula 1)");
    QTest::newRow("nothing") << QStringList{} << run << QString() << QString() << QString() << false << QString();
    QTest::newRow("-h") << QStringList{u"-h"_s} << help << usage << QString() << QString() << false << QString();
    QTest::newRow("--help") << QStringList{u"--help"_s} << help << usage << QString() << QString() << false << QString();
    QTest::newRow("-help") << QStringList{u"-help"_s} << help << usage << QString() << QString() << false << QString();
    QTest::newRow("-v") << QStringList{u"-v"_s} << int(Action::Version) << version << QString() << QString() << false << QString();
    QTest::newRow("--version") << QStringList{u"--version"_s} << int(Action::Version) << version << QString()
                               << QString() << false << QString();
    QTest::newRow("unknown long") << QStringList{u"--bogus"_s} << error << u"wagecourt: unknown option '--bogus'"_s
                                  << QString() << QString() << false << QString();
    QTest::newRow("unknown with value") << QStringList{u"--colour=red"_s} << error
                                        << u"wagecourt: unknown option '--colour=red'"_s << QString() << QString()
                                        << false << QString();
    QTest::newRow("unknown short") << QStringList{u"-x"_s} << error << u"wagecourt: unknown option '-x'"_s
                                   << QString() << QString() << false << QString();
    QTest::newRow("unknown after help") << QStringList{u"--help"_s, u"--bogus"_s} << error
                                        << u"wagecourt: unknown option '--bogus'"_s << QString() << QString() << false << QString();
    QTest::newRow("argument") << QStringList{u"roster.txt"_s} << error
                              << u"wagecourt: unexpected argument 'roster.txt'"_s << QString() << QString() << false << QString();
    QTest::newRow("missing value") << QStringList{u"-platform"_s} << error
                                   << u"wagecourt: missing value after '-platform'"_s << QString() << QString()
                                   << false << QString();
    QTest::newRow("toolkit platform") << QStringList{u"-platform"_s, u"wayland"_s} << run << QString()
                                      << u"wayland"_s << QString() << false << QString();
    QTest::newRow("toolkit platform with =") << QStringList{u"--platform=xcb"_s} << run << QString() << u"xcb"_s
                                             << QString() << false << QString();
    QTest::newRow("toolkit display") << QStringList{u"-display"_s, u":3"_s} << run << QString() << QString()
                                     << u":3"_s << false << QString();
    QTest::newRow("toolkit style and flag") << QStringList{u"-style=fusion"_s, u"-reverse"_s} << run << QString()
                                            << QString() << QString() << false << QString();
    QTest::newRow("benchmark") << QStringList{u"--quit-after-first-frame"_s} << run << QString() << QString()
                               << QString() << true << QString();
    const QString link = u"wagecourt:book?v1.AbC-_9"_s;
    QTest::newRow("link") << QStringList{link} << run << QString() << QString() << QString() << false << link;
    QTest::newRow("link, scheme in capitals") << QStringList{u"WAGECOURT:book?x"_s} << run << QString() << QString()
                                              << QString() << false << u"WAGECOURT:book?x"_s;
    QTest::newRow("link and a file") << QStringList{link, u"roster.txt"_s} << error
                                     << u"wagecourt: unexpected argument 'roster.txt'"_s << QString() << QString()
                                     << false << link;
    QTest::newRow("two links") << QStringList{link, link} << error
                               << u"wagecourt: unexpected argument '"_s + link + u"'"_s << QString() << QString()
                               << false << link;
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, firstLine);
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(bool, quitAfterFirstFrame);
    QFETCH(QString, link);

    const CommandLine commandLine = parseCommandLine(QStringList{u"wagecourt"_s} + arguments);
    QCOMPARE(int(commandLine.action), action);
    QCOMPARE(commandLine.text.section(u'\n', 0, 0), firstLine);
    QCOMPARE(commandLine.platform, platform);
    QCOMPARE(commandLine.display, display);
    QCOMPARE(commandLine.quitAfterFirstFrame, quitAfterFirstFrame);
    QCOMPARE(commandLine.link, link);
    if (action == int(Action::Help) || action == int(Action::UsageError)) {
        QVERIFY(commandLine.text.contains(u"-h, --help"_s));
        QVERIFY(commandLine.text.contains(u"-v, --version"_s));
        QVERIFY(!commandLine.text.contains(u"quit-after-first-frame"_s));
        QVERIFY(!commandLine.text.contains(u"<value>"_s)); // the toolkit's options stay out of the list
        for (const QString &line : commandLine.text.split(u'\n'))
            QVERIFY2(line.size() <= 80, qPrintable(line));
    }
}

void CommandLineTest::choosePlatform_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("xAnswers");
    QTest::addColumn<bool>("waylandAnswers");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("probed");

    QTest::newRow("asked for") << u"offscreen"_s << QString() << QString() << false << false << QByteArray()
                               << QString() << u"platform 'offscreen' that was asked for"_s << false;
    QTest::newRow("asked for, Wayland there") << u"wayland"_s << u":0"_s << u"wayland-0"_s << true << true
                                              << QByteArray() << QString() << u"platform 'wayland'"_s << false;
    QTest::newRow("no display") << QString() << QString() << QString() << true << true << QByteArray()
                                << kNoDisplay + u"DISPLAY and WAYLAND_DISPLAY are not set)"_s << QString() << false;
    // A plain X11 start takes no probe; the toolkit reports a dead server.
    QTest::newRow("X11") << QString() << u":0"_s << QString() << false << false << QByteArray("xcb") << QString()
                         << kNoDisplay + u"no X server answers at DISPLAY ':0')"_s << false;
    QTest::newRow("XWayland") << QString() << u":1"_s << u"wayland-0"_s << true << true
                              << QByteArray("xcb;wayland") << QString() << u"X server at DISPLAY ':1'"_s << true;
    QTest::newRow("stale DISPLAY") << QString() << u":1"_s << u"wayland-0"_s << false << true
                                   << QByteArray("wayland") << QString() << u"qt6-wayland"_s << true;
    QTest::newRow("Wayland only") << QString() << QString() << u"wayland-0"_s << true << true
                                  << QByteArray("wayland") << QString() << kNoDisplay + u"DISPLAY is not set, "_s
                                  << true;
    QTest::newRow("nothing answers")
        << QString() << u":1"_s << u"wayland-0"_s << false << false << QByteArray()
        << kNoDisplay + u"no X server answers at DISPLAY ':1', and no Wayland compositor answers at WAYLAND_DISPLAY "
                        "'wayland-0')"_s
        << QString() << true;
    QTest::newRow("no compositor, no DISPLAY")
        << QString() << QString() << u"wayland-1"_s << true << false << QByteArray()
        << kNoDisplay + u"DISPLAY is not set, and no Wayland compositor answers at WAYLAND_DISPLAY 'wayland-1')"_s
        << QString() << true;
}

void CommandLineTest::choosePlatform()
{
    QFETCH(QString, asked);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(bool, xAnswers);
    QFETCH(bool, waylandAnswers);
    QFETCH(QByteArray, platform);
    QFETCH(QString, refusal);
    QFETCH(QString, failure);
    QFETCH(bool, probed);

    int probes = 0;
    const DisplayEnvironment environment{asked, display, wayland,
                                         [&] { ++probes; return xAnswers; },
                                         [&] { ++probes; return waylandAnswers; }};
    const PlatformChoice choice = wagecourt::app::choosePlatform(environment);
    QCOMPARE(choice.platform, platform);
    QCOMPARE(choice.refusal, refusal);
    if (refusal.isEmpty())
        QVERIFY2(choice.failure.startsWith(u"wagecourt: "_s) && choice.failure.contains(failure),
                 qPrintable(choice.failure));
    QCOMPARE(probes > 0, probed);
}

void CommandLineTest::guardPassesMessagesOnWhenThePlatformStarts()
{
    capturedMessages.clear();
    const QtMessageHandler before = qInstallMessageHandler(captureMessage);
    {
        PlatformStartGuard guard(u"wagecourt: failed"_s);
        qWarning("held back");
        QVERIFY(capturedMessages.isEmpty());
    }
    qWarning("passed straight on");
    qInstallMessageHandler(before);
    QCOMPARE(capturedMessages, (QStringList{u"held back"_s, u"passed straight on"_s}));
}

void CommandLineTest::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // NAME=value sets, NAME unsets
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // how it begins
    QTest::addColumn<QString>("err"); // the whole of it, or its first line when the usage follows

    const QStringList noDisplay{u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s};
    const QString usage = u"Usage: wagecourt [options] [wagecourt:LINK]"_s;
    QTest::newRow("--help without a display") << QStringList{u"--help"_s} << noDisplay << 0 << usage << QString();
    QTest::newRow("-v without a display") << QStringList{u"-v"_s} << noDisplay << 0
                                          << QStringLiteral(WAGECOURT_VERSION_TEXT " (formula 1)") << QString();
    // A platform that would open the window: it must not get the chance.
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << QStringList{u"QT_QPA_PLATFORM=offscreen"_s}
                                    << 2 << QString() << u"wagecourt: unknown option '--bogus'"_s;
    const QStringList german = noDisplay + QStringList{u"LC_ALL"_s, u"LANGUAGE"_s, u"LANG=de_DE.UTF-8"_s};
    QTest::newRow("--help in German") << QStringList{u"--help"_s} << german << 0
                                      << u"Aufruf: wagecourt [options] [wagecourt:LINK]\nBerechnet das Wochengehalt"_s << QString();
    QTest::newRow("LANGUAGE first") << QStringList{u"-help"_s} << german + QStringList{u"LANGUAGE=pl"_s} << 0
                                    << u"Użycie: wagecourt [options] [wagecourt:LINK]"_s << QString();
    QTest::newRow("LC_ALL=C over LANG")
            << QStringList{u"--help"_s} << noDisplay + QStringList{u"LC_ALL=C"_s, u"LANG=de_DE.UTF-8"_s} << 0 << usage
            << QString();
    QTest::newRow("unknown option in French") << QStringList{u"--bogus"_s}
                                              << german + QStringList{u"LANG=fr_FR.UTF-8"_s} << 2 << QString()
                                              << u"wagecourt: option inconnue '--bogus'"_s;
    QTest::newRow("no display") << QStringList{} << noDisplay << 1 << QString()
                                << kNoDisplay + u"DISPLAY and WAYLAND_DISPLAY are not set)\n"_s;
    QTest::newRow("dead X server")
        << QStringList{} << QStringList{u"DISPLAY=:4091"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s} << 1
        << QString() << kNoDisplay + u"no X server answers at DISPLAY ':4091')\n"_s;
    QTest::newRow("dead X server and compositor")
        << QStringList{} << QStringList{u"DISPLAY=:4091"_s, u"WAYLAND_DISPLAY=wagecourt-none"_s, u"QT_QPA_PLATFORM"_s}
        << 1 << QString()
        << kNoDisplay + u"no X server answers at DISPLAY ':4091', and no Wayland compositor answers at "
                        "WAYLAND_DISPLAY 'wagecourt-none')\n"_s;
    QTest::newRow("platform without a plugin")
        << QStringList{} << QStringList{u"QT_QPA_PLATFORM=wagecourt-none"_s} << 1 << QString()
        << u"wagecourt: the window cannot open on the platform 'wagecourt-none' that was asked for (its Qt plugin "
           "is missing, or it found no display)\n"_s;
    QTest::newRow("benchmark option") << QStringList{u"--quit-after-first-frame"_s}
                                      << QStringList{u"QT_QPA_PLATFORM=offscreen"_s} << 0 << u"first-frame"_s
                                      << QString();
}

void CommandLineTest::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    processEnvironment.insert(u"XDG_CONFIG_HOME"_s, scratch.path());
    processEnvironment.insert(u"XDG_DATA_HOME"_s, scratch.path());
    processEnvironment.insert(u"XDG_RUNTIME_DIR"_s, scratch.path());
    for (const QString &setting : environment) {
        if (setting.contains(u'='))
            processEnvironment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        else
            processEnvironment.remove(setting);
    }
    QProcess process;
    process.setProcessEnvironment(processEnvironment);
    process.start(QStringLiteral(WAGECOURT_WINDOW_PATH), arguments);
    QVERIFY(process.waitForStarted());
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        QFAIL("still running: it opened a window");
    }
    const QString standardOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString standardErr = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QVERIFY2(out.isEmpty() ? standardOut.isEmpty() : standardOut.startsWith(out), qPrintable(standardOut));
    if (status == 2) {
        QCOMPARE(standardErr.section(u'\n', 0, 0), err);
        QVERIFY(standardErr.contains(u" wagecourt [options] [wagecourt:LINK]\n"_s));
    } else {
        QCOMPARE(standardErr, err);
    }
}

// A second start given a link leaves it for the window that holds the inbox;
// with no such window it opens its own.
void CommandLineTest::linkGoesToTheWindowOpen()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString folder = scratch.path() + u"/Wagecourt"_s;
    const QString link = u"wagecourt:book?1.x"_s;
    QVERIFY(!LinkInbox::handOver(folder, link)); // no window open

    LinkInbox window(folder);
    QSignalSpy arrived(&window, &LinkInbox::linkArrived);
    QVERIFY(window.claim());
    QVERIFY(!LinkInbox(folder).claim()); // one window takes the links
    QVERIFY(LinkInbox::handOver(folder, link));
    QVERIFY(LinkInbox::handOver(folder, link + u"y"_s));
    QTRY_COMPARE(arrived.size(), 2);
    QStringList links{arrived[0][0].toString(), arrived[1][0].toString()};
    links.sort();
    QCOMPARE(links, QStringList({link, link + u"y"_s}));
    QVERIFY(QDir(folder + u"/links"_s).isEmpty()); // each taken once
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
