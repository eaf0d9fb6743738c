#include "app/startguard.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace wagecourt::app {

using namespace Qt::StringLiterals;

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct GuardState
{
    std::mutex mutex;
    QByteArray failure;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
};

GuardState &guardState()
{
    static GuardState state;
    return state;
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    GuardState &state = guardState();
    if (type == QtFatalMsg) {
        // Qt would abort right after this returns.
        std::fputs(state.failure.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(state.mutex);
    state.held.push_back({type, QByteArray(context.category), text});
}

} // namespace

PlatformStartGuard::PlatformStartGuard(const QString &failure)
{
    GuardState &state = guardState();
    state.failure = (failure.isEmpty() ? u"wagecourt: the window cannot open: no platform could start"_s
                                       : failure).toLocal8Bit()
        + '\n';
    state.previous = qInstallMessageHandler(holdMessage);
}

PlatformStartGuard::~PlatformStartGuard()
{
    GuardState &state = guardState();
    qInstallMessageHandler(state.previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(state.mutex);
        held.swap(state.held);
    }
    // Through whatever handler is in place again.
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace wagecourt::app
