#pragma once

#include "cli/commands.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIODevice>
#include <QString>

#include <initializer_list>
#include <optional>

namespace wagecourt::cli {

// What every command of the command line does alike: read a file or standard
// input up to a size, tell an option given twice, and report on the streams
// it was given, so tests can run it without a process.
class CommandSession
{
protected:
    CommandSession(QIODevice &in, QIODevice &out, QIODevice &err) : m_in(in), m_out(out), m_err(err) {}

    int usageError(const QString &message);
    // "wagecourt-cli: " and the message on standard error; ExitRejected.
    int failed(const QString &message);
    void writeOut(const QString &text) { m_out.write(text.toUtf8()); }
    void writeErr(const QString &text) { m_err.write(text.toUtf8()); }

    // The bytes of a file, or of standard input for "-", at most limit + 1 of
    // them so that more than the limit can be told; none after a message (a
    // file that cannot be opened is a usage error, status ExitUsage; a failed
    // read ExitRejected).
    std::optional<QByteArray> readInput(const QString &path, qint64 limit, int *status);

    // A usage error's text for the first of the options given more than
    // once, which of two values was meant cannot be known; empty when none was.
    static QString givenTwiceText(const QCommandLineParser &parser,
                                  std::initializer_list<const QCommandLineOption *> options);

    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
};

// At most limit + 1 bytes, so that more than the limit can be told; none on a read error.
std::optional<QByteArray> readAtMost(QIODevice &device, qint64 limit);

} // namespace wagecourt::cli
