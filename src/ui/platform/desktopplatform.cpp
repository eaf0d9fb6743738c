#include "platform/platform.h"
#include "platform/settopmost.h"

#include <QClipboard>
#include <QApplication>
#include <QMessageBox>
#include <QThread>

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
    // Qt's own reader waits five seconds for an owner that does not answer.
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

void DesktopPlatform::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopPlatform::setTopMost(QWidget *window, bool on)
{
    SetTopMost(window, on);
}

} // namespace wagecourt::ui
