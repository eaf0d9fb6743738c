#include "ui/settings.h"

#include "catalogue/catalogue.h"
#include "ui/platform/platform.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace wagecourt::ui {

namespace {

// Past this a coordinate is junk, and adding a window's size to it could overflow.
constexpr int kFarthestCoordinate = 1'000'000;
// How much of the title bar must show on a screen for the user to drag the window back.
constexpr int kGripWidth = 40;
constexpr int kGripHeight = 10;

std::optional<int> readInt(const QVariant &value)
{
    bool ok = false;
    int number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::QString: // text formats keep numbers as words
        number = value.toInt(&ok);
        break;
    default:
        break;
    }
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<bool> readBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) { // text formats keep true and false as words
        const QString word = value.toString().trimmed();
        if (word.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (word.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
    }
    return std::nullopt;
}

bool canBeGrabbed(QPoint position, QSize windowSize)
{
    auto far = [](int coordinate) { return coordinate < -kFarthestCoordinate || coordinate > kFarthestCoordinate; };
    if (far(position.x()) || far(position.y()))
        return false;
    const QRect titleBar(position, QSize(windowSize.width(), 2 * kGripHeight));
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen *screen) {
        const QRect shown = screen->geometry().intersected(titleBar);
        return shown.width() >= kGripWidth && shown.height() >= kGripHeight;
    });
}

} // namespace

RememberedSettings readSettings(Platform &platform, QSize windowSize)
{
    RememberedSettings remembered;

    // A remembered language wins; before the first pick, the desktop's.
    qsizetype languageIndex = -1;
    const QVariant language = platform.setting(kLanguageSetting);
    if (language.typeId() == QMetaType::QString)
        languageIndex = languageNames().indexOf(language.toString());
    if (languageIndex >= 0)
        remembered.languageIndex = int(languageIndex);
    else if (const LanguageEntry *desktop = firstGameLanguage(platform.desktopLanguages()))
        remembered.languageIndex = int(desktop - languages().data());

    const std::optional<bool> onTop = readBool(platform.setting(kOnTopSetting));
    remembered.onTop = onTop.value_or(true);

    const std::optional<int> x = readInt(platform.setting(kPositionXSetting));
    const std::optional<int> y = readInt(platform.setting(kPositionYSetting));
    if (x && y && canBeGrabbed(QPoint(*x, *y), windowSize))
        remembered.position = QPoint(*x, *y);

    // A store none of whose keys could be read is junk: it is put aside, and a
    // fresh one holds the first start's choices (the place follows at close).
    if (languageIndex < 0 && !onTop && !(x && y) && platform.setSettingsAside()) {
        platform.setSetting(kLanguageSetting, languageNames().value(remembered.languageIndex));
        platform.setSetting(kOnTopSetting, remembered.onTop);
    }

    return remembered;
}

} // namespace wagecourt::ui
