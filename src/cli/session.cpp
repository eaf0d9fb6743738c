#include "cli/session.h"

#include "cli/batch.h"
#include "presentation/clitexts.h"

#include <QFile>

#include <algorithm>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

// The first read's size; each further one doubles what was read, so a large
// input costs few reads and a small one little memory.
constexpr qint64 kFirstReadBytes = 1 << 16;

} // namespace

std::optional<QByteArray> readAtMost(QIODevice &device, qint64 limit)
{
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const qsizetype kept = bytes.size();
        bytes.resize(kept + qsizetype(std::min<qint64>(std::max<qint64>(kFirstReadBytes, kept), limit + 1 - kept)));
        const qint64 got = device.read(bytes.data() + kept, bytes.size() - kept);
        if (got < 0)
            return std::nullopt;
        bytes.resize(kept + qsizetype(got));
        if (got == 0)
            break;
    }
    return bytes;
}

int CommandSession::usageError(const QString &message)
{
    writeErr(clitext::usageErrorText(escapedControls(message)));
    return ExitUsage;
}

int CommandSession::failed(const QString &message)
{
    writeErr(u"wagecourt-cli: "_s + message + u'\n');
    return ExitRejected;
}

std::optional<QByteArray> CommandSession::readInput(const QString &path, qint64 limit, int *status)
{
    QFile file(path);
    if (path != u"-"_s && !file.open(QIODevice::ReadOnly)) {
        *status = usageError(clitext::kCannotRead.translated().arg(path, file.errorString()));
        return std::nullopt;
    }
    QIODevice &input = path == u"-"_s ? m_in : file;
    std::optional<QByteArray> bytes = readAtMost(input, limit);
    if (!bytes) {
        writeErr(clitext::cannotReadInputText(input.errorString()));
        *status = ExitRejected;
    }
    return bytes;
}

QString CommandSession::givenTwiceText(const QCommandLineParser &parser,
                                       std::initializer_list<const QCommandLineOption *> options)
{
    for (const QCommandLineOption *option : options) {
        const qsizetype times = parser.values(*option).size();
        if (times > 1)
            return clitext::kGivenTwice.translated(int(times)).arg(u"--"_s + option->names().front());
    }
    return {};
}

} // namespace wagecourt::cli
