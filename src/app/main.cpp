#include "catalogue/catalogue.h"
#include "app/commandline.h"
#include "app/displayprobes.h"
#include "app/firstframe.h"
#include "app/linkinbox.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "i18n/messagelanguage.h"
#include "i18n/translators.h"
#include "ui/picturecache.h"
#include "ui/platform/platform.h"
#include "app/platformchoice.h"
#include "app/startguard.h"
#include "version.h"
#include "app/warmup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace app = wagecourt::app;
namespace ui = wagecourt::ui;

namespace {

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Help, the version and usage errors, in the language the user's messages are
// in, with an application object for the translations but no display.
int answerWithoutWindow(int argc, char *argv[], const QStringList &arguments)
{
    const QCoreApplication core(argc, argv);
    wagecourt::Translators translators;
    translators.use(wagecourt::languageCode(wagecourt::messageLanguage()));
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    if (commandLine.action == app::CommandLine::Action::UsageError) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("wagecourt: cannot write to standard output");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any display is needed.
    const QStringList arguments = argumentList(argc, argv);
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    if (commandLine.action != app::CommandLine::Action::Run)
        return answerWithoutWindow(argc, argv, arguments);

    // A link clicked while a window is open goes to that window; no second
    // one opens, and no display is needed for it.
    if (!commandLine.link.isEmpty() && app::LinkInbox::handOver(app::LinkInbox::defaultFolder(), commandLine.link))
        return 0;

    QString platformFailure;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const app::PlatformChoice choice =
        app::choosePlatform(app::currentDisplayEnvironment(commandLine));
    if (!choice.refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", choice.refusal.toLocal8Bit().constData());
        return 1;
    }
    if (!choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platform);
    platformFailure = choice.failure;
#endif

    app::StartupWarmup warmup;
    std::optional<app::PlatformStartGuard> platformGuard(std::in_place, platformFailure);
    QApplication app(argc, argv);
    platformGuard.reset();
    warmup.applicationReady();
    QApplication::setApplicationName(QStringLiteral("Wagecourt"));
    QApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wagecourt.Wagecourt"));
    // Decoded by the warm-up: an image reader set up here would cost the first
    // frame about a millisecond.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ui::resourcePicture(ui::kWindowIcon))));
    ui::loadLayoutFonts();
    QApplication::setFont(ui::defaultFont(ui::TextScale::of(QGuiApplication::primaryScreen())));

    int status = 0;
    {
        ui::DesktopPlatform platform;
        ui::Form1 form(platform);
        if (commandLine.quitAfterFirstFrame)
            app::quitAfterFirstFrame(&form);
        form.show();
        // After the first frame: the links other starts hand over come here,
        // and the one this start was given is offered.
        app::LinkInbox inbox(app::LinkInbox::defaultFolder());
        QObject::connect(&inbox, &app::LinkInbox::linkArrived, &form, [&form](const QString &link) {
            form.raise();
            form.activateWindow();
            form.offerLink(link);
        }, Qt::QueuedConnection);
        QTimer::singleShot(0, &form, [&inbox, &form, link = commandLine.link] {
            inbox.claim();
            if (!link.isEmpty())
                form.offerLink(link);
        });
        status = app.exec();
    }
    // Qt 6.4's Wayland client now and then waits for ever while it takes its
    // display down (one of its event threads stays in wl_display_read_events),
    // leaving the program running with no window. The window has written its
    // settings and the book by now, so on Wayland the program ends here.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
