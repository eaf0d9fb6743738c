#include "fonts.h"
#include "platform/platform.h"
#include "platform/settingsfile.h"
#include "platform/settopmost.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef WAGECOURT_HAVE_XCB
#include "platform/clipboard_x11.h"
#endif

namespace wagecourt::ui {

namespace {

// Owners answer in milliseconds; one that has not answered by now will not.
constexpr int kClipboardDeadlineMilliseconds = 750;

} // namespace

DesktopPlatform::DesktopPlatform() = default;

// Writes what is still pending, waiting at most a second; a store that cannot be
// written is left as it is.
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::pause(int milliseconds)
{
#ifdef Q_OS_WIN
    ::Sleep(DWORD(milliseconds));
#else
    QThread::msleep(static_cast<unsigned long>(milliseconds));
#endif
}

ClipboardText DesktopPlatform::clipboardText(qsizetype maxCharacters)
{
    ClipboardText read;
#ifdef WAGECOURT_HAVE_XCB
    // Qt's own reader waits five seconds for an owner that does not answer
    // (QXcbClipboard::waitForClipboardEvent; a trace of that wait is in
    // QupZilla/qupzilla issue 1945 on GitHub).
    // What this program owns itself it must answer itself, through Qt.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !QGuiApplication::clipboard()->ownsClipboard())
        read = readX11ClipboardText(kClipboardDeadlineMilliseconds, maxCharacters * 4); // UTF-8: at most 4 bytes each
    else
#endif
        read.text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (read.text.size() > maxCharacters) {
        read.text.clear();
        read.tooLong = true;
    }
    return read;
}

void DesktopPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void DesktopPlatform::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // The toolkit's spacing of the scalable Tahoma lets a descender meet the
    // next line's capitals; the text keeps its words, at the face's own spacing.
    const QFont font = QApplication::font("QMessageBox");
    if (const qreal spacing = wrappedLineSpacing(font); spacing > 0) {
        const qreal percent = 100 * spacing / std::ceil(QFontMetricsF(font).lineSpacing());
        box.setTextFormat(Qt::RichText);
        box.setText(QStringLiteral("<p style=\"line-height:%1%\">%2</p>").arg(percent, 0, 'f', 2).arg(text.toHtmlEscaped()));
    }
    box.exec();
}

void DesktopPlatform::setTopMost(QWidget *window, bool on)
{
    SetTopMost(window, on);
}

#ifdef Q_OS_WIN
QSettings &DesktopPlatform::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QStringLiteral("Wagecourt"), QStringLiteral("Wagecourt"));
    return *m_settings;
}

bool DesktopPlatform::setSettingsAside()
{
    return false; // the registry holds typed values, never junk text
}
#else
SettingsFile &DesktopPlatform::settings()
{
    // Where the native format keeps them: $XDG_CONFIG_HOME, else ~/.config.
    if (!m_settings)
        m_settings = std::make_unique<SettingsFile>(
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/Wagecourt/Wagecourt.conf"));
    return *m_settings;
}

bool DesktopPlatform::setSettingsAside()
{
    return settings().setAside();
}
#endif

QVariant DesktopPlatform::setting(const QString &key)
{
    return settings().value(key);
}

void DesktopPlatform::setSetting(const QString &key, const QVariant &value)
{
    settings().setValue(key, value);
}

} // namespace wagecourt::ui
