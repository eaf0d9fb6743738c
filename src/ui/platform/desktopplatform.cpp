#include "ui/fonts.h"
#include "ui/platform/clipboard.h"
#include "ui/platform/platform.h"
#include "ui/platform/settingsstore.h"
#include "ui/platform/settopmost.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <cmath>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

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

namespace {

void setBoxText(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // The toolkit's spacing of the scalable Tahoma lets a descender meet the
    // next line's capitals; the text keeps its words, at the face's own spacing.
    const QFont font = QApplication::font("QMessageBox");
    if (const qreal spacing = wrappedLineSpacing(font); spacing > 0) {
        const qreal percent = 100 * spacing / std::ceil(QFontMetricsF(font).lineSpacing());
        // Its line breaks kept as well, such as those between an import's refused lines.
        const QString lines = text.toHtmlEscaped().replace(u'\n', u"<br>"_s);
        box.setTextFormat(Qt::RichText);
        box.setText(u"<p style=\"line-height:%1%\">%2</p>"_s.arg(percent, 0, 'f', 2).arg(lines));
    }
}

} // namespace

void DesktopPlatform::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, QString(), QMessageBox::Ok, QApplication::activeWindow());
    setBoxText(box, text);
    box.exec();
}

int DesktopPlatform::ask(const QString &title, const QString &text, const QStringList &choices)
{
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::NoButton, QApplication::activeWindow());
    setBoxText(box, text);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::ActionRole);
    if (!buttons.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton *>(buttons.front()));
        box.setEscapeButton(buttons.front());
    }
    box.exec();
    return std::max(0, int(buttons.indexOf(box.clickedButton())));
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
