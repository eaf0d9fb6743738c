#include "ui/platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace wagecourt::ui {

// Where no reader of our own is written for the windowing system: the toolkit's.
ClipboardText ReadClipboardText(qsizetype)
{
    ClipboardText read;
    read.text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    return read;
}

} // namespace wagecourt::ui
