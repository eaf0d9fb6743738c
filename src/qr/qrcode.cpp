#include "qr/qrcode.h"

#include <qrencode.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace wagecourt::qr {

std::optional<QrCode> encodeQr(QByteArrayView text)
{
    // Checked before libqrencode copies a text of any length only to find it
    // fits no version.
    if (text.isEmpty() || text.size() > kMaxBytes)
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> symbol(
            QRcode_encodeData(int(text.size()), reinterpret_cast<const unsigned char *>(text.data()), 0, QR_ECLEVEL_L),
            &QRcode_free);
    if (!symbol || symbol->version > kMaxVersion)
        return std::nullopt;
    QrCode code;
    code.size = symbol->width;
    const qsizetype count = qsizetype(code.size) * code.size;
    code.modules.reserve(count);
    // Bit 0 of each byte is the module's colour; the others say what it is part of.
    for (qsizetype i = 0; i < count; ++i)
        code.modules.append((symbol->data[i] & 1) != 0);
    return code;
}

QList<QRect> darkRuns(const QrCode &code)
{
    QList<QRect> runs;
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (!code.isDark(x, y))
                continue;
            const int start = x;
            while (x + 1 < code.size && code.isDark(x + 1, y))
                ++x;
            runs.append(QRect(start, y, x - start + 1, 1));
        }
    }
    return runs;
}

QString svgPath(const QrCode &code)
{
    QString path;
    for (const QRect &run : darkRuns(code))
        path += u"M%1 %2h%3v1h-%3z"_s.arg(run.x()).arg(run.y()).arg(run.width());
    return path;
}

} // namespace wagecourt::qr
