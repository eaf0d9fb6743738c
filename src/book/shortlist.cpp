#include "book/shortlist.h"

#include "catalogue/catalogue.h"

#include <QByteArray>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace wagecourt::book {

namespace {

constexpr quint64 kLanguageChanged = 1u << kSnapshotLevelCount;
constexpr qsizetype kChecksumBytes = 4;
constexpr QByteArray::Base64Options kBase64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// Days are counted from 2000-01-01 so that today's fit in three bytes.
constexpr qint64 kEpoch = 2451545; // 2000-01-01
constexpr qint64 kFirstDay = 1721426; // 0001-01-01
constexpr qint64 kLastDay = 5373484; // 9999-12-31: the years a day's text has room for

constexpr std::array<quint32, 256> kCrcTable = [] {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes)
        crc = kCrcTable[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void appendVarint(QByteArray &out, quint64 value)
{
    while (value >= 0x80) {
        out += char(0x80 | (value & 0x7F));
        value >>= 7;
    }
    out += char(value);
}

void appendText(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    appendVarint(out, quint64(utf8.size()));
    out += utf8;
}

// A null language, which no book holds, is written as a code no language has.
void appendLanguage(QByteArray &out, const LanguageEntry *language)
{
    const QStringView code = language ? languageCode(*language) : QStringView();
    for (qsizetype k = 0; k < 2; ++k)
        out += k < code.size() ? char(code[k].unicode()) : '\0';
}

quint64 zigzag(qint64 value)
{
    return (quint64(value) << 1) ^ quint64(value >> 63);
}

qint64 unzigzag(quint64 value)
{
    return qint64(value >> 1) ^ -qint64(value & 1);
}

void appendPlayer(QByteArray &out, const Player &player)
{
    appendText(out, player.name);
    appendVarint(out, (quint64(player.tags.size()) << 1) | (player.note.isEmpty() ? 0 : 1));
    if (!player.note.isEmpty())
        appendText(out, player.note);
    for (const QString &tag : player.tags)
        appendText(out, tag);

    std::vector<const Snapshot *> snapshots;
    snapshots.reserve(player.snapshots.size());
    for (const Snapshot &snapshot : player.snapshots)
        snapshots.push_back(&snapshot);
    // A book's are in order already; a day can only be counted forwards.
    std::stable_sort(snapshots.begin(), snapshots.end(),
                     [](const Snapshot *a, const Snapshot *b) { return a->date < b->date; });
    appendVarint(out, quint64(snapshots.size()));
    const Snapshot *previous = nullptr;
    for (const Snapshot *snapshot : snapshots) {
        if (!previous) {
            // An invalid day, which no book holds, as one no reader takes.
            appendVarint(out, snapshot->date.isValid() ? zigzag(snapshot->date.toJulianDay() - kEpoch) : ~quint64(0));
            appendLanguage(out, snapshot->language);
            for (qint16 level : snapshot->levels)
                out += char(level);
        } else {
            appendVarint(out, quint64(snapshot->date.toJulianDay() - previous->date.toJulianDay()));
            quint64 changed = snapshot->language != previous->language ? kLanguageChanged : 0;
            for (std::size_t k = 0; k < snapshot->levels.size(); ++k)
                if (snapshot->levels[k] != previous->levels[k])
                    changed |= quint64(1) << k;
            appendVarint(out, changed);
            for (std::size_t k = 0; k < snapshot->levels.size(); ++k)
                if (changed & (quint64(1) << k))
                    out += char(snapshot->levels[k]);
            if (changed & kLanguageChanged)
                appendLanguage(out, snapshot->language);
        }
        previous = snapshot;
    }
}

bool isTextCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_';
}

QStringView textRun(QStringView token, qsizetype from)
{
    qsizetype end = from;
    while (end < token.size() && isTextCharacter(token[end]))
        ++end;
    return token.sliced(from, end - from);
}

// The bare text, or what follows a link's mark in the first word that has one.
std::optional<QStringView> findText(QStringView input)
{
    const QStringView trimmed = input.trimmed();
    if (!trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), isTextCharacter))
        return trimmed;
    for (qsizetype at = 0; at < trimmed.size();) {
        qsizetype end = at;
        while (end < trimmed.size() && !trimmed[end].isSpace())
            ++end;
        const QStringView token = trimmed.sliced(at, end - at);
        if (const qsizetype mark = token.indexOf(kShortlistPageKey); mark >= 0)
            return textRun(token, mark + kShortlistPageKey.size());
        // A scheme's letter case means nothing.
        if (const qsizetype mark = token.indexOf(kShortlistDesktopPrefix, 0, Qt::CaseInsensitive); mark >= 0)
            return textRun(token, mark + kShortlistDesktopPrefix.size());
        at = end;
        while (at < trimmed.size() && trimmed[at].isSpace())
            ++at;
    }
    return std::nullopt;
}

class BodyReader
{
public:
    explicit BodyReader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at == m_bytes.size(); }
    qsizetype left() const { return m_bytes.size() - m_at; }

    std::optional<quint64> varint()
    {
        quint64 value = 0;
        for (int shift = 0; shift < 64 && m_at < m_bytes.size(); shift += 7) {
            const quint8 byte = quint8(m_bytes[m_at++]);
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    }

    std::optional<QByteArrayView> bytes(quint64 count)
    {
        if (count > quint64(left()))
            return std::nullopt;
        const QByteArrayView taken = m_bytes.sliced(m_at, qsizetype(count));
        m_at += qsizetype(count);
        return taken;
    }

    std::optional<QByteArrayView> text()
    {
        const std::optional<quint64> size = varint();
        return size ? bytes(*size) : std::nullopt;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

// Reads the players of a version 1 body, checking each as it comes.
class PlayerReader
{
public:
    explicit PlayerReader(QByteArrayView body) : m_body(body) {}

    ShortlistRead read()
    {
        while (!m_body.atEnd() && m_read.ok())
            readPlayer();
        if (!m_read.ok())
            m_read.players.clear();
        return std::move(m_read);
    }

private:
    bool fail(ShortlistRecord record, QString detail = {}, TextProblem text = TextProblem::None)
    {
        ShortlistError &error = m_read.error;
        error.problem = ShortlistProblem::BadRecord;
        error.record = record;
        error.textProblem = text;
        error.player = qsizetype(m_read.players.size()) + 1;
        error.playerName = m_player.name;
        error.snapshot = m_snapshot;
        error.detail = std::move(detail);
        return false;
    }

    // A name, note or tag, cleaned as a keep cleans it; none on a fault.
    std::optional<QString> text(ShortlistRecord record, TextProblem (*check)(QStringView))
    {
        const std::optional<QByteArrayView> bytes = m_body.text();
        if (!bytes) {
            fail(ShortlistRecord::Layout);
            return std::nullopt;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(*bytes);
        const QString cleaned = cleanedText(decoded);
        const TextProblem problem = decoder.hasError() ? TextProblem::NotText : check(cleaned);
        if (problem != TextProblem::None) {
            fail(record, record == ShortlistRecord::Note ? QString() : cleaned.left(kLongestName), problem);
            return std::nullopt;
        }
        return cleaned;
    }

    bool readPlayer()
    {
        m_player = Player();
        m_snapshot = 0;
        const std::optional<QString> name = text(ShortlistRecord::Name, checkName);
        if (!name)
            return false;
        m_player.name = *name;
        // Hashed, as a crafted link may hold tens of thousands of names or tags.
        if (m_names.contains(*name))
            return fail(ShortlistRecord::NameTwice, m_player.name);
        m_names.insert(*name);
        const std::optional<quint64> flags = m_body.varint();
        if (!flags || (*flags >> 1) > quint64(m_body.left()))
            return fail(ShortlistRecord::Layout);
        if (*flags & 1) {
            const std::optional<QString> note = text(ShortlistRecord::Note, checkNote);
            if (!note)
                return false;
            m_player.note = *note;
        }
        // Qt folds case one code point at a time, so two tags that hasTag()
        // takes for one fold to the same text.
        QSet<QString> folded;
        for (quint64 t = 0; t < (*flags >> 1); ++t) {
            const std::optional<QString> tag = text(ShortlistRecord::Tag, checkTag);
            if (!tag)
                return false;
            const QString key = tag->toCaseFolded();
            if (folded.contains(key))
                return fail(ShortlistRecord::TagTwice, *tag);
            folded.insert(key);
            m_player.tags.append(*tag);
        }
        const std::optional<quint64> count = m_body.varint();
        if (!count || *count > quint64(m_body.left()))
            return fail(ShortlistRecord::Layout);
        if (*count == 0)
            return fail(ShortlistRecord::NoSnapshots);
        for (m_snapshot = 1; m_snapshot <= qsizetype(*count); ++m_snapshot)
            if (!readSnapshot())
                return false;
        m_read.players.push_back(std::move(m_player));
        return true;
    }

    bool readSnapshot()
    {
        const Snapshot *previous = m_player.snapshots.empty() ? nullptr : &m_player.snapshots.back();
        Snapshot snapshot = previous ? *previous : Snapshot();
        const std::optional<quint64> days = m_body.varint();
        if (!days)
            return fail(ShortlistRecord::Layout);
        // Added in unsigned arithmetic, which wraps rather than overflows, then checked.
        const quint64 day = (previous ? quint64(previous->date.toJulianDay()) : quint64(kEpoch))
                + (previous ? *days : quint64(unzigzag(*days)));
        if (qint64(day) < kFirstDay || qint64(day) > kLastDay || (previous && *days > quint64(kLastDay))) {
            // Only a day after the last has a text to show; one before it would read as a negative year.
            const bool shown = qint64(day) > kLastDay && qint64(day) < (qint64(1) << 32);
            return fail(ShortlistRecord::Date, shown ? dayText(QDate::fromJulianDay(qint64(day))) : QString());
        }
        snapshot.date = QDate::fromJulianDay(qint64(day));

        quint64 changed = kLanguageChanged | ((quint64(1) << kSnapshotLevelCount) - 1);
        if (previous) {
            const std::optional<quint64> mask = m_body.varint();
            if (!mask || *mask >= (kLanguageChanged << 1))
                return fail(ShortlistRecord::Layout);
            changed = *mask;
        } else if (!readLanguage(snapshot)) {
            return false;
        }
        for (std::size_t k = 0; k < snapshot.levels.size(); ++k) {
            if (!(changed & (quint64(1) << k)))
                continue;
            const std::optional<QByteArrayView> level = m_body.bytes(1);
            if (!level)
                return fail(ShortlistRecord::Layout);
            snapshot.levels[k] = qint16(quint8(level->front()));
        }
        if (previous && (changed & kLanguageChanged) && !readLanguage(snapshot))
            return false;
        if (!isValidSnapshot(snapshot)) {
            for (int k = 1; k <= kSnapshotLevelCount; ++k) {
                const int level = snapshot.levels[std::size_t(k - 1)];
                if (level < (k <= kSalarySkillCount ? kLowestLevel : kUnknownLevel) || level > kHighestLevel) {
                    m_read.error.skill = k;
                    m_read.error.value = level;
                    break;
                }
            }
            return fail(ShortlistRecord::Level);
        }
        m_player.snapshots.push_back(snapshot);
        return true;
    }

    bool readLanguage(Snapshot &snapshot)
    {
        const std::optional<QByteArrayView> code = m_body.bytes(2);
        if (!code)
            return fail(ShortlistRecord::Layout);
        snapshot.language = nullptr;
        for (const LanguageEntry &language : languages())
            if (languageCode(language) == QLatin1StringView(*code))
                snapshot.language = &language;
        if (snapshot.language)
            return true;
        // Only what can be shown of it: the code is two bytes of anything.
        QString shown;
        for (char c : *code)
            shown += c > ' ' && c < 0x7F ? QChar(QLatin1Char(c)) : QChar(QChar::ReplacementCharacter);
        return fail(ShortlistRecord::Language, shown);
    }

    BodyReader m_body;
    ShortlistRead m_read;
    QSet<QString> m_names;
    Player m_player;
    qsizetype m_snapshot = 0;
};

ShortlistRead failed(ShortlistProblem problem, int value = 0)
{
    ShortlistRead read;
    read.error.problem = problem;
    read.error.value = value;
    return read;
}

} // namespace

QString shortlistEnvelope(int version, QByteArrayView body)
{
    QByteArray bytes;
    bytes.reserve(body.size() + 16);
    bytes += char(version);
    appendVarint(bytes, quint64(body.size()));
    bytes += body;
    const quint32 crc = crc32(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += char(crc >> shift);
    return QString::fromLatin1(bytes.toBase64(kBase64));
}

QString shortlistText(std::span<const Player *const> players)
{
    QByteArray body;
    for (const Player *player : players)
        appendPlayer(body, *player);
    return shortlistEnvelope(kShortlistVersion, body);
}

QString shortlistText(std::span<const Player> players)
{
    std::vector<const Player *> pointers;
    pointers.reserve(players.size());
    for (const Player &player : players)
        pointers.push_back(&player);
    return shortlistText(pointers);
}

QString shortlistPageLink(QStringView address, QStringView text)
{
    QStringView base = address.trimmed();
    if (const qsizetype fragment = base.indexOf(u'#'); fragment >= 0)
        base.truncate(fragment);
    QString link;
    link.reserve(base.size() + kShortlistPageKey.size() + text.size());
    link.append(base).append(kShortlistPageKey).append(text);
    return link;
}

QString shortlistDesktopLink(QStringView text)
{
    QString link;
    link.reserve(kShortlistDesktopPrefix.size() + text.size());
    link.append(kShortlistDesktopPrefix).append(text);
    return link;
}

ShortlistRead readShortlist(QStringView input)
{
    if (input.size() > kLargestShortlistText)
        return failed(ShortlistProblem::TooLarge);
    const std::optional<QStringView> text = findText(input);
    if (!text)
        return failed(ShortlistProblem::NoLink);
    const QByteArray encoded = text->toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(encoded, kBase64 | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return failed(ShortlistProblem::CutOff); // a length no whole link has
    const QByteArrayView bytes = *decoded;
    if (bytes.size() < 2 + kChecksumBytes)
        return failed(ShortlistProblem::CutOff);

    BodyReader envelope(bytes.sliced(1));
    const std::optional<quint64> length = envelope.varint();
    const qsizetype lengthBytes = bytes.size() - 1 - envelope.left();
    const qsizetype room = envelope.left() - kChecksumBytes; // for the body
    const bool whole = length && room >= 0 && *length <= quint64(room);
    const QByteArrayView checked = bytes.first(bytes.size() - kChecksumBytes);
    quint32 stored = 0;
    for (char byte : bytes.last(kChecksumBytes))
        stored = stored << 8 | quint8(byte);
    if (crc32(checked) != stored)
        return failed(whole ? ShortlistProblem::Checksum : ShortlistProblem::CutOff);
    // The last character's spare bits are not read: one changed there changes no byte.
    if (decoded.decoded.toBase64(kBase64) != encoded)
        return failed(ShortlistProblem::Checksum);

    const int version = quint8(bytes.front());
    if (version > kShortlistVersion)
        return failed(ShortlistProblem::LaterVersion, version);
    if (version < 1 || !whole || *length != quint64(room)) {
        ShortlistRead read = failed(ShortlistProblem::BadRecord);
        read.error.record = ShortlistRecord::Layout;
        return read;
    }
    return PlayerReader(checked.sliced(1 + lengthBytes)).read();
}

} // namespace wagecourt::book
