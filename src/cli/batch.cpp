#include "batch.h"

#include "engine/salary.h"
#include "resultformat.h"

#include <QByteArray>
#include <QByteArrayView>

#include <charconv>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

// Large buffers in both directions: a million lines must not cost a million writes.
constexpr qint64 kReadChunk = 1 << 20;
constexpr qsizetype kFlushAt = 1 << 16;

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView line)
{
    while (!line.isEmpty() && isSeparator(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isSeparator(line.back()))
        line.chop(1);
    return line;
}

void appendNumber(QByteArray &out, long value)
{
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, end - digits);
}

class BatchRun
{
public:
    BatchRun(QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format)
        : m_out(out), m_err(err), m_language(language), m_format(format)
    {
        for (int p = 1; p <= kPositionCount; ++p)
            m_positionNames[p - 1] = language.positionName(p).toUtf8();
        m_pending.reserve(kFlushAt + 4096);
    }

    void line(QByteArrayView raw)
    {
        ++m_lineNumber;
        const QByteArrayView text = trimmed(raw);
        if (text.isEmpty() || text.front() == '#')
            return;

        SkillLevels levels;
        int count = 0;
        qsizetype i = 0;
        while (i < text.size()) {
            while (i < text.size() && isSeparator(text[i]))
                ++i;
            qsizetype end = i;
            while (end < text.size() && !isSeparator(text[end]))
                ++end;
            const QByteArrayView token = text.sliced(i, end - i);
            i = end;
            if (++count > kSalarySkillCount)
                continue; // counted for the message, not read
            int level = 0;
            const auto [last, ec] = std::from_chars(token.data(), token.data() + token.size(), level);
            if (ec != std::errc() || last != token.data() + token.size() || !isValidLevel(level)) {
                fail(u"'%1' is not a level (a whole number from 1 to 20)"_s.arg(QString::fromUtf8(token)));
                return;
            }
            levels[count] = qint16(level);
        }
        if (count != kSalarySkillCount) {
            fail(u"expected ten levels, found %1"_s.arg(count));
            return;
        }

        const auto result = computeSalary(levels);
        Q_ASSERT(result); // levels within 1 to 20 always give a salary
        if (m_format == OutputFormat::Json) {
            m_pending += jsonLine(resultObject(m_language, levels, *result));
        } else {
            for (qint16 level : levels) {
                appendNumber(m_pending, level);
                m_pending += ',';
            }
            appendNumber(m_pending, result->salary);
            m_pending += ',';
            appendNumber(m_pending, result->position);
            m_pending += ',';
            m_pending += m_positionNames[result->position - 1];
            m_pending += '\n';
        }
        if (m_pending.size() >= kFlushAt)
            flush();
    }

    void flush()
    {
        m_out.write(m_pending);
        m_pending.clear();
    }

    bool anyBad() const { return m_anyBad; }

private:
    void fail(const QString &why)
    {
        m_anyBad = true;
        flush(); // keep stdout and stderr in input order when both go to one place
        m_err.write(u"line %1: %2\n"_s.arg(QString::number(m_lineNumber), why).toUtf8());
    }

    QIODevice &m_out;
    QIODevice &m_err;
    const LanguageEntry &m_language;
    OutputFormat m_format;
    QByteArray m_positionNames[kPositionCount];
    QByteArray m_pending;
    qint64 m_lineNumber = 0;
    bool m_anyBad = false;
};

} // namespace

int runBatch(QIODevice &in, QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format)
{
    BatchRun run(out, err, language, format);
    QByteArray buffer;
    qsizetype lineStart = 0;
    for (;;) {
        // Blocks on a pipe until data comes; empty only at the end of input.
        const QByteArray chunk = in.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        // Keep only the unfinished line from the last chunk.
        buffer = buffer.sliced(lineStart) + chunk;
        lineStart = 0;
        qsizetype newline;
        while ((newline = buffer.indexOf('\n', lineStart)) >= 0) {
            run.line(QByteArrayView(buffer).sliced(lineStart, newline - lineStart));
            lineStart = newline + 1;
        }
    }
    if (lineStart < buffer.size())
        run.line(QByteArrayView(buffer).sliced(lineStart));
    run.flush();
    return run.anyBad() ? 1 : 0;
}

} // namespace wagecourt::cli
