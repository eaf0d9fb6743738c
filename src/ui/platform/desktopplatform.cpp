#include "platform/platform.h"
#include "platform/settopmost.h"

#include <QClipboard>
#include <QApplication>
#include <QMessageBox>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wagecourt::ui {

void DesktopPlatform::pause(int milliseconds)
{
#ifdef Q_OS_WIN
    ::Sleep(DWORD(milliseconds));
#else
    QThread::msleep(static_cast<unsigned long>(milliseconds));
#endif
}

QString DesktopPlatform::clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
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
