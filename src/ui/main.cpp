#include "commandline.h"
#include "firstframe.h"
#include "fonts.h"
#include "form1.h"
#include "platform/platform.h"
#include "version.h"
#include "warmup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <optional>

namespace {

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any display is needed.
    const wagecourt::ui::CommandLine commandLine = wagecourt::ui::parseCommandLine(argumentList(argc, argv));
    switch (commandLine.action) {
    case wagecourt::ui::CommandLine::Action::Help:
    case wagecourt::ui::CommandLine::Action::Version:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::perror("wagecourt: cannot write to standard output");
            return 1;
        }
        return 0;
    case wagecourt::ui::CommandLine::Action::UsageError:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 2;
    case wagecourt::ui::CommandLine::Action::Run:
        break;
    }

    QString platformFailure;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const wagecourt::ui::PlatformChoice choice =
        wagecourt::ui::choosePlatform(wagecourt::ui::currentDisplayEnvironment(commandLine));
    if (!choice.refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", choice.refusal.toLocal8Bit().constData());
        return 1;
    }
    if (!choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platform);
    platformFailure = choice.failure;
#endif

    wagecourt::ui::StartupWarmup warmup;
    std::optional<wagecourt::ui::PlatformStartGuard> platformGuard(std::in_place, platformFailure);
    QApplication app(argc, argv);
    platformGuard.reset();
    warmup.applicationReady();
    QApplication::setApplicationName(QStringLiteral("Wagecourt"));
    QApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wagecourt.Wagecourt"));
    // Decoded by the warm-up: an image reader set up here would cost the first
    // frame about a millisecond.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(wagecourt::ui::resourcePicture(wagecourt::ui::kWindowIcon))));
    wagecourt::ui::loadLayoutFonts();
    QApplication::setFont(wagecourt::ui::defaultFont(wagecourt::ui::TextScale::of(QGuiApplication::primaryScreen())));

    wagecourt::ui::DesktopPlatform platform;
    wagecourt::ui::Form1 form(platform);
    if (commandLine.quitAfterFirstFrame)
        wagecourt::ui::quitAfterFirstFrame(&form);
    form.show();
    return app.exec();
}
