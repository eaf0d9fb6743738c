#include "firstframe.h"
#include "fonts.h"
#include "form1.h"
#include "platform/platform.h"
#include "version.h"
#include "warmup.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// Wayland lets no application keep itself above other windows; XWayland does.
void preferXWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland"
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any display is needed.
    bool measureStartUp = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", WAGECOURT_VERSION_TEXT);
            return 0;
        }
        // For the start-up benchmark only.
        measureStartUp = measureStartUp || std::strcmp(argv[i], "--quit-after-first-frame") == 0;
    }

    wagecourt::ui::StartupWarmup warmup;
    preferXWayland();
    QApplication app(argc, argv);
    warmup.applicationReady();
    QApplication::setApplicationName(QStringLiteral("Wagecourt"));
    QApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wagecourt.Wagecourt"));
    //QApplication::setWindowIcon(QIcon(QStringLiteral(":/io.github.wagecourt.Wagecourt.svg")));
    wagecourt::ui::loadLayoutFonts();
    QApplication::setFont(wagecourt::ui::defaultFont(wagecourt::ui::TextScale::of(QGuiApplication::primaryScreen())));

    wagecourt::ui::DesktopPlatform platform;
    wagecourt::ui::Form1 form(platform);
    if (measureStartUp)
        wagecourt::ui::quitAfterFirstFrame(&form);
    form.show();
    return app.exec();
}
