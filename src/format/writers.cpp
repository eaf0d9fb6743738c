#include "format/writers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <charconv>
#include <cmath>
#include <cstring>
#include <version>

namespace wagecourt::format {

namespace {

char *writeText(char *to, QByteArrayView text)
{
    std::memcpy(to, text.data(), std::size_t(text.size()));
    return to + text.size();
}

// The way a compact document writes one value, brackets of its array removed.
QByteArray documentText(double value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

} // namespace

char *writeJsonNumber(char *to, double value)
{
    // Salaries' position values lie far inside this range. There a document
    // writes whole numbers as integers and the rest in the shortest decimal
    // form, which is what to_chars gives; elsewhere its rules for exponents,
    // zeros and the sign of zero apply, so ask it.
    const double magnitude = std::fabs(value);
    if (magnitude >= 1 && magnitude < 1e15) {
        const double whole = std::trunc(value);
        if (value == whole)
            return std::to_chars(to, to + kNumberRoom, qint64(whole)).ptr;
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
        return std::to_chars(to, to + kNumberRoom, value).ptr;
#else
        // This C++ library (libc++ before 14, the web build's) cannot write a
        // double with to_chars; the document writes the same shortest digits.
        return writeText(to, documentText(value));
#endif
    }
    const QByteArray text = documentText(value);
    Q_ASSERT(text.size() <= kNumberRoom);
    return writeText(to, text);
}

void appendJsonNumber(QByteArray &out, double value)
{
    char text[kNumberRoom];
    out.append(text, writeJsonNumber(text, value) - text);
}

void appendJsonString(QByteArray &out, QByteArrayView utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '"' && c != '\\') {
            out += c;
            continue;
        }
        out += '\\';
        switch (c) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default:
            out += "u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    out += '"';
}

void appendCsvField(QByteArray &out, QByteArrayView field)
{
    bool quote = false;
    for (char c : field)
        quote = quote || c == '"' || c == ',' || c == '\t' || c == '\n' || c == '\r';
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace wagecourt::format
