#include "cli/batch.h"

#include "engine/salary.h"
#include "presentation/clitexts.h"
#include "format/resultformat.h"
#include "format/writers.h"
#include "usecases/readlist.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

namespace {

// Large buffers in both directions: a million lines must not cost a million writes.
constexpr qint64 kReadChunk = 1 << 20;
constexpr qsizetype kFlushAt = 1 << 16;
// Far beyond any player's line; what is longer is skipped rather than kept,
// so that a file without line ends cannot take all memory.
constexpr qsizetype kLongestLine = 64 * 1024;
// Column names are a short line of words.
constexpr qsizetype kLongestHeader = 1024;

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

// What ends a name: it holds neither.
bool endsField(char c)
{
    return c == ',' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView line)
{
    while (!line.isEmpty() && isSeparator(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isSeparator(line.back()))
        line.chop(1);
    return line;
}

QByteArrayView trimmedSpaces(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

// Calls use(token) for every run of characters between separators, in order,
// until it returns false.
template <typename Use>
void forEachToken(QByteArrayView text, Use use)
{
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i]))
            ++i;
        qsizetype end = i;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        if (end > i && !use(text.sliced(i, end - i)))
            return;
        i = end;
    }
}

// What a person would take for a number, level or not: "12", "-3", "1.5".
bool looksNumeric(QByteArrayView token)
{
    qsizetype i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < token.size(); ++i) {
        if (token[i] >= '0' && token[i] <= '9')
            digit = true;
        else if (token[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

bool allNumeric(QByteArrayView text)
{
    bool all = true;
    forEachToken(text, [&](QByteArrayView token) { return all = looksNumeric(token); });
    return all;
}

bool noneNumeric(QByteArrayView text)
{
    bool none = true;
    forEachToken(text, [&](QByteArrayView token) { return none = !looksNumeric(token); });
    return none;
}

// A tab may stand in a quoted name, as RFC 4180 allows; no other control character may.
std::optional<char16_t> firstControl(QStringView text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control && c != u'\t')
            return c.unicode();
    return std::nullopt;
}

// Only a short line of printable words is taken for column names; anything
// else in the first line is a player line, and a bad one.
bool readsAsColumnNames(QByteArrayView text)
{
    return text.size() < kLongestHeader && noneNumeric(text) && !firstControl(QString::fromUtf8(text));
}

// Into a line buffer of known size: piece by piece into a QByteArray costs
// more than the numbers themselves.
char *writeNumber(char *to, long value)
{
    return std::to_chars(to, to + 24, value).ptr;
}

struct NameSplit
{
    QByteArray name; // empty when the line has none
    QByteArrayView levels;
    QString error;
};

// A leading field (before the first comma or tab) that is not all numbers is
// the player's name, and so is a field in double quotes, which may then hold
// commas, tabs and doubled quotes as in RFC 4180.
NameSplit splitName(QByteArrayView text)
{
    NameSplit split;
    if (text.front() == '"') {
        qsizetype i = 1;
        for (;;) {
            const qsizetype quote = text.indexOf('"', i);
            if (quote < 0) {
                split.error = clitext::kUnclosedQuote.translated();
                return split;
            }
            split.name += text.sliced(i, quote - i);
            i = quote + 1;
            if (i < text.size() && text[i] == '"') {
                split.name += '"';
                ++i;
                continue;
            }
            break;
        }
        // The quotes end the name, so a space may stand for the comma or tab.
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i < text.size() && endsField(text[i]))
            ++i;
        split.levels = text.sliced(i);
    } else {
        qsizetype end = 0;
        while (end < text.size() && !endsField(text[end]))
            ++end;
        const QByteArrayView first = trimmedSpaces(text.first(end));
        if (end == text.size() || allNumeric(first)) {
            split.levels = text;
            return split;
        }
        split.name = first.toByteArray();
        split.levels = text.sliced(end + 1);
    }
    // Output must be valid UTF-8 whatever the roster held.
    const QString name = QString::fromUtf8(split.name);
    split.name = name.toUtf8();
    if (const auto control = firstControl(name))
        split.error = clitext::kNameHoldsControl.translated().arg(
                QString::number(*control, 16).toUpper().rightJustified(4, u'0'));
    return split;
}

class BatchRun
{
public:
    BatchRun(QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format, bool csvHeader)
        : m_out(out), m_err(err), m_json(language), m_format(format), m_nameColumn(csvHeader)
    {
        for (int p = 1; p <= kPositionCount; ++p)
            m_positionNames[p - 1] = language.positionName(p).toUtf8();
        m_pending.reserve(kFlushAt + 4096);
        if (csvHeader) {
            m_pending += format::kBatchCsvHeader;
            m_pending += '\n';
        }
    }

    void line(QByteArrayView raw)
    {
        ++m_lineNumber;
        if (raw.size() > kLongestLine) {
            m_sawData = true;
            m_sawPlayer = true;
            m_name.clear();
            fail(clitext::kLineTooLong.translated().arg(kLongestLine));
            return;
        }
        if (m_lineNumber == 1 && raw.startsWith(kByteOrderMark))
            raw = raw.sliced(kByteOrderMark.size());
        const QByteArrayView text = trimmed(raw);
        if (text.isEmpty() || text.front() == '#')
            return;
        if (!m_sawData) {
            m_sawData = true;
            if (readsAsColumnNames(text))
                return;
        }
        m_sawPlayer = true;

        NameSplit split = splitName(text);
        m_name = split.name;
        if (!split.error.isEmpty()) {
            fail(split.error);
            return;
        }

        SkillLevels levels;
        int count = 0;
        QByteArrayView bad;
        forEachToken(split.levels, [&](QByteArrayView token) {
            if (++count > kSalarySkillCount)
                return true; // counted for the message, not read
            int level = 0;
            const auto [last, ec] = std::from_chars(token.data(), token.data() + token.size(), level);
            if (ec != std::errc() || last != token.data() + token.size() || !isValidLevel(level)) {
                bad = token;
                return false;
            }
            levels[count] = qint16(level);
            return true;
        });
        if (!bad.isNull()) {
            fail(clitext::kBatchNotALevel.translated().arg(escapedControls(QString::fromUtf8(bad))));
            return;
        }
        if (count != kSalarySkillCount) {
            fail(clitext::kTenLevelsExpected.translated(int(count)));
            return;
        }

        const SalaryResult result = usecase::salaryOf(levels);
        if (m_format == OutputFormat::Json) {
            m_json.append(m_pending, levels, result, m_name);
        } else {
            if (m_nameColumn || !m_name.isEmpty()) {
                format::appendCsvField(m_pending, m_name);
                m_pending += ',';
            }
            char numbers[256]; // twelve of them
            char *to = numbers;
            for (qint16 level : levels) {
                to = writeNumber(to, level);
                *to++ = ',';
            }
            to = writeNumber(to, result.salary);
            *to++ = ',';
            to = writeNumber(to, result.position);
            *to++ = ',';
            m_pending.append(numbers, to - numbers);
            m_pending += m_positionNames[result.position - 1];
            m_pending += '\n';
        }
        if (m_pending.size() >= kFlushAt)
            flush();
    }

    void flush()
    {
        if (m_pending.isEmpty() || m_outputFailed)
            return;
        // By pointer, so no device keeps a share of the buffer, and emptied
        // without letting its memory go: clear() would cost an allocation each time.
        if (m_out.write(m_pending.constData(), m_pending.size()) != m_pending.size())
            m_outputFailed = true;
        m_pending.truncate(0);
    }

    void report(const QString &message) { m_err.write(message.toUtf8()); }

    bool anyBad() const { return m_anyBad; }
    bool sawPlayer() const { return m_sawPlayer; }
    // Nothing more can be written, so reading on is pointless.
    bool outputFailed() const { return m_outputFailed; }

private:
    void fail(const QString &why)
    {
        m_anyBad = true;
        flush(); // keep stdout and stderr in input order when both go to one place
        const QString where = m_name.isEmpty() ? QString::number(m_lineNumber)
                                               : u"%1 (%2)"_s.arg(m_lineNumber).arg(escapedControls(QString::fromUtf8(m_name)));
        report(clitext::badLineText(where, why));
    }

    QIODevice &m_out;
    QIODevice &m_err;
    format::ResultJsonWriter m_json;
    OutputFormat m_format;
    QByteArray m_positionNames[kPositionCount];
    QByteArray m_pending;
    QByteArray m_name; // of the current line
    qint64 m_lineNumber = 0;
    bool m_sawData = false;
    bool m_sawPlayer = false; // a line that is neither blank, a comment nor the header, good or bad
    bool m_nameColumn; // on every line, empty where the roster gives none, so the columns line up
    bool m_anyBad = false;
    bool m_outputFailed = false;
};

} // namespace

int runBatch(QIODevice &in, QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format,
             bool csvHeader)
{
    BatchRun run(out, err, language, format, csvHeader);
    QByteArray buffer;
    bool readFailed = false;
    bool skipping = false; // through the rest of a line already reported as too long
    for (;;) {
        // Blocks on a pipe until data comes; 0 only at the end of input.
        const qsizetype kept = buffer.size(); // the unfinished line of the last chunk
        buffer.resize(kept + kReadChunk);
        const qint64 got = in.read(buffer.data() + kept, kReadChunk);
        buffer.resize(kept + std::max<qint64>(got, 0));
        if (got <= 0) {
            readFailed = got < 0;
            break;
        }
        qsizetype lineStart = 0;
        qsizetype newline = buffer.indexOf('\n', kept);
        if (skipping) {
            if (newline < 0) {
                buffer.truncate(0);
                continue;
            }
            skipping = false;
            lineStart = newline + 1;
            newline = buffer.indexOf('\n', lineStart);
        }
        for (; newline >= 0 && !run.outputFailed(); newline = buffer.indexOf('\n', lineStart)) {
            run.line(QByteArrayView(buffer).sliced(lineStart, newline - lineStart));
            lineStart = newline + 1;
        }
        if (run.outputFailed())
            break;
        // Moved to the front by hand: remove() would leave the room at the
        // front, and the next chunk would need a new allocation.
        qsizetype rest = buffer.size() - lineStart;
        if (rest > kLongestLine) {
            // Reported now, from its first bytes, and the rest read past unkept.
            run.line(QByteArrayView(buffer).sliced(lineStart, kLongestLine + 1));
            skipping = true;
            lineStart = buffer.size();
            rest = 0;
        }
        std::memmove(buffer.data(), buffer.data() + lineStart, std::size_t(rest));
        buffer.truncate(rest);
    }
    if (!buffer.isEmpty() && !readFailed && !run.outputFailed())
        run.line(buffer);
    run.flush();
    if (readFailed)
        run.report(clitext::cannotReadInputText(in.errorString()));
    const bool empty = !run.sawPlayer() && !readFailed && !run.outputFailed();
    if (empty)
        run.report(clitext::noPlayerLineText());
    return run.anyBad() || readFailed || run.outputFailed() || empty ? 1 : 0;
}

QString escapedControls(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            escaped += u"\\x"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            escaped += c;
    }
    return escaped;
}

} // namespace wagecourt::cli
