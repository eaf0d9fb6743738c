#include "ui/fonts.h"
#include "ui/platform/clipboard.h"
#include "ui/platform/platform.h"
#include "ui/platform/settingsstore.h"
#include "ui/platform/settopmost.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QThread>

#include <cmath>

namespace wagecourt::ui {

DesktopPlatform::DesktopPlatform() = default;

// Writes what is still pending, waiting at most a second; a store that cannot be
// written is left as it is.
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

ClipboardText DesktopPlatform::clipboardText(qsizetype maxCharacters)
{
    ClipboardText read = ReadClipboardText(maxCharacters);
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
        box.setText(QStringLiteral("<p style=\"line-height:%1%\">%2</p>")
                            .arg(percent, 0, 'f', 2)
                            .arg(text.toHtmlEscaped()));
    }
    box.exec();
}

void DesktopPlatform::setTopMost(QWidget *window, bool on)
{
    SetTopMost(window, on);
}

SettingsStore &DesktopPlatform::settings()
{
    if (!m_settings)
        m_settings = OpenUserSettings();
    return *m_settings;
}

bool DesktopPlatform::setSettingsAside()
{
    return settings().setAside();
}

QVariant DesktopPlatform::setting(const QString &key)
{
    return settings().value(key);
}

void DesktopPlatform::setSetting(const QString &key, const QVariant &value)
{
    settings().setValue(key, value);
}

} // namespace wagecourt::ui
